#pragma once

#include "catalogue/game_list.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vellomir::table {

/// Named cells of TMainGame.
namespace cell {
inline constexpr int FoundationX = 0;  // 0-16, foundations 1-16
inline constexpr int FoundationY = 17; // 17-33
inline constexpr int ReserveX = 34;    // 34-44, reserves 1-10
inline constexpr int ReserveY = 45;    // 45-55
inline constexpr int StockX = 56;      // 56-59: stock, waste, discard pile
inline constexpr int StockY = 60;      // 60-63
inline constexpr int FaceUpStepDown = 64;
inline constexpr int FaceUpStepRight = 65;
inline constexpr int FaceDownStepDown = 66;
inline constexpr int FaceDownStepRight = 67;
inline constexpr int PreviewFlag = 70;
inline constexpr int CloseRequested = 71;
inline constexpr int SpacingUnit = 72;
inline constexpr int PassNumber = 73;
inline constexpr int CardSizeMode = 74;
inline constexpr int PlainFanStep = 75;
inline constexpr int PlainFanStep2 = 76;
inline constexpr int MovedMark = 78;
inline constexpr int Notice640Shown = 82;
inline constexpr int FanStyle6StepA = 83;
inline constexpr int FanStyle6StepB = 84;
inline constexpr int PressX = 85;
inline constexpr int PressY = 86;
inline constexpr int StockPressed = 89;
inline constexpr int ScrollOffset = 90;
inline constexpr int MovePhase = 91;
// The lowest edge a move reached, kept in positions and saved games for the
// files' sake; the scroll range follows the drawing's own measure.
inline constexpr int LowestCardEdge = 93;
inline constexpr int PickedCard = 94;
inline constexpr int MovingTopCard = 95;
inline constexpr int HoverX = 96;
inline constexpr int HoverY = 97;
inline constexpr int Notice800Shown = 98;
inline constexpr int MissCount = 99;
inline constexpr int JokerLabelKey = 100;
inline constexpr int HighlightFoundationsMark = 103;
inline constexpr int RandomGameType = 104;
inline constexpr int AutoplayAllGames = 105;
inline constexpr int PickX = 106;
inline constexpr int PickY = 107;
inline constexpr int GamesFastSearchType = 108;
inline constexpr int StockBaseX = 109; // 109-111
inline constexpr int StockBaseY = 113; // 113-115
} // namespace cell

/// Values of the CardSizeMode cell: the small-screen card rule is still to
/// act for the game on the table, has acted, or the program has just started.
inline constexpr int kCardSizeUnchecked = 0;
inline constexpr int kCardSizeChecked = 1;
inline constexpr int kCardSizeAtStartUp = 2;

/// Values of the AutoplayAllGames cell (the AutoPlay_All_Games preference):
/// one tick for every game, or a choice kept per game.
inline constexpr int kAutoplayChoiceForAll = 1;
inline constexpr int kAutoplayChoicePerGame = 2;

/// Markers for a pile that has no place on the table yet. A pile whose x is
/// below kPlacedThreshold is not on the table.
inline constexpr int kNotPlacedStock = -10000;
inline constexpr int kNotPlacedFoundation = -10001;
inline constexpr int kNotPlacedTableau = -10002;
inline constexpr int kNotPlacedReserve = -10003;
inline constexpr int kPlacedThreshold = -9999;

/// The object that holds where every pile lies on the table, the fan steps,
/// the scroll offset, the drag and play state cells and the game list.
class TMainGame {
public:
    static constexpr int kCells = 122;

    int16_t cell(int i) const { return m_cells.at(static_cast<std::size_t>(i)); }
    void setCell(int i, int value) {
        m_cells.at(static_cast<std::size_t>(i)) = static_cast<int16_t>(value);
    }

    // Pile positions by 0-based pile index. The y getters subtract the scroll offset.
    int stockX(int i) const { return cell(cell::StockX + i); }
    int stockY(int i) const { return cell(cell::StockY + i) - scrollOffset(); }
    int foundationX(int i) const { return cell(cell::FoundationX + i); }
    int foundationY(int i) const { return cell(cell::FoundationY + i) - scrollOffset(); }
    int reserveX(int i) const { return cell(cell::ReserveX + i); }
    int reserveY(int i) const { return cell(cell::ReserveY + i) - scrollOffset(); }
    int tableauX(int i) const { return m_tableauX.at(static_cast<std::size_t>(i)); }
    int tableauY(int i) const {
        return m_tableauY.at(static_cast<std::size_t>(i)) - scrollOffset();
    }
    void setStockX(int i, int v) { setCell(cell::StockX + i, v); }
    void setStockY(int i, int v) { setCell(cell::StockY + i, v); }
    void setFoundationX(int i, int v) { setCell(cell::FoundationX + i, v); }
    void setFoundationY(int i, int v) { setCell(cell::FoundationY + i, v); }
    void setReserveX(int i, int v) { setCell(cell::ReserveX + i, v); }
    void setReserveY(int i, int v) { setCell(cell::ReserveY + i, v); }
    void setTableauX(int i, int v) {
        m_tableauX.at(static_cast<std::size_t>(i)) = static_cast<int16_t>(v);
    }
    void setTableauY(int i, int v) {
        m_tableauY.at(static_cast<std::size_t>(i)) = static_cast<int16_t>(v);
    }
    int scrollOffset() const { return cell(cell::ScrollOffset); }
    /// Before the whole table is drawn again: back at the table's top.
    void scrollToTop() { setCell(cell::ScrollOffset, 0); }

    /// Puts every pile position to its kind's not-placed marker.
    void resetGeometry();

    /// The games offered by the catalogue.
    catalogue::GameList& games() { return m_games; }
    const catalogue::GameList& games() const { return m_games; }
    /// The game list's lines: one unscrambled catalogue line per game offered.
    std::vector<std::string>& gameList() { return m_games.entries(); }
    const std::vector<std::string>& gameList() const { return m_games.entries(); }
    /// 0-based index of a game in the game list; -1 for numbers of 8000 and
    /// above (customised games) and for numbers not in the list.
    int gameListIndex(int gameNumber) const { return m_games.indexOf(gameNumber); }
    /// Name of a game, blank-trimmed; empty when it is not in the list.
    std::string gameName(int gameNumber) const { return m_games.nameOf(gameNumber); }

private:
    std::array<int16_t, kCells> m_cells{};
    std::array<int16_t, 28> m_tableauX{};
    std::array<int16_t, 28> m_tableauY{};
    catalogue::GameList m_games;
};

// The fields of a game-list entry, as the table's callers know them.
using catalogue::gameListChooserMark;
using catalogue::gameListGroup;
using catalogue::gameListName;
using catalogue::gameListNumber;

} // namespace vellomir::table
