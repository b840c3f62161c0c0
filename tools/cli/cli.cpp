#include "cli/cli.h"

#include "cli/deal_array_command.h"

#include "cli/games_command.h"

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>

namespace vellomir::tools {
namespace {

using Command =
    std::function<int(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)>;

// The commands by name; each receives the words after its name.
const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table{
        {"deal-array", runDealArrayCommand},
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

const std::string& usage() {
    static const std::string text = std::string("usage: vellomir-cli COMMAND [ARGUMENTS]\n"
                                                "commands:\n") +
                                    kDealArrayUsage;
    return text;
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
    (void)programDirectory;
    (void)in;
    if (args.empty()) {
        err << usage();
        return 2;
    }
    const auto found = commands().find(args.front());
    if (found == commands().end()) {
        err << "vellomir-cli: unknown command '" << args.front() << "'\n" << usage();
    return found->second(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
        printUsage(err);
    for (const Command& command : commands()) {
        if (args.front() == command.name) {
            const std::vector<std::string> arguments(args.begin() + 1, args.end());
            const int status = command.run({arguments, programDirectory, in, out, err});
            if (status == 2) {
                printUsage(err);
            }
            return status;
        }
    err << "vellomir-cli: unknown command '" << args.front() << "'\n";
    printUsage(err);
    return 2;
}

} // namespace vellomir::tools
