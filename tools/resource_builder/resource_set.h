#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include <cstddef>
#include <vector>

namespace vellomir::tools {

// Every picture and cursor the builder draws, by name, in the order drawn.
// Sections group the pictures for the contact sheet.
class ResourceSet {
public:
    struct Entry {
        QString name;
        QImage image;
        bool cursor = false;
        QPoint hotSpot;
        QString section;
    };

    void setSection(const QString& section) { m_section = section; }
    void addBitmap(const QString& name, const QImage& image);
    void addCursor(const QString& name, const QImage& image, QPoint hotSpot);

    const std::vector<Entry>& entries() const { return m_entries; }
    const Entry* find(const QString& name) const;

    // Writes bitmap/NAME.png, cursor/NAME.png, the sounds of `waveDir` (every
    // NAME.wav in it, when given) and the resource collection file "kar.qrc"
    // into `folder`. Returns an empty string on success, else what failed.
    QString write(const QString& folder, const QString& waveDir) const;

    // The same in steps, for pictures drawn with the ones written before:
    // clear the folder and write the pictures so far, write the pictures added
    // since entry `first`, and last the sounds and the collection file.
    QString writePictures(const QString& folder, std::size_t first = 0) const;
    QString writeCollection(const QString& folder, const QString& waveDir) const;
    QString clearFolder(const QString& folder) const;

private:
    std::vector<Entry> m_entries;
    QString m_section;
};

} // namespace vellomir::tools
