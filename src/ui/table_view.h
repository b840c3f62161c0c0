#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>

class QPainter;

namespace vellomir::ui {

/// A pointer event on the table, in table view coordinates.
struct PointerEvent {
    enum class Kind { Press, Move, Release, DoubleClick };
    Kind kind = Kind::Press;
    /// The button pressed or released; Qt::NoButton for a move.
    Qt::MouseButton button = Qt::NoButton;
    /// The buttons held during the event.
    Qt::MouseButtons buttons;
    int x = 0;
    int y = 0;
    bool ctrl = false;
};

/// The table on the main window: shows the window picture of the table
/// drawing and hands every pointer event to the input layer.
class TableView : public QWidget {
    Q_OBJECT
public:
    explicit TableView(QWidget* parent = nullptr);

    /// What the view shows: `picture` (kept by its owner) from its logical
    /// point `origin` on, over an area of `size` logical pixels, black where
    /// the picture does not reach inside it; the table colour beyond. A null
    /// picture shows the plain table.
    struct Shown {
        const QImage* picture = nullptr;
        QPoint origin;
        QSize size;
    };
    /// Asked at each paint for what to show.
    void setSource(std::function<Shown()> source) { m_source = std::move(source); }
    /// A whole picture from its top-left corner.
    void setImage(const QImage* image);
    /// What the view shows as one picture of the shown area (put together
    /// for checks and previews); null while there is no picture.
    const QImage* image() const;
    /// Table pixels to each pixel of the view: 1, or the screen's ratio when
    /// that is a fraction (1.25, 1.5). The table is then drawn in the
    /// screen's own pixels, one picture pixel to each, and stays sharp.
    void setTableScale(qreal scale) { m_tableScale = scale; }
    qreal tableScale() const { return m_tableScale; }
    /// The view's size in table pixels.
    QSize tableSize() const;
    /// Repaints at once the part of the view that shows `tableRect`.
    void repaintTable(const QRect& tableRect);
    /// The colour shown where no picture covers the view.
    void setTableColour(QColor colour) { m_tableColour = colour; }

    /// Receives every press, move, release and double-click.
    void setPointerHandler(std::function<void(const PointerEvent&)> handler) {
        m_onPointer = std::move(handler);
    }
    /// Gives an event to the pointer handler as if the pointer had made it
    /// (the keyboard plays through the pointer's own path).
    void deliver(const PointerEvent& event) {
        if (m_onPointer) {
            m_onPointer(event);
        }
    }
    /// Paints over the picture after every paint (the keyboard focus).
    void setOverlayPainter(std::function<void(QPainter&)> painter) {
        m_overlay = std::move(painter);
    }
signals:
    void resized(QSize size);
    /// Sent after each paint: the first one means the table is on the screen.
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void forward(PointerEvent::Kind kind, QMouseEvent* event);

    std::function<Shown()> m_source;
    mutable QImage m_composed;
    QColor m_tableColour{0, 128, 0};
    qreal m_tableScale = 1.0;
    std::function<void(const PointerEvent&)> m_onPointer;
    std::function<void(QPainter&)> m_overlay;
};

} // namespace vellomir::ui
