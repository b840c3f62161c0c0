#include "engine/rules/card_runs.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/rules/pile_location.h"
#include "engine/rules/placement_check.h"
#include "table/card.h"
#include "table/program_state.h"

#include <algorithm>

namespace vellomir::engine {

using catalogue::BuildingRuleCode;
using catalogue::codeOf;
using catalogue::RunSizeLimit;

namespace empty_code = catalogue::empty_code;
namespace param = catalogue::param;
using table::PileKind;
using table::PileRef;

namespace {

int tableauCount(const table::ProgramState& state) {
    return std::clamp(state.params[param::TableauCount], 0, table::kMaxTableaus);
}

int reserveCount(const table::ProgramState& state) {
    return std::clamp(state.params[param::ReserveCount], 0, table::kMaxReserves);
}

struct RunPlace {
    PileRef pile;
    int position;
};

std::optional<RunPlace> findRun(const table::ProgramState& state, int card) {
    for (int t = 0; t < tableauCount(state); ++t) {
        const int position = positionInPile(state.piles.tableau(t), card);
        if (position >= 0) {
            return RunPlace{{PileKind::Tableau, t}, position};
        }
    }
    for (int r = 0; r < reserveCount(state); ++r) {
        const int position = positionInPile(state.piles.reserve(r), card);
        if (position >= 0) {
            return RunPlace{{PileKind::Reserve, r}, position};
        }
    }
    return std::nullopt;
}

std::vector<int> cardsFrom(const std::string& pile, int position) {
    std::vector<int> run;
    for (int i = position; i < table::cardCount(pile); ++i) {
        run.push_back(table::cardAt(pile, i));
    }
    return run;
}

} // namespace

std::vector<int> runFrom(const table::ProgramState& state, int card) {
    const auto place = findRun(state, card);
    if (!place) {
        return {};
    }
    return cardsFrom(state.piles.pile(place->pile), place->position);
}

std::vector<int> extractRun(table::ProgramState& state, int card, bool take) {
    const auto place = findRun(state, card);
    if (!place) {
        return {};
    }
    std::string& pile = state.piles.pile(place->pile);
    std::vector<int> run = cardsFrom(pile, place->position);
    if (take) {
        pile.erase(static_cast<std::size_t>(place->position) * 3);
    }
    return run;
}

bool isTopOfPile(const table::ProgramState& state, int card) {
    for (int t = 0; t < tableauCount(state); ++t) {
        const std::string& pile = state.piles.tableau(t);
        if (!pile.empty() && table::topCardOf(pile) == card) {
            return true;
        }
    }
    for (int r = 0; r < reserveCount(state); ++r) {
        const std::string& pile = state.piles.reserve(r);
        if (!pile.empty() && table::topCardOf(pile) == card) {
            return true;
        }
    }
    return false;
}

bool runCheck(const table::ProgramState& state, seam::Frontend& frontend, int card,
              int tableauIndex) {
    if (!catalogue::runsAreChecked(state.params) || tableauIndex < 0 ||
        tableauIndex >= table::kMaxTableaus) {
        return true;
    }
    const std::vector<int> run = runFrom(state, card);
    const int i = tableauIndex;
    for (std::size_t k = 1; k < run.size(); ++k) {
        if (!state.cards.isFaceUp(run[k])) {
            return false; // a face-down card never moves as part of a run
        }
        if (!placementAllowed(state, frontend, runPairQuery(state, i, run[k - 1], run[k]))) {
            return false;
        }
    }
    return true;
}

PlacementQuery runPairQuery(const table::ProgramState& state, int tableauIndex, int below,
                            int above) {
    const int i = tableauIndex;
    PlacementQuery pair;
    pair.below = below;
    pair.moving = above;
    pair.emptyCode = state.params[param::TableauEmptyCode + i];
    pair.baseCode = state.params[param::FoundationBaseRank];
    pair.direction = state.params[param::TableauDirection + i];
    const bool byTableauRule =
        state.params[param::RunCheck] == codeOf(catalogue::RunCheck::RunsKeepTableauRule);
    pair.rule =
        byTableauRule ? state.params[param::TableauRule + i] : codeOf(BuildingRuleCode::InSuit);
    pair.foundationFlag = false;
    pair.baseFlag = state.params[param::TableauBaseFlag + i] > 0;
    pair.targetIndex = i;
    pair.realPlacement = false;
    return pair;
}

bool emptyTableauTakesAnyCard(const table::ProgramState& state, int t) {
    if (state.params[param::FoundationBaseRank] == empty_code::AnyCard) {
        return true;
    }
    const int code = state.params[param::TableauEmptyCode + t];
    if (code >= 1 && code <= 13) {
        return false;
    }
    switch (code) {
    case empty_code::KingBalance:
    case empty_code::AceColourBalance:
    case empty_code::AceBalance:
    case empty_code::TwoBalance:
    case empty_code::ProgramOnlyR:
    case empty_code::ProgramOnlyS:
    case empty_code::SingleCardOnly:
    case empty_code::FromStockOrWaste:
    case empty_code::NotFromTableau:
    case empty_code::ReserveThenWaste:
        return false;
    default:
        return true;
    }
}

std::optional<int> runLengthLimit(int code, int emptyTableaus, int emptyReserves,
                                  bool targetEmpty) {
    const int e = emptyTableaus;
    const int r = emptyReserves;
    switch (code) {
    case codeOf(RunSizeLimit::AnyRun):
    case codeOf(RunSizeLimit::KingRunOrSingle):
    case codeOf(RunSizeLimit::SingleOrWholeTableau):
        return std::nullopt;
    case codeOf(RunSizeLimit::FreeCellsAndTableaus):
        // Free cells and free columns; a free column that is the target
        // itself cannot also hold part of the run.
        return e == 0 ? r + 1 : r + e + (targetEmpty ? 0 : 1);
    case codeOf(RunSizeLimit::FreeCellsOrTableaus):
        return e == 0 ? r + 1 : r + e;
    case kDoublingRunLimit: {
        // Card by card through the free cells and the empty tableaus: each
        // empty tableau doubles the run; the target itself is no store.
        const int stores = std::clamp(targetEmpty ? e - 1 : e, 0, kMostDoublings);
        return (r + 1) << stores;
    }
    default:
        return code < 0 ? std::max(e, 1) : code;
    }
}

bool runSizeLimit(const table::ProgramState& state, int card, bool targetEmpty) {
    const auto place = findRun(state, card);
    const std::vector<int> run =
        place ? cardsFrom(state.piles.pile(place->pile), place->position) : std::vector<int>{};
    const int length = static_cast<int>(run.size());

    const int code = state.params[param::RunSizeLimit];
    if (code == codeOf(RunSizeLimit::KingRunOrSingle)) {
        return length == 1 || (length >= 1 && table::rankOf(run.front()) == 13);
    }
    if (code == codeOf(RunSizeLimit::SingleOrWholeTableau)) {
        return place && place->pile.kind == PileKind::Tableau &&
               (length == 1 || place->position == 0);
    }
    int emptyTableaus = 0;
    for (int t = 0; t < tableauCount(state); ++t) {
        // Under code -5 the run moves card by card: an empty tableau counts
        // only when it takes any card (a king-only space holds none of a
        // run's lower cards on the way).
        emptyTableaus +=
            state.piles.tableau(t).empty() && (code != codeOf(RunSizeLimit::FreeCellsAndTableaus) ||
                                               emptyTableauTakesAnyCard(state, t))
                ? 1
                : 0;
    }
    int emptyReserves = 0;
    for (int r = 0; r < reserveCount(state); ++r) {
        emptyReserves += state.piles.reserve(r).empty() ? 1 : 0;
    }
    const std::optional<int> limit =
        runLengthLimit(code, emptyTableaus, emptyReserves, targetEmpty);
    return !limit || length <= *limit;
}

} // namespace vellomir::engine
