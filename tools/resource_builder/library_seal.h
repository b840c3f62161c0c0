#pragma once

#include <QString>

namespace vellomir::tools {

/// Writes the digest of the resource library at `path` into its seal
/// (resources/resource_seal.h), replacing the file whole. Empty on success,
/// else what went wrong.
QString sealLibrary(const QString& path);

} // namespace vellomir::tools
