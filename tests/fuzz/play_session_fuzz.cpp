// A play session as a player has it: gestures on the table mixed with undo,
// redo, restart, new game and deal numbers, all spelt out by the input.
// Every card stays on the table exactly once; an undo followed by a redo
// gives back exactly the table before them; a restart, or a deal number
// dealt again, lays out exactly the cards that number dealt the first time;
// a new game deals the game's whole pack.

#include "fuzz_play.h"

#include "engine/records/card_census.h"
#include "engine/records/play_position.h"

#include <map>

using namespace vellomir;

namespace {

struct Laid {
    table::PileLists piles;
    std::string faces;
    friend bool operator==(const Laid&, const Laid&) = default;
};

Laid laid(const table::ProgramState& state) {
    const engine::PlayPosition position = engine::capturePosition(state);
    return {position.piles, position.faces};
}

std::string where(const table::ProgramState& state, std::string_view what) {
    return std::string(what) + " (game " + state.settings.read(settings::field::Game) + " deal " +
           state.settings.read(settings::field::DealNumber) + ")";
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::compiledCatalogue();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::InputBytes input(data, size);
    fuzz::FuzzGame game(input);
    table::ProgramState& state = game.state;
    engine::PlayEngine& engine = game.engine;
    const engine::CardCensus pack = engine::takeCardCensus(state);
    // The table each deal number laid out when it was first dealt.
    std::map<std::string, Laid> dealt{
        {state.settings.read(settings::field::DealNumber), laid(state)}};
    const auto checkDealt = [&](std::string_view what) {
        const std::string number = state.settings.read(settings::field::DealNumber);
        const auto [first, inserted] = dealt.try_emplace(number, laid(state));
        fuzz::require(inserted || first->second == laid(state),
                      where(state, std::string(what) + " dealt other cards than the first time"));
    };

    for (int step = 0; step < 300 && !input.empty(); ++step) {
        switch (input.byte() % 16) {
        case 10: {
            if (!engine.canUndo()) {
                break;
            }
            const engine::PlayPosition before = engine::capturePosition(state);
            fuzz::require(engine.undo(), where(state, "undo refused while possible"));
            fuzz::require(engine.redo(), where(state, "redo refused after an undo"));
            fuzz::require(engine::capturePosition(state) == before,
                          where(state, "undo and redo changed the table"));
            engine.undo();
            break;
        }
        case 11:
            engine.redo();
            break;
        case 12:
            if (engine.restartGame()) {
                checkDealt("restart");
            }
            break;
        case 13:
            if (engine.newGame()) {
                checkDealt("new game");
            }
            break;
        case 14: {
            const std::string before = state.settings.read(settings::field::DealNumber);
            const Laid tableBefore = laid(state);
            const int length = input.byte() % 16;
            std::string typed;
            for (int i = 0; i < length; ++i) {
                typed += static_cast<char>(input.byte() % 4 == 0 ? input.byte()
                                                                 : '0' + input.byte() % 10);
            }
            const bool valid = engine::paddedDealNumber(typed).has_value();
            if (engine.dealNumber(typed)) {
                fuzz::require(valid, where(state, "a deal number that is not one was dealt"));
                fuzz::require(state.settings.read(settings::field::DealNumber) ==
                                  *engine::paddedDealNumber(typed),
                              where(state, "the deal number dealt is not the one typed"));
                checkDealt("a deal number");
            } else if (!valid) {
                fuzz::require(state.settings.read(settings::field::DealNumber) == before &&
                                  laid(state) == tableBefore,
                              where(state, "a refused deal number changed the game"));
            }
            break;
        }
        default:
            fuzz::gestureFrom(input, engine);
            break;
        }
        if (state.mainGame.cell(table::cell::PickedCard) == 0) {
            const std::string fault = engine::cardsOnTableOnce(state, pack);
            fuzz::require(fault.empty(), where(state, fault));
        }
    }
    engine.buttonUp();
    const std::string fault = engine::cardsOnTableOnce(state, pack);
    fuzz::require(fault.empty(), where(state, fault));
    return 0;
}
