#include "cli/cli.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    // The program directory is the folder of the executable: GAMES.DAT lies beside it.
    std::error_code ec;
    std::filesystem::path self = std::filesystem::canonical("/proc/self/exe", ec);
    std::string directory = ec ? std::string("./") : self.parent_path().string() + "/";
    return vellomir::tools::runCli(args, directory, std::cin, std::cout, std::cerr);
}
