#include "table_backgrounds.h"

#include "render/card_art/paint_kit.h"
#include "resource_set.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vellomir::tools {

using namespace art;
namespace {

// A picture built pixel by pixel from a colour function of (x, y).
template <typename Shade> QImage shaded(int width, int height, Shade shade) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = shade(x, y).rgb();
        }
    }
    return image;
}

QColor scaled(const QColor& c, qreal f) {
    return QColor::fromRgbF(std::clamp(c.redF() * f, 0.0, 1.0),
                            std::clamp(c.greenF() * f, 0.0, 1.0),
                            std::clamp(c.blueF() * f, 0.0, 1.0));
}

// "Moquette": a geometric carpet in a few flat colours (it is meant for
// screens of 256 colours): a lattice of diamonds with a dot in each.
QImage moquette() {
    const int n = 32;
    const QColor ground(24, 70, 52);
    const QColor diamond(36, 96, 70);
    const QColor line(120, 40, 40);
    const QColor dot(200, 170, 90);
    return shaded(n, n, [&](int x, int y) {
        const int dx = std::abs(x - n / 2);
        const int dy = std::abs(y - n / 2);
        const int d = dx + dy;
        if (d == 15 || d == 16) {
            return line;
        }
        if (d <= 2) {
            return dot;
        }
        if (d < 12 && d > 8) {
            return diamond;
        }
        if ((x + y) % 4 == 0 && d > 16) {
            return diamond;
        }
        return ground;
    });
}

// "Metal gold": brushed gold, the strokes running across.
QImage metalGold() {
    const int n = 128;
    const TileNoise rows(n, 2, 287);
    const TileNoise fine(n, 2, 288);
    const TileFractal broad(n, 32, 289);
    const QColor dark(168, 124, 40);
    const QColor light(248, 214, 120);
    return shaded(n, n, [&](int x, int y) {
        // Fine brushed streaks (every row its own brightness), soft clouding,
        // and a sheen along the diagonal that repeats with the tile.
        const qreal streak = 0.7 * rows.at(0, y) + 0.3 * fine.at(x, y);
        const qreal sheen = 0.5 + 0.5 * std::sin((x + y) * 2 * M_PI / n);
        const qreal s = 0.25 * streak + 0.35 * broad.at(x, y) + 0.4 * sheen;
        return mix(dark, light, s);
    });
}

// "Moquette 1": a cut-pile carpet in deep teal, fine and soft.
QImage moquette1() {
    const int n = 128;
    const TileFractal pile(n, 16, 296);
    const TileNoise fibres(n, 2, 297);
    const QColor base(22, 84, 92);
    return shaded(n, n, [&](int x, int y) {
        const qreal f = 0.80 + 0.30 * pile.at(x, y) + 0.18 * (fibres.at(x, y) - 0.5);
        // A faint weave so it reads as cloth.
        const qreal weave = ((x / 2 + y / 2) % 2) ? 1.0 : 0.96;
        return scaled(base, f * weave);
    });
}

// "Brick wall 1": red bricks in running bond with pale mortar; each brick
// has its own tone.
QImage brickWall() {
    const int w = 128;
    const int h = 64;
    const int brickW = 32;
    const int brickH = 16;
    const TileFractal grain(w, 8, 304);
    Dice dice(305);
    QList<qreal> tones;
    for (int i = 0; i < (w / brickW) * (h / brickH); ++i) {
        tones.append(dice.range(0.82, 1.12));
    }
    const QColor brick(164, 64, 44);
    const QColor mortar(196, 186, 168);
    return shaded(w, h, [&](int x, int y) {
        const int row = y / brickH;
        const int shift = row % 2 ? brickW / 2 : 0;
        const int bx = (x + shift) % w;
        const int col = bx / brickW;
        const int inX = bx % brickW;
        const int inY = y % brickH;
        const qreal g = grain.at(x, y);
        if (inY < 2 || inX < 2) {
            return scaled(mortar, 0.85 + 0.25 * g);
        }
        qreal f = tones[row * (w / brickW) + col] * (0.86 + 0.28 * g);
        // Light from the top left: bright upper edge, dark lower edge.
        if (inY == 2 || inX == 2) {
            f *= 1.12;
        } else if (inY == brickH - 1 || inX == brickW - 1) {
            f *= 0.8;
        }
        return scaled(brick, f);
    });
}

