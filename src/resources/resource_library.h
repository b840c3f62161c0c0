#pragma once

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QString>
#include <QStringList>

class QPainter;

namespace vellomir::resources {

/// The resource library KAR.RGF: a Qt binary resource file holding every
/// picture, cursor and sound of the program, looked up by name and kind:
///   :/bitmap/NAME  a PNG picture
///   :/cursor/NAME  a PNG picture whose text keys "hotspot-x" and "hotspot-y"
///                  give the cursor's hot spot
///   :/wave/NAME    a RIFF WAVE sound, 16-bit PCM
/// A missing name is not an error: it yields an empty picture, a null cursor
/// or an empty sound.
class ResourceLibrary {
public:
    ResourceLibrary() = default;
    ~ResourceLibrary();
    ResourceLibrary(const ResourceLibrary&) = delete;
    ResourceLibrary& operator=(const ResourceLibrary&) = delete;

    /// Registers the library file; false when it is missing, not a resource
    /// file or damaged (problem() then says what is wrong).
    bool open(const QString& path);
    /// Why the last open failed; empty after a successful one.
    const QString& problem() const { return m_problem; }
    /// The names among `names` whose picture is missing or cannot be read.
    QStringList missingBitmaps(const QStringList& names) const;
    /// The names of every picture the library holds.
    QStringList bitmapNames() const;
    /// Takes the pictures from a folder laid out as the library is
    /// (FOLDER/bitmap/NAME.png, FOLDER/cursor/NAME.png, FOLDER/wave/NAME.wav):
    /// the resource builder draws with the pictures it has just written,
    /// before they are packed. False when the folder does not exist.
    bool openFolder(const QString& folder);
    /// Unregisters the library. Pictures already loaded stay valid.
    void close();
    bool isOpen() const { return !m_path.isEmpty(); }
    const QString& path() const { return m_path; }

    /// The picture of that name, or an empty image.
    QImage loadBitmap(const QString& name) const;
    /// Copies the named picture 1:1 onto the painter's device at (0, 0).
    void drawLibraryBitmap(QPainter& painter, const QString& name) const;
    /// The cursor of that name with its hot spot; the default arrow when the
    /// name is missing (hasCursor tells).
    QCursor loadCursor(const QString& name) const;
    bool hasCursor(const QString& name) const;
    /// The WAVE data of that name, or empty.
    QByteArray loadWave(const QString& name) const;
    bool hasWave(const QString& name) const;

private:
    // Where a resource of a kind ("bitmap", "cursor", "wave") and name lies.
    QString location(const char* kind, const QString& name) const;

    QString m_path;
    QString m_problem;
    // Set when the pictures come from a folder rather than a registered file.
    QString m_folder;
};

} // namespace vellomir::resources
