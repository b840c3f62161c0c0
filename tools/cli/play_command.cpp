#include "cli/play_command.h"

#include "app/number_text.h"
#include "cli/console_frontend.h"
#include "cli/deal_command.h"
#include "cli/table_printer.h"
#include "engine/automatic_moves.h"
#include "engine/play_engine.h"
#include "table/card_position.h"
#include "table/program_state.h"

#include <istream>
#include <optional>
#include <ostream>
#include <sstream>

namespace vellomir::tools {
namespace {

// The console frontend, noting what a command caused: beeps, information
// boxes and a winning animation.
class PlayFrontend : public ConsoleFrontend {
public:
    using ConsoleFrontend::ConsoleFrontend;
    void beep() override { beeped = true; }
    void showInformation(std::string_view text) override { information.emplace_back(text); }
    void runWinningAnimation() override { won = true; }
    void reset() {
        beeped = false;
        information.clear();
    }
    bool beeped = false;
    bool won = false;
    std::vector<std::string> information;
};

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

bool isDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
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
    if (positional.size() != 2) {
        return usageError(err, "give a game number and a deal number");
    }
    if (!isDigits(positional[0]) || positional[0].size() > 4) {
        return usageError(err, "bad game number '" + positional[0] + "'");
    }
    if (!isDigits(positional[1]) || positional[1].size() > 13) {
        return usageError(err, "a deal number is 1 to 13 digits");
    }
    request.game = app::toInt(positional[0]);
    request.dealNumber = std::string(13 - positional[1].size(), '0') + positional[1];
    return std::nullopt;
}

struct Point {
    int x = 0;
    int y = 0;
};

// The point a place names, or the reason it names none.
std::optional<Point> placePoint(const table::ProgramState& state, const std::string& place,
                                std::string& problem) {
    const std::size_t colon = place.find(':');
    const auto pile = table::parsePileName(place.substr(0, colon));
    if (!pile || table::pileName(*pile) != place.substr(0, colon)) {
        problem = "unknown pile '" + place.substr(0, colon) + "'";
        return std::nullopt;
    }
    if (!table::isPlaced(state, *pile)) {
        problem = "pile " + table::pileName(*pile) + " is not on the table";
        return std::nullopt;
    }
    table::CardPoint at = table::topCardPosition(state, *pile);
    if (colon != std::string::npos) {
        const std::string slotText = place.substr(colon + 1);
        const int count = table::cardCount(state.piles.pile(*pile));
        if (!isDigits(slotText) || slotText.size() > 3 || app::toInt(slotText) >= count) {
            problem = "no card " + slotText + " in " + table::pileName(*pile);
            return std::nullopt;
        }
        at = pile->kind == table::PileKind::Stock
                 ? table::pilePosition(state, *pile)
                 : table::cardPosition(state, *pile, app::toInt(slotText));
    }
    return Point{at.x + 5, at.y + 5};
}

class Session {
public:
    Session(table::ProgramState& state, PlayFrontend& frontend, engine::PlayEngine& engine,
            std::ostream& out)
        : m_state(state), m_frontend(frontend), m_engine(engine), m_out(out) {}

    // Runs one command line; prints its one-line answer.
    void run(const std::string& line) {
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;) {
            w.push_back(word);
        }
        if (w.empty()) {
            return;
        }
        const bool inPlay = m_state.flags.test(table::Flag::GameInPlay);
        m_frontend.reset();
        std::string problem;
        if (!dispatch(w, problem)) {
            m_out << "error: " << problem << '\n';
            return;
        }
        if (inPlay && !m_state.flags.test(table::Flag::GameInPlay)) {
            m_out << (m_frontend.won ? "won" : "lost") << '\n';
        } else if (!m_frontend.information.empty()) {
            m_out << "info: " << m_frontend.information.front() << '\n';
        } else if (m_frontend.beeped) {
            m_out << "beep\n";
        } else {
            m_out << "ok\n";
        }
    }

private:
    std::optional<Point> point(const std::vector<std::string>& w, std::size_t i,
                               std::string& problem) {
        if (i >= w.size()) {
            problem = w[0] + " needs a place";
            return std::nullopt;
        }
        return placePoint(m_state, w[i], problem);
    }

