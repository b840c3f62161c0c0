#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vellomir::seam {

/// A rectangle in table coordinates; right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

/// How a card flies (TableDrawing::flyCard).
struct Flight {
    /// The card's picture is first taken from the table; without it the
    /// carried picture flies from where it is.
    bool pickUp = true;
    /// The card lands lifted by the shadow offset, then drops into place.
    bool lifted = false;
    /// Longer steps and shorter waits, as the deal flies its cards.
    bool fast = false;
    /// The card is laid into the table picture where it lands.
    bool final = true;
};

/// How the core draws the table and moves cards over it. The core asks
/// through its frontend, which is a TableDrawing; the Qt program hands these
/// operations straight to the table renderer.
///
/// Drawing operations draw on the window and show the change at once, so
/// that pauses and flights inside an action show motion.
class TableDrawing {
public:
    virtual ~TableDrawing() = default;

    // --- Table drawing -------------------------------------------------------
    // Pile names are those of the pile lists ("Mazzo", "Mazzo_Vis",
    // "Mazzo_Waste", "Dest1", "Fila12", "Appogg3"). Every operation draws on
    // the window and into the table picture, and the window shows it at once.

    /// Draws the whole table from the piles; with `dealAnimation` the cards
    /// fly from the deal's origin to their places.
    virtual void drawTable(bool dealAnimation) = 0;
    /// Redraws the table background (without cards) into the off-screen picture.
    virtual void redrawBackground() = 0;
    /// Draws every card of a tableau, reserve or foundation (or its mark).
    virtual void drawPile(std::string_view pileName) = 0;
    /// Draws only the top card, or the empty-pile mark, of the stock, the
    /// waste, the discard pile, a foundation or a reserve.
    virtual void drawPileTop(std::string_view pileName) = 0;
    /// Erases and redraws a pile that lost cards, with the neighbours it overlaps.
    virtual void redrawShrunkPile(std::string_view oldPile, std::string_view newPile,
                                  std::string_view pileName) = 0;
    /// Redraws the table picture as if `cards` were not on the table (cards
    /// being carried, flying or leaving), without changing any pile.
    virtual void drawTableWithout(const std::vector<int>& cards) = 0;
    /// Shows the stock (or waste) place pressed or released while the
    /// player holds the button on it.
    virtual void drawPilePressed(std::string_view pileName, bool pressed) = 0;
    /// Draws a card lifted by the shadow offset at its place in tableau
    /// `tableauIndex`, then lets it drop into place (a card turned face up).
    virtual void drawCardTurned(int card, int tableauIndex) = 0;
    /// Toggles the selection mark (inverted picture) of a card.
    virtual void toggleSelectionMark(int card) = 0;
    /// Repaints the selection marks of every selected card.
    virtual void invertSelectedCards() = 0;
    /// Marks the complete foundations: one (0-based index) or all (-1).
    virtual void highlightFoundations(int foundationIndex) = 0;
    /// Shows the joker value label above foundation `foundationIndex`
    /// (0-based): the rank (1-13) and suit (0-3) the joker stands for. Every
    /// other foundation's label is erased; a rank of 0 erases them all.
    virtual void showJokerLabel(int foundationIndex, int rank, int suit) = 0;
    virtual void restoreCorners(Rect rect) = 0;
    virtual void refreshRectangle(Rect rect) = 0;
    virtual void fixTableauCorners(int tableauIndex) = 0;
    /// Shows a covered face-up card whole at its place until hidden again.
    virtual void showCoveredCard(int card, int x, int y) = 0;
    virtual void hideCoveredCard() = 0;

    // --- Card motion ---------------------------------------------------------
    /// Takes the carried picture from the table: `card` and the cards above
    /// it as they lie fanned in its pile, `height` pixels tall, at `rect`.
    virtual void pickUpCarried(int card, Rect rect, int height) = 0;
    /// Moves the carried picture so that its top-left corner is at (x, y).
    virtual void drawCarried(int x, int y, bool final, bool fixCorners) = 0;
    /// Draws the carried picture lifted by the shadow offset less 2 pixels.
    virtual void liftCarried() = 0;
    /// Lets go of the carried picture: the table picture shows again, the
    /// drop-target marks gone.
    virtual void dropCarried() = 0;
    /// Marks the piles (by name) a drop of the carried cards would move them
    /// to, until the cards are let go: a pile's top, or with "Fila2:4" one
    /// place of it (a gap of a row). Frontends that show no table ignore it.
    virtual void markDropTargets(const std::vector<std::string>& /*pileNames*/) {}
    /// A card flight from (fromX, fromY) to (toX, toY) (`card` -1 flies a
    /// back).
    virtual void flyCard(int card, int fromX, int fromY, int toX, int toY, Flight flight) = 0;
};

} // namespace vellomir::seam
