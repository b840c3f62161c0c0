#include "resources/resource_library.h"

#include "resources/resource_file_check.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QResource>

namespace vellomir::resources {

ResourceLibrary::~ResourceLibrary() {
    close();
}

namespace {

// A resource folder's entry names, which QResource keeps to its subclasses.
class ResourceFolder : public QResource {
public:
    using QResource::children;
    using QResource::QResource;
};

} // namespace

bool ResourceLibrary::open(const QString& path) {
    close();
    m_problem.clear();
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        m_problem = QCoreApplication::translate("vellomir::resources::ResourceLibrary",
                                                "the file is missing or cannot be read");
        return false;
    }
    // Qt trusts every offset in the file: a damaged one must be found first.
    // The check reads the file through a mapping, so only the pages it looks
    // at are read, and nothing of the file stays in memory after it.
    if (uchar* mapped = file.map(0, file.size())) {
        m_problem = resourceFileProblem(
            QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), file.size()));
        file.unmap(mapped);
    } else {
        m_problem = resourceFileProblem(file.readAll());
    }
    if (!m_problem.isEmpty()) {
        return false;
    }
    if (!QResource::registerResource(path)) {
        m_problem = QCoreApplication::translate("vellomir::resources::ResourceLibrary",
                                                "it is not a resource file");
        return false;
    }
    m_path = path;
    return true;
}

QStringList ResourceLibrary::missingBitmaps(const QStringList& names) const {
    QStringList missing;
    for (const QString& name : names) {
        if (loadBitmap(name).isNull()) {
            missing << name;
        }
    }
    return missing;
}

QStringList ResourceLibrary::bitmapNames() const {
    if (!m_folder.isEmpty()) {
        QStringList names;
        for (const QString& file :
             QDir(m_folder + QStringLiteral("/bitmap")).entryList({QStringLiteral("*.png")})) {
            names << file.chopped(4);
        }
        return names;
    }
    // Read from the library's tree alone: a listing through QDir looks at
    // each entry's data to tell files from folders, which maps most of the
    // library's pages into memory. The folder holds only pictures; a name
    // that were none would fail to load as a damaged picture does.
    QStringList names = ResourceFolder(QStringLiteral(":/bitmap")).children();
    names.sort();
    return names;
}

bool ResourceLibrary::openFolder(const QString& folder) {
    close();
    if (!QDir(folder).exists()) {
        return false;
    }
    m_path = folder;
    m_folder = QDir(folder).absolutePath();
    return true;
}

void ResourceLibrary::close() {
    if (!m_path.isEmpty() && m_folder.isEmpty()) {
        QResource::unregisterResource(m_path);
    }
    m_path.clear();
    m_folder.clear();
}

QString ResourceLibrary::location(const char* kind, const QString& name) const {
    const QString folderKind = QString::fromLatin1(kind);
    if (m_folder.isEmpty()) {
        return QStringLiteral(":/") + folderKind + QLatin1Char('/') + name;
    }
    const QString extension =
        folderKind == QLatin1String("wave") ? QStringLiteral(".wav") : QStringLiteral(".png");
    return m_folder + QLatin1Char('/') + folderKind + QLatin1Char('/') + name + extension;
}

QImage ResourceLibrary::loadBitmap(const QString& name) const {
    // Every picture of the library is a PNG. Naming the format spares the
    // reader from loading each image plug-in to ask whether it knows the data.
    return QImage(location("bitmap", name), "PNG");
}

void ResourceLibrary::drawLibraryBitmap(QPainter& painter, const QString& name) const {
    const QImage image = loadBitmap(name);
    if (!image.isNull()) {
        painter.drawImage(0, 0, image);
    }
}

bool ResourceLibrary::hasCursor(const QString& name) const {
    return QFile::exists(location("cursor", name));
}

QCursor ResourceLibrary::loadCursor(const QString& name) const {
    const QImage image(location("cursor", name), "PNG");
    if (image.isNull()) {
        return QCursor();
    }
    const int hotX = image.text(QStringLiteral("hotspot-x")).toInt();
    const int hotY = image.text(QStringLiteral("hotspot-y")).toInt();
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

bool ResourceLibrary::hasWave(const QString& name) const {
    return QFile::exists(location("wave", name));
}

QByteArray ResourceLibrary::loadWave(const QString& name) const {
    QFile file(location("wave", name));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

} // namespace vellomir::resources
