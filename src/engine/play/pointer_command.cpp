#include "engine/play/pointer_command.h"

#include "engine/actions/end_of_game.h"
#include "engine/play/play_engine.h"
#include "settings/number_text.h"
#include "table/card_position.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <sstream>
#include <vector>

namespace vellomir::engine {

namespace {

using Verb = PointerCommand::Verb;

bool isDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The words after the place of a press or a click: "right", and "ctrl" for a press.
bool readButtonWords(const std::vector<std::string>& w, PointerCommand& command,
                     std::string& problem) {
    for (std::size_t i = 2; i < w.size(); ++i) {
        if (w[i] == "right") {
            command.right = true;
        } else if (w[i] == "ctrl" && command.verb == Verb::Press) {
            command.ctrl = true;
        } else {
            problem = "unexpected '" + w[i] + "'";
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<PointerCommand> parsePointerCommand(std::string_view line, std::string& problem) {
    std::istringstream words{std::string(line)};
    std::vector<std::string> w;
    for (std::string word; words >> word;) {
        w.push_back(word);
    }
    if (w.empty()) {
        problem = "no command";
        return std::nullopt;
    }
    PointerCommand command;
    const std::string& verb = w[0];
    if (verb == "press" || verb == "click") {
        command.verb = verb == "press" ? Verb::Press : Verb::Click;
        if (w.size() < 2) {
            problem = verb + " needs a place";
            return std::nullopt;
        }
        command.place = w[1];
        if (!readButtonWords(w, command, problem)) {
            return std::nullopt;
        }
        return command;
    }
    if (verb == "rclick") {
        // A right click: press and release of the right button.
        if (w.size() != 2) {
            problem = w.size() < 2 ? verb + " needs a place" : verb + " takes one place";
            return std::nullopt;
        }
        command.verb = Verb::Click;
        command.place = w[1];
        command.right = true;
        return command;
    }
    if (verb == "move" || verb == "dblclick") {
        command.verb = verb == "move" ? Verb::Move : Verb::DoubleClick;
        if (w.size() != 2) {
            problem = w.size() < 2 ? verb + " needs a place" : verb + " takes one place";
            return std::nullopt;
        }
        command.place = w[1];
        return command;
    }
    if (verb == "drag") {
        if (w.size() != 3) {
            problem = "drag takes two places";
            return std::nullopt;
        }
        command.verb = Verb::Drag;
        command.place = w[1];
        command.target = w[2];
        return command;
    }
    if ((verb == "release" || verb == "quit" || verb == "autoplay") && w.size() == 1) {
        command.verb = verb == "release" ? Verb::Release
                       : verb == "quit"  ? Verb::Quit
                                         : Verb::Autoplay;
        return command;
    }
    problem = "unknown command '" + verb + "'";
    return std::nullopt;
}

std::string commandText(const PointerCommand& command) {
    std::string text;
    switch (command.verb) {
    case Verb::Press:
        text = "press " + command.place;
        break;
    case Verb::Move:
        return "move " + command.place;
    case Verb::Release:
        return "release";
    case Verb::Click:
        text = "click " + command.place;
        break;
    case Verb::DoubleClick:
        return "dblclick " + command.place;
    case Verb::Drag:
        return "drag " + command.place + " " + command.target;
    case Verb::Autoplay:
        return "autoplay";
    case Verb::Quit:
        return "quit";
    }
    if (command.right) {
        text += " right";
    }
    if (command.ctrl) {
        text += " ctrl";
    }
    return text;
}

std::optional<TablePoint> placePoint(const table::ProgramState& state, std::string_view place,
                                     std::string& problem) {
    const std::size_t colon = place.find(':');
    const std::string_view name = place.substr(0, colon);
    const auto pile = table::parsePileName(name);
    if (!pile || table::pileName(*pile) != name) {
        problem = "unknown pile '" + std::string(name) + "'";
        return std::nullopt;
    }
    if (!table::isPlaced(state, *pile)) {
        problem = "pile " + table::pileName(*pile) + " is not on the table";
        return std::nullopt;
    }
    table::CardPoint at = table::topCardPosition(state, *pile);
    if (colon != std::string_view::npos) {
        const std::string_view slotText = place.substr(colon + 1);
        const int count = table::cardCount(state.piles.pile(*pile));
        if (!isDigits(slotText) || slotText.size() > 3 ||
            settings::toInt(std::string(slotText)) >= count) {
            problem = "no card " + std::string(slotText) + " in " + table::pileName(*pile);
            return std::nullopt;
        }
        const int slot = settings::toInt(std::string(slotText));
        at = pile->kind == table::PileKind::Stock ? table::pilePosition(state, *pile)
                                                  : table::cardPosition(state, *pile, slot);
    }
    return TablePoint{at.x + 5, at.y + 5};
}

bool runPointerCommand(PlayEngine& engine, const PointerCommand& command, std::string& problem) {
    const table::ProgramState& state = engine.state();
    const int button = command.right ? 1 : 0;
    const int shift = command.ctrl ? 4 : 0;
    std::optional<TablePoint> at;
    if (command.verb != Verb::Release && command.verb != Verb::Quit &&
        command.verb != Verb::Autoplay) {
        at = placePoint(state, command.place, problem);
        if (!at) {
            return false;
        }
    }
    switch (command.verb) {
    case Verb::Press:
        engine.buttonDown(button, shift, at->x, at->y);
        break;
    case Verb::Click:
        engine.buttonDown(button, shift, at->x, at->y);
        engine.buttonUp();
        break;
    case Verb::Move:
        engine.pointerMove(at->x, at->y);
        break;
    case Verb::Release:
        engine.buttonUp();
        break;
    case Verb::DoubleClick:
        // The events a double click delivers: press, release, double
        // click, and the second press and release.
        engine.buttonDown(0, 0, at->x, at->y);
        engine.buttonUp();
        engine.doubleClick();
        engine.buttonDown(0, 0, at->x, at->y);
        engine.buttonUp();
        break;
    case Verb::Drag: {
        const std::optional<TablePoint> to = placePoint(state, command.target, problem);
        if (!to) {
            return false;
        }
        engine.buttonDown(0, 0, at->x, at->y);
        engine.pointerMove((at->x + to->x) / 2, (at->y + to->y) / 2);
        // The held card's corner goes where the target's is.
        engine.pointerMove(to->x, to->y);
        engine.buttonUp();
        break;
    }
    case Verb::Autoplay:
        engine.toggleAutoplay();
        break;
    case Verb::Quit:
        endOfGame(engine.state(), engine.frontend());
        break;
    }
    return true;
}

bool runGesture(PlayEngine& engine, const PointerCommand& command, int* held) {
    std::string problem;
    if (command.verb != Verb::Click) {
        return runPointerCommand(engine, command, problem);
    }
    PointerCommand press = command;
    press.verb = Verb::Press;
    if (!runPointerCommand(engine, press, problem)) {
        return false;
    }
    if (held != nullptr) {
        *held = engine.pointer().heldCard();
    }
    engine.buttonUp();
    return true;
}

} // namespace vellomir::engine
