#pragma once

#include "seam/table_drawing.h"

#include <QImage>
#include <QPoint>
#include <QSize>

#include <string>

namespace vellomir::render {

/// What draws the table for the main window: the core's drawing and card
/// motion operations, and what the table view shows. The table renderer is one; the
/// frontend tests use a fake that notes the calls.
class DrawingTarget : public seam::TableDrawing {
public:
    /// The size of the window's table area; the window picture follows it.
    virtual void setWindowSize(QSize size) = 0;
    /// Sizes the table buffer and paints the background over it.
    virtual void resizeBuffers(QSize size) = 0;
    /// What the table view shows: `picture` from the logical point `origin`
    /// on, over an area of `size` logical pixels; where the picture does not
    /// reach inside that area the table is black. Null before anything is drawn.
    struct WindowView {
        const QImage* picture = nullptr;
        QPoint origin;
        QSize size;
    };
    virtual WindowView windowView() const = 0;
    /// The same as one picture of the area's size (previews and checks).
    virtual const QImage& windowImage() const = 0;
    /// Shows the table buffer, from the scroll position, over the whole window.
    virtual void repaintWindow() = 0;
    /// The card size changed: rebuild the card pictures.
    virtual void cardSizeChanged() = 0;
    /// Device pixels to each logical pixel of the screen the table shows on;
    /// a change remakes every picture, and the table must be drawn again.
    virtual void setPixelRatio(int ratio) = 0;
    /// Marks a hinted move: the card at the place `source` (with the cards on
    /// it) and the pile `target` (none when empty), until clearHintMarks.
    virtual void markHint(const std::string& source, const std::string& target) = 0;
    virtual void clearHintMarks() = 0;
    /// How far down the drawn cards reach, in table coordinates (the scroll
    /// range follows it), measured from the last drawing of the whole table.
    virtual int lowestDrawnEdge() const = 0;
    /// Puts that measure back (cards thrown by the winning animation are not
    /// part of the table).
    virtual void setLowestDrawnEdge(int edge) = 0;
};

} // namespace vellomir::render
