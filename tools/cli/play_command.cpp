#include "cli/play_command.h"

#include "cli/console_frontend.h"
#include "cli/deal_command.h"
#include "cli/game_and_deal.h"
#include "cli/play_session.h"
#include "cli/table_printer.h"
#include "engine/actions/automatic_moves.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "settings/number_text.h"
#include "settings/preference_table.h"
#include "table/program_state.h"

#include <istream>
#include <optional>
#include <ostream>
#include <sstream>

namespace vellomir::tools {
namespace {

struct PlayRequest {
    int game = -1;
    std::string dealNumber;
    int width = 1024;
    int height = 768;
    bool autoplay = false;
};

int usageError(std::ostream& err, const std::string& problem) {
    err << "vellomir-cli play: " << problem << "\n"
        << "usage: vellomir-cli play GAME DEALNUMBER [--autoplay on|off] [--area WxH]\n";
    return 2;
}

std::optional<int> parseRequest(const std::vector<std::string>& args, PlayRequest& request,
                                std::ostream& err) {
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--area") {
            if (i + 1 >= args.size() || !parseArea(args[i + 1], request.width, request.height)) {
                return usageError(err, "--area needs WIDTHxHEIGHT");
            }
            ++i;
        } else if (word == "--autoplay") {
            if (i + 1 >= args.size() || (args[i + 1] != "on" && args[i + 1] != "off")) {
                return usageError(err, "--autoplay needs on or off");
            }
            request.autoplay = args[i + 1] == "on";
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

bool dealForPlay(engine::PlayEngine& engine, int game, const std::string& dealNumber, bool autoplay,
                 std::ostream& err) {
    table::ProgramState& state = engine.state();
    state.settings.write(settings::field::ScoringScheme, "01");
    // Plain pointer behaviour: no shadows, no animation.
    state.settings.write(settings::field::CardsShadowed, "N");
    state.settings.write(settings::field::CardsAnimate, "N");
    state.autoplayTicked = autoplay;
    if (!engine.loadGameList()) {
        return false;
    }
    if (state.mainGame.gameListIndex(game) < 0) {
        err << "vellomir-cli: game " << game << " is not in the catalogue\n";
        return false;
    }
    state.settings.write(settings::field::DealNumber, dealNumber);
    if (!engine.openGame(game, engine::DealNumberMode::Keep, false)) {
        err << "vellomir-cli: game " << game << " could not be dealt\n";
        return false;
    }
    return true;
}

// The pointer switches as the program has them: from DATA/CFG.DAT beside
// the program when it is there, else the preferences' defaults. The file is
// only read.
void applyPointerPreferences(table::ProgramState& state, const std::string& programDirectory) {
    constexpr settings::Pref switches[] = {
        settings::Pref::RightClickToFoundations,  settings::Pref::RightClickToTableaus,
        settings::Pref::DoubleClickToFoundations, settings::Pref::DoubleClickToTableaus,
        settings::Pref::ShowPartialHiddenCard,    settings::Pref::AutomaticFaceUp,
    };
    const settings::PreferenceFile preferences(programDirectory +
                                               std::string(settings::kPreferencesFileName));
    for (const settings::Pref pref : switches) {
        state.settings.write(settings::preferenceEntry(pref).settings, preferences.text(pref));
    }
}

int runPlayCommand(const std::vector<std::string>& args, const std::string& programDirectory,
                   std::istream& in, std::ostream& out, std::ostream& err) {
    PlayRequest request;
    if (const std::optional<int> status = parseRequest(args, request, err)) {
        return *status;
    }
    table::ProgramState state(programDirectory);
    PlayFrontend frontend(err);
    frontend.setArea(request.width, request.height);
    state.random.seed(table::RandomGenerator::clockSeed());
    engine::PlayEngine engine(state, frontend);
    applyPointerPreferences(state, programDirectory);
    if (!dealForPlay(engine, request.game, request.dealNumber, request.autoplay, err)) {
        return 1;
    }
    out << "game " << request.game << ' ' << state.settings.read(settings::field::GameName) << '\n';
    out << "deal " << state.settings.read(settings::field::DealNumber) << '\n';
    printTable(state, true, out);
    if (!state.flags.test(table::Flag::GameInPlay)) {
        // The deal itself ended the game (Ninety-One dealt at 91).
        out << (frontend.wonGame() ? "won" : "lost") << '\n';
    }
    PlaySession session(state, frontend, engine);
    for (std::string line; std::getline(in, line);) {
        const PlaySession::Answer answer = session.run(line);
        if (answer.answered) {
            out << answer.text << '\n';
        }
    }
    return 0;
}

} // namespace vellomir::tools
