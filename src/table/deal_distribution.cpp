#include "table/deal_distribution.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "table/card.h"
#include "table/card_removal.h"
#include "table/deal_placement.h"
#include "table/deal_preparation.h"
#include "table/deal_queue.h"
#include "table/deal_services.h"
#include "table/kings_to_bottom.h"
#include "table/pile_counts.h"
#include "table/post_deal_arrangement.h"
#include "table/program_state.h"
#include "table/solvable_grid.h"

#include <algorithm>
#include <array>

namespace vellomir::table {

using catalogue::codeOf;
using catalogue::FoundationBaseMode;
using catalogue::FoundationStartCode;
using catalogue::GameType;
using catalogue::gameTypeOf;
namespace param = catalogue::param;
namespace empty_code = catalogue::empty_code;
namespace {

constexpr int kRanks = 13;

constexpr PileRef kStockPile{PileKind::Stock, kStock};
constexpr PileRef kWastePile{PileKind::Stock, kWaste};
constexpr PileRef kDiscardPile{PileKind::Stock, kDiscard};

PileRef foundation(int f) {
    return {PileKind::Foundation, f};
}
PileRef tableau(int t) {
    return {PileKind::Tableau, t};
}
PileRef reserve(int r) {
    return {PileKind::Reserve, r};
}

// Whether any card on foundations 0 .. f-1 is of the given suit.
bool suitOnEarlierFoundations(const ProgramState& state, int suit, int f) {
    for (int before = 0; before < f; ++before) {
        const std::string& pile = state.piles.foundation(before);
        for (int i = 0; i < cardCount(pile); ++i) {
            if (suitOf(cardAt(pile, i)) == suit) {
                return true;
            }
        }
    }
    return false;
}

// The card a starting-card code names for foundation f, taken out of the
// deal; 0 when the code names none or the deal does not hold it.
int takeStartingCard(const ProgramState& state, DealQueue& deck, int f, int code) {
    int card = 0;
    if (code <= 0 || code == codeOf(FoundationStartCode::WaitsForFirstMove) ||
        code == codeOf(FoundationStartCode::AcesReplacedFromStock)) {
        return 0;
    } else if (code == codeOf(FoundationStartCode::FirstCardOfDeal)) {
        return deck.takeFront();
    } else if (code == codeOf(FoundationStartCode::FirstCardOfNewSuit)) {
        return deck.takeFirst([&](int c) {
            return suitOf(c) >= 0 && !suitOnEarlierFoundations(state, suitOf(c), f);
        });
    } else if (code > catalogue::kFoundationStartRankBase &&
               code <= catalogue::kFoundationStartRankBase + kRanks) {
        return deck.takeFirst(
            [code](int c) { return rankOf(c) == code - catalogue::kFoundationStartRankBase; });
    } else if (code == codeOf(FoundationStartCode::NextSuitOfFirstCard)) {
        // The first card moved on by a suit for each foundation: a run of
        // foundations receives the cards of one rank. Past the end of the
        // pack the count wraps around, staying within 1 .. card count.
        if (deck.empty()) {
            return 0;
        }
        card = deck.front() + 13 * (f + 1);
        const int packSize = state.params[param::CardCount];
        if (packSize > 0 && card > packSize) {
            card = (card - 1) % packSize + 1;
        }
    } else if (code == codeOf(FoundationStartCode::AceOfSuitSwept) ||
               code == codeOf(FoundationStartCode::AceOfSuitSweptToo)) {
        card = f * 13 + 1;
    } else if (code == codeOf(FoundationStartCode::KingOfSuitSwept)) {
        card = f <= 3 ? 13 * (f + 1) : 13 * f - 51;
    } else if (code >= catalogue::kFoundationStartCardBase) {
        card = code - catalogue::kFoundationStartCardBase;
    } else {
        card = f * 13 + code;
    }
    return deck.take(card) ? card : 0;
}

void putStartingCards(ProgramState& state, DealQueue& deck, int foundations) {
    for (int f = 0; f < foundations; ++f) {
        const int code = state.params[param::FoundationStartCard + f];
        if (code == codeOf(FoundationStartCode::WaitsForFirstMove)) {
            state.params.set(param::FoundationBaseRank + f,
                             state.params[param::FoundationBaseRank]);
            continue;
        }
        const int card = takeStartingCard(state, deck, f, code);
        if (card != 0) {
            state.piles.appendCard(state.cards, foundation(f), card, '1');
            state.params.set(param::FoundationBaseRank + f, foundationBaseRankOf(card));
        }
    }
}

void putFirstDiscardCard(ProgramState& state, DealQueue& deck) {
    int card = state.params[param::FirstDiscardCard];
    if (card > 100) {
        card -= 100;
    }
    if (card >= 1 && card <= kLastCard && deck.take(card)) {
        state.piles.appendCard(state.cards, kDiscardPile, card, '1');
    }
}

// Tableau counts 1001-1499 deal one card of rank count - 1000, counts
// 1501-1504 the joker 105-108.
void dealSpecialTableauCard(ProgramState& state, DealQueue& deck, int t, int count, int faceMode) {
    int card = 0;
    if (count >= 1001 && count <= 1499) {
        card = deck.takeFirst([rank = count - 1000](int c) { return rankOf(c) == rank; });
    } else if (count >= 1501 && count <= 1504) {
        card = deck.take(count - 1396) ? count - 1396 : 0;
    }
    if (card != 0) {
        state.piles.appendCard(state.cards, tableau(t), card, '0');
    }
    turnDealtFaces(state, tableau(t), faceMode);
}

void dealFaceUp(ProgramState& state, DealQueue& deck, PileRef pile, int count) {
    const int before = cardCount(state.piles.pile(pile));
    dealCards(state, deck, pile, count);
    const std::string& cards = state.piles.pile(pile);
    for (int i = before; i < cardCount(cards); ++i) {
        state.cards.setFaceUp(cardAt(cards, i), true);
    }
}

void applyFoundationBaseMode(ProgramState& state, DealQueue& deck, int foundations) {
    auto setBase = [&](int f, int rank) { state.params.set(param::FoundationBaseRank + f, rank); };
    if (foundations < 1) {
        return;
    }
    switch (state.params[param::FoundationBaseMode]) {
    case codeOf(FoundationBaseMode::FirstCardSetsEveryBase):
        if (const int card = deck.takeFront()) {
            state.piles.appendCard(state.cards, foundation(0), card, '1');
            for (int f = 0; f < kMaxFoundations; ++f) {
                setBase(f, foundationBaseRankOf(card));
            }
        }
        break;
    case codeOf(FoundationBaseMode::FirstCardEach):
        for (int f = 0; f < foundations && !deck.empty(); ++f) {
            const int card = deck.takeFront();
            state.piles.appendCard(state.cards, foundation(f), card, '1');
            setBase(f, foundationBaseRankOf(card));
        }
        break;
    case codeOf(FoundationBaseMode::OneAboveReserveTop):
        // One above the top card of the reserve with the same number; an
        // empty reserve or a joker leaves the base as it was.
        for (int f = 0; f < std::min(foundations, kMaxReserves); ++f) {
            const int top = topCardOf(state.piles.reserve(f));
            if (top != 0 && !isJoker(top)) {
                setBase(f, rankAbove(rankOf(top)));
            }
        }
        break;
    case codeOf(FoundationBaseMode::FirstCardSetsTwoRows):
        if (const int card = deck.takeFront()) {
            state.piles.appendCard(state.cards, foundation(0), card, '1');
            const int rank = foundationBaseRankOf(card);
            for (int f = 1; f < 4; ++f) {
                setBase(f, rank);
            }
            for (int f = 4; f < 8; ++f) {
                setBase(f, rank > 0 ? rankAbove(rank) : rank);
            }
        }
        break;
    default:
        break;
    }
}

// The empty-tableau code OneBelowFoundationBase stands for one rank below
// foundation 1's base. A base
// that is no rank (any card, a joker's -2, a letter code) leaves the tableau
// open to any card.
void replaceRankBelowBase(ProgramState& state) {
    const int base = state.params[param::FoundationBaseRank];
    const int below = base >= 1 && base <= 13 ? rankBelow(base) : -1;
    for (int t = 0; t < kMaxTableaus; ++t) {
        if (state.params[param::TableauEmptyCode + t] == empty_code::OneBelowFoundationBase) {
            state.params.set(param::TableauEmptyCode + t, below);
        }
    }
}

// Family 11: the aces dealt to reserve 1 start foundations 2, 3, ...; then
// the waste, from its top card down, gives its first ace to foundation 1 and
// refills reserve 1 with as many cards as aces left it.
void startFoundationsWithReserveAces(ProgramState& state, int foundations) {
    std::string& reserveOne = state.piles.reserve(0);
    int nextFoundation = 1;
    int acesTaken = 0;
    for (int i = 0; i < cardCount(reserveOne) && nextFoundation < foundations;) {
        const int card = cardAt(reserveOne, i);
        if (rankOf(card) != 1) {
            ++i;
            continue;
        }
        cutCardFromPile(reserveOne, card);
        state.piles.appendCard(state.cards, foundation(nextFoundation++), card, '1');
        ++acesTaken;
    }

    bool foundationOneStarted = foundations < 1;
    int refills = 0;
    std::string& waste = state.piles.stock(kWaste);
    for (int i = cardCount(waste) - 1; i >= 0 && (!foundationOneStarted || refills < acesTaken);
         --i) {
        const int card = cardAt(waste, i);
        if (card == 0) {
            continue;
        }
        if (!foundationOneStarted && rankOf(card) == 1) {
            waste.erase(static_cast<std::size_t>(i) * 3, 3);
            state.piles.appendCard(state.cards, foundation(0), card, '1');
            foundationOneStarted = true;
        } else if (refills < acesTaken) {
            waste.erase(static_cast<std::size_t>(i) * 3, 3);
            state.piles.appendCard(state.cards, reserve(0), card, '0');
            ++refills;
        }
    }
    if (acesTaken > 0) {
        turnDealtFaces(state, reserve(0), state.params[param::ReserveStartFace]);
    }
}

} // namespace

DealOutcome distributeDeal(ProgramState& state, const std::vector<int>& dealArray,
                           const DealServices& services) {
    const catalogue::GameParameters& params = state.params;
    const PileCounts counts = PileCounts::of(params);
    DealOutcome outcome;

    std::array<int, kMaxTableaus> tableauCards{};
    std::array<int, kMaxTableaus> tableauFaces{};
    for (int t = 0; t < kMaxTableaus; ++t) {
        tableauCards[static_cast<std::size_t>(t)] = params[param::TableauStartCards + t];
        tableauFaces[static_cast<std::size_t>(t)] = params[param::TableauStartFace + t];
    }

    std::vector<int> cards = usableDealCards(dealArray, outcome.rejected);
    outcome.setAside = prepareDealCards(cards, params[param::DealArrangement], counts.tableaus);
    DealQueue deck(std::move(cards));

    putStartingCards(state, deck, counts.foundations);
    putFirstDiscardCard(state, deck);

    for (int t = 0; t < counts.tableaus; ++t) {
        const int count = tableauCards[static_cast<std::size_t>(t)];
        if (count > 1000) {
            dealSpecialTableauCard(state, deck, t, count,
                                   tableauFaces[static_cast<std::size_t>(t)]);
        }
    }

    if (params[param::StockFaceDown] == 0) {
        dealFaceUp(state, deck, kStockPile, params[param::StockCards]);
    } else {
        dealCards(state, deck, kStockPile, params[param::StockCards]);
    }
    dealFaceUp(state, deck, kWastePile, params[param::WasteCards]);

    for (int t = 0; t < counts.tableaus; ++t) {
        const int count = tableauCards[static_cast<std::size_t>(t)];
        if (count >= 1 && count <= 1000) {
            dealCards(state, deck, tableau(t), count);
            turnDealtFaces(state, tableau(t), tableauFaces[static_cast<std::size_t>(t)]);
        }
    }

    dealFaceUp(state, deck, kDiscardPile, params[param::DiscardCards]);

    for (int r = 0; r < counts.reserves; ++r) {
        const int count = params[param::ReserveStartCards + r];
        if (count >= 1) {
            dealCards(state, deck, reserve(r), count);
            turnDealtFaces(state, reserve(r), params[param::ReserveStartFace + r]);
        }
    }

    applyFoundationBaseMode(state, deck, counts.foundations);
    replaceRankBelowBase(state);

    if (params[param::ExtraCardToFoundation1] == 1 && counts.foundations >= 1 && !deck.empty()) {
        state.piles.appendCard(state.cards, foundation(0), deck.takeFront(), '1');
    }
    if (gameTypeOf(params) == GameType::AcesFromReserve) {
        startFoundationsWithReserveAces(state, counts.foundations);
    }

    arrangeAfterDeal(state, deck, services, outcome.setAside);
    makeGridSolvable(state);
    moveKingsToBottom(state);

    outcome.undealt = deck.cards();
    services.computeDealtScore(state);
    return outcome;
}

} // namespace vellomir::table
