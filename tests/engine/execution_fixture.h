#pragma once

#include "catalogue/parameter_index.h"
#include "engine/actions/move_execution.h"
#include "engine/records/card_census.h"
#include "support/table_builder.h"

#include <gtest/gtest.h>

#include <optional>

namespace vellomir::testing {

namespace param = catalogue::param;

/// A table for the executor: sounds switched on, cards animated, the
/// general score scheme, and the card census of the table as first built.
struct PlayTable : Table {
    explicit PlayTable(int foundations = 4, int tableaus = 7, int reserves = 0)
        : Table(foundations, tableaus, reserves) {
        for (settings::SettingsField f :
             {settings::field::SoundsTableau, settings::field::SoundsFoundation,
              settings::field::SoundsAutoplay, settings::field::SoundsStock,
              settings::field::SoundsShuffle, settings::field::SoundsPairing,
              settings::field::SoundsRedeal, settings::field::SoundsRedealWithoutAnimation,
              settings::field::SoundsFaceUp, settings::field::SoundsCardDown}) {
            state.settings.write(f, "Y");
        }
        state.settings.write(settings::field::CardsAnimate, "Y");
        state.settings.write(settings::field::RedealAnimation, "Y");
        state.settings.write(settings::field::ScoringScheme, "01");
        state.settings.write(settings::field::AutomaticFaceUp, "Y");
        state.mainGame.setCell(table::cell::PassNumber, 1);
        param(param::CardCount, 52);
        param(param::CardsPerStockClick, 1);
        param(param::StockPasses, -1);
    }

    bool run(int card, engine::MoveAction action) {
        const engine::CardCensus before = engine::takeCardCensus(state);
        const bool executed = engine::executeMove(state, frontend, card, action);
        const std::string fault = engine::cardsOnTableOnce(state, before);
        EXPECT_EQ(fault, "") << "after " << engine::moveActionText(action);
        return executed;
    }
    /// An action by its text form; a text that names no action executes nothing.
    bool run(int card, std::string_view text) {
        const std::optional<engine::MoveAction> action = engine::parseMoveAction(text);
        return action && run(card, *action);
    }
    bool move(std::string_view name, std::string_view action) { return run(card(name), action); }

    const std::string& tableauPile(int i) { return state.piles.tableau(i); }
    const std::string& stockPile() { return state.piles.stock(table::kStock); }
    const std::string& wastePile() { return state.piles.stock(table::kWaste); }
    const std::string& discardPile() { return state.piles.stock(table::kDiscard); }
    int score() { return state.settings.readInt(settings::field::Score, -9999); }
    int phase() { return state.mainGame.cell(table::cell::MovePhase); }
    int passNumber() { return state.mainGame.cell(table::cell::PassNumber); }
    bool faceUp(std::string_view name) { return state.cards.isFaceUp(card(name)); }
};

} // namespace vellomir::testing
