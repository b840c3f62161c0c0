#include "engine/solver/autoplay_line.h"

#include "engine/actions/quiet_frontend.h"
#include "engine/play/play_engine.h"
#include "engine/rules/pile_location.h"
#include "engine/solver/compact_rules.h"
#include "engine/solver/table_fingerprint.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <string>

namespace vellomir::engine {
namespace {

using table::PileKind;
using table::PileRef;
using Verb = PointerCommand::Verb;

// The pile a location code names; nothing for "nowhere".
std::optional<PileRef> pileAt(int location) {
    if (location == location::Stock) {
        return PileRef{PileKind::Stock, table::kStock};
    }
    if (location == location::Waste) {
        return PileRef{PileKind::Stock, table::kWaste};
    }
    if (isTableauLocation(location)) {
        return PileRef{PileKind::Tableau, location - 1};
    }
    if (isReserveLocation(location)) {
        return PileRef{PileKind::Reserve, -location - 21};
    }
    if (isFoundationOrReserveLocation(location)) {
        return PileRef{PileKind::Foundation, -location - 1};
    }
    return std::nullopt;
}

// Plays the line as it is made, on a copy of the deal.
class LinePlayer {
public:
    LinePlayer(const table::ProgramState& dealt, const seam::Frontend& geometry)
        : m_frontend(geometry), m_work(dealt), m_engine(m_work, m_frontend) {
        m_engine.setRecording(false);
    }

    bool won() const { return m_frontend.won; }
    const table::ProgramState& table() const { return m_work; }
    std::vector<PointerCommand> takeGestures() { return std::move(m_gestures); }

    // Plays a gesture and keeps it when it changed the table.
    bool play(const PointerCommand& command) {
        const std::uint64_t before = tableFingerprint(m_work);
        if (!runGesture(m_engine, command)) {
            return false;
        }
        if (tableFingerprint(m_work) == before) {
            return false;
        }
        m_gestures.push_back(command);
        return true;
    }

private:
    QuietFrontend m_frontend;
    table::ProgramState m_work;
    PlayEngine m_engine;
    std::vector<PointerCommand> m_gestures;
};

PointerCommand gesture(Verb verb, std::string place, std::string target = {}) {
    PointerCommand command;
    command.verb = verb;
    command.place = std::move(place);
    command.target = std::move(target);
    return command;
}

} // namespace

std::optional<std::vector<PointerCommand>>
gesturesUnderAutoplay(const table::ProgramState& dealt, const seam::Frontend& geometry,
                      CompactPosition start, const std::vector<CompactMove>& line) {
    CompactPosition& pos = start;
    const CompactRules& rules = pos.rules();
    auto pileOf = [&](int pile) -> PileRef {
        if (pile < rules.tableaus) {
            return {PileKind::Tableau, pile};
        }
        if (pile < pos.foundation(0)) {
            return {PileKind::Reserve, pile - pos.reserve(0)};
        }
        if (pile < pos.stock()) {
            return {PileKind::Foundation, pile - pos.foundation(0)};
        }
        return {PileKind::Stock, pile == pos.stock() ? table::kStock : table::kWaste};
    };
    const std::string stockName = table::pileName(pileOf(pos.stock()));
    const int cardsInPlay = rules.cards;

    LinePlayer player(dealt, geometry);
    for (const CompactMove& move : line) {
        if (player.won()) {
            break;
        }
        if (pos.isDeal(move)) {
            pos.apply(move);
            if (!player.play(gesture(Verb::Click, stockName))) {
                return std::nullopt;
            }
            continue;
        }
        pos.apply(move);
        // A click of the line alone: the clicks come where a card is taken
        // from the waste.
        if (CompactPosition::isClick(move)) {
            continue;
        }
        // The bottom card of what moved, read where the move put it.
        const int card =
            pos.at(move.to, pos.size(move.to) - move.count) & CompactPosition::kCodeMask;
        const PileRef target = pileOf(move.to);
        const bool toFoundation = target.kind == PileKind::Foundation;

        // A card the line takes from the waste: the stock is clicked until
        // it lies on top (a sweep may have taken cards the counts assumed).
        if (pileOf(move.from) == PileRef{PileKind::Stock, table::kWaste}) {
            for (int clicks = 0; clicks <= 2 * cardsInPlay; ++clicks) {
                const int at = locatePile(player.table(), card);
                const std::string& waste = player.table().piles.stock(table::kWaste);
                if (at != location::Stock && at != location::Waste) {
                    break;
                }
                if (at == location::Waste && table::topCardOf(waste) == card) {
                    break;
                }
                if (!player.play(gesture(Verb::Click, stockName))) {
                    return std::nullopt;
                }
            }
        }
        const std::optional<PileRef> from = pileAt(locatePile(player.table(), card));
        if (!from) {
            return std::nullopt;
        }
        if (from->kind == PileKind::Foundation) {
            if (toFoundation) {
                continue; // a sweep sent it up already
            }
            if (*from != target && move.count != 1) {
                return std::nullopt;
            }
        }
        const std::string& cards = player.table().piles.pile(*from);
        const int index = positionInPile(cards, card);
        const bool top = index == table::cardCount(cards) - 1;
        const std::string place =
            top ? table::pileName(*from) : table::pileName(*from) + ":" + std::to_string(index);
        if (player.play(gesture(Verb::Drag, place, table::pileName(target)))) {
            continue;
        }
        // Foundations that take the same cards: a sweep may have started
        // another one with this suit.
        bool moved = false;
        for (int f = 0; toFoundation && !moved && f < rules.foundations; ++f) {
            const PileRef other{PileKind::Foundation, f};
            moved =
                other != target && player.play(gesture(Verb::Drag, place, table::pileName(other)));
        }
        if (!moved) {
            return std::nullopt;
        }
    }
    if (!player.won()) {
        return std::nullopt;
    }
    return player.takeGestures();
}

} // namespace vellomir::engine
