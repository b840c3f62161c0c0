#include "resource_set.h"

#include "resources/resource_seal.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>

namespace vellomir::tools {
namespace {

// The seal's entry, at the library's root (resources/resource_seal.h).
const QString kSealFile = QStringLiteral("seal");

QString writePng(const QImage& image, const QString& path) {
    QImageWriter writer(path, "png");
    if (!writer.write(image)) {
        return QStringLiteral("cannot write %1: %2").arg(path, writer.errorString());
    }
    return {};
}

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

// Opaque pictures are kept without an alpha channel, as plain bitmaps.
QImage plainWhenOpaque(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) != 255) {
                return argb;
            }
        }
    }
    return argb.convertToFormat(QImage::Format_RGB32);
}

} // namespace

void ResourceSet::addBitmap(const QString& name, const QImage& image) {
    m_entries.push_back({name, plainWhenOpaque(image), false, {}, m_section});
}

void ResourceSet::addCursor(const QString& name, const QImage& image, QPoint hotSpot) {
    QImage withKeys = image.convertToFormat(QImage::Format_ARGB32);
    withKeys.setText(QStringLiteral("hotspot-x"), QString::number(hotSpot.x()));
    withKeys.setText(QStringLiteral("hotspot-y"), QString::number(hotSpot.y()));
    m_entries.push_back({name, withKeys, true, hotSpot, m_section});
}

const ResourceSet::Entry* ResourceSet::find(const QString& name) const {
    for (const Entry& e : m_entries) {
        if (e.name == name) {
            return &e;
        }
    }
    return nullptr;
}

QString ResourceSet::write(const QString& folder, const QString& waveDir) const {
    if (QString error = clearFolder(folder); !error.isEmpty()) {
        return error;
    }
    if (QString error = writePictures(folder); !error.isEmpty()) {
        return error;
    }
    return writeCollection(folder, waveDir);
}

QString ResourceSet::clearFolder(const QString& folder) const {
    QDir root(folder);
    for (const char* sub : {"bitmap", "cursor", "wave"}) {
        // Clear what an earlier run left, so that a renamed picture cannot linger.
        QDir old(root.filePath(QString::fromLatin1(sub)));
        if (old.exists() && !old.removeRecursively()) {
            return QStringLiteral("cannot clear %1").arg(old.path());
        }
        if (!root.mkpath(QString::fromLatin1(sub))) {
            return QStringLiteral("cannot create %1").arg(root.filePath(QString::fromLatin1(sub)));
        }
    }
    return {};
}

namespace {

QString relativePath(const ResourceSet::Entry& e) {
    return (e.cursor ? QStringLiteral("cursor/") : QStringLiteral("bitmap/")) + e.name +
           QStringLiteral(".png");
}

} // namespace

QString ResourceSet::writePictures(const QString& folder, std::size_t first) const {
    const QDir root(folder);
    for (std::size_t i = first; i < m_entries.size(); ++i) {
        if (QString error = writePng(m_entries[i].image, root.filePath(relativePath(m_entries[i])));
            !error.isEmpty()) {
            return error;
        }
    }
    return {};
}

QString ResourceSet::writeCollection(const QString& folder, const QString& waveDir) const {
    // Two pictures of one name would silently shadow each other in the library.
    QSet<QString> seen;
    for (const Entry& e : m_entries) {
        const QString key =
            (e.cursor ? QStringLiteral("cursor/") : QStringLiteral("bitmap/")) + e.name;
        if (seen.contains(key)) {
            return QStringLiteral("two pictures are named %1").arg(key);
        }
        seen.insert(key);
    }

    const QDir root(folder);
    QString bitmaps;
    QString cursors;
    QString waves;
    for (const Entry& e : m_entries) {
        (e.cursor ? cursors : bitmaps) += QStringLiteral("    <file alias=\"%1\">%2</file>\n")
                                              .arg(escaped(e.name), escaped(relativePath(e)));
    }

    if (!waveDir.isEmpty()) {
        QDir sounds(waveDir);
        if (!sounds.exists()) {
            return QStringLiteral("sound folder %1 does not exist").arg(waveDir);
        }
        const QFileInfoList files = sounds.entryInfoList({QStringLiteral("*.wav")},
                                                         QDir::Files | QDir::Readable, QDir::Name);
        for (const QFileInfo& file : files) {
            const QString relative = QStringLiteral("wave/") + file.fileName();
            QFile::remove(root.filePath(relative));
            if (!QFile::copy(file.filePath(), root.filePath(relative))) {
                return QStringLiteral("cannot copy %1").arg(file.filePath());
            }
            waves += QStringLiteral("    <file alias=\"%1\">%2</file>\n")
                         .arg(escaped(file.completeBaseName()), escaped(relative));
        }
    }

    // The seal, stored unpacked so that sealing can write its digest in place.
    {
        QSaveFile seal(root.filePath(kSealFile));
        if (!seal.open(QIODevice::WriteOnly) || seal.write(resources::unsealedEntry()) < 0 ||
            !seal.commit()) {
            return QStringLiteral("cannot write %1").arg(seal.fileName());
        }
    }

    QSaveFile qrc(root.filePath(QStringLiteral("kar.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Text)) {
        return QStringLiteral("cannot write %1").arg(qrc.fileName());
    }
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n";
    out << "<qresource prefix=\"/bitmap\">\n" << bitmaps << "</qresource>\n";
    out << "<qresource prefix=\"/cursor\">\n" << cursors << "</qresource>\n";
    out << "<qresource prefix=\"/wave\">\n" << waves << "</qresource>\n";
    out << "<qresource prefix=\"/\">\n    <file compression-algorithm=\"none\">" << kSealFile
        << "</file>\n</qresource>\n";
    out << "</RCC>\n";
    out.flush();
    if (!qrc.commit()) {
        return QStringLiteral("cannot write %1").arg(qrc.fileName());
    }
    return {};
}

} // namespace vellomir::tools
