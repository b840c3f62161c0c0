#include "cli/cli.h"

#include "catalogue/rule_codes.h"
#include "cli/deal_array_command.h"
#include "cli/deal_command.h"
#include "cli/games_command.h"
#include "cli/hint_command.h"
#include "cli/play_command.h"
#include "cli/solve_command.h"
#include "cli/stats_command.h"
#include "cli/survey_command.h"

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
    bool installed;
};

struct Command {
    const char* synopsis; // starts with the command's name
    const char* summary;
    std::function<int(const CommandContext&)> run;

    bool isNamed(const std::string& word) const {
        const std::string text(synopsis);
        return text.compare(0, word.size(), word) == 0 &&
               (text.size() == word.size() || text[word.size()] == ' ');
    }
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
        {"deal-array DEALNUMBER --cards N [--jokers J]",
         "the deal array of a deal number, as three-digit codes",
         [](const CommandContext& c) { return runDealArrayCommand(c.arguments, c.out, c.err); }},
        {"deal GAME [DEALNUMBER] [--area WxH] [--layout]",
         "deal a game with the real set-up and print its table",
         [](const CommandContext& c) {
             return runDealCommand(c.arguments, c.programDirectory, c.out, c.err);
         }},
        {"play GAME DEALNUMBER [--autoplay on|off] [--area WxH]",
         "deal a game and play it with pointer commands (and undo, redo, restart) read from the "
         "input",
         [](const CommandContext& c) {
             return runPlayCommand(c.arguments, c.programDirectory, c.in, c.out, c.err);
         }},
        {"solve GAME DEALNUMBER [--positions N] [--seconds S] [--dig] [--cover] [--breadth N]",
         "search for a win of a deal and print it as play commands",
         [](const CommandContext& c) {
             return runSolveCommand(c.arguments, c.programDirectory, c.out, c.err);
         }},
        {"survey GAME... --deals FIRST-LAST [--step K] [--seconds S] [and the options of solve]",
         "search every K-th deal of a range as solve does and print one line a deal: game, deal, "
         "outcome (solved, unsolved, gave-up), moves or positions, processor milliseconds",
         [](const CommandContext& c) {
             return runSurveyCommand(c.arguments, c.programDirectory, c.out, c.err);
         }},
        {"hint GAME DEALNUMBER [--autoplay on|off] [--area WxH] [--positions N]",
         "play the commands read from the input (as play does) and print the next move of a "
         "winning line from there",
         [](const CommandContext& c) {
             return runHintCommand(c.arguments, c.programDirectory, c.in, c.out, c.err);
         }},
        {"stats [GAME]", "the statistics of the player file DATA/Stat_e00.dat",
         [](const CommandContext& c) {
             return runStatsCommand(c.arguments, c.programDirectory, c.out, c.err, c.installed);
         }},
        {"rule-codes", "the named codes of the game parameters, as docs/rule_codes.md holds them",
         [](const CommandContext& c) {
             if (!c.arguments.empty()) {
                 c.err << "vellomir-cli: rule-codes takes no arguments\n";
                 return 2;
             }
             c.out << catalogue::ruleCodesDocument();
             return 0;
         }},
    };
    return table;
}

void printUsage(std::ostream& err) {
    err << "usage: vellomir-cli COMMAND [ARGUMENTS]\ncommands:\n";
    for (const Command& command : commands()) {
        err << "  " << command.synopsis << "\n      " << command.summary << "\n";
    }
}

} // namespace

int runCli(const std::vector<std::string>& args, const std::string& programDirectory,
           std::istream& in, std::ostream& out, std::ostream& err, bool installed) {
    if (args.empty()) {
        printUsage(err);
        return 2;
    }
    for (const Command& command : commands()) {
        if (command.isNamed(args.front())) {
            const std::vector<std::string> arguments(args.begin() + 1, args.end());
            const int status = command.run({arguments, programDirectory, in, out, err, installed});
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
