// A catalogue game compiled from its game file, dealt, and played by pointer
// events the input spells out: presses, moves, releases, double clicks and
// whole drags, on cards of the piles in use or anywhere on the table. Every
// card dealt stays on the table exactly once, whatever the events.

#include "fuzz_play.h"

#include "engine/records/card_census.h"

using namespace vellomir;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::compiledCatalogue();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::InputBytes input(data, size);
    fuzz::FuzzGame game(input);
    table::ProgramState& state = game.state;
    const engine::CardCensus dealt = engine::takeCardCensus(state);

    for (int step = 0; step < 400 && !input.empty() && state.flags.test(table::Flag::GameInPlay);
         ++step) {
        fuzz::gestureFrom(input, game.engine);
        if (state.mainGame.cell(table::cell::PickedCard) == 0) {
            const std::string fault = engine::cardsOnTableOnce(state, dealt);
            fuzz::require(fault.empty(), fault);
        }
    }
    game.engine.buttonUp();
    const std::string fault = engine::cardsOnTableOnce(state, dealt);
    fuzz::require(fault.empty(), fault);
    return 0;
}
