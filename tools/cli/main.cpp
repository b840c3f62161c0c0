#include "cli/cli.h"

#include "app/program_directory.h"

#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    // GAMES.DAT lies beside the executable in a build folder, or in
    // ../share/vellomir from it when installed.
    const std::string directory = vellomir::app::locateOwnProgramDirectory().directory;
    return vellomir::tools::runCli(args, directory, std::cin, std::cout, std::cerr);
}
