#pragma once

#include <QImage>
#include <QSize>

namespace vellomir::render {

/// A new, uninitialised picture for the table's screen-sized buffers. Its
/// pixels are asked of the system in large pages where it can give them:
/// touching a fresh buffer of several megabytes page by page costs tens of
/// milliseconds on some machines, which the player waits for at start-up and
/// on every resize. Falls back to an ordinary QImage otherwise.
QImage makeLargeImage(QSize size, QImage::Format format = QImage::Format_RGB32);

} // namespace vellomir::render
