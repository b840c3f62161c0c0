// The saved game, as the next start finds it. The input is either a whole
// file (when it starts with "[") or the recipe of a damaged one: a game
// played a few clicks and saved, then bytes of the file changed as the
// input says. Whatever the file, the start never crashes; a file whose
// bytes changed is never continued; a continued game holds every card of
// its deal once, through undo back to the deal; a file that is not
// continued is kept aside, byte for byte, never deleted.

#include "fuzz_play.h"

#include "engine/play/saved_game.h"
#include "engine/records/card_census.h"
#include "engine/records/play_position.h"

using namespace vellomir;

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A saved game of a few actions, and the file as the input damages it.
std::pair<std::string, std::string> damagedGame(fuzz::InputBytes& input) {
    fuzz::FuzzGame game(input);
    const int actions = input.byte() % 12;
    for (int i = 0; i < actions && !input.empty(); ++i) {
        fuzz::gestureFrom(input, game.engine);
    }
    game.engine.buttonUp();
    const std::optional<engine::SavedGame> saved = engine::gameToSave(game.engine, 0);
    if (!saved) {
        return {};
    }
    const std::string original = engine::savedGameText(*saved);
    std::string text = original;
    for (int edits = input.byte() % 4 + 1; edits > 0 && !text.empty(); --edits) {
        const std::size_t at = static_cast<std::size_t>(input.below(1 << 16)) % text.size();
        switch (input.byte() % 4) {
        case 0:
            text[at] = static_cast<char>(text[at] ^ (1 << (input.byte() % 8)));
            break;
        case 1:
            text[at] = static_cast<char>(input.byte());
            break;
        case 2:
            text.erase(at, input.byte() % 8 + 1);
            break;
        default:
            text.insert(at, 1, static_cast<char>(input.byte()));
            break;
        }
    }
    return {original, text};
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::compiledCatalogue();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::InputBytes input(data, size);
    std::string original;
    std::string text;
    if (size > 0 && data[0] == '[') {
        text = std::string(input.rest());
    } else {
        std::tie(original, text) = damagedGame(input);
        if (original.empty()) {
            return 0;
        }
    }
    const std::filesystem::path folder = fuzz::scratchFolder() / "data";
    std::filesystem::remove_all(folder);
    const std::filesystem::path file = engine::savedGamePath(folder);
    fuzz::writeFile(file, text);

    table::ProgramState state(fuzz::compiledCatalogue().programDirectory);
    std::ostream nowhere(nullptr);
    tools::ConsoleFrontend frontend(nowhere);
    state.settings.write(settings::field::CardSize, "B");
    state.mainGame.setCell(table::cell::CardSizeMode, 2);
    engine::PlayEngine engine(state, frontend);
    fuzz::require(engine.loadGameList(), "the compiled catalogue loads");
    const engine::ResumeResult resumed = engine::resumeSavedGame(engine, folder);

    if (resumed.outcome != engine::ResumeOutcome::Resumed) {
        std::filesystem::path kept = file;
        kept += ".damaged";
        fuzz::require(!std::filesystem::exists(file) && readFile(kept) == text,
                      "a saved game not continued is kept aside whole");
        return 0;
    }
    fuzz::require(original.empty() || text == original, "a changed saved game was continued");
    fuzz::require(std::filesystem::exists(file), "a continued saved game stays until its end");
    // The deal's cards, as dealt afresh, are all on the table once, back to the deal.
    table::ProgramState fresh(state.settings.programDirectory());
    fresh.settings.write(settings::field::CardSize, "B");
    fresh.mainGame.setCell(table::cell::CardSizeMode, 2);
    fresh.settings.write(settings::field::DealNumber,
                         state.settings.read(settings::field::DealNumber));
    engine::PlayEngine freshEngine(fresh, frontend);
    fuzz::require(freshEngine.loadGameList() &&
                      freshEngine.openGame(state.settings.readInt(settings::field::Game, -1),
                                           engine::DealNumberMode::Keep, false),
                  "the continued game's deal is dealt afresh");
    const engine::CardCensus pack = engine::takeCardCensus(fresh);
    do {
        const std::string fault = engine::cardsOnTableOnce(state, pack);
        fuzz::require(fault.empty(), fault);
    } while (engine.undo());
    return 0;
}
