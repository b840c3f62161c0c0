#pragma once

#include "table/program_state.h"
#include "ui/drawing_target.h"

#include <QRect>

namespace vellomir::ui {

/// A table renderer and its image store as the main window's drawing
/// target. `Renderer` draws the table and moves cards with the frontend's
/// operations (rectangles as QRect) and owns the window picture
/// (setWindowSize, resizeBuffers, windowImage, repaintWindow); `Images`
/// rebuilds the card pictures for the card size of the settings
/// (setCardSize).
template <class Renderer, class Images> class RendererTarget final : public DrawingTarget {
public:
    RendererTarget(Renderer& renderer, Images& images, table::ProgramState& state)
        : m_renderer(renderer), m_images(images), m_state(state) {}

    void setViewSize(QSize size) override { m_renderer.setWindowSize(size); }
    void resizeBuffers(QSize size) override { m_renderer.resizeBuffers(size); }
    const QImage& viewImage() const override { return m_renderer.windowImage(); }
    void repaintView() override { m_renderer.repaintWindow(); }
    void cardSizeChanged(int, int) override { m_images.setCardSize(m_state); }
    void setPixelRatio(int ratio) override { m_renderer.setPixelRatio(ratio); }

    void drawTable(bool dealAnimation) override { m_renderer.drawTable(dealAnimation); }
    void redrawBackground() override { m_renderer.redrawBackground(); }
    void drawPile(std::string_view pileName) override { m_renderer.drawPile(pileName); }
    void drawPileTop(std::string_view pileName) override { m_renderer.drawPileTop(pileName); }
    void redrawShrunkPile(std::string_view oldPile, std::string_view newPile,
                          std::string_view pileName) override {
        m_renderer.redrawShrunkPile(oldPile, newPile, pileName);
    }
    void drawTableWithout(const std::vector<int>& cards) override {
        m_renderer.drawTableWithout(cards);
    }
    void drawPilePressed(std::string_view pileName, bool pressed) override {
        m_renderer.drawPilePressed(pileName, pressed);
    }
    void drawCardTurned(int card, int tableauIndex) override {
        m_renderer.drawCardTurned(card, tableauIndex);
    }
    void toggleSelectionMark(int card) override { m_renderer.toggleSelectionMark(card); }
    void invertSelectedCards() override { m_renderer.invertSelectedCards(); }
    void highlightFoundations(int foundationIndex) override {
        m_renderer.highlightFoundations(foundationIndex);
    }
    void showJokerLabel(int foundationIndex, int rank, int suit) override {
        m_renderer.showJokerLabel(foundationIndex, rank, suit);
    }
    void restoreCorners(seam::Rect rect) override { m_renderer.restoreCorners(toQRect(rect)); }
    void refreshRectangle(seam::Rect rect) override { m_renderer.refreshRectangle(toQRect(rect)); }
    void fixTableauCorners(int tableauIndex) override {
        m_renderer.fixTableauCorners(tableauIndex);
    }
    void showCoveredCard(int card, int x, int y) override {
        m_renderer.showCoveredCard(card, x, y);
    }
    void hideCoveredCard() override { m_renderer.hideCoveredCard(); }

    void pickUpCarried(int card, seam::Rect rect, int height) override {
        m_renderer.pickUpCarried(card, toQRect(rect), height);
    }
    void drawCarried(int x, int y, bool final, bool fixCorners) override {
        m_renderer.drawCarried(x, y, final, fixCorners);
    }
    void liftCarried() override { m_renderer.liftCarried(); }
    void dropCarried() override { m_renderer.dropCarried(); }
    void markDropTargets(const std::vector<std::string>& pileNames) override {
        m_renderer.markDropTargets(pileNames);
    }
    void markHint(const std::string& source, const std::string& target) override {
        m_renderer.markHint(source, target);
    }
    void clearHintMarks() override { m_renderer.clearHintMarks(); }
    void flyCard(int card, int fromX, int fromY, int toX, int toY, seam::Flight flight) override {
        m_renderer.flyCard(card, fromX, fromY, toX, toY, flight);
    }

    /// A rectangle of the frontend (right and bottom exclusive) as a QRect.
    static QRect toQRect(const seam::Rect& r) {
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }

private:
    Renderer& m_renderer;
    Images& m_images;
    table::ProgramState& m_state;
};

} // namespace vellomir::ui
