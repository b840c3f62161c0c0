#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vellomir::tools {

/// Runs vellomir-help-builder with the words after the program name:
/// [--check] [-o FOLDER] HELP_FOLDER GAME_FILE_OR_FOLDER...
/// Reads the topic sources of HELP_FOLDER (contents.txt and NNNN_name.txt)
/// and the [rules] section of every game file (a folder stands for its
/// *.game files), and with -o writes the HTML pages and the resource
/// collection marbleon.qrc into FOLDER, but only when every source is sound.
/// Problems go to `err` as "file:line: message". Returns 0 when every source
/// is sound, 1 when not, 2 on a usage error.
int runHelpBuilder(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vellomir::tools
