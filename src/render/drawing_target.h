#pragma once

#include "seam/table_drawing.h"

#include <QImage>
#include <QSize>

#include <string>

namespace vellomir::render {

/// What draws the table for the main window: the core's drawing and card
/// motion operations, and the window picture the table view shows with the
/// table and background buffers behind it. The table renderer is one; the
/// frontend tests use a fake that notes the calls.
class DrawingTarget : public seam::TableDrawing {
public:
    /// The size of the window's table area; the window picture follows it.
    virtual void setWindowSize(QSize size) = 0;
    /// Sizes the table and background buffers and paints the background.
    virtual void resizeBuffers(QSize size) = 0;
    /// The picture the table view shows.
    virtual const QImage& windowImage() const = 0;
    /// Copies the table buffer, from the scroll position, over the window picture.
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
