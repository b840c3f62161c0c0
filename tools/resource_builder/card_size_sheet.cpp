#include "card_size_sheet.h"

#include "render/card_art/card_backs.h"
#include "render/card_art/card_faces.h"
#include "render/card_art/card_outline.h"

#include <QPainter>

#include <algorithm>
#include <iterator>

namespace vellomir::tools {
namespace {

const QColor kTableGreen(0, 96, 0);
constexpr int kGap = 10;
constexpr int kLabelHeight = 24;
constexpr int kRanks = 13;

} // namespace

QImage drawCardSizeSheet() {
    const int widest = *std::max_element(std::begin(kCardSheetWidths), std::end(kCardSheetWidths));
    const int perRow = std::max<int>(kRanks, static_cast<int>(std::size(art::kBackNumbers)));
    int height = kGap;
    for (const int width : kCardSheetWidths) {
        height += kLabelHeight + 2 * (art::fittedSize(width).height + kGap);
    }
    QImage sheet(kGap + perRow * (widest + kGap), height, QImage::Format_RGB32);
    sheet.fill(kTableGreen);
    QPainter painter(&sheet);
    painter.setPen(Qt::white);
    int y = kGap;
    for (const int width : kCardSheetWidths) {
        const art::CardSize size = art::fittedSize(width);
        painter.drawText(QRect(kGap, y, sheet.width(), kLabelHeight), Qt::AlignVCenter,
                         QStringLiteral("%1 x %2 pixels").arg(size.width).arg(size.height));
        y += kLabelHeight;
        for (int rank = 1; rank <= kRanks; ++rank) {
            painter.drawImage(kGap + (rank - 1) * (size.width + kGap), y,
                              art::drawFace(size, art::CardSet::Classic, art::Suit::Spades, rank));
        }
        y += size.height + kGap;
        int x = kGap;
        for (const int back : art::kBackNumbers) {
            painter.drawImage(x, y, art::drawBack(size, back));
            x += size.width + kGap;
        }
        y += size.height + kGap;
    }
    return sheet;
}

} // namespace vellomir::tools
