#include "help_builder/help_builder_command.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return vellomir::tools::runHelpBuilder(args, std::cout, std::cerr);
}
