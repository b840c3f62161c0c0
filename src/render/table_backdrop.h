#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

#include <vector>

namespace vellomir::render {

// The bare table under the cards, kept as the rule that paints it rather than
// as a screen-sized picture: any part of it is painted on demand, pixel for
// pixel what a whole painted picture of the table's extent would hold. The
// table's backgrounds are all of this kind: one colour, a colour with its
// fade (one colour to each row), a picture tiled from the top-left corner, or
// a picture laid at the top-left corner over a colour.
class TableBackdrop {
public:
    // One colour everywhere.
    void setPlain(QColor colour);
    // `colour` faded to black downwards over the extent and `extraRows`
    // rows below it (see fillFade).
    void setFade(QColor colour, int extraRows);
    // `tile` repeated from the top-left corner; an empty tile leaves
    // `under` showing.
    void setTiled(const QImage& tile, QColor under);
    // `picture` at the top-left corner, `under` beyond it.
    void setPicture(const QImage& picture, QColor under);

    // The extent in logical pixels, `ratio` device pixels each, in the pixel
    // format of the pictures it is painted into (32 bits a pixel).
    void setExtent(QSize size, int ratio, QImage::Format format = QImage::Format_RGB32);
    QRect extent() const { return QRect(QPoint(0, 0), m_size); }
    bool contains(int x, int y) const { return extent().contains(x, y); }

    // Paints the logical rectangle `source` of the backdrop into `dst` at
    // `to`, clipped to the extent and to `dst` as copyPixels clips.
    void paint(QImage& dst, QPoint to, QRect source) const;
    // One logical pixel, when it lies inside the extent and `dst`.
    void paintPixel(QImage& dst, QPoint to, QPoint from) const {
        paint(dst, to, QRect(from, QSize(1, 1)));
    }
    // The whole extent as a picture (for previews and checks; the table
    // itself never holds one).
    QImage picture() const;
    // Bytes held for painting (the tile, the picture and the row colours).
    qsizetype bytesHeld() const;
    // Changes with every change of the backdrop's pixels.
    quint64 generation() const { return m_generation; }

private:
    enum class Kind { Plain, Fade, Tiled, Picture };
    void prepare();
    void fillRow(QRgb* into, int deviceY, int deviceX, int width) const;

    Kind m_kind = Kind::Plain;
    QColor m_colour{0, 96, 0};
    int m_extraRows = 1;
    QImage m_source; // the tile or the picture as given
    QSize m_size;
    int m_ratio = 1;
    QImage::Format m_format = QImage::Format_RGB32;
    // Ready to copy: the tile or picture at the ratio and in the format, and
    // the colour of each device row of a fade.
    QImage m_prepared;
    std::vector<QRgb> m_rows;
    QRgb m_fill = 0xff000000;
    quint64 m_generation = 0;
};

} // namespace vellomir::render
