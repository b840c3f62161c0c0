#include "engine/actions/score.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/clock_rules.h"
#include "engine/actions/poker_square.h"
#include "engine/records/selection_state.h"
#include "seam/frontend.h"
#include "table/card.h"
#include "table/gap_rows.h"
#include "table/pile_counts.h"
#include "table/program_state.h"
#include "table/tableau_line.h"

#include <algorithm>
#include <optional>
#include <string>

namespace vellomir::engine {

using catalogue::GameType;
using catalogue::gameTypeOf;

namespace {

namespace param = catalogue::param;
using table::cardAt;
using table::cardCount;
using table::PileCounts;
using table::ProgramState;

int count(std::string_view pile) {
    return cardCount(pile);
}

bool onlyPlaceholders(std::string_view pile) {
    for (int i = 0; i < cardCount(pile); ++i) {
        if (cardAt(pile, i) >= 1) {
            return false;
        }
    }
    return true;
}

// Cards 9, 8, ... 1 from bottom to top, exactly nine of them.
bool isNineDownToOne(std::string_view pile) {
    if (count(pile) != 9) {
        return false;
    }
    for (int i = 0; i < 9; ++i) {
        if (table::rankOf(cardAt(pile, i)) != 9 - i) {
            return false;
        }
    }
    return true;
}

bool generalWin(const ProgramState& state, bool placeholdersAreEmpty) {
    const PileCounts counts = PileCounts::of(state.params);
    if (!state.piles.stock(table::kStock).empty() || !state.piles.stock(table::kWaste).empty()) {
        return false;
    }
    for (int t = 0; t < counts.tableaus; ++t) {
        const std::string& pile = state.piles.tableau(t);
        if (!pile.empty() && !(placeholdersAreEmpty && onlyPlaceholders(pile))) {
            return false;
        }
    }
    for (int r = 0; r < counts.reserves; ++r) {
        if (!state.piles.reserve(r).empty()) {
            return false;
        }
    }
    return true;
}

// The cards of the line that lie under another card of their pile: each
// pile moved onto another covers the cards it lands on.
int lineCardsCovered(const ProgramState& state) {
    const int piles = table::linePiles(state);
    int cards = 0;
    for (int t = 0; t < piles; ++t) {
        cards += count(state.piles.tableau(t));
    }
    return cards - piles;
}

int storedScore(const ProgramState& state) {
    return state.settings.readInt(settings::field::Score, 0);
}

bool scoringSchemeCounts(const ProgramState& state) {
    return state.settings.read(settings::field::ScoringScheme) == "01";
}

int generalScore(const ProgramState& state) {
    if (!scoringSchemeCounts(state)) {
        return 0;
    }
    const catalogue::GameParameters& p = state.params;
    const PileCounts counts = PileCounts::of(p);
    int score = -p[param::CardCount] + 5 * p[param::CardCountScoreBase] - 5 * p[param::JokerCount] +
                5 * count(state.piles.stock(table::kDiscard));
    // In selection games foundation 1 lists the selected cards, which are
    // still on the table: they earn nothing.
    const int first = foundationOneIsSelection(state) ? 1 : 0;
    for (int f = first; f < counts.foundations; ++f) {
        score += 5 * count(state.piles.foundation(f));
    }
    return score;
}

// The cards dealt to the tableaus that have left them.
int tableauCardsPlayed(const ProgramState& state) {
    const PileCounts counts = PileCounts::of(state.params);
    int played = 0;
    for (int t = 0; t < counts.tableaus; ++t) {
        const int dealt = state.params[param::TableauStartCards + t];
        played += (dealt > 1000 ? 1 : std::max(0, dealt)) - count(state.piles.tableau(t));
    }
    return played;
}

void showAndStore(ProgramState& state, seam::Frontend& frontend, int score) {
    state.settings.writeInt(settings::field::Score, score);
    frontend.setScoreText(std::to_string(score));
}

} // namespace

bool winTest(const ProgramState& state) {
    const catalogue::GameParameters& p = state.params;
    const PileCounts counts = PileCounts::of(p);
    const table::PileLists& piles = state.piles;
    const GameType type = gameTypeOf(p);
    if (p[param::ClockFace] != 0) {
        return clockComplete(state);
    }
    if (isPokerSquare(p)) {
        return pokerSquareWon(state);
    }
    auto everyTableau = [&](auto&& test) {
        for (int t = 0; t < counts.tableaus; ++t) {
            if (!test(piles.tableau(t))) {
                return false;
            }
        }
        return true;
    };
    if (table::isGapRows(p)) {
        // The rows are won when every card lies in its row's run.
        return table::gapRowsWon(state);
    }
    if (table::isTableauLine(p)) {
        // The line is won when the stock is dealt and its cards form one pile.
        return piles.stock(table::kStock).empty() && piles.stock(table::kWaste).empty() &&
               table::linePiles(state) == 1;
    }
    switch (type) {
    case GameType::Unscored:
        return everyTableau([](const std::string& pile) { return count(pile) >= 1; });
    case GameType::Golf:
    case GameType::GolfAroundTheCorner:
        // Golf: the tableaus cleared, whatever the stock still holds.
        return everyTableau([](const std::string& pile) { return pile.empty(); });
    case GameType::BetweenMatchingCards:
        return piles.stock(table::kStock).empty() && count(piles.tableau(0)) <= 4;
    case GameType::RoyalMarriage:
        // Royal Marriage: only the queen and the king are left in the line.
        return piles.stock(table::kStock).empty() && count(piles.tableau(0)) == 2;
    case GameType::OneCardEach:
        return everyTableau([](const std::string& pile) { return count(pile) == 1; });
    case GameType::AcesUp:
        return piles.stock(table::kStock).empty() && everyTableau([](const std::string& pile) {
                   return count(pile) == 1 && table::rankOf(cardAt(pile, 0)) == 1;
               });
    case GameType::Blank:
    case GameType::NinetyOne:
    case GameType::Gaps:
    case GameType::RefillingRankPairs:
        return false;
    case GameType::PutInOrder:
    case GameType::DiscardScore:
    case GameType::ClickOnly:
    case GameType::PairsLessTwoPerMiss:
    case GameType::PairsLessOnePerMiss:
    case GameType::OntoFaceDown:
    case GameType::TargetScoreOnly:
    case GameType::RowsOfSeven:
        return storedScore(state) >= p[param::TargetScore];
    case GameType::NumbersMakeTheCourt:
        for (int f = 1; f < counts.foundations; ++f) {
            if (!piles.foundation(f).empty()) {
                return false;
            }
        }
        return true;
    case GameType::NineDownToOne:
        for (int t = 0; t < counts.tableaus; ++t) {
            if (isNineDownToOne(piles.tableau(t))) {
                return true;
            }
        }
        return false;
    case GameType::TouchingSuitPairs: {
        int nonEmpty = 0;
        for (int t = 0; t < counts.tableaus; ++t) {
            nonEmpty += piles.tableau(t).empty() ? 0 : 1;
        }
        return nonEmpty == 4;
    }
    case GameType::FoursOnEachTableau:
        for (int t = 0; t < 24; ++t) {
            if (count(piles.tableau(t)) != 4) {
                return false;
            }
        }
        return true;
    default:
        return generalWin(state, type == GameType::Pyramid);
    }
}

int rowScore(const ProgramState& state) {
    const PileCounts counts = PileCounts::of(state.params);
    // The run: the rank and suit of its last card, or none.
    struct Run {
        int rank = 0;
        int suit = 0;
    };
    std::optional<Run> run;
    int score = -32;
    auto visit = [&](int code, bool firstWalk) {
        if (code < 1) {
            run.reset();
            return;
        }
        const int rank = table::rankOf(code);
        const int suit = table::suitOf(code);
        if (firstWalk && rank == 1) {
            run = Run{1, suit};
        } else if (run && rank == run->rank + 1 && suit == run->suit) {
            score += firstWalk && run->rank == 1 ? 10 : 5;
            run->rank = rank;
            if (rank == 12) {
                run.reset();
            }
        } else {
            run.reset();
        }
    };
    for (int t = 0; t < counts.tableaus; ++t) {
        const std::string& pile = state.piles.tableau(t);
        for (int i = 0; i < cardCount(pile); ++i) {
            visit(cardAt(pile, i), true);
        }
    }
    // The last row wraps round onto the first, up to its first ace.
    if (counts.tableaus > 0) {
        const std::string& first = state.piles.tableau(0);
        for (int i = 0; i < cardCount(first); ++i) {
            const int code = cardAt(first, i);
            if (code >= 1 && table::rankOf(code) == 1) {
                break;
            }
            visit(code, false);
        }
    }
    return score;
}

int computeScore(const ProgramState& state) {
    const catalogue::GameParameters& p = state.params;
    const PileCounts counts = PileCounts::of(p);
    const table::PileLists& piles = state.piles;
    const int c = p[param::CardCount];
    const int discard = count(piles.stock(table::kDiscard));
    const int pairs = static_cast<int>(piles.stock(table::kDiscard).size() / 6);
    const int misses = state.mainGame.cell(table::cell::MissCount);
    if (table::isTableauLine(p)) {
        return scoringSchemeCounts(state) ? -c + 5 * lineCardsCovered(state) : 0;
    }
    if (table::isGapRows(p)) {
        return scoringSchemeCounts(state) ? -c + 5 * table::cardsInPlace(state) : 0;
    }
    if (p[param::ClockFace] != 0) {
        return scoringSchemeCounts(state) ? clockScore(state) : 0;
    }
    if (isPokerSquare(p)) {
        // The hands are the game: their points count whatever the scheme.
        return pokerSquarePoints(pokerSquareOf(state));
    }
    switch (gameTypeOf(p)) {
    case GameType::Unscored:
        return storedScore(state);
    case GameType::Golf:
    case GameType::GolfAroundTheCorner:
        // Golf: only the cards played from the tableaus count.
        return scoringSchemeCounts(state) ? -c + 5 * tableauCardsPlayed(state) : 0;
    case GameType::Blank:
    case GameType::ClickOnly:
    case GameType::ZeroScore:
    case GameType::OntoFaceDown:
    case GameType::NumbersMakeTheCourt:
    case GameType::TargetScoreOnly:
        return 0;
    case GameType::PutInOrder: {
        int score = -c;
        for (int t = 0; t < counts.tableaus; ++t) {
            const std::string& pile = piles.tableau(t);
            const int n = t + 1;
            if (pile.empty() || (cardAt(pile, 0) != n && cardAt(pile, 0) != n + 13)) {
                break;
            }
            score += 10;
        }
        return score;
    }
    case GameType::DiscardScore:
        return -c + 10 * discard;
    case GameType::PairsLessTwoPerMiss:
        return -52 - 2 * misses + 10 * pairs;
    case GameType::PairsLessOnePerMiss:
        return -52 - misses + 7 * pairs;
    case GameType::NineDownToOne: {
        int score = -c;
        for (int t = 0; t < counts.tableaus; ++t) {
            score += isNineDownToOne(piles.tableau(t)) ? 225 : 0;
        }
        return score;
    }
    case GameType::NinetyOne: {
        int sum = 0;
        for (int t = 0; t < counts.tableaus && !piles.tableau(t).empty(); ++t) {
            sum += table::rankOf(table::topCardOf(piles.tableau(t)));
        }
        return sum == 91 ? 150 : -c;
    }
    case GameType::Gaps:
        return rowScore(state);
    case GameType::RowsOfSeven: {
        for (int t = 0; t < counts.tableaus; ++t) {
            if (!piles.tableau(t).empty()) {
                return -c + 5 * discard;
            }
        }
        return 4 * c;
    }
    case GameType::RefillingRankPairs:
        return -c + 5 * p[param::CardCountScoreBase] + 5 * count(piles.foundation(1));
    case GameType::FoursOnEachTableau: {
        int cards = 0;
        for (int t = 0; t < 24; ++t) {
            cards += count(piles.tableau(t));
        }
        return -c + 5 * p[param::CardCountScoreBase] + 5 * cards;
    }
    default:
        return generalScore(state);
    }
}

void updateScore(ProgramState& state, seam::Frontend& frontend) {
    if (gameTypeOf(state.params) == GameType::Unscored) {
        return;
    }
    showAndStore(state, frontend, computeScore(state));
    const auto rule = static_cast<catalogue::BuildingRuleCode>(state.params[param::FoundationRule]);
    if (rule == catalogue::BuildingRuleCode::JokerFoundation ||
        rule == catalogue::BuildingRuleCode::JokerFoundationJokerFirst) {
        refreshJokerLabel(state, frontend);
    }
}

void addToScore(ProgramState& state, seam::Frontend& frontend, int cards, bool recompute) {
    if (gameTypeOf(state.params) == GameType::Unscored || !scoringSchemeCounts(state)) {
        return;
    }
    if (recompute) {
        updateScore(state, frontend);
        return;
    }
    showAndStore(state, frontend, storedScore(state) + 5 * cards);
}

void refreshJokerLabel(ProgramState& state, seam::Frontend& frontend) {
    const PileCounts counts = PileCounts::of(state.params);
    table::TMainGame& game = state.mainGame;
    auto erase = [&] {
        frontend.tableDrawing().showJokerLabel(0, 0, 0);
        game.setCell(table::cell::JokerLabelKey, -1);
    };
    for (int f = 0; f < counts.foundations; ++f) {
        const std::string& pile = state.piles.foundation(f);
        for (int i = 0; i < cardCount(pile); ++i) {
            if (!table::isJoker(cardAt(pile, i))) {
                continue;
            }
            const int key = 100 * f + (3 * i + 1) + 100;
            if (key == game.cell(table::cell::JokerLabelKey)) {
                return;
            }
            int rank = 0;
            int suit = 0;
            if (cardCount(pile) == 1) {
                erase();
                return;
            }
            if (i == 0) {
                const int above = cardAt(pile, 1);
                rank = table::rankOf(above) - 1;
                suit = table::suitOf(above);
            } else {
                rank = table::rankOf(cardAt(pile, i - 1)) + 1;
                if (rank == 14 && cardCount(pile) < 14) {
                    rank = 1;
                }
                suit = table::suitOf(cardAt(pile, 0));
            }
            if (rank < 1 || rank > 13 || suit < 0) {
                erase();
                return;
            }
            frontend.tableDrawing().showJokerLabel(f, rank, suit);
            game.setCell(table::cell::JokerLabelKey, key);
            return;
        }
    }
    // No joker lies on the foundations any more: take its label away.
    if (game.cell(table::cell::JokerLabelKey) != -1) {
        erase();
    }
}

} // namespace vellomir::engine
