// The deal-number entry: whatever the player types, only one to 13 digits
// deal (padded with zeros in front to the 13 digits of the caption), the
// same table as that number always deals; anything else changes nothing.

#include "fuzz_play.h"

#include "engine/records/card_census.h"
#include "engine/records/play_position.h"

using namespace vellomir;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::compiledCatalogue();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::InputBytes input(data, size);
    fuzz::FuzzGame game(input);
    table::ProgramState& state = game.state;
    const engine::CardCensus pack = engine::takeCardCensus(state);
    const std::string typed(input.rest());
    const std::string before = state.settings.read(settings::field::DealNumber);
    const engine::PlayPosition tableBefore = engine::capturePosition(state);

    const std::optional<std::string> padded = engine::paddedDealNumber(typed);
    const bool digitsOnly = !typed.empty() && typed.size() <= 13 &&
                            typed.find_first_not_of("0123456789") == std::string::npos;
    fuzz::require(padded.has_value() == digitsOnly, "the entry's test of digits");
    if (!game.engine.dealNumber(typed)) {
        fuzz::require(state.settings.read(settings::field::DealNumber) == before,
                      "a refused deal number changed the deal number");
        fuzz::require(padded || engine::capturePosition(state) == tableBefore,
                      "a deal number that is not one changed the table");
        return 0;
    }
    fuzz::require(padded && padded->size() == 13 &&
                      *padded == state.settings.read(settings::field::DealNumber),
                  "the deal number dealt is not the one typed");
    const std::string fault = engine::cardsOnTableOnce(state, pack);
    fuzz::require(fault.empty(), fault);
    // Dealt again, the number lays out the same table.
    const engine::PlayPosition dealt = engine::capturePosition(state);
    fuzz::require(game.engine.dealNumber(typed), "the same deal number dealt again");
    const engine::PlayPosition again = engine::capturePosition(state);
    fuzz::require(again.piles == dealt.piles && again.faces == dealt.faces,
                  "the same deal number dealt another table");
    return 0;
}
