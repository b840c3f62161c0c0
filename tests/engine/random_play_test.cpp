// Random legal play over many deals never loses or duplicates a card.

#include "engine/execution_fixture.h"

#include "engine/rules/card_move.h"
#include "engine/rules/card_runs.h"
#include "engine/rules/target_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <random>
#include <vector>

namespace vellomir::testing {
namespace {

using Rng = std::mt19937;

// One thing the player could do: a card to a pile, or a stock action.
struct Action {
    int card = 0;
    std::string name;
    bool run = false;
    std::vector<int> selection;
};

Action act(int card, std::string name, bool run = false) {
    Action a;
    a.card = card;
    a.name = std::move(name);
    a.run = run;
    return a;
}

struct Variant {
    const char* name;
    int foundations;
    int tableaus;
    int reserves;
    std::function<void(PlayTable&)> rules;
    std::function<void(PlayTable&, std::vector<int>&)> deal;
};

std::vector<int> shuffledPack(Rng& rng) {
    std::vector<int> cards(52);
    std::iota(cards.begin(), cards.end(), 1);
    std::shuffle(cards.begin(), cards.end(), rng);
    return cards;
}

void foundationsUpInSuit(PlayTable& t, int count) {
    for (int f = 0; f < count; ++f) {
        t.foundationRule(f, 0, 1, 1);
    }
}

void addCard(PlayTable& t, table::PileRef pile, int code, bool up) {
    t.state.piles.appendCard(t.state.cards, pile, code, up ? '1' : '0');
}

const Variant kKlondikeLike{
    "Klondike-like",
    4,
    7,
    0,
    [](PlayTable& t) {
        foundationsUpInSuit(t, 4);
        for (int i = 0; i < 7; ++i) {
            t.tableauRule(i, 3, 0, 13);
            t.param(param::TableauLaterDeal + i, 1);
        }
        t.param(param::RunCheck, 1).param(param::RunSizeLimit, -1).param(param::AutomaticFaceUp, 1);
        t.param(param::StockFaceDown, 1).param(param::EmptyStockIsRedeal, 1);
        t.param(param::EmptyWasteIsRedeal, 1).param(param::CardsPerStockClick, 3);
        t.param(param::StockPasses, 4).param(param::FoundationMaxCards, 13);
        t.param(param::FoundationTakeBack, 1);
    },
    [](PlayTable& t, std::vector<int>& pack) {
        std::size_t next = 0;
        for (int i = 0; i < 7; ++i) {
            for (int k = 0; k <= i; ++k) {
                addCard(t, {table::PileKind::Tableau, i}, pack[next++], k == i);
            }
        }
        while (next < pack.size()) {
            addCard(t, {table::PileKind::Stock, table::kStock}, pack[next++], false);
        }
    }};

const Variant kFreeCellLike{
    "FreeCell-like",
    4,
    8,
    4,
    [](PlayTable& t) {
        foundationsUpInSuit(t, 4);
        for (int i = 0; i < 8; ++i) {
            t.tableauRule(i, 3, 0, -1);
        }
        t.param(param::RunCheck, 1).param(param::RunSizeLimit, -5);
        t.param(param::FoundationMaxCards, 13);
    },
    [](PlayTable& t, std::vector<int>& pack) {
        for (std::size_t i = 0; i < pack.size(); ++i) {
            addCard(t, {table::PileKind::Tableau, static_cast<int>(i % 8)}, pack[i], true);
        }
    }};

const Variant kMonteCarloLike{
    "Monte-Carlo-like",
    1,
    25,
    0,
    [](PlayTable& t) {
        t.param(param::SelectionGame, 99).param(param::GameType, 8);
        t.param(param::TableauFanStyle, 1);
    },
    [](PlayTable& t, std::vector<int>& pack) {
        std::size_t next = 0;
        for (int i = 0; i < 25; ++i) {
            addCard(t, {table::PileKind::Tableau, i}, pack[next++], true);
        }
        while (next < pack.size()) {
            addCard(t, {table::PileKind::Stock, table::kStock}, pack[next++], false);
        }
    }};

// Every legal card move, found with the target checks as the pointer input
// and the drop would, plus the stock actions.
// The move of `code` (with the cards above it for a run) onto `to`.
engine::CardMove aimed(const table::ProgramState& s, int code, bool run, table::PileRef to) {
    engine::CardMove move = engine::liftedMove(s, code, run).value_or(engine::CardMove{code});
    move.to = to;
    return move;
}

std::vector<Action> legalActions(PlayTable& t, const Variant& v) {
    table::ProgramState& s = t.state;
    std::vector<Action> actions;
    if (v.tableaus == 25) {
        // Pairs of equal rank among the cards dealt, and the compaction.
        for (int a = 0; a < v.tableaus; ++a) {
            for (int b = a + 1; b < v.tableaus; ++b) {
                const int x = table::topCardOf(s.piles.tableau(a));
                const int y = table::topCardOf(s.piles.tableau(b));
                if (x >= 1 && y >= 1 && table::rankOf(x) == table::rankOf(y)) {
                    Action pair = act(0, "Selezionate_Dest");
                    pair.selection = {x, y};
                    actions.push_back(pair);
                }
            }
        }
        actions.push_back(act(0, "Stock_To_Pile_Monte_Carlo"));
        return actions;
    }
    std::vector<std::pair<int, bool>> sources; // card, is a run
    for (int i = 0; i < v.tableaus; ++i) {
        const std::string& pile = s.piles.tableau(i);
        for (int k = 0; k < table::cardCount(pile); ++k) {
            const int code = table::cardAt(pile, k);
            if (s.cards.isFaceUp(code)) {
                sources.emplace_back(code, k + 1 < table::cardCount(pile));
            }
        }
    }
    for (int r = 0; r < v.reserves; ++r) {
        if (const int top = table::topCardOf(s.piles.reserve(r))) {
            sources.emplace_back(top, false);
        }
    }
    if (const int top = table::topCardOf(s.piles.stock(table::kWaste))) {
        sources.emplace_back(top, false);
    }
    for (int f = 0; f < v.foundations; ++f) {
        if (const int top = table::topCardOf(s.piles.foundation(f))) {
            sources.emplace_back(top, false);
        }
    }
    for (auto [code, run] : sources) {
        s.carryGroup(s.cardSize.height + (run ? 20 : 0),
                     run ? table::CarriedCards::Run : table::CarriedCards::OneCard);
        if (run && !(engine::runCheck(s, t.frontend, code, engine::locatePile(s, code) - 1) &&
                     engine::runSizeLimit(s, code, false))) {
            continue;
        }
        if (!run) {
            for (int f = 0; f < v.foundations; ++f) {
                if (engine::foundationTargetCheck(
                        s, t.frontend, aimed(s, code, run, {table::PileKind::Foundation, f}))) {
                    actions.push_back(act(code, "Dest" + std::to_string(f + 1)));
                }
            }
            for (int r = 1; r <= v.reserves; ++r) {
                if (engine::reserveTargetCheck(
                        s, t.frontend, aimed(s, code, run, {table::PileKind::Reserve, r - 1}))) {
                    actions.push_back(act(code, "Appogg" + std::to_string(r)));
                }
            }
        }
        for (int i = 0; i < v.tableaus; ++i) {
            if (engine::tableauTargetCheck(s, t.frontend,
                                           aimed(s, code, run, {table::PileKind::Tableau, i}))) {
                actions.push_back(act(code, "Fila" + std::to_string(i + 1), run));
            }
        }
    }
    if (v.reserves == 0) {
        actions.push_back(act(0, "Mazzo_Vis"));
        actions.push_back(act(0, "Add_Tableaus"));
    }
    return actions;
}

void play(PlayTable& t, const Action& a) {
    table::ProgramState& s = t.state;
    s.carryGroup(s.cardSize.height + (a.run ? 20 : 0),
                 a.run ? table::CarriedCards::Run : table::CarriedCards::OneCard);
    if (!a.selection.empty()) {
        s.piles.foundation(0).clear();
        for (int code : a.selection) {
            s.piles.foundation(0) += table::cardText(code);
        }
    }
    if (a.name == "Mazzo_Vis") {
        // A press and its release, as the pointer input does.
        const int top = table::topCardOf(s.piles.stock(table::kStock));
        engine::executeMove(s, t.frontend, top, {engine::ActionKind::StockToWaste});
        if (s.mainGame.cell(table::cell::StockPressed) == 1) {
            engine::executeMove(s, t.frontend, 0, {engine::ActionKind::StockToWaste});
            s.mainGame.setCell(table::cell::StockPressed, 0);
        }
        return;
    }
    engine::executeMove(s, t.frontend, a.card, *engine::parseMoveAction(a.name));
}

void checkUndoRecord(const table::ProgramState& s) {
    const int snapshots = s.undoLists.snapshotCount();
    EXPECT_EQ(s.undoLists.stock.size(), 3u * snapshots);
    EXPECT_EQ(s.undoLists.foundations.size(), 16u * snapshots);
    EXPECT_EQ(s.undoLists.reserves.size(), 10u * snapshots);
    EXPECT_EQ(s.undoHistory.itemCount(), snapshots);
}

class RandomPlay : public ::testing::TestWithParam<const Variant*> {};

TEST_P(RandomPlay, NeverLosesOrDuplicatesACard) {
    const Variant& v = *GetParam();
    int executed = 0;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        Rng rng(seed);
        PlayTable t(v.foundations, v.tableaus, v.reserves);
        v.rules(t);
        std::vector<int> pack = shuffledPack(rng);
        v.deal(t, pack);
        const engine::CardCensus dealt = engine::takeCardCensus(t.state);
        ASSERT_EQ(dealt.total(), 52);
        for (int step = 0; step < 150; ++step) {
            const std::vector<Action> actions = legalActions(t, v);
            if (actions.empty()) {
                break;
            }
            const Action& a =
                actions[std::uniform_int_distribution<std::size_t>(0, actions.size() - 1)(rng)];
            const auto before = t.state.undoLists.snapshotCount();
            play(t, a);
            executed += t.state.undoLists.snapshotCount() != before ? 1 : 0;
            ASSERT_EQ(engine::cardsOnTableOnce(t.state, dealt), "")
                << v.name << " seed " << seed << " step " << step << " " << a.name;
            t.frontend.calls.clear();
        }
        checkUndoRecord(t.state);
    }
    EXPECT_GT(executed, 500) << "the random play should mostly find moves";
}

INSTANTIATE_TEST_SUITE_P(Variants, RandomPlay,
                         ::testing::Values(&kKlondikeLike, &kFreeCellLike, &kMonteCarloLike),
                         [](const auto& info) {
                             std::string name = info.param->name;
                             name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
                             return name;
                         });

} // namespace
} // namespace vellomir::testing
