// The table drawing and card motion of the core, handed to the drawing
// target (the table renderer) while there is one.
#include "ui/qt_frontend.h"

#include "render/drawing_target.h"

namespace vellomir::ui {

void QtFrontend::drawTable(bool dealAnimation) {
    if (m_drawing) {
        m_drawing->drawTable(dealAnimation);
    }
}

void QtFrontend::redrawBackground() {
    if (m_drawing) {
        m_drawing->redrawBackground();
    }
}

void QtFrontend::drawPile(std::string_view pileName) {
    if (m_drawing) {
        m_drawing->drawPile(pileName);
    }
}

void QtFrontend::drawPileTop(std::string_view pileName) {
    if (m_drawing) {
        m_drawing->drawPileTop(pileName);
    }
}

void QtFrontend::redrawShrunkPile(std::string_view oldPile, std::string_view newPile,
                                  std::string_view pileName) {
    if (m_drawing) {
        m_drawing->redrawShrunkPile(oldPile, newPile, pileName);
    }
}

void QtFrontend::drawTableWithout(const std::vector<int>& cards) {
    if (m_drawing) {
        m_drawing->drawTableWithout(cards);
    }
}

void QtFrontend::drawPilePressed(std::string_view pileName, bool pressed) {
    if (m_drawing) {
        m_drawing->drawPilePressed(pileName, pressed);
    }
}

void QtFrontend::drawCardTurned(int card, int tableauIndex) {
    if (m_drawing) {
        m_drawing->drawCardTurned(card, tableauIndex);
    }
}

void QtFrontend::toggleSelectionMark(int card) {
    if (m_drawing) {
        m_drawing->toggleSelectionMark(card);
    }
}

void QtFrontend::invertSelectedCards() {
    if (m_drawing) {
        m_drawing->invertSelectedCards();
    }
}

void QtFrontend::highlightFoundations(int foundationIndex) {
    if (m_drawing) {
        m_drawing->highlightFoundations(foundationIndex);
    }
}

void QtFrontend::showJokerLabel(int foundationIndex, int rank, int suit) {
    if (m_drawing) {
        m_drawing->showJokerLabel(foundationIndex, rank, suit);
    }
}

void QtFrontend::restoreCorners(seam::Rect rect) {
    if (m_drawing) {
        m_drawing->restoreCorners(rect);
    }
}

void QtFrontend::refreshRectangle(seam::Rect rect) {
    if (m_drawing) {
        m_drawing->refreshRectangle(rect);
    }
}

void QtFrontend::fixTableauCorners(int tableauIndex) {
    if (m_drawing) {
        m_drawing->fixTableauCorners(tableauIndex);
    }
}

void QtFrontend::showCoveredCard(int card, int x, int y) {
    if (m_drawing) {
        m_drawing->showCoveredCard(card, x, y);
    }
}

void QtFrontend::hideCoveredCard() {
    if (m_drawing) {
        m_drawing->hideCoveredCard();
    }
}

void QtFrontend::pickUpCarried(int card, seam::Rect rect, int height) {
    if (m_drawing) {
        m_drawing->pickUpCarried(card, rect, height);
    }
}

void QtFrontend::drawCarried(int x, int y, bool final, bool fixCorners) {
    if (m_drawing) {
        m_drawing->drawCarried(x, y, final, fixCorners);
    }
}

void QtFrontend::liftCarried() {
    if (m_drawing) {
        m_drawing->liftCarried();
    }
}

void QtFrontend::dropCarried() {
    if (m_drawing) {
        m_drawing->dropCarried();
    }
}

void QtFrontend::markDropTargets(const std::vector<std::string>& pileNames) {
    if (m_drawing) {
        m_drawing->markDropTargets(pileNames);
    }
}

void QtFrontend::flyCard(int card, int fromX, int fromY, int toX, int toY, seam::Flight flight) {
    if (m_drawing) {
        m_drawing->flyCard(card, fromX, fromY, toX, toY, flight);
    }
}

} // namespace vellomir::ui