// "Parquet": oak blocks of four strips laid in a basket weave.
QImage parquet() {
    const int n = 128;
    const int block = 32;
    const int strip = block / 4;
    const TileNoise grainAlong(n, 4, 311);
    const TileFractal figure(n, 16, 312);
    Dice dice(313);
    QList<qreal> tones;
    for (int i = 0; i < (n / block) * (n / block) * 4; ++i) {
        tones.append(dice.range(0.85, 1.1));
    }
    const QColor oak(176, 122, 66);
    return shaded(n, n, [&](int x, int y) {
        const int bx = x / block;
        const int by = y / block;
        const bool across = (bx + by) % 2 == 0;
        const int inX = x % block;
        const int inY = y % block;
        const int stripIndex = across ? inY / strip : inX / strip;
        const int inStrip = across ? inY % strip : inX % strip;
        const qreal along = across ? x : y;
        const qreal side = across ? y : x;
        const qreal tone = tones[((by * (n / block) + bx) * 4) + stripIndex];
        // Grain: long thin lines that waver along the strip.
        const qreal wave = figure.at(x, y) * 6;
        const qreal lines = 0.5 + 0.5 * std::sin((side * 2.2 + wave) * 1.3 + along * 0.02);
        qreal f = tone * (0.86 + 0.12 * lines +
                          0.1 * (grainAlong.at(across ? x / 4.0 : x, across ? y : y / 4.0) - 0.5));
        if (inStrip == 0) {
            f *= 0.62; // the joint between strips
        }
        if ((across ? inX : inY) == 0) {
            f *= 0.55; // the joint between blocks
        }
        return scaled(oak, f);
    });
}

// "Meadow": grass seen from above, blades in many greens with a few flowers.
QImage meadow() {
    const int n = 128;
    const TileFractal ground(n, 32, 324);
    QImage image = shaded(n, n, [&](int x, int y) {
        return mix(QColor(40, 90, 24), QColor(84, 140, 40), ground.at(x, y));
    });
    QPainter p;
    beginPainter(p, image);
    Dice dice(325);
    // Blades are drawn nine times, shifted by the tile size, so that those
    // crossing an edge continue on the other side.
    for (int i = 0; i < 900; ++i) {
        const QPointF root(dice.range(0, n), dice.range(0, n));
        const qreal len = dice.range(4, 10);
        const qreal angle = dice.range(-0.9, 0.9) - M_PI / 2;
        const QPointF tip = root + QPointF(std::cos(angle) * len, std::sin(angle) * len);
        const QColor c = mix(QColor(50, 110, 30), QColor(150, 200, 70), dice.unit());
        p.setPen(QPen(c, dice.range(0.8, 1.5), Qt::SolidLine, Qt::RoundCap));
        for (int sx = -1; sx <= 1; ++sx) {
            for (int sy = -1; sy <= 1; ++sy) {
                const QPointF shift(sx * n, sy * n);
                p.drawLine(root + shift, tip + shift);
            }
        }
    }
    const QColor petals[] = {{250, 250, 240}, {250, 220, 60}, {200, 120, 220}};
    for (int i = 0; i < 9; ++i) {
        const QPointF c(dice.range(4, n - 4), dice.range(4, n - 4));
        p.setPen(Qt::NoPen);
        p.setBrush(petals[i % 3]);
        for (int k = 0; k < 5; ++k) {
            const qreal a = k * 2 * M_PI / 5;
            p.drawEllipse(c + QPointF(std::cos(a) * 1.5, std::sin(a) * 1.5), 1.2, 1.2);
        }
        p.setBrush(QColor(240, 180, 30));
        p.drawEllipse(c, 0.9, 0.9);
    }
    p.end();
    return image;
}

} // namespace

QImage drawTableBackground(int number) {
    switch (number) {
    case 102:
        return moquette();
    case 287:
        return metalGold();
    case 296:
        return moquette1();
    case 304:
        return brickWall();
    case 311:
        return parquet();
    default:
        return meadow();
    }
}

void addTableBackgrounds(ResourceSet& resources) {
    resources.setSection(QStringLiteral("Backgrounds (tiled 2 x 2)"));
    for (const int number : kBackgroundNumbers) {
        resources.addBitmap(QStringLiteral("B%1").arg(number, 3, 10, QLatin1Char('0')),
                            drawTableBackground(number));
    }
}

} // namespace vellomir::tools
