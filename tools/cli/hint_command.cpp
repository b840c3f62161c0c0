#include "cli/hint_command.h"

#include "cli/deal_command.h"
#include "cli/game_and_deal.h"
#include "cli/play_command.h"
#include "cli/play_session.h"
#include "cli/solve_command.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "engine/solver/solver.h"
#include "settings/number_text.h"
#include "table/program_state.h"

#include <istream>
#include <ostream>

namespace vellomir::tools {
namespace {

constexpr int kLargestCount = 999999999;

int usageError(std::ostream& err, const std::string& problem) {
    err << "vellomir-cli hint: " << problem << "\n"
        << "usage: vellomir-cli hint GAME DEALNUMBER [--autoplay on|off] [--area WxH]\n"
        << "                         [--positions N]   (play commands on the input)\n";
    return 2;
}

struct HintRequest {
    int game = -1;
    std::string dealNumber;
    int width = 1024;
    int height = 768;
    bool autoplay = false;
    long positions = kDefaultSolvePositions;
};

// The request the words make; a usage error's status when they make none.
std::optional<int> parseRequest(const std::vector<std::string>& args, HintRequest& request,
                                std::ostream& err) {
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const bool hasValue = i + 1 < args.size();
        if (word == "--area") {
            if (!hasValue || !parseArea(args[i + 1], request.width, request.height)) {
                return usageError(err, "--area needs WIDTHxHEIGHT");
            }
            ++i;
        } else if (word == "--autoplay") {
            if (!hasValue || (args[i + 1] != "on" && args[i + 1] != "off")) {
                return usageError(err, "--autoplay needs on or off");
            }
            request.autoplay = args[i + 1] == "on";
            ++i;
        } else if (word == "--positions") {
            if (!hasValue || !isDigits(args[i + 1]) || args[i + 1].size() > 9 ||
                settings::toInt(args[i + 1]) < 1) {
                return usageError(err, "--positions needs a number from 1 to " +
                                           std::to_string(kLargestCount));
            }
            request.positions = settings::toInt(args[i + 1]);
            ++i;
        } else if (word.starts_with("--")) {
            return usageError(err, "unknown option " + word);
        } else {
            positional.push_back(word);
        }
    }
    GameAndDeal named;
    if (const std::optional<std::string> problem = readGameAndDeal(positional, named)) {
        return usageError(err, *problem);
    }
    request.game = named.game;
    request.dealNumber = named.dealNumber;
    return std::nullopt;
}

} // namespace

int runHintCommand(const std::vector<std::string>& args, const std::string& programDirectory,
                   std::istream& in, std::ostream& out, std::ostream& err) {
    HintRequest request;
    if (const std::optional<int> status = parseRequest(args, request, err)) {
        return *status;
    }
    table::ProgramState state(programDirectory);
    PlayFrontend frontend(err);
    frontend.setArea(request.width, request.height);
    // A fixed seed, as `solve` has it: the same table gets the same hint.
    state.random.seed(1);
    engine::PlayEngine engine(state, frontend);
    applyPointerPreferences(state, programDirectory);
    if (!dealForPlay(engine, request.game, request.dealNumber, request.autoplay, err)) {
        return 1;
    }
    PlaySession session(state, frontend, engine);
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        const PlaySession::Answer answer = session.run(line);
        if (!answer.ok) {
            err << "vellomir-cli hint: line " << lineNumber << ": "
                << answer.text.substr(answer.text.find(' ') + 1) << '\n';
            return 1;
        }
    }
    if (!state.flags.test(table::Flag::GameInPlay)) {
        out << "the game is over: " << (frontend.wonGame() ? "won" : "lost") << '\n';
        return 0;
    }
    const engine::SolveResult result =
        engine::solveDeal(state, frontend, {.positions = request.positions});
    switch (result.outcome) {
    case engine::SolveOutcome::Solved:
        // A tick or untick of Autoplay is no move of its own: the hint goes
        // on to the move it is for. (Hinted alone, the next search, from the
        // other tick, may well start by flipping it back.)
        for (const engine::PointerCommand& move : result.moves) {
            out << engine::commandText(move) << '\n';
            if (move.verb != engine::PointerCommand::Verb::Autoplay) {
                break;
            }
        }
        break;
    case engine::SolveOutcome::Unsolved:
        out << "no win from here: unsolved after " << result.positions << " positions\n";
        break;
    case engine::SolveOutcome::GaveUp:
        out << "no win found: gave up after " << result.positions << " positions\n";
        break;
    }
    return 0;
}

} // namespace vellomir::tools
