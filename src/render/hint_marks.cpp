// The mark of a hinted move on the table.

#include "render/table_renderer.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "settings/number_text.h"
#include "table/card.h"
#include "table/card_position.h"
#include "table/pile_lists.h"

#include <QPainter>

#include <algorithm>
#include <optional>

namespace vellomir::render {
namespace {

// A cool blue, told apart from the warm frame of the drop targets.
const QColor kHintFill(110, 190, 255, 64);
const QColor kHintEdge(40, 140, 255, 240);
// A light line along the blue edge, inside it: the mark stands out on blue
// card backs and dark cloths as well as on the faces.
const QColor kHintHalo(255, 255, 255, 230);
constexpr int kHintEdgeDivisor = 20;
constexpr int kHintRadiusDivisor = 12;
// The run-size limit of the games where only a pile's top card moves.
constexpr int kSingleCards = 1;

} // namespace

void TableRenderer::markHint(const std::string& source, const std::string& target) {
    clearDropTargetMarks();
    const int W = cardWidth();
    const int H = cardHeight();
    // The rectangle a place covers: from the named card (or the top card,
    // or the empty place) to the top of its pile, the top alone for a drop
    // (cards go on top); the named place alone where a pile's places lie
    // side by side (a gap of the gap rows takes the card).
    auto placeRect = [&](const std::string& place,
                         bool drop) -> std::optional<std::pair<table::PileRef, QRect>> {
        const std::size_t colon = place.find(':');
        const std::optional<table::PileRef> pile = table::parsePileName(place.substr(0, colon));
        if (!pile || !table::isPlaced(m_state, *pile)) {
            return std::nullopt;
        }
        const table::CardPoint top = pile->kind == table::PileKind::Stock
                                         ? table::pilePosition(m_state, *pile)
                                         : table::topCardPosition(m_state, *pile);
        const bool sideBySide = table::fanStyleOf(m_state, pile->kind) ==
                                catalogue::codeOf(catalogue::FanStyle::SideBySide);
        table::CardPoint from = top;
        if (colon != std::string::npos && pile->kind != table::PileKind::Stock &&
            (sideBySide || !drop)) {
            const int index = settings::toIntOr(place.substr(colon + 1), -1);
            if (index >= 0 && index < table::cardCount(m_state.piles.pile(*pile))) {
                from = table::cardPosition(m_state, *pile, index);
            }
        }
        const QRect named(QPoint(from.x, from.y), QSize(W, H));
        // Where only single cards move, a card named under others is drawn
        // out from under them alone (Three Shuffles and a Draw).
        const bool drawnAlone = !drop && colon != std::string::npos &&
                                pile->kind == table::PileKind::Tableau &&
                                m_state.params[catalogue::param::RunSizeLimit] == kSingleCards;
        const QRect rect = (sideBySide || drawnAlone) && colon != std::string::npos
                               ? named
                               : named | QRect(QPoint(top.x, top.y), QSize(W, H));
        return std::pair{*pile, rect};
    };
    const qreal edge = std::max(2, W / kHintEdgeDivisor);
    const qreal radius = std::max(2, W / kHintRadiusDivisor);
    QPainter painter(&tableBuffer());
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen blue(kHintEdge, edge);
    const QPen halo(kHintHalo, edge);
    for (const auto& [place, drop] : {std::pair{source, false}, std::pair{target, true}}) {
        const auto marked = place.empty() ? std::nullopt : placeRect(place, drop);
        if (!marked) {
            continue;
        }
        const qreal inset = edge / 2;
        const QRectF outer =
            QRectF(marked->second.translated(0, scroll())).adjusted(inset, inset, -inset, -inset);
        painter.setPen(blue);
        painter.setBrush(kHintFill);
        painter.drawRoundedRect(outer, radius, radius);
        painter.setPen(halo);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(outer.adjusted(edge, edge, -edge, -edge), radius, radius);
        m_dropMarks.push_back({marked->first, marked->second});
        touched(Canvas::Buffer, marked->second);
    }
    painter.end();
    flush();
}

} // namespace vellomir::render
