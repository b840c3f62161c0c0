#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

namespace vellomir::testing {

/// Builds a small resource library file for a test: files are added under
/// a kind ("wave", "cursor", "bitmap") and a name, written with a generated
/// .qrc into a temporary folder and packed with rcc.
class TestResourceFile {
public:
    void add(const QString& kind, const QString& name, const QByteArray& bytes);
    /// A 16-bit PCM mono WAVE of silence lasting `milliseconds`.
    void addWave(const QString& name, int milliseconds);
    /// A 32 x 32 cursor picture with its hot spot in the text keys.
    void addCursor(const QString& name, int hotX, int hotY);

    /// Packs the library; an empty path (and `error`) when rcc fails.
    QString build(QString* error = nullptr);

    static QByteArray silentWave(int milliseconds, int sampleRate = 22050);

private:
    struct Entry {
        QString kind;
        QString name;
        QByteArray bytes;
    };
    QTemporaryDir m_dir;
    std::vector<Entry> m_entries;
};

} // namespace vellomir::testing
