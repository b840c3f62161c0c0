#pragma once

#include "ui/drawing_target.h"

#include <QImage>

namespace vellomir::ui {

/// Hands every drawing operation to the drawing target, once one is set;
/// without one the operations do nothing and the view shows no picture.
class DrawingForwarder final : public DrawingTarget {
public:
    void setTarget(DrawingTarget* target) { m_target = target; }
    DrawingTarget* target() const { return m_target; }

    /// The target's window picture, or null while there is no target.
    const QImage* viewImageOrNull() const { return m_target ? &m_target->viewImage() : nullptr; }

    void setViewSize(QSize size) override;
    void resizeBuffers(QSize size) override;
    const QImage& viewImage() const override;
    void repaintView() override;
    void cardSizeChanged(int width, int height) override;
    void setPixelRatio(int ratio) override;
    void drawTable(bool dealAnimation) override;
    void redrawBackground() override;
    void drawPile(std::string_view pileName) override;
    void drawPileTop(std::string_view pileName) override;
    void redrawShrunkPile(std::string_view oldPile, std::string_view newPile,
                          std::string_view pileName) override;
    void drawTableWithout(const std::vector<int>& cards) override;
    void drawPilePressed(std::string_view pileName, bool pressed) override;
    void drawCardTurned(int card, int tableauIndex) override;
    void toggleSelectionMark(int card) override;
    void invertSelectedCards() override;
    void highlightFoundations(int foundationIndex) override;
    void showJokerLabel(int foundationIndex, int rank, int suit) override;
    void restoreCorners(seam::Rect rect) override;
    void refreshRectangle(seam::Rect rect) override;
    void fixTableauCorners(int tableauIndex) override;
    void showCoveredCard(int card, int x, int y) override;
    void hideCoveredCard() override;
    void pickUpCarried(int card, seam::Rect rect, int height) override;
    void drawCarried(int x, int y, bool final, bool fixCorners) override;
    void liftCarried() override;
    void dropCarried() override;
    void markDropTargets(const std::vector<std::string>& pileNames) override;
    void markHint(const std::string& source, const std::string& target) override;
    void clearHintMarks() override;
    void flyCard(int card, int fromX, int fromY, int toX, int toY, seam::Flight flight) override;

private:
    DrawingTarget* m_target = nullptr;
    QImage m_noImage;
};

} // namespace vellomir::ui
