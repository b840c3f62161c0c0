#pragma once

#include "seam/frontend.h"

#include <QImage>
#include <QSize>

#include <string_view>
#include <vector>

namespace vellomir::ui {

/// What draws the table for the main window: the window picture the table
/// view shows, the table and background buffers behind it, and every drawing
/// and card-motion operation of the frontend (same names and meanings as in
/// seam::Frontend).
class DrawingTarget {
public:
    virtual ~DrawingTarget() = default;

    // --- The window picture -----------------------------------------------------
    /// The table view's size changed; the window picture follows it.
    virtual void setViewSize(QSize size) = 0;
    /// Sizes the table and background buffers and paints the background.
    virtual void resizeBuffers(QSize size) = 0;
    /// The picture the table view shows.
    virtual const QImage& viewImage() const = 0;
    /// Copies the table buffer, from the scroll position, over the window picture.
    virtual void repaintView() = 0;
    /// The card size changed: rebuild the card pictures.
    virtual void cardSizeChanged(int width, int height) = 0;
    /// Device pixels to each logical pixel of the screen the table shows on;
    /// a change remakes every picture, and the table must be drawn again.
    virtual void setPixelRatio(int ratio) = 0;

    // --- Table drawing ---------------------------------------------------------
    virtual void drawTable(bool dealAnimation) = 0;
    virtual void redrawBackground() = 0;
    virtual void drawPile(std::string_view pileName) = 0;
    virtual void drawPileTop(std::string_view pileName) = 0;
    virtual void redrawShrunkPile(std::string_view oldPile, std::string_view newPile,
                                  std::string_view pileName) = 0;
    virtual void drawTableWithout(const std::vector<int>& cards) = 0;
    virtual void drawPilePressed(std::string_view pileName, bool pressed) = 0;
    virtual void drawCardTurned(int card, int tableauIndex) = 0;
    virtual void toggleSelectionMark(int card) = 0;
    virtual void invertSelectedCards() = 0;
    virtual void highlightFoundations(int foundationIndex) = 0;
    virtual void showJokerLabel(int foundationIndex, int rank, int suit) = 0;
    virtual void restoreCorners(seam::Rect rect) = 0;
    virtual void refreshRectangle(seam::Rect rect) = 0;
    virtual void fixTableauCorners(int tableauIndex) = 0;
    virtual void showCoveredCard(int card, int x, int y) = 0;
    virtual void hideCoveredCard() = 0;

    // --- Card motion -----------------------------------------------------------
    virtual void pickUpCarried(int card, seam::Rect rect, int height) = 0;
    virtual void drawCarried(int x, int y, bool final, bool fixCorners) = 0;
    virtual void liftCarried() = 0;
    virtual void dropCarried() = 0;
    virtual void markDropTargets(const std::vector<std::string>& pileNames) = 0;
    /// Marks a hinted move: the card at the place `source` (with the cards on
    /// it) and the pile `target` (none when empty), until clearHintMarks.
    virtual void markHint(const std::string& source, const std::string& target) = 0;
    virtual void clearHintMarks() = 0;
    virtual void flyCard(int card, int fromX, int fromY, int toX, int toY, seam::Flight flight) = 0;
};

} // namespace vellomir::ui
