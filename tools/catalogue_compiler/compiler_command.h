#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vellomir::tools {

/// Runs vellomir-catalogue-compiler with the words after the program name:
/// [--check] [-o OUTPUT] FILE_OR_FOLDER... A folder stands for its *.game
/// files. Problems go to `err` as "file:line: message". With -o the catalogue
/// replaces OUTPUT only when every game is sound. Returns 0 when every game is
/// sound, 1 when not, 2 on a usage error.
int runCatalogueCompiler(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err);

/// Writes `text` to `path` through a temporary file in the same folder, so a
/// reader sees the old file or the new one, never a part. Returns an error
/// message, empty on success.
std::string writeFileAtomically(const std::string& path, const std::string& text);

} // namespace vellomir::tools
