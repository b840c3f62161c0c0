#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

namespace vellomir::tools {

class ResourceSet;

struct CursorPicture {
    QImage image;
    QPoint hotSpot;
};

// One of the twelve table cursors, by name: "CUR_" + ARROW1, ARROW2,
// RIGHT_HAND1, RIGHT_HAND2, LEFT_HAND1 or LEFT_HAND2, + "A" at rest or "B"
// while carrying cards.
CursorPicture drawCursor(const QString& name);

void addCursors(ResourceSet& resources);

} // namespace vellomir::tools
