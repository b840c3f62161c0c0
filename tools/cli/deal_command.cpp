#include "cli/deal_command.h"

#include "cli/console_frontend.h"
#include "cli/game_and_deal.h"
#include "cli/table_printer.h"
#include "engine/play/play_engine.h"
#include "settings/number_text.h"
#include "table/program_state.h"

#include <optional>
#include <ostream>

namespace vellomir::tools {
namespace {

struct DealRequest {
    int game = -1;
    std::string dealNumber;
    int width = 1024;
    int height = 768;
    bool layout = false;
};

int usageError(std::ostream& err, const std::string& problem) {
    err << "vellomir-cli deal: " << problem << "\n"
        << "usage: vellomir-cli deal GAME [DEALNUMBER] [--area WxH] [--layout]\n";
    return 2;
}

} // namespace

bool parseArea(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos) {
        return false;
    }
    const std::optional<int> w = settings::parseInt(text.substr(0, x));
    const std::optional<int> h = settings::parseInt(text.substr(x + 1));
    if (!w || !h || *w < 100 || *h < 100 || *w > 10000 || *h > 10000) {
        return false;
    }
    width = *w;
    height = *h;
    return true;
}

namespace {

std::optional<int> parseRequest(const std::vector<std::string>& args, DealRequest& request,
                                std::ostream& err) {
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--layout") {
            request.layout = true;
        } else if (word == "--area") {
            if (i + 1 >= args.size() || !parseArea(args[i + 1], request.width, request.height)) {
                return usageError(err, "--area needs WIDTHxHEIGHT");
            }
            ++i;
        } else if (word.starts_with("--")) {
            return usageError(err, "unknown option " + word);
        } else {
            positional.push_back(word);
        }
    }
    if (positional.empty() || positional.size() > 2) {
        return usageError(err, "give a game number and at most one deal number");
    }
    if (!isDigits(positional[0]) || positional[0].size() > 4) {
        return usageError(err, "bad game number '" + positional[0] + "'");
    }
    request.game = settings::toInt(positional[0]);
    if (positional.size() == 2) {
        if (!isDigits(positional[1]) || positional[1].size() > 13) {
            return usageError(err, "a deal number is 1 to 13 digits");
        }
        request.dealNumber = std::string(13 - positional[1].size(), '0') + positional[1];
    }
    return std::nullopt;
}

} // namespace

int runDealCommand(const std::vector<std::string>& args, const std::string& programDirectory,
                   std::ostream& out, std::ostream& err) {
    DealRequest request;
    if (const std::optional<int> status = parseRequest(args, request, err)) {
        return *status;
    }
    table::ProgramState state(programDirectory);
    ConsoleFrontend frontend(err);
    frontend.setArea(request.width, request.height);
    state.random.seed(table::RandomGenerator::clockSeed());
    // The one scoring scheme, as start-up sets it.
    state.settings.write(settings::field::ScoringScheme, "01");
    engine::PlayEngine engine(state, frontend);
    if (!engine.loadGameList()) {
        return 1;
    }
    if (state.mainGame.gameListIndex(request.game) < 0) {
        err << "vellomir-cli: game " << request.game << " is not in the catalogue\n";
        return 1;
    }
    engine::DealNumberMode mode = engine::DealNumberMode::New;
    if (!request.dealNumber.empty()) {
        state.settings.write(settings::field::DealNumber, request.dealNumber);
        mode = engine::DealNumberMode::Keep;
    }
    if (!engine.openGame(request.game, mode, false)) {
        err << "vellomir-cli: game " << request.game << " could not be dealt\n";
        return 1;
    }
    out << "game " << request.game << ' ' << state.settings.read(settings::field::GameName) << '\n';
    out << "deal " << state.settings.read(settings::field::DealNumber) << '\n';
    printTable(state, request.layout, out);
    return 0;
}

} // namespace vellomir::tools
