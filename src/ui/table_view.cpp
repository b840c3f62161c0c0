#include "ui/table_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include <cstring>

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

void TableView::setImage(const QImage* image) {
    if (!image) {
        m_source = nullptr;
        return;
    }
    m_source = [image] {
        const qreal ratio = image->devicePixelRatio();
        return Shown{image, QPoint(0, 0), (QSizeF(image->size()) / ratio).toSize()};
    };
}

const QImage* TableView::image() const {
    const Shown shown = m_source ? m_source() : Shown{};
    if (!shown.picture || shown.picture->isNull() || shown.picture->depth() != 32) {
        return nullptr;
    }
    const QImage& picture = *shown.picture;
    const int ratio = qMax(1, qRound(picture.devicePixelRatio()));
    m_composed = QImage(shown.size * ratio, picture.format());
    m_composed.setDevicePixelRatio(ratio);
    m_composed.fill(Qt::black);
    const QRect from = QRect(shown.origin * ratio, m_composed.size()) & picture.rect();
    for (int y = from.top(); y <= from.bottom(); ++y) {
        std::memcpy(m_composed.scanLine(y - shown.origin.y() * ratio) +
                        (from.left() - shown.origin.x() * ratio) * 4,
                    picture.constScanLine(y) + from.left() * 4,
                    static_cast<std::size_t>(from.width()) * 4);
    }
    return &m_composed;
}

void TableView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    const Shown shown = m_source ? m_source() : Shown{};
    if (shown.picture && !shown.picture->isNull()) {
        const QImage& picture = *shown.picture;
        const int pictureRatio = qMax(1, qRound(picture.devicePixelRatio()));
        // Picture pixels to each pixel of the view.
        const qreal ratio = pictureRatio * m_tableScale;
        // The shown area and the part of it the picture covers, in view pixels.
        const QRect area(QPoint(0, 0), (QSizeF(shown.size * pictureRatio) / ratio).toSize());
        const QRect reach =
            QRectF(QPointF(-shown.origin * pictureRatio) / ratio, QSizeF(picture.size()) / ratio)
                .toAlignedRect() &
            area;
        const QRect drawn = dirty & reach;
        const QPoint from = shown.origin * pictureRatio;
        if (!drawn.isEmpty() && ratio == 1) {
            painter.drawImage(drawn.topLeft(), picture, drawn.translated(from));
        } else if (!drawn.isEmpty()) {
            // A picture of several device pixels to each logical one: its
            // pixels of the dirty area, one to one on a screen of its ratio.
            const QRectF source(drawn.x() * ratio + from.x(), drawn.y() * ratio + from.y(),
                                drawn.width() * ratio, drawn.height() * ratio);
            painter.setRenderHint(QPainter::SmoothPixmapTransform,
                                  !qFuzzyCompare(ratio, devicePixelRatioF()));
            // Whole screen pixels: the edges of a dirty area fall between
            // them at a fractional ratio.
            painter.setRenderHint(QPainter::LosslessImageRendering);
            painter.drawImage(QRectF(drawn), picture, source);
        }
        // The shown area beyond the picture is black; beyond the area the
        // table colour shows.
        for (const QRect& r : QRegion(dirty & area) - QRegion(drawn)) {
            painter.fillRect(r, Qt::black);
        }
        for (const QRect& r : QRegion(dirty) - QRegion(area)) {
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
