#include "ui/table_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

namespace vellomir::ui {

TableView::TableView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("imgTable"));
    // Every pixel is painted here; Qt need not clear the view first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

QSize TableView::tableSize() const {
    return QSize(qCeil(width() * m_tableScale), qCeil(height() * m_tableScale));
}

void TableView::repaintTable(const QRect& tableRect) {
    if (m_tableScale == 1) {
        repaint(tableRect);
        return;
    }
    const QRectF area(tableRect.x() / m_tableScale, tableRect.y() / m_tableScale,
                      tableRect.width() / m_tableScale, tableRect.height() / m_tableScale);
    repaint(area.toAlignedRect());
}

void TableView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    if (m_image && !m_image->isNull()) {
        // Picture pixels to each pixel of the view.
        const qreal ratio = m_image->devicePixelRatio() * m_tableScale;
        if (ratio == 1) {
            painter.drawImage(dirty.topLeft(), *m_image, dirty);
        } else {
            // A picture of several device pixels to each logical one: its
            // pixels of the dirty area, one to one on a screen of its ratio.
            const QRectF source(dirty.x() * ratio, dirty.y() * ratio, dirty.width() * ratio,
                                dirty.height() * ratio);
            painter.setRenderHint(QPainter::SmoothPixmapTransform,
                                  !qFuzzyCompare(ratio, devicePixelRatioF()));
            // Whole screen pixels: the edges of a dirty area fall between
            // them at a fractional ratio.
            painter.setRenderHint(QPainter::LosslessImageRendering);
            painter.drawImage(QRectF(dirty), *m_image, source);
        }
        // Whatever the picture does not cover shows the table colour.
        const QRect covered(QPoint(0, 0), (QSizeF(m_image->size()) / ratio).toSize());
        const QRegion uncovered = QRegion(dirty) - QRegion(covered);
        for (const QRect& r : uncovered) {
            painter.fillRect(r, m_tableColour);
        }
    } else {
        painter.fillRect(dirty, m_tableColour);
    }
    if (m_overlay) {
        painter.setClipRect(dirty);
        m_overlay(painter);
    }
    painter.end();
    emit painted();
}

void TableView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized(event->size());
}

void TableView::forward(PointerEvent::Kind kind, QMouseEvent* event) {
    if (!m_onPointer) {
        return;
    }
    PointerEvent pointer;
    pointer.kind = kind;
    pointer.button = event->button();
    pointer.buttons = event->buttons();
    const QPointF at = event->position() * m_tableScale;
    pointer.x = qFloor(at.x());
    pointer.y = qFloor(at.y());
    pointer.ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    m_onPointer(pointer);
}

void TableView::mousePressEvent(QMouseEvent* event) {
    forward(PointerEvent::Kind::Press, event);
}

void TableView::mouseMoveEvent(QMouseEvent* event) {
    forward(PointerEvent::Kind::Move, event);
}

void TableView::mouseReleaseEvent(QMouseEvent* event) {
    forward(PointerEvent::Kind::Release, event);
}

void TableView::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt makes the second press of a double click the double click itself;
    // the pointer input expects the double click followed by that press (a
    // press it ignores after a card was sent, and that deals again on the
    // stock). Only the left button double-clicks; a quick second press of
    // another button is a press.
    if (event->button() == Qt::LeftButton) {
        forward(PointerEvent::Kind::DoubleClick, event);
    }
    forward(PointerEvent::Kind::Press, event);
}

} // namespace vellomir::ui
