#include "resources/resource_library.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QResource>

namespace vellomir::resources {

ResourceLibrary::~ResourceLibrary() {
    close();
}

bool ResourceLibrary::open(const QString& path) {
    close();
    if (!QFileInfo::exists(path) || !QResource::registerResource(path)) {
        return false;
    }
    m_path = path;
    return true;
}

void ResourceLibrary::close() {
    if (!m_path.isEmpty()) {
        QResource::unregisterResource(m_path);
        m_path.clear();
    }
}

QImage ResourceLibrary::loadBitmap(const QString& name) const {
    // Every picture of the library is a PNG. Naming the format spares the
    // reader from loading each image plug-in to ask whether it knows the data.
    return QImage(QStringLiteral(":/bitmap/") + name, "PNG");
}

void ResourceLibrary::drawLibraryBitmap(QPainter& painter, const QString& name) const {
    const QImage image = loadBitmap(name);
    if (!image.isNull()) {
        painter.drawImage(0, 0, image);
    }
}

bool ResourceLibrary::hasCursor(const QString& name) const {
    return QFile::exists(QStringLiteral(":/cursor/") + name);
}

QCursor ResourceLibrary::loadCursor(const QString& name) const {
    const QImage image(QStringLiteral(":/cursor/") + name, "PNG");
    if (image.isNull()) {
        return QCursor();
    }
    const int hotX = image.text(QStringLiteral("hotspot-x")).toInt();
    const int hotY = image.text(QStringLiteral("hotspot-y")).toInt();
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

bool ResourceLibrary::hasWave(const QString& name) const {
    return QFile::exists(QStringLiteral(":/wave/") + name);
}

QByteArray ResourceLibrary::loadWave(const QString& name) const {
    QFile file(QStringLiteral(":/wave/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

} // namespace vellomir::resources
