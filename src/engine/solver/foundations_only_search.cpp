#include "engine/solver/foundations_only_search.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/automatic_moves.h"
#include "engine/actions/quiet_frontend.h"
#include "engine/input/legal_moves.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "engine/rules/target_checks.h"
#include "engine/solver/key_set.h"
#include "engine/solver/position_record.h"
#include "engine/solver/table_fingerprint.h"
#include "table/pile_counts.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace vellomir::engine {

namespace {

namespace param = catalogue::param;
using catalogue::codeOf;
using Verb = PointerCommand::Verb;

constexpr int kOnePack = 52;
constexpr int kSuits = 4;

PointerCommand gesture(Verb verb, std::string place, std::string target = {}) {
    PointerCommand command;
    command.verb = verb;
    command.place = std::move(place);
    command.target = std::move(target);
    return command;
}

bool refusesEveryCard(int rule) {
    return rule == codeOf(catalogue::BuildingRuleCode::Refused) ||
           rule == codeOf(catalogue::BuildingRuleCode::RefusedToo);
}

// A foundation rule that gives each foundation the cards of one suit.
bool oneSuitAPile(int rule) {
    return rule == codeOf(catalogue::BuildingRuleCode::InSuit) ||
           rule == codeOf(catalogue::BuildingRuleCode::InSuitRankOnFoundationAbove);
}

// A step from a position: its gesture, and for a move of the engine's list
// the move itself (played by playLegalMove rather than through a press).
struct Step {
    PointerCommand command;
    std::optional<LegalMove> move;
};

// A position on the line being searched: the table, packed, its steps, the next
// step to try, and the gesture that led to it.
struct Frame {
    PositionRecord position;
    std::vector<Step> steps;
    std::size_t next = 0;
    PointerCommand via;
};

// Which moves up a position makes at once, alone.
enum class AtOnce {
    Nothing,
    // Where nothing contends: a card turned up, or a card onto a started
    // foundation (of its suit) that leaves no space for the program to
    // fill. (The card a space takes is the one then on top of the waste or
    // stock, so the time of such a send is a choice.)
    OntoItsSuit,
    // Where foundations of one rule take any suit and no space is filled: a
    // card the foundation takes when no other card not yet up could want
    // the same place (the cards it takes now are no more than the
    // foundations that take them all). The card leaves its pile, which can
    // only help the cards around it, and its place had no other taker.
    Uncontested,
};

class FoundationsOnlySearch {
public:
    FoundationsOnlySearch(const seam::Frontend& geometry, AtOnce atOnce)
        : m_frontend(geometry), m_atOnce(atOnce) {}

    // The steps at `state`, moves up first, the stock's click last; false
    // when a move goes anywhere but a foundation.
    bool stepsOf(const table::ProgramState& state, std::vector<Step>& steps) {
        steps.clear();
        for (const LegalMove& move : legalMoves(state, m_frontend)) {
            if (move.to.kind != table::PileKind::Foundation) {
                return false;
            }
            steps.push_back(
                {gesture(Verb::Drag, table::pileName(move.from), table::pileName(move.to)), move});
        }
        const int tableaus = table::PileCounts::of(state.params).tableaus;
        for (int t = 0; t < tableaus; ++t) {
            const std::string& pile = state.piles.tableau(t);
            if (!pile.empty() && !state.cards.isFaceUp(table::topCardOf(pile))) {
                steps.push_back(
                    {gesture(Verb::Click, table::pileName({table::PileKind::Tableau, t})), {}});
            }
        }
        const auto atOnce =
            std::ranges::find_if(steps, [&](const Step& step) { return madeAtOnce(state, step); });
        if (atOnce != steps.end()) {
            const Step only = *atOnce;
            steps.assign(1, only);
            return true;
        }
        steps.push_back(
            {gesture(Verb::Click, table::pileName({table::PileKind::Stock, table::kStock})), {}});
        return true;
    }

    // Plays `step` on `state`; false when the engine refuses it.
    bool play(table::ProgramState& state, const Step& step) {
        m_frontend.reset();
        if (step.move) {
            return playLegalMove(state, m_frontend, *step.move);
        }
        PlayEngine engine(state, m_frontend);
        engine.setRecording(false);
        return runGesture(engine, step.command);
    }

    bool won() const { return m_frontend.won; }

private:
    bool madeAtOnce(const table::ProgramState& state, const Step& step) {
        switch (m_atOnce) {
        case AtOnce::Nothing:
            return false;
        case AtOnce::OntoItsSuit: {
            const bool fills =
                state.params[param::FillStyle] != 0 && !(state.piles.stock(table::kStock).empty() &&
                                                         state.piles.stock(table::kWaste).empty());
            return !step.move || (!state.piles.pile(step.move->to).empty() &&
                                  !(fills && step.move->from.kind == table::PileKind::Tableau));
        }
        case AtOnce::Uncontested:
            return !step.move || uncontested(state, *step.move);
        }
        return false;
    }

    // Whether foundation `f` takes `card` now, as a drop is judged.
    bool takes(const table::ProgramState& state, int f, int card) {
        CardMove move;
        move.card = card;
        move.to = {table::PileKind::Foundation, f};
        return foundationTargetCheck(state, m_frontend, move);
    }

