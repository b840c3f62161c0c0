#include "engine/score.h"

#include "app/frontend.h"
#include "catalogue/parameter_index.h"
#include "engine/selection_state.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <optional>
#include <string>

namespace vellomir::engine {

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

int storedScore(const ProgramState& state) {
    return state.settings.readInt(app::field::Score, 0);
}

bool scoringSchemeCounts(const ProgramState& state) {
    return state.settings.read(app::field::ScoringScheme) == "01";
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

void showAndStore(ProgramState& state, app::Frontend& frontend, int score) {
    state.settings.writeInt(app::field::Score, score);
    frontend.setScoreText(std::to_string(score));
}

} // namespace

bool winTest(const ProgramState& state) {
    const catalogue::GameParameters& p = state.params;
    const PileCounts counts = PileCounts::of(p);
    const table::PileLists& piles = state.piles;
    const int type = p[param::GameType];
    auto everyTableau = [&](auto&& test) {
        for (int t = 0; t < counts.tableaus; ++t) {
            if (!test(piles.tableau(t))) {
                return false;
            }
        }
        return true;
    };
    switch (type) {
    case 9:
        return everyTableau([](const std::string& pile) { return count(pile) >= 1; });
    case 2:
    case 15:
        // Golf: the tableaus cleared, whatever the stock still holds.
        return everyTableau([](const std::string& pile) { return pile.empty(); });
    case 21:
        return piles.stock(table::kStock).empty() && count(piles.tableau(0)) <= 4;
    case 22:
        // Royal Marriage: only the queen and the king are left in the line.
        return piles.stock(table::kStock).empty() && count(piles.tableau(0)) == 2;
    case 27:
        return everyTableau([](const std::string& pile) { return count(pile) == 1; });
    case 31:
        return piles.stock(table::kStock).empty() && everyTableau([](const std::string& pile) {
                   return count(pile) == 1 && table::rankOf(cardAt(pile, 0)) == 1;
               });
    case 32:
    case 44:
    case 46:
    case 48:
        return false;
    case 34:
    case 35:
    case 36:
    case 37:
    case 39:
    case 40:
    case 42:
    case 47:
        return storedScore(state) >= p[param::TargetScore];
    case 41:
        for (int f = 1; f < counts.foundations; ++f) {
            if (!piles.foundation(f).empty()) {
                return false;
            }
        }
        return true;
    case 43:
        for (int t = 0; t < counts.tableaus; ++t) {
            if (isNineDownToOne(piles.tableau(t))) {
                return true;
            }
        }
        return false;
    case 45: {
        int nonEmpty = 0;
        for (int t = 0; t < counts.tableaus; ++t) {
            nonEmpty += piles.tableau(t).empty() ? 0 : 1;
        }
        return nonEmpty == 4;
    }
    case 49:
        for (int t = 0; t < 24; ++t) {
            if (count(piles.tableau(t)) != 4) {
                return false;
            }
        }
        return true;
    default:
        return generalWin(state, type == 4);
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
    switch (p[param::GameType]) {
    case 9:
        return storedScore(state);
    case 2:
    case 15:
        // Golf: only the cards played from the tableaus count.
        return scoringSchemeCounts(state) ? -c + 5 * tableauCardsPlayed(state) : 0;
    case 32:
    case 36:
    case 38:
    case 40:
    case 41:
    case 42:
        return 0;
    case 34: {
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
    case 35:
        return -c + 10 * discard;
    case 37:
        return -52 - 2 * misses + 10 * pairs;
    case 39:
        return -52 - misses + 7 * pairs;
    case 43: {
        int score = -c;
        for (int t = 0; t < counts.tableaus; ++t) {
            score += isNineDownToOne(piles.tableau(t)) ? 225 : 0;
        }
        return score;
    }
    case 44: {
        int sum = 0;
        for (int t = 0; t < counts.tableaus && !piles.tableau(t).empty(); ++t) {
            sum += table::rankOf(table::topCardOf(piles.tableau(t)));
        }
        return sum == 91 ? 150 : -c;
    }
    case 46:
        return rowScore(state);
    case 47: {
        for (int t = 0; t < counts.tableaus; ++t) {
            if (!piles.tableau(t).empty()) {
                return -c + 5 * discard;
            }
        }
        return 4 * c;
    }
    case 48:
        return -c + 5 * p[param::CardCountScoreBase] + 5 * count(piles.foundation(1));
    case 49: {
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

void updateScore(ProgramState& state, app::Frontend& frontend) {
    if (state.params[param::GameType] == 9) {
        return;
    }
    showAndStore(state, frontend, computeScore(state));
    const int rule = state.params[param::FoundationRule];
    if (rule == 72 || rule == 75) {
        refreshJokerLabel(state, frontend);
    }
}

void addToScore(ProgramState& state, app::Frontend& frontend, int cards, bool recompute) {
    if (state.params[param::GameType] == 9 || !scoringSchemeCounts(state)) {
        return;
    }
    if (recompute) {
        updateScore(state, frontend);
        return;
    }
    showAndStore(state, frontend, storedScore(state) + 5 * cards);
}

void refreshJokerLabel(ProgramState& state, app::Frontend& frontend) {
    const PileCounts counts = PileCounts::of(state.params);
    table::TMainGame& game = state.mainGame;
    auto erase = [&] {
        frontend.showJokerLabel(0, 0, 0);
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
            frontend.showJokerLabel(f, rank, suit);
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
