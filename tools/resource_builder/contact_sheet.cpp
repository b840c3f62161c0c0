#include "contact_sheet.h"

#include "resource_set.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

namespace vellomir::tools {
namespace {

constexpr int kSheetWidth = 1500;
constexpr int kGap = 6;
constexpr int kTitleHeight = 20;
const QColor kTableGreen(0, 96, 0);

struct Placed {
    const ResourceSet::Entry* entry;
    QRect box;
    bool tiled;
};

bool isTile(const ResourceSet::Entry& e) {
    return e.section.startsWith(QStringLiteral("Backgrounds"));
}

QSize shownSize(const ResourceSet::Entry& e) {
    const QSize s = e.image.size();
    return isTile(e) ? s * 2 : s;
}

} // namespace

QImage drawContactSheet(const ResourceSet& resources) {
    // Lay out first, then paint on a sheet of the height found.
    std::vector<Placed> placed;
    std::vector<std::pair<QString, int>> titles;
    int y = kGap;
    QString section;
    int x = kGap;
    int rowHeight = 0;
    for (const ResourceSet::Entry& e : resources.entries()) {
        const QSize size = shownSize(e);
        if (e.section != section) {
            section = e.section;
            y += rowHeight + (placed.empty() ? 0 : kGap * 2);
            titles.emplace_back(section, y);
            y += kTitleHeight;
            x = kGap;
            rowHeight = 0;
        }
        if (x + size.width() > kSheetWidth - kGap && x > kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        placed.push_back({&e, QRect(QPoint(x, y), size), isTile(e)});
        x += size.width() + kGap;
        rowHeight = std::max(rowHeight, size.height());
    }
    y += rowHeight + kGap;

    QImage sheet(kSheetWidth, y, QImage::Format_RGB32);
    sheet.fill(kTableGreen);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    for (const auto& [title, top] : titles) {
        painter.drawText(QRect(kGap, top, kSheetWidth, kTitleHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, title);
    }
    for (const Placed& p : placed) {
        const QImage& image = p.entry->image;
        if (p.tiled) {
            for (int i = 0; i < 4; ++i) {
                painter.drawImage(p.box.left() + (i % 2) * image.width(),
                                  p.box.top() + (i / 2) * image.height(), image);
            }
        } else {
            painter.drawImage(p.box.topLeft(), image);
        }
        if (p.entry->cursor) {
            const QPoint hot = p.box.topLeft() + p.entry->hotSpot;
            painter.fillRect(QRect(hot.x() - 1, hot.y(), 3, 1), Qt::magenta);
            painter.fillRect(QRect(hot.x(), hot.y() - 1, 1, 3), Qt::magenta);
        }
    }
    return sheet;
}

} // namespace vellomir::tools
