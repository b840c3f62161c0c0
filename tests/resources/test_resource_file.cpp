#include "test_resource_file.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QtEndian>

namespace vellomir::testing {

namespace {

void appendU16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void appendU32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace

void TestResourceFile::add(const QString& kind, const QString& name, const QByteArray& bytes) {
    m_entries.push_back({kind, name, bytes});
}

QByteArray TestResourceFile::silentWave(int milliseconds, int sampleRate) {
    const quint32 dataBytes = quint32(qint64(sampleRate) * milliseconds / 1000) * 2;
    QByteArray out("RIFF");
    appendU32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    appendU32(out, 16);
    appendU16(out, 1);
    appendU16(out, 1);
    appendU32(out, quint32(sampleRate));
    appendU32(out, quint32(sampleRate) * 2);
    appendU16(out, 2);
    appendU16(out, 16);
    out.append("data");
    appendU32(out, dataBytes);
    out.append(QByteArray(qsizetype(dataBytes), '\0'));
    return out;
}

void TestResourceFile::addWave(const QString& name, int milliseconds) {
    add(QStringLiteral("wave"), name, silentWave(milliseconds));
}

void TestResourceFile::addCursor(const QString& name, int hotX, int hotY) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(hotX % 32, hotY % 32, qRgba(0, 0, 0, 255));
    image.setText(QStringLiteral("hotspot-x"), QString::number(hotX));
    image.setText(QStringLiteral("hotspot-y"), QString::number(hotY));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    add(QStringLiteral("cursor"), name, png);
}

QString TestResourceFile::build(QString* error) {
    QString qrc = QStringLiteral("<RCC>\n");
    int index = 0;
    for (const Entry& entry : m_entries) {
        const QString file = QStringLiteral("file%1").arg(index++);
        QFile out(m_dir.filePath(file));
        if (!out.open(QIODevice::WriteOnly) || out.write(entry.bytes) != entry.bytes.size()) {
            if (error) {
                *error = QStringLiteral("cannot write ") + out.fileName();
            }
            return {};
        }
        qrc +=
            QStringLiteral("<qresource prefix=\"/%1\"><file alias=\"%2\">%3</file></qresource>\n")
                .arg(entry.kind, entry.name, file);
    }
    qrc += QStringLiteral("</RCC>\n");
    QFile qrcFile(m_dir.filePath(QStringLiteral("test.qrc")));
    if (!qrcFile.open(QIODevice::WriteOnly) || qrcFile.write(qrc.toUtf8()) < 0) {
        if (error) {
            *error = QStringLiteral("cannot write the qrc file");
        }
        return {};
    }
    qrcFile.close();

    const QString rccPath = m_dir.filePath(QStringLiteral("test.rcc"));
    QProcess rcc;
    rcc.setWorkingDirectory(m_dir.path());
    rcc.start(QStringLiteral(VELLOMIR_RCC), {QStringLiteral("-binary"), QStringLiteral("test.qrc"),
                                             QStringLiteral("-o"), rccPath});
    if (!rcc.waitForFinished(60000) || rcc.exitStatus() != QProcess::NormalExit ||
        rcc.exitCode() != 0) {
        if (error) {
            *error =
                QStringLiteral("rcc failed: ") + QString::fromLocal8Bit(rcc.readAllStandardError());
        }
        return {};
    }
    return rccPath;
}

} // namespace vellomir::testing
