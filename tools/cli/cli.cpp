#include "cli/cli.h"

#include "cli/games_command.h"

#include <algorithm>
#include <functional>
#include <ostream>

namespace vellomir::tools {
namespace {

struct CommandContext {
    const std::vector<std::string>& arguments; // the words after the command
    const std::string& programDirectory;
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

struct Command {
    const char* name;
    const char* summary;
    std::function<int(const CommandContext&)> run;
};

// The commands, in the order the usage lists them.
const std::vector<Command>& commands() {
    static const std::vector<Command> table{
        {"games", "list the games of GAMES.DAT: number, group and name",
         [](const CommandContext& c) {
             if (!c.arguments.empty()) {
                 c.err << "vellomir-cli: games takes no arguments\n";
                 return 2;
             }
             return runGamesCommand(c.programDirectory, c.out, c.err);
         }},
    };
    return table;
}

void printUsage(std::ostream& err) {
    err << "usage: vellomir-cli COMMAND [ARGUMENTS]\ncommands:\n";
    for (const Command& command : commands()) {
        err << "  " << command.name
            << std::string(10 - std::min<std::size_t>(9, std::string(command.name).size()), ' ')
            << command.summary << "\n";
    }
}

} // namespace

int runCli(const std::vector<std::string>& args, const std::string& programDirectory,
           std::istream& in, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        printUsage(err);
        return 2;
    }
    for (const Command& command : commands()) {
        if (args.front() == command.name) {
            const std::vector<std::string> arguments(args.begin() + 1, args.end());
            const int status = command.run({arguments, programDirectory, in, out, err});
            if (status == 2) {
                printUsage(err);
            }
            return status;
        }
    }
    err << "vellomir-cli: unknown command '" << args.front() << "'\n";
    printUsage(err);
    return 2;
}

} // namespace vellomir::tools
