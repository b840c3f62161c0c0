#pragma once

#include "cli/cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace vellomir::testing {

/// What a run of the command line gave: its exit status, its output (whole
/// and split into lines) and its error output.
struct CliRun {
    int status = 0;
    std::string out;
    std::vector<std::string> lines;
    std::string err;
};

/// Runs `vellomir-cli` with `args` in-process, `input` as its standard input,
/// on the catalogue of `programDirectory` (the build's own by default).
inline CliRun runCommand(const std::vector<std::string>& args, const std::string& input = "",
                         const std::string& programDirectory = VELLOMIR_BIN_DIR,
                         bool installed = false) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.status = tools::runCli(args, programDirectory, in, out, err, installed);
    run.out = out.str();
    run.err = err.str();
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        run.lines.push_back(line);
    }
    return run;
}

} // namespace vellomir::testing
