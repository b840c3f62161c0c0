#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace vellomir::resources {

/// One file entry of a resource file: where its data lies and how it is packed.
struct ResourceEntry {
    enum class Packing { Stored, Zlib, Zstd };
    qint64 offset = 0; ///< the first byte of the data, after its length
    qint64 length = 0;
    Packing packing = Packing::Stored;
};

/// What the check of a resource file found.
struct ResourceFileReport {
    /// Empty when the file is sound, else what is wrong with it.
    QString problem;
    /// Every file entry checked, in the order they were reached.
    std::vector<ResourceEntry> entries;
};

/// Checks the bytes of a Qt binary resource file (what rcc -binary writes)
/// before it is registered: the header, every node of the tree, every name
/// and every entry's data must lie inside the file, the tree must be a tree,
/// every entry must be stored or packed in a way Qt knows, zlib-packed
/// entries must unpack, and zstd-packed ones (what rcc writes on Debian)
/// must be whole frames whose blocks end with the entry and give the size
/// the frame declares. Qt itself trusts these offsets and sizes, so a
/// truncated or damaged file would make its lookups read outside the file.
ResourceFileReport inspectResourceFile(const QByteArray& bytes);
/// The problem of inspectResourceFile: empty when the file is sound.
QString resourceFileProblem(const QByteArray& bytes);

} // namespace vellomir::resources
