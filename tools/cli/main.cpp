#include "cli/cli.h"

#include "startup/program_directory.h"

#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    // GAMES.DAT lies beside the executable in a build folder, or in
    // ../share/vellomir from it when installed.
    const vellomir::startup::ProgramLocation location = vellomir::startup::locateOwnProgramDirectory();
    return vellomir::tools::runCli(args, location.directory, std::cin, std::cout, std::cerr,
                                   location.installed);
}
