#include "render/table_backdrop.h"

#include "render/pixel_ops.h"
#include "render/table_background.h"

#include <algorithm>
#include <cstring>

namespace vellomir::render {
namespace {

// The rows of device pixels a fade bands, as fillFade bands them.
constexpr int kFadeBands = 256;

} // namespace

void TableBackdrop::setPlain(QColor colour) {
    m_kind = Kind::Plain;
    m_colour = colour;
    m_source = QImage();
    prepare();
}

void TableBackdrop::setFade(QColor colour, int extraRows) {
    m_kind = Kind::Fade;
    m_colour = colour;
    m_extraRows = extraRows;
    m_source = QImage();
    prepare();
}

void TableBackdrop::setTiled(const QImage& tile, QColor under) {
    m_kind = Kind::Tiled;
    m_colour = under;
    m_source = tile;
    prepare();
}

void TableBackdrop::setPicture(const QImage& picture, QColor under) {
    m_kind = Kind::Picture;
    m_colour = under;
    m_source = picture;
    prepare();
}

void TableBackdrop::setExtent(QSize size, int ratio, QImage::Format format) {
    const int r = std::max(1, ratio);
    if (size == m_size && r == m_ratio && format == m_format) {
        return;
    }
    m_size = size;
    m_ratio = r;
    m_format = format;
    prepare();
}

void TableBackdrop::prepare() {
    ++m_generation;
    // What a fill of the format stores for the colour.
    QImage one(1, 1, m_format);
    one.fill(m_colour);
    m_fill = reinterpret_cast<const QRgb*>(one.constScanLine(0))[0];
    m_prepared = QImage();
    m_rows.clear();
    switch (m_kind) {
    case Kind::Plain:
        break;
    case Kind::Fade: {
        // The bands fillFade lays over the extent and the extra rows, each
        // device row taking the colour of its band.
        const int rows = m_size.height() * m_ratio;
        m_rows.assign(static_cast<std::size_t>(std::max(0, rows)), m_fill);
        const int height = (m_size.height() + m_extraRows) * m_ratio;
        for (int k = 0; k < kFadeBands; ++k) {
            const int top = k == kFadeBands - 1 ? 0 : height - mulDiv(k + 1, height, kFadeBands);
            const int end = height - mulDiv(k, height, kFadeBands);
            const QRgb rgb =
                qRgb(mulDiv(k, m_colour.red(), kFadeBands), mulDiv(k, m_colour.green(), kFadeBands),
                     mulDiv(k, m_colour.blue(), kFadeBands));
            for (int y = std::max(0, top); y < std::min(end, rows); ++y) {
                m_rows[static_cast<std::size_t>(y)] = rgb;
            }
        }
        break;
    }
    case Kind::Tiled:
    case Kind::Picture:
        if (!m_source.isNull() && m_source.width() > 0 && m_source.height() > 0) {
            m_prepared = atPixelRatio(
                m_source.format() == m_format ? m_source : m_source.convertToFormat(m_format),
                m_ratio);
            if (m_prepared.depth() != 32 || logicalRect(m_prepared).isEmpty()) {
                m_prepared = QImage();
            }
        }
        break;
    }
}

void TableBackdrop::fillRow(QRgb* into, int y, int x, int width) const {
    switch (m_kind) {
    case Kind::Plain:
        std::fill(into, into + width, m_fill);
        return;
    case Kind::Fade:
        std::fill(into, into + width, m_rows[static_cast<std::size_t>(y)]);
        return;
    case Kind::Tiled: {
        if (m_prepared.isNull()) {
            std::fill(into, into + width, m_fill);
            return;
        }
        const int tileWidth = m_prepared.width();
        const QRgb* line =
            reinterpret_cast<const QRgb*>(m_prepared.constScanLine(y % m_prepared.height()));
        int column = x % tileWidth;
        while (width > 0) {
            const int run = std::min(width, tileWidth - column);
            std::memcpy(into, line + column, static_cast<std::size_t>(run) * sizeof(QRgb));
            into += run;
            width -= run;
            column = 0;
        }
        return;
    }
    case Kind::Picture: {
        const bool onPicture = !m_prepared.isNull() && y < m_prepared.height();
        const int covered = onPicture ? std::clamp(m_prepared.width() - x, 0, width) : 0;
        if (covered > 0) {
            const QRgb* line = reinterpret_cast<const QRgb*>(m_prepared.constScanLine(y));
            std::memcpy(into, line + x, static_cast<std::size_t>(covered) * sizeof(QRgb));
        }
        std::fill(into + covered, into + width, m_fill);
        return;
    }
    }
}

void TableBackdrop::paint(QImage& dst, QPoint to, QRect source) const {
    if (dst.depth() != 32 || source.isEmpty()) {
        return;
    }
    if (pixelRatioOf(dst) != m_ratio) {
        // Not the ratio it was set up for: painted at its own, then copied
        // (and scaled) as any picture is.
        QImage part(source.size() * m_ratio, m_format);
        part.setDevicePixelRatio(m_ratio);
        paint(part, QPoint(0, 0), source);
        copyPixels(dst, to, part);
        return;
    }
    // In device pixels, clipped to the extent and then to the target.
    const int r = m_ratio;
    QRect from(source.x() * r, source.y() * r, source.width() * r, source.height() * r);
    QPoint at(to.x() * r, to.y() * r);
    const QRect inside = from & QRect(QPoint(0, 0), m_size * r);
    if (inside.isEmpty()) {
        return;
    }
    at += inside.topLeft() - from.topLeft();
    from = inside;
    const QRect target(at, from.size());
    const QRect visible = target & dst.rect();
    if (visible.isEmpty()) {
        return;
    }
    from.translate(visible.topLeft() - target.topLeft());
    from.setSize(visible.size());
    at = visible.topLeft();
    for (int row = 0; row < from.height(); ++row) {
        QRgb* into = reinterpret_cast<QRgb*>(dst.scanLine(at.y() + row)) + at.x();
        fillRow(into, from.top() + row, from.left(), from.width());
    }
}

QImage TableBackdrop::picture() const {
    QImage whole(m_size * m_ratio, m_format);
    whole.setDevicePixelRatio(m_ratio);
    paint(whole, QPoint(0, 0), extent());
    return whole;
}

qsizetype TableBackdrop::bytesHeld() const {
    return m_prepared.sizeInBytes() + m_source.sizeInBytes() +
           static_cast<qsizetype>(m_rows.size() * sizeof(QRgb));
}

} // namespace vellomir::render