    // The cards not yet up that the move's foundation takes now are no more
    // than the foundations that take every one of them.
    bool uncontested(const table::ProgramState& state, const LegalMove& move) {
        const table::PileCounts counts = table::PileCounts::of(state.params);
        std::vector<int> wanting;
        auto gather = [&](const std::string& pile) {
            for (int i = 0; i < table::cardCount(pile); ++i) {
                const int card = table::cardAt(pile, i);
                if (takes(state, move.to.index, card)) {
                    wanting.push_back(card);
                }
            }
        };
        for (int t = 0; t < counts.tableaus; ++t) {
            gather(state.piles.tableau(t));
        }
        for (int r = 0; r < counts.reserves; ++r) {
            gather(state.piles.reserve(r));
        }
        gather(state.piles.stock(table::kStock));
        gather(state.piles.stock(table::kWaste));
        int takers = 0;
        for (int f = 0; f < counts.foundations; ++f) {
            takers += std::ranges::all_of(wanting, [&](int card) { return takes(state, f, card); })
                          ? 1
                          : 0;
        }
        return static_cast<int>(wanting.size()) <= takers;
    }

    QuietFrontend m_frontend;
    AtOnce m_atOnce;
};

} // namespace

bool foundationsOnlyGame(const table::ProgramState& state) {
    const catalogue::GameParameters& p = state.params;
    const table::PileCounts counts = table::PileCounts::of(p);
    if (catalogue::gameTypeOf(p) != catalogue::GameType::General || !gameLiftsCards(state) ||
        counts.reserves != 0 || counts.tableaus < 1 || counts.foundations < 1 ||
        p[param::FoundationTakeBack] !=
            codeOf(catalogue::FoundationTakeBack::FoundationKeepsCards)) {
        return false;
    }
    for (int t = 0; t < counts.tableaus; ++t) {
        if (!refusesEveryCard(p[param::TableauRule + t])) {
            return false;
        }
    }
    return true;
}

bool sendsNeverContend(const table::ProgramState& state) {
    const catalogue::GameParameters& p = state.params;
    if (!foundationsOnlyGame(state) || p[param::CardCount] != kOnePack ||
        p[param::JokerCount] != 0 || p[param::FoundationCount] != kSuits) {
        return false;
    }
    for (int f = 0; f < kSuits; ++f) {
        if (!oneSuitAPile(p[param::FoundationRule + f])) {
            return false;
        }
    }
    return true;
}

std::optional<ActionSearchResult> searchFoundationsOnly(const table::ProgramState& start,
                                                        const seam::Frontend& geometry,
                                                        long positions, bool keepAutoplay,
                                                        bool movesAtOnce,
                                                        const std::atomic<bool>* stop) {
    const AtOnce atOnce = !movesAtOnce                          ? AtOnce::Nothing
                          : sendsNeverContend(start)            ? AtOnce::OntoItsSuit
                          : start.params[param::FillStyle] == 0 ? AtOnce::Uncontested
                                                                : AtOnce::Nothing;
    FoundationsOnlySearch search(geometry, atOnce);
    ActionSearchResult result;
    std::vector<PointerCommand> opening;
    table::ProgramState work = start;
    if (!keepAutoplay && autoplayActive(start)) {
        const Step untick{gesture(Verb::Autoplay, {}), {}};
        if (!search.play(work, untick)) {
            return std::nullopt;
        }
        opening.push_back(untick.command);
    }
    std::vector<Frame> line;
    line.push_back({PositionRecord(work), {}, 0, {}});
    BasicKeySet<std::uint64_t> seen;
    seen.insert(tableFingerprint(work));
    if (!search.stepsOf(work, line[0].steps)) {
        return std::nullopt;
    }
    result.positions = 1;
    while (!line.empty()) {
        if (stop != nullptr && stop->load()) {
            result.outcome = ActionSearchResult::Outcome::OutOfBudget;
            break;
        }
        Frame& top = line.back();
        if (top.next == top.steps.size()) {
            line.pop_back();
            continue;
        }
        const Step& step = top.steps[top.next++];
        top.position.restoreInto(work);
        if (!search.play(work, step)) {
            continue;
        }
        if (search.won()) {
            result.outcome = ActionSearchResult::Outcome::Won;
            result.line = opening;
            for (std::size_t i = 1; i < line.size(); ++i) {
                result.line.push_back(line[i].via);
            }
            result.line.push_back(step.command);
            break;
        }
        if (!seen.insert(tableFingerprint(work))) {
            continue; // seen, or the step changed nothing
        }
        if (result.positions >= positions) {
            result.outcome = ActionSearchResult::Outcome::OutOfBudget;
            break;
        }
        ++result.positions;
        Frame frame{PositionRecord(work), {}, 0, step.command};
        if (!search.stepsOf(work, frame.steps)) {
            return std::nullopt;
        }
        line.push_back(std::move(frame));
    }
    if (line.empty()) {
        result.outcome = ActionSearchResult::Outcome::Exhausted;
    }
    result.storedBytes = seen.bytes();
    return result;
}

} // namespace vellomir::engine
