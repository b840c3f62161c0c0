#pragma once

#include <QByteArray>
#include <QString>

namespace vellomir::resources {

/// Checks the bytes of a Qt binary resource file (what rcc -binary writes)
/// before it is registered: the header, every node of the tree, every name
/// and every entry's data must lie inside the file, the tree must be a tree,
/// and zlib-compressed entries must unpack. Qt itself trusts these offsets,
/// so a truncated or damaged file would make its lookups read outside the
/// file. Empty when the file is sound, else what is wrong with it.
QString resourceFileProblem(const QByteArray& bytes);

} // namespace vellomir::resources
