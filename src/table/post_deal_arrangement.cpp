#include "table/post_deal_arrangement.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "table/card.h"
#include "table/card_removal.h"
#include "table/deal_placement.h"
#include "table/deal_queue.h"
#include "table/deal_services.h"
#include "table/pile_counts.h"
#include "table/program_state.h"
#include "table/reserve_aces_up.h"

#include <algorithm>
#include <string>

namespace vellomir::table {

using catalogue::codeOf;
using catalogue::DealArrangement;
using catalogue::FoundationStartCode;
using catalogue::GameType;
using catalogue::gameTypeOf;
namespace param = catalogue::param;
namespace {

constexpr int kKing = 13;
constexpr int kQueen = 12;
constexpr int kAce = 1;

PileRef tableau(int t) {
    return {PileKind::Tableau, t};
}

bool holdsCard(const std::string& pile, int card) {
    for (int i = 0; i < cardCount(pile); ++i) {
        if (cardAt(pile, i) == card) {
            return true;
        }
    }
    return false;
}

int tallestTableau(const ProgramState& state, int tableaus) {
    int tallest = 0;
    for (int t = 0; t < tableaus; ++t) {
        tallest = std::max(tallest, cardCount(state.piles.tableau(t)));
    }
    return tallest;
}

void restoreTableauFaces(ProgramState& state, int t) {
    turnDealtFaces(state, tableau(t), state.params[param::TableauStartFace + t]);
}

// Aces moved to the foundations leave their place to the top card of the
// stock, or of the waste once the stock is empty; the place is then looked
// at again, since the newcomer may be an ace as well.
void replaceAcesFromStock(ProgramState& state, const DealServices& services, int tableaus) {
    for (int depth = 0; depth < tallestTableau(state, tableaus); ++depth) {
        for (int t = 0; t < tableaus; ++t) {
            while (depth < cardCount(state.piles.tableau(t))) {
                const int card = cardAt(state.piles.tableau(t), depth);
                if (rankOf(card) != kAce || !placeOnFoundation(state, services, card)) {
                    break;
                }
                std::string& stock = state.piles.stock(kStock);
                std::string& source = stock.empty() ? state.piles.stock(kWaste) : stock;
                if (source.empty()) {
                    continue;
                }
                const int replacement = topCardOf(source);
                source.erase(source.size() - 3);
                insertCardIntoPile(state.piles.tableau(t), depth, replacement);
                state.cards.setFaceUp(replacement, true);
            }
        }
    }
}

void moveQueenAndKingOfHearts(ProgramState& state, int tableaus) {
    const bool stockFaceUp = state.params[param::StockFaceDown] == 0;
    if (removeAnywhere(state, kKing, RemovalKind::Cut)) {
        insertCardIntoPile(state.piles.stock(kStock), 0, kKing);
        state.cards.setFaceUp(kKing, stockFaceUp);
    }
    if (tableaus >= 1 && removeAnywhere(state, kQueen, RemovalKind::Cut)) {
        state.piles.appendCard(state.cards, tableau(0), kQueen, '1');
    }
}

// A pile standing on a king sends the king to the bottom of the stock, face
// down, and takes the first card from the stock's top that is not a king in
// its place, face up. Cards above the king stay where they are; with no such
// card in the stock the king stays.
void exchangeBottomKing(ProgramState& state, std::string& pile) {
    const int bottom = cardAt(pile, 0);
    if (rankOf(bottom) != kKing) {
        return;
    }
    std::string& stock = state.piles.stock(kStock);
    for (int i = cardCount(stock) - 1; i >= 0; --i) {
        const int card = cardAt(stock, i);
        if (card == 0 || rankOf(card) == kKing) {
            continue;
        }
        stock.erase(static_cast<std::size_t>(i) * 3, 3);
        pile.replace(0, 3, cardText(card));
        state.cards.setFaceUp(card, true);
        insertCardIntoPile(stock, 0, bottom);
        state.cards.setFaceUp(bottom, false);
        return;
    }
}

// The rest of the deal, from its first card of rank `opener` on (the cards
// before it follow at the end), goes in order onto tableau 1, moving on to the
// next tableau at each further card of that rank; the last tableau takes
// whatever is left.
void layFromOpeners(ProgramState& state, DealQueue& deck, int opener, int tableaus) {
    if (tableaus < 1 || deck.empty()) {
        return;
    }
    std::vector<int> cards = deck.cards();
    const auto first = std::find_if(cards.begin(), cards.end(),
                                    [opener](int card) { return rankOf(card) == opener; });
    std::rotate(cards.begin(), first == cards.end() ? cards.begin() : first, cards.end());
    int t = 0;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (i > 0 && rankOf(cards[i]) == opener && t + 1 < tableaus) {
            ++t;
        }
        deck.take(cards[i]);
        state.piles.appendCard(state.cards, tableau(t), cards[i], '0');
    }
    for (int u = 0; u <= t; ++u) {
        restoreTableauFaces(state, u);
    }
}

// Gathers the tableaus' cards and deals them back into the same number of
// places, each tableau taking for each place the first gathered card whose
// rank it does not hold yet. Cards that fit no place by that rule go into the
// places still open, in order, so that none leaves the table.
void redealWithoutRepeatedRanks(ProgramState& state, int tableaus) {
    std::vector<int> gathered;
    for (int t = 0; t < tableaus; ++t) {
        std::string& pile = state.piles.tableau(t);
        for (int i = 0; i < cardCount(pile); ++i) {
            if (const int card = cardAt(pile, i)) {
                gathered.push_back(card);
            }
        }
        pile.assign(pile.size() - pile.size() % 3, '0');
    }
    for (int t = 0; t < tableaus; ++t) {
        std::string& pile = state.piles.tableau(t);
        for (auto it = gathered.begin(); it != gathered.end();) {
            it = fillGap(pile, *it) ? gathered.erase(it) : it + 1;
        }
    }
    for (int t = 0; t < tableaus && !gathered.empty(); ++t) {
        std::string& pile = state.piles.tableau(t);
        for (int i = 0; i < cardCount(pile) && !gathered.empty(); ++i) {
            if (cardAt(pile, i) == 0) {
                pile.replace(static_cast<std::size_t>(i) * 3, 3, cardText(gathered.front()));
                gathered.erase(gathered.begin());
            }
        }
    }
    for (int t = 0; t < tableaus; ++t) {
        restoreTableauFaces(state, t);
    }
}

// The rest of the deal sorted by rank: tableau number rank - 1 (or rank, with
// `offset` 0). Cards whose tableau the game does not have stay in the deal.
void sortRestByRank(ProgramState& state, DealQueue& deck, int offset, int tableaus) {
    std::vector<bool> touched(static_cast<std::size_t>(tableaus), false);
    for (int card : std::vector<int>(deck.cards())) {
        const int t = rankOf(card) - offset - 1;
        if (t < 0 || t >= tableaus) {
            continue;
        }
        deck.take(card);
        state.piles.appendCard(state.cards, tableau(t), card, '0');
        touched[static_cast<std::size_t>(t)] = true;
    }
    for (int t = 0; t < tableaus; ++t) {
        if (touched[static_cast<std::size_t>(t)]) {
            restoreTableauFaces(state, t);
        }
    }
}

void turnRankIntoGaps(ProgramState& state, int rank, int tableaus, std::vector<int>& setAside) {
    for (int t = 0; t < tableaus; ++t) {
        std::string& pile = state.piles.tableau(t);
        for (int i = 0; i < cardCount(pile); ++i) {
            const int card = cardAt(pile, i);
            if (card != 0 && rankOf(card) == rank) {
                setAside.push_back(card);
                pile.replace(static_cast<std::size_t>(i) * 3, 3, "000");
            }
        }
    }
}

void emptyTableau(ProgramState& state, int t, std::vector<int>& setAside) {
    std::string& pile = state.piles.tableau(t);
    for (int i = 0; i < cardCount(pile); ++i) {
        if (const int card = cardAt(pile, i)) {
            setAside.push_back(card);
        }
    }
    pile.clear();
}

void applyArrangementCode(ProgramState& state, DealQueue& deck, const DealServices& services,
                          std::vector<int>& setAside) {
    const PileCounts counts = PileCounts::of(state.params);
    const int arrangement = state.params[param::DealArrangement];
    switch (arrangement) {
    case codeOf(DealArrangement::KingsOffTheBottom):
        for (int t = 0; t < counts.tableaus; ++t) {
            exchangeBottomKing(state, state.piles.tableau(t));
        }
        for (int f = 0; f < counts.foundations; ++f) {
            exchangeBottomKing(state, state.piles.foundation(f));
        }
        break;
    case codeOf(DealArrangement::LaidFromKings):
    case codeOf(DealArrangement::LaidFromQueens):
        layFromOpeners(state, deck,
                       arrangement == codeOf(DealArrangement::LaidFromKings) ? kKing : kQueen,
                       counts.tableaus);
        sweepTableausToFoundations(state, services);
        break;
    case codeOf(DealArrangement::LaidFromKingsInPlay):
        layFromOpeners(state, deck, kKing, counts.tableaus);
        break;
    case codeOf(DealArrangement::NoRankTwiceInATableau):
        redealWithoutRepeatedRanks(state, counts.tableaus);
        break;
    case codeOf(DealArrangement::SortedByRankFromTwos):
    case codeOf(DealArrangement::SortedByRankFromAces):
        sortRestByRank(state, deck,
                       arrangement == codeOf(DealArrangement::SortedByRankFromTwos) ? 1 : 0,
                       counts.tableaus);
        break;
    case codeOf(DealArrangement::FirstCardsToFoundations):
        for (int t = 0; t < counts.tableaus; ++t) {
            placeOnFoundation(state, services, cardAt(state.piles.tableau(t), 0), t);
        }
        break;
    case codeOf(DealArrangement::AcesIntoGaps):
        turnRankIntoGaps(state, kAce, counts.tableaus, setAside);
        break;
    case codeOf(DealArrangement::SlidingPuzzle): {
        const int lastCard = counts.tableaus > 13 ? counts.tableaus + 13 : counts.tableaus;
        for (int t = 0; t < counts.tableaus; ++t) {
            if (lastCard != 0 && cardAt(state.piles.tableau(t), 0) == lastCard) {
                emptyTableau(state, t, setAside);
                break;
            }
        }
        break;
    }
    case codeOf(DealArrangement::OneTableauEmptied):
        if (counts.tableaus >= 2) {
            emptyTableau(state, services.draw(counts.tableaus - 1), setAside);
        }
        break;
    case codeOf(DealArrangement::FoundationsFromDeal):
        for (int f = 0; f < counts.foundations && !deck.empty(); ++f) {
            state.piles.appendCard(state.cards, {PileKind::Foundation, f}, deck.takeFront(), '1');
        }
        break;
    case codeOf(DealArrangement::KingsIntoGapsRowsOfNine):
        turnRankIntoGaps(state, kKing, counts.tableaus, setAside);
        for (int t = 0; t < counts.tableaus; ++t) {
            std::string& pile = state.piles.tableau(t);
            while (cardCount(pile) < 9) {
                pile += "000";
            }
        }
        break;
    case kReserveAcesUpArrangement:
        sendReserveAcesUp(state);
        break;
    default:
        break;
    }
}

} // namespace

