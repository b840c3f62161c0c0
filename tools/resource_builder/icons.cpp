#include "icons.h"

#include "render/card_art/paint_kit.h"
#include "resource_set.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

namespace vellomir::tools {

using namespace art;
namespace {

const QColor kOutline(40, 40, 48);
const QColor kFolder(240, 200, 80);
const QColor kFolderDark(190, 140, 40);

QPen outline(qreal width = 1.0) {
    QPen pen(kOutline, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// An icon drawn on a see-through square and then laid on the mask colour.
QImage icon(const std::function<void(QPainter&)>& draw) {
    QImage image = newImage(kIconSize, kIconSize);
    QPainter p;
    beginPainter(p, image);
    draw(p);
    p.end();
    return flattenOnMask(image, kIconMask, Qt::white);
}

// A small card, face up (white) or down (blue), with an optional suit.
void miniCard(QPainter& p, const QRectF& r, bool faceUp = true, int suit = -1) {
    p.setPen(outline(0.9));
    p.setBrush(faceUp ? QColor(Qt::white) : QColor(40, 80, 190));
    p.drawRoundedRect(r, 1.2, 1.2);
    if (suit >= 0) {
        const qreal s = std::min(r.width(), r.height()) * 0.55;
        drawSuit(p, kSuits[suit], QRectF(r.center().x() - s / 2, r.center().y() - s / 2, s, s));
    }
}

void drawFolder(QPainter& p, bool open) {
    p.setPen(outline(0.9));
    p.setBrush(kFolderDark);
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6, 3.5);
    back.lineTo(7.5, 5);
    back.lineTo(14.5, 5);
    back.lineTo(14.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(kFolder);
    if (open) {
        QPainterPath front;
        front.moveTo(3.5, 7.5);
        front.lineTo(15.5, 7.5);
        front.lineTo(13.5, 13.5);
        front.lineTo(1.5, 13.5);
        front.closeSubpath();
        p.drawPath(front);
    } else {
        p.drawRect(QRectF(1.5, 6.5, 13, 7));
    }
}

void drawTypePictogram(QPainter& p, const QString& name) {
    const auto is = [&name](const char* type) { return name == QLatin1String(type); };
    if (is("TREE5_CANFIELD_TYPE")) {
        miniCard(p, {1.5, 1.5, 8, 11}, false);
        miniCard(p, {6.5, 3.5, 8, 11}, true, 1);
    } else if (is("TREE5_FORTYTHIEVES_TYPE")) {
        for (int i = 0; i < 4; ++i) {
            miniCard(p, {0.5 + i * 3.8, 1.5, 4, 6});
            miniCard(p, {0.5 + i * 3.8, 8.5, 4, 6}, true);
        }
    } else if (is("TREE5_FREECELL_TYPE")) {
        p.setPen(outline(0.9));
        p.setBrush(QColor(210, 230, 250));
        for (int i = 0; i < 2; ++i) {
            for (int j = 0; j < 2; ++j) {
                p.drawRect(QRectF(1.5 + i * 7, 1.5 + j * 7, 6, 6));
            }
        }
        drawSuit(p, Suit::Hearts, {9.5, 9.5, 4, 4});
    } else if (is("TREE5_KLONDIKE_TYPE")) {
        for (int i = 0; i < 3; ++i) {
            miniCard(p, {1.5 + i * 4.5, 1.5 + i * 3, 6, 8}, i == 2, i == 2 ? 0 : -1);
        }
    } else if (is("TREE5_PAIRING_TYPE")) {
        miniCard(p, {0.5, 2.5, 7, 10}, true, 3);
        miniCard(p, {8.5, 2.5, 7, 10}, true, 2);
    } else if (is("TREE5_SIMPLEGAMES_TYPE")) {
        miniCard(p, {3.5, 1.5, 9, 13}, true, 0);
    } else if (is("TREE5_SPIDER_TYPE")) {
        p.setPen(outline(1.0));
        for (int i = 0; i < 4; ++i) {
            const qreal y = 5 + i * 2.2;
            p.drawLine(QPointF(8, 8), QPointF(2, y - 2 + i * 0.6));
            p.drawLine(QPointF(8, 8), QPointF(14, y - 2 + i * 0.6));
        }
        p.setBrush(kOutline);
        p.drawEllipse(QPointF(8, 9), 2.6, 3.2);
        p.drawEllipse(QPointF(8, 5), 1.8, 1.8);
    } else if (is("TREE5_1DECK_TYPE") || is("TREE5_2DECK_TYPE")) {
        const bool two = is("TREE5_2DECK_TYPE");
        if (two) {
            miniCard(p, {1.5, 1.5, 9, 12}, false);
        }
        miniCard(p, {two ? 5.5 : 3.5, two ? 3.0 : 1.5, 9, 12});
        drawStrokeText(p, two ? QStringLiteral("2") : QStringLiteral("1"),
                       QRectF(two ? 7 : 5, two ? 4.5 : 3.5, 6, 9), kRedInk, 1.4, Qt::AlignHCenter);
    } else if (is("TREE5_FAN_TYPE")) {
        for (int i = -1; i <= 1; ++i) {
            p.save();
            p.translate(8, 14);
            p.rotate(i * 25);
            miniCard(p, {-3.5, -12.5, 7, 10}, true, i == 1 ? 0 : -1);
            p.restore();
        }
    } else if (is("TREE5_BAKERSDOZEN_TYPE")) {
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 2; ++j) {
                miniCard(p, {1 + i * 5.0, 1.5 + j * 3.5, 4.5, 9}, true);
            }
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 140, 60));
        p.drawEllipse(QPointF(8, 13.5), 6.5, 2.2);
    } else if (is("TREE5_ROW_TYPE")) {
        for (int i = 0; i < 4; ++i) {
            miniCard(p, {0.5 + i * 3.8, 4.5, 5, 7}, true, i == 3 ? 3 : -1);
        }
    } else if (is("TREE5_PUZZLE_TYPE")) {
        QPainterPath piece;
        piece.moveTo(2.5, 4.5);
        piece.lineTo(6, 4.5);
        piece.arcTo(QRectF(6, 1.5, 4, 4), 200, -220);
        piece.lineTo(13.5, 4.5);
        piece.lineTo(13.5, 8);
        piece.arcTo(QRectF(11.5, 8, 4, 4), 110, -220);
        piece.lineTo(13.5, 14.5);
        piece.lineTo(2.5, 14.5);
        piece.closeSubpath();
        p.setPen(outline(0.9));
        p.setBrush(QColor(110, 170, 230));
        p.drawPath(piece);
    } else if (is("TREE5_ADDITION_TYPE")) {
        miniCard(p, {2.5, 1.5, 11, 13});
        drawStrokeText(p, QStringLiteral("+"), QRectF(3.5, 2.5, 9, 11), QColor(30, 120, 40), 2.0,
                       Qt::AlignHCenter);
    } else if (is("TREE5_MEMORY_TYPE")) {
        miniCard(p, {2.5, 1.5, 11, 13}, false);
        drawStrokeText(p, QStringLiteral("?"), QRectF(5, 4, 6, 8), Qt::white, 1.4,
                       Qt::AlignHCenter);
    } else if (is("TREE5_BELEAGUEREDCASTLE_TYPE")) {
        QPainterPath castle;
        castle.moveTo(2.5, 14.5);
        castle.lineTo(2.5, 3.5);
        for (int i = 0; i < 5; ++i) {
            const qreal x = 2.5 + i * 2.2;
            castle.lineTo(x, i % 2 ? 5.5 : 3.5);
            castle.lineTo(x + 2.2, i % 2 ? 5.5 : 3.5);
        }
        castle.lineTo(13.5, 14.5);
        castle.closeSubpath();
        p.setPen(outline(0.9));
        p.setBrush(QColor(180, 176, 166));
        p.drawPath(castle);
        p.setBrush(kOutline);
        p.drawRoundedRect(QRectF(6.5, 9.5, 3, 5), 1.4, 1.4);
    } else if (is("TREE5_QUEENOFITALY_TYPE")) {
        QPainterPath crown;
        crown.moveTo(2, 12.5);
        crown.lineTo(1.5, 4.5);
        crown.lineTo(5, 8);
        crown.lineTo(8, 3);
        crown.lineTo(11, 8);
        crown.lineTo(14.5, 4.5);
        crown.lineTo(14, 12.5);
        crown.closeSubpath();
        p.setPen(outline(0.9));
        p.setBrush(QColor(240, 196, 50));
        p.drawPath(crown);
        p.setBrush(QColor(200, 30, 40));
        p.drawEllipse(QPointF(8, 10), 1.3, 1.3);
    } else if (is("TREE5_YUKON_TYPE")) {
        p.setPen(QPen(QColor(40, 110, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            const qreal a = i * M_PI / 3;
            p.drawLine(QPointF(8 - 6 * std::cos(a), 8 - 6 * std::sin(a)),
                       QPointF(8 + 6 * std::cos(a), 8 + 6 * std::sin(a)));
        }
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(8, 8), 1.6, 1.6);
    } else if (is("TREE5_MATHEMATICAL_TYPE")) {
        miniCard(p, {2.5, 1.5, 11, 13});
        drawStrokeText(p, QStringLiteral("="), QRectF(4, 4, 8, 8), QColor(30, 60, 170), 1.6,
                       Qt::AlignHCenter);
    } else if (is("TREE5_SIRTOMMY_TYPE")) {
        p.setPen(outline(0.9));
        p.setBrush(QColor(40, 40, 50));
        p.drawRect(QRectF(4.5, 2.5, 7, 9));
        p.drawRoundedRect(QRectF(1.5, 11.5, 13, 2.5), 1, 1);
        p.setBrush(QColor(200, 30, 40));
        p.drawRect(QRectF(4.5, 9, 7, 2));
    } else if (is("TREE5_NONBUILDERS_TYPE")) {
        miniCard(p, {1.5, 1.5, 9, 12});
        miniCard(p, {5.5, 3.5, 9, 12}, true, 3);
        p.setPen(QPen(QColor(210, 40, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(2, 14), QPointF(14, 2));
    } else if (is("TREE5_CUSTOMIZED_GAMES")) {
        miniCard(p, {1.5, 1.5, 10, 13});
        // A pencil across the card.
        p.save();
        p.translate(9, 9);
        p.rotate(-45);
        p.setPen(outline(0.8));
        p.setBrush(QColor(240, 190, 40));
        p.drawRect(QRectF(-2, -7, 4, 10));
        QPainterPath tip;
        tip.moveTo(-2, 3);
        tip.lineTo(2, 3);
        tip.lineTo(0, 7);
        tip.closeSubpath();
        p.setBrush(QColor(250, 220, 180));
        p.drawPath(tip);
        p.restore();
    }
}

// Level bars: `lit` of `count` bars rising left to right, in `colour`.
QImage levelBars(int lit, int count, const QColor& colour) {
    QImage image = newImage(24, 16);
    QPainter p;
    beginPainter(p, image);
    const qreal barW = 20.0 / count;
    for (int i = 0; i < count; ++i) {
        const qreal h = 4 + 10.0 * (i + 1) / count;
        const QRectF r(2 + i * barW, 15 - h, barW - 1.2, h);
        p.setPen(QPen(QColor(60, 60, 60), 0.8));
        p.setBrush(i < lit ? colour : QColor(225, 225, 225));
        p.drawRect(r);
    }
    p.end();
    return image;
}

// A clock face whose shaded sector tells the game time.
QImage clockPicture(qreal fraction, const QColor& colour) {
    QImage image = newImage(24, 16);
    QPainter p;
    beginPainter(p, image);
    const QRectF face(4.5, 0.5, 15, 15);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawEllipse(face);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPie(face.adjusted(1.5, 1.5, -1.5, -1.5), 90 * 16, -static_cast<int>(fraction * 360 * 16));
    p.setPen(QPen(QColor(40, 40, 40), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(face.center(), face.center() + QPointF(0, -5.5));
    p.drawLine(face.center(), face.center() + QPointF(4, 0));
    p.end();
    return image;
}

} // namespace

QStringList gameTypeIconNames() {
    return {
        QStringLiteral("TREE5_CANFIELD_TYPE"),     QStringLiteral("TREE5_FORTYTHIEVES_TYPE"),
        QStringLiteral("TREE5_FREECELL_TYPE"),     QStringLiteral("TREE5_KLONDIKE_TYPE"),
        QStringLiteral("TREE5_PAIRING_TYPE"),      QStringLiteral("TREE5_SIMPLEGAMES_TYPE"),
        QStringLiteral("TREE5_SPIDER_TYPE"),       QStringLiteral("TREE5_1DECK_TYPE"),
        QStringLiteral("TREE5_2DECK_TYPE"),        QStringLiteral("TREE5_FAN_TYPE"),
        QStringLiteral("TREE5_BAKERSDOZEN_TYPE"),  QStringLiteral("TREE5_ROW_TYPE"),
        QStringLiteral("TREE5_PUZZLE_TYPE"),       QStringLiteral("TREE5_ADDITION_TYPE"),
        QStringLiteral("TREE5_MEMORY_TYPE"),       QStringLiteral("TREE5_BELEAGUEREDCASTLE_TYPE"),
        QStringLiteral("TREE5_QUEENOFITALY_TYPE"), QStringLiteral("TREE5_YUKON_TYPE"),
        QStringLiteral("TREE5_MATHEMATICAL_TYPE"), QStringLiteral("TREE5_SIRTOMMY_TYPE"),
        QStringLiteral("TREE5_NONBUILDERS_TYPE"),  QStringLiteral("TREE5_CUSTOMIZED_GAMES")};
}

QStringList descriptionPictureNames() {
    return {QStringLiteral("PROG_TIME_LONG"),
            QStringLiteral("PROG_TIME_MEDIUM"),
            QStringLiteral("PROG_TIME_QUICK"),
            QStringLiteral("PROG_DIFF_EASY"),
            QStringLiteral("PROG_DIFF_MEDIUM"),
            QStringLiteral("PROG_DIFF_HARD"),
            QStringLiteral("PROG_CHAN_VERYHIGH"),
            QStringLiteral("PROG_CHAN_HIGH"),
            QStringLiteral("PROG_CHAN_MEDIUM"),
            QStringLiteral("PROG_CHAN_LOW"),
            QStringLiteral("PROG_CHAN_VERYLOW"),
            QStringLiteral("PROG_SKILL_DIFFICULT"),
            QStringLiteral("PROG_SKILL_MOSTLYSKILL"),
            QStringLiteral("PROG_SKILL_MODERATE"),
            QStringLiteral("PROG_SKILL_MOSTLYCHANCE"),
            QStringLiteral("PROG_SKILL_CHANCEONLY"),
            QStringLiteral("PROG_DISABLED")};
}

QImage drawTypeIcon(const QString& name) {
    return icon([&name](QPainter& p) { drawTypePictogram(p, name); });
}

QImage drawDescriptionPicture(const QString& name) {
    const QColor green(60, 170, 60);
    const QColor amber(240, 170, 30);
    const QColor red(220, 50, 40);
    const QColor blue(50, 100, 210);
    const QColor traffic[] = {green, QColor(150, 200, 50), amber, QColor(240, 110, 30), red};
    if (name == QLatin1String("PROG_TIME_QUICK")) {
        return clockPicture(0.25, green);
    }
    if (name == QLatin1String("PROG_TIME_MEDIUM")) {
        return clockPicture(0.5, amber);
    }
    if (name == QLatin1String("PROG_TIME_LONG")) {
        return clockPicture(0.8, red);
    }
    if (name == QLatin1String("PROG_DIFF_EASY")) {
        return levelBars(1, 3, green);
    }
    if (name == QLatin1String("PROG_DIFF_MEDIUM")) {
        return levelBars(2, 3, amber);
    }
    if (name == QLatin1String("PROG_DIFF_HARD")) {
        return levelBars(3, 3, red);
    }
    // Chance of winning: very high lights all five bars in green, very low one in red.
    const QStringList chance = {QStringLiteral("PROG_CHAN_VERYHIGH"),
                                QStringLiteral("PROG_CHAN_HIGH"),
                                QStringLiteral("PROG_CHAN_MEDIUM"), QStringLiteral("PROG_CHAN_LOW"),
                                QStringLiteral("PROG_CHAN_VERYLOW")};
    if (const int i = chance.indexOf(name); i >= 0) {
        return levelBars(5 - i, 5, traffic[i]);
    }
    // Skill: "Difficult" (all skill) lights five bars, "Chance only" one.
    const QStringList skill = {
        QStringLiteral("PROG_SKILL_DIFFICULT"), QStringLiteral("PROG_SKILL_MOSTLYSKILL"),
        QStringLiteral("PROG_SKILL_MODERATE"), QStringLiteral("PROG_SKILL_MOSTLYCHANCE"),
        QStringLiteral("PROG_SKILL_CHANCEONLY")};
    if (const int i = skill.indexOf(name); i >= 0) {
        return levelBars(5 - i, 5, blue);
    }
    return levelBars(0, 5, Qt::gray); // PROG_DISABLED: every bar grey
}

void addIcons(ResourceSet& resources) {
    resources.setSection(QStringLiteral("Suit symbols, tree icons"));
    const char* suitNames[] = {"SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS", "SUIT_SPADES"};
    for (int s = 0; s < 4; ++s) {
        // Drawn on the white joker label.
        QImage image = newImage(9, 10, Qt::white);
        QPainter p;
        beginPainter(p, image);
        drawSuit(p, kSuits[s], QRectF(0, 0.5, 9, 9.5));
        p.end();
        resources.addBitmap(QString::fromLatin1(suitNames[s]), image);
    }
    resources.addBitmap(QStringLiteral("TREE1"), icon([](QPainter& p) { drawFolder(p, false); }));
    resources.addBitmap(QStringLiteral("TREE2"), icon([](QPainter& p) { drawFolder(p, true); }));
    resources.addBitmap(QStringLiteral("N_TREE3"), icon([](QPainter& p) { drawFolder(p, false); }));
    resources.addBitmap(QStringLiteral("N_TREE4"), icon([](QPainter& p) { drawFolder(p, true); }));
    resources.addBitmap(QStringLiteral("N_TREE5"), icon([](QPainter& p) {
                            miniCard(p, {1.5, 2.5, 9, 12}, false);
                            miniCard(p, {5.5, 1.5, 9, 12}, true, 0);
                        }));
    resources.setSection(QStringLiteral("Game-type icons"));
    for (const QString& name : gameTypeIconNames()) {
        resources.addBitmap(name, drawTypeIcon(name));
    }
    resources.setSection(QStringLiteral("Description pictures"));
    for (const QString& name : descriptionPictureNames()) {
        resources.addBitmap(name, drawDescriptionPicture(name));
    }
}

} // namespace vellomir::tools
