#include "engine/solver/waste_pile_probes.h"

#include "engine/actions/automatic_moves.h"
#include "engine/actions/quiet_frontend.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "engine/rules/card_move.h"
#include "engine/rules/target_checks.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <string>

namespace vellomir::engine {

table::ProgramState bareTable(const table::ProgramState& dealt, int cards) {
    table::ProgramState bare = dealt;
    for (int i = 0; i < 3; ++i) {
        bare.piles.stock(i).clear();
    }
    const table::PileCounts counts = table::PileCounts::of(dealt.params);
    for (int t = 0; t < counts.tableaus; ++t) {
        bare.piles.tableau(t).clear();
    }
    for (int f = 0; f < counts.foundations; ++f) {
        bare.piles.foundation(f).clear();
    }
    for (int card = 1; card <= cards; ++card) {
        bare.cards.setFaceUp(card, true);
    }
    return bare;
}

bool pilesTakeFromTheWasteOnly(const table::ProgramState& bare, QuietFrontend& frontend, int piles,
                               int cards) {
    const table::PileRef waste{table::PileKind::Stock, table::kWaste};
    table::ProgramState probe = bare;
    for (int t = 0; t < piles; ++t) {
        const table::PileRef to{table::PileKind::Tableau, t};
        const table::PileRef other{table::PileKind::Tableau, (t + 1) % piles};
        for (int card = 1; card <= cards; ++card) {
            const int under = card % cards + 1;
            probe.piles.stock(table::kWaste) = table::cardText(card);
            probe.piles.tableau(t).clear();
            if (!tableauTargetCheck(probe, frontend, {card, 1, waste, to})) {
                return false;
            }
            probe.piles.tableau(t) = table::cardText(under);
            if (!tableauTargetCheck(probe, frontend, {card, 1, waste, to})) {
                return false;
            }
            probe.piles.stock(table::kWaste).clear();
            if (piles > 1) {
                probe.piles.pile(other) = table::cardText(card);
                const bool taken = tableauTargetCheck(probe, frontend, {card, 1, other, to});
                probe.piles.pile(other).clear();
                if (taken) {
                    return false;
                }
            }
            probe.piles.tableau(t).clear();
        }
    }
    return true;
}

bool stockTurnsOneAtATime(table::ProgramState table, const seam::Frontend& geometry) {
    QuietFrontend frontend(geometry);
    PlayEngine engine(table, frontend);
    engine.setRecording(false);
    std::string problem;
    if (autoplayActive(table) &&
        !runPointerCommand(engine, {PointerCommand::Verb::Autoplay, {}, {}}, problem)) {
        return false;
    }
    const PointerCommand click{PointerCommand::Verb::Click, "Mazzo", {}};
    if (table.piles.stock(table::kWaste).empty()) {
        const table::PileLists before = table.piles;
        runGesture(engine, click);
        table::PileLists expected = before;
        const std::string& stock = before.stock(table::kStock);
        const int top = table::topCardOf(stock);
        expected.stock(table::kStock).resize(stock.size() - table::cardText(top).size());
        expected.stock(table::kWaste) = table::cardText(top);
        if (!(table.piles == expected) || !table.cards.isFaceUp(top)) {
            return false;
        }
    }
    const table::PileLists before = table.piles;
    runGesture(engine, click);
    return table.piles == before;
}

std::optional<bool> takesFromWasteAndPile(table::ProgramState& probe, QuietFrontend& frontend,
                                          MoveCheck check, int card, table::PileRef to,
                                          table::PileRef other) {
    auto asked = [&](table::PileRef from) {
        std::string& pile = probe.piles.pile(from);
        pile = table::cardText(card);
        const bool takes = check(probe, frontend, {card, 1, from, to});
        pile.clear();
        return takes;
    };
    const bool fromWaste = asked({table::PileKind::Stock, table::kWaste});
    if (fromWaste != asked(other)) {
        return std::nullopt;
    }
    return fromWaste;
}

} // namespace vellomir::engine
