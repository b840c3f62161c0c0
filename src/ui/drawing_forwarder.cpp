#include "ui/drawing_forwarder.h"

namespace vellomir::ui {

const QImage& DrawingForwarder::viewImage() const {
    return m_target ? m_target->viewImage() : m_noImage;
}

void DrawingForwarder::setViewSize(QSize size) {
    if (m_target) {
        m_target->setViewSize(size);
    }
}

void DrawingForwarder::resizeBuffers(QSize size) {
    if (m_target) {
        m_target->resizeBuffers(size);
    }
}

void DrawingForwarder::repaintView() {
    if (m_target) {
        m_target->repaintView();
    }
}

void DrawingForwarder::cardSizeChanged(int width, int height) {
    if (m_target) {
        m_target->cardSizeChanged(width, height);
    }
}

void DrawingForwarder::setPixelRatio(int ratio) {
    if (m_target) {
        m_target->setPixelRatio(ratio);
    }
}

void DrawingForwarder::drawTable(bool dealAnimation) {
    if (m_target) {
        m_target->drawTable(dealAnimation);
    }
}

void DrawingForwarder::redrawBackground() {
    if (m_target) {
        m_target->redrawBackground();
    }
}

void DrawingForwarder::drawPile(std::string_view pileName) {
    if (m_target) {
        m_target->drawPile(pileName);
    }
}

void DrawingForwarder::drawPileTop(std::string_view pileName) {
    if (m_target) {
        m_target->drawPileTop(pileName);
    }
}

void DrawingForwarder::redrawShrunkPile(std::string_view oldPile, std::string_view newPile,
                                        std::string_view pileName) {
    if (m_target) {
        m_target->redrawShrunkPile(oldPile, newPile, pileName);
    }
}

void DrawingForwarder::drawTableWithout(const std::vector<int>& cards) {
    if (m_target) {
        m_target->drawTableWithout(cards);
    }
}

void DrawingForwarder::drawPilePressed(std::string_view pileName, bool pressed) {
    if (m_target) {
        m_target->drawPilePressed(pileName, pressed);
    }
}

void DrawingForwarder::drawCardTurned(int card, int tableauIndex) {
    if (m_target) {
        m_target->drawCardTurned(card, tableauIndex);
    }
}

void DrawingForwarder::toggleSelectionMark(int card) {
    if (m_target) {
        m_target->toggleSelectionMark(card);
    }
}

void DrawingForwarder::invertSelectedCards() {
    if (m_target) {
        m_target->invertSelectedCards();
    }
}

void DrawingForwarder::highlightFoundations(int foundationIndex) {
    if (m_target) {
        m_target->highlightFoundations(foundationIndex);
    }
}

void DrawingForwarder::showJokerLabel(int foundationIndex, int rank, int suit) {
    if (m_target) {
        m_target->showJokerLabel(foundationIndex, rank, suit);
    }
}

void DrawingForwarder::restoreCorners(seam::Rect rect) {
    if (m_target) {
        m_target->restoreCorners(rect);
    }
}

void DrawingForwarder::refreshRectangle(seam::Rect rect) {
    if (m_target) {
        m_target->refreshRectangle(rect);
    }
}

void DrawingForwarder::fixTableauCorners(int tableauIndex) {
    if (m_target) {
        m_target->fixTableauCorners(tableauIndex);
    }
}

void DrawingForwarder::showCoveredCard(int card, int x, int y) {
    if (m_target) {
        m_target->showCoveredCard(card, x, y);
    }
}

void DrawingForwarder::hideCoveredCard() {
    if (m_target) {
        m_target->hideCoveredCard();
    }
}

void DrawingForwarder::markDropTargets(const std::vector<std::string>& pileNames) {
    if (m_target) {
        m_target->markDropTargets(pileNames);
    }
}

void DrawingForwarder::markHint(const std::string& source, const std::string& target) {
    if (m_target) {
        m_target->markHint(source, target);
    }
}

void DrawingForwarder::clearHintMarks() {
    if (m_target) {
        m_target->clearHintMarks();
    }
}

void DrawingForwarder::pickUpCarried(int card, seam::Rect rect, int height) {
    if (m_target) {
        m_target->pickUpCarried(card, rect, height);
    }
}

void DrawingForwarder::drawCarried(int x, int y, bool final, bool fixCorners) {
    if (m_target) {
        m_target->drawCarried(x, y, final, fixCorners);
    }
}

void DrawingForwarder::liftCarried() {
    if (m_target) {
        m_target->liftCarried();
    }
}

void DrawingForwarder::dropCarried() {
    if (m_target) {
        m_target->dropCarried();
    }
}

void DrawingForwarder::flyCard(int card, int fromX, int fromY, int toX, int toY,
                               seam::Flight flight) {
    if (m_target) {
        m_target->flyCard(card, fromX, fromY, toX, toY, flight);
    }
}

} // namespace vellomir::ui