void sweepTableausToFoundations(ProgramState& state, const DealServices& services) {
    const int tableaus = PileCounts::of(state.params).tableaus;
    std::vector<std::string> laid;
    for (int t = 0; t < tableaus; ++t) {
        laid.push_back(state.piles.tableau(t));
    }
    auto offer = [&](int t, int depth) {
        const int card = cardAt(laid[static_cast<std::size_t>(t)], depth);
        if (card != 0 && holdsCard(state.piles.tableau(t), card)) {
            placeOnFoundation(state, services, card);
        }
    };
    if (state.params[param::SweepTableauByTableau] != 0) {
        for (int t = 0; t < tableaus; ++t) {
            for (int depth = 0; depth < cardCount(laid[static_cast<std::size_t>(t)]); ++depth) {
                offer(t, depth);
            }
        }
        return;
    }
    const int tallest = tallestTableau(state, tableaus);
    for (int depth = 0; depth < tallest; ++depth) {
        for (int t = 0; t < tableaus; ++t) {
            offer(t, depth);
        }
    }
}

void arrangeAfterDeal(ProgramState& state, DealQueue& deck, const DealServices& services,
                      std::vector<int>& setAside) {
    const PileCounts counts = PileCounts::of(state.params);
    const int firstStartingCode = state.params[param::FoundationStartCard];
    if (firstStartingCode == codeOf(FoundationStartCode::AceOfSuitSwept) ||
        firstStartingCode == codeOf(FoundationStartCode::AceOfSuitSweptToo) ||
        firstStartingCode == codeOf(FoundationStartCode::KingOfSuitSwept)) {
        sweepTableausToFoundations(state, services);
    } else if (firstStartingCode == codeOf(FoundationStartCode::AcesReplacedFromStock)) {
        replaceAcesFromStock(state, services, counts.tableaus);
    }
    if (gameTypeOf(state.params) == GameType::RoyalMarriage) {
        moveQueenAndKingOfHearts(state, counts.tableaus);
    }
    applyArrangementCode(state, deck, services, setAside);
}

} // namespace vellomir::table