    bool flagsFrom(const std::vector<std::string>& w, std::size_t from, bool allowCtrl, int& button,
                   int& shift, std::string& problem) {
        for (std::size_t i = from; i < w.size(); ++i) {
            if (w[i] == "right") {
                button = 1;
            } else if (w[i] == "ctrl" && allowCtrl) {
                shift = 4;
            } else {
                problem = "unexpected '" + w[i] + "'";
                return false;
            }
        }
        return true;
    }

    bool dispatch(const std::vector<std::string>& w, std::string& problem) {
        const std::string& command = w[0];
        int button = 0;
        int shift = 0;
        if (command == "press" || command == "click") {
            const auto p = point(w, 1, problem);
            if (!p || !flagsFrom(w, 2, command == "press", button, shift, problem)) {
                return false;
            }
            m_engine.buttonDown(button, shift, p->x, p->y);
            if (command == "click") {
                m_engine.buttonUp();
            }
        } else if (command == "move") {
            const auto p = point(w, 1, problem);
            if (!p || w.size() > 2) {
                problem = problem.empty() ? "move takes one place" : problem;
                return false;
            }
            m_engine.pointerMove(p->x, p->y);
        } else if (command == "release" && w.size() == 1) {
            m_engine.buttonUp();
        } else if (command == "dblclick" && w.size() == 2) {
            const auto p = point(w, 1, problem);
            if (!p) {
                return false;
            }
            // The events a double click delivers: press, release, double
            // click, and the second press and release.
            m_engine.buttonDown(0, 0, p->x, p->y);
            m_engine.buttonUp();
            m_engine.doubleClick();
            m_engine.buttonDown(0, 0, p->x, p->y);
            m_engine.buttonUp();
        } else if (command == "drag" && w.size() == 3) {
            const auto from = point(w, 1, problem);
            const auto to = from ? point(w, 2, problem) : std::nullopt;
            if (!from || !to) {
                return false;
            }
            m_engine.buttonDown(0, 0, from->x, from->y);
            m_engine.pointerMove((from->x + to->x) / 2, (from->y + to->y) / 2);
            // The held card's corner goes where the target's is.
            m_engine.pointerMove(to->x, to->y);
            m_engine.buttonUp();
        } else if (command == "show" && w.size() == 1) {
            printTable(m_state, false, m_out);
        } else if (command == "autoplay" && w.size() == 1) {
            m_engine.toggleAutoplay();
        } else {
            problem = "unknown command '" + command + "'";
            return false;
        }
        return true;
    }

    table::ProgramState& m_state;
    PlayFrontend& m_frontend;
    engine::PlayEngine& m_engine;
    std::ostream& m_out;
};

} // namespace

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
    state.settings.write(app::field::ScoringScheme, "01");
    // Plain pointer behaviour: no shadows, no animation.
    state.settings.write(app::field::CardsShadowed, "N");
    state.settings.write(app::field::CardsAnimate, "N");
    state.autoplayTicked = request.autoplay;
    engine::PlayEngine engine(state, frontend);
    if (!engine.loadGameList()) {
        return 1;
    }
    if (state.mainGame.gameListIndex(request.game) < 0) {
        err << "vellomir-cli: game " << request.game << " is not in the catalogue\n";
        return 1;
    }
    state.settings.write(app::field::DealNumber, request.dealNumber);
    if (!engine.openGame(request.game, engine::DealNumberMode::Keep, false)) {
        err << "vellomir-cli: game " << request.game << " could not be dealt\n";
        return 1;
    }
    out << "game " << request.game << ' ' << state.settings.read(app::field::GameName) << '\n';
    out << "deal " << state.settings.read(app::field::DealNumber) << '\n';
    printTable(state, true, out);
    Session session(state, frontend, engine, out);
    for (std::string line; std::getline(in, line);) {
        session.run(line);
    }
    return 0;
}

} // namespace vellomir::tools
