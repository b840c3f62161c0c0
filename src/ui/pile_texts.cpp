#include "ui/pile_texts.h"

#include "engine/input/press_rules.h"
#include "table/card.h"
#include "table/gap_rows.h"
#include "table/program_state.h"

#include <QStringList>

namespace vellomir::ui {
namespace {

using table::PileKind;

constexpr int kSpelledCounts = 20;
constexpr int kSuits = 4;
constexpr int kRanks = 13;

} // namespace

QString PileTexts::countText(int count) {
    static const char* const kWords[kSpelledCounts + 1] = {
        QT_TR_NOOP("no"),       QT_TR_NOOP("one"),      QT_TR_NOOP("two"),
        QT_TR_NOOP("three"),    QT_TR_NOOP("four"),     QT_TR_NOOP("five"),
        QT_TR_NOOP("six"),      QT_TR_NOOP("seven"),    QT_TR_NOOP("eight"),
        QT_TR_NOOP("nine"),     QT_TR_NOOP("ten"),      QT_TR_NOOP("eleven"),
        QT_TR_NOOP("twelve"),   QT_TR_NOOP("thirteen"), QT_TR_NOOP("fourteen"),
        QT_TR_NOOP("fifteen"),  QT_TR_NOOP("sixteen"),  QT_TR_NOOP("seventeen"),
        QT_TR_NOOP("eighteen"), QT_TR_NOOP("nineteen"), QT_TR_NOOP("twenty")};
    if (count >= 0 && count <= kSpelledCounts) {
        return tr(kWords[count]);
    }
    return QString::number(count);
}

QString PileTexts::cardName(int card) {
    if (table::isJoker(card)) {
        return tr("joker");
    }
    const int suit = table::suitOf(card);
    const int rank = table::rankOf(card);
    if (suit < 0 || suit >= kSuits || rank < 1 || rank > kRanks) {
        return tr("gap");
    }
    // Each card has its own text, so that a translation may inflect it.
    static const char* const kCards[kSuits][kRanks] = {
        {QT_TR_NOOP("ace of hearts"), QT_TR_NOOP("two of hearts"), QT_TR_NOOP("three of hearts"),
         QT_TR_NOOP("four of hearts"), QT_TR_NOOP("five of hearts"), QT_TR_NOOP("six of hearts"),
         QT_TR_NOOP("seven of hearts"), QT_TR_NOOP("eight of hearts"), QT_TR_NOOP("nine of hearts"),
         QT_TR_NOOP("ten of hearts"), QT_TR_NOOP("jack of hearts"), QT_TR_NOOP("queen of hearts"),
         QT_TR_NOOP("king of hearts")},
        {QT_TR_NOOP("ace of diamonds"), QT_TR_NOOP("two of diamonds"),
         QT_TR_NOOP("three of diamonds"), QT_TR_NOOP("four of diamonds"),
         QT_TR_NOOP("five of diamonds"), QT_TR_NOOP("six of diamonds"),
         QT_TR_NOOP("seven of diamonds"), QT_TR_NOOP("eight of diamonds"),
         QT_TR_NOOP("nine of diamonds"), QT_TR_NOOP("ten of diamonds"),
         QT_TR_NOOP("jack of diamonds"), QT_TR_NOOP("queen of diamonds"),
         QT_TR_NOOP("king of diamonds")},
        {QT_TR_NOOP("ace of clubs"), QT_TR_NOOP("two of clubs"), QT_TR_NOOP("three of clubs"),
         QT_TR_NOOP("four of clubs"), QT_TR_NOOP("five of clubs"), QT_TR_NOOP("six of clubs"),
         QT_TR_NOOP("seven of clubs"), QT_TR_NOOP("eight of clubs"), QT_TR_NOOP("nine of clubs"),
         QT_TR_NOOP("ten of clubs"), QT_TR_NOOP("jack of clubs"), QT_TR_NOOP("queen of clubs"),
         QT_TR_NOOP("king of clubs")},
        {QT_TR_NOOP("ace of spades"), QT_TR_NOOP("two of spades"), QT_TR_NOOP("three of spades"),
         QT_TR_NOOP("four of spades"), QT_TR_NOOP("five of spades"), QT_TR_NOOP("six of spades"),
         QT_TR_NOOP("seven of spades"), QT_TR_NOOP("eight of spades"), QT_TR_NOOP("nine of spades"),
         QT_TR_NOOP("ten of spades"), QT_TR_NOOP("jack of spades"), QT_TR_NOOP("queen of spades"),
         QT_TR_NOOP("king of spades")},
    };
    return tr(kCards[suit][rank - 1]);
}

QString PileTexts::pileTitle(const table::PileRef& pile) {
    const int number = pile.index + 1;
    switch (pile.kind) {
    case PileKind::Stock:
        return pile.index == table::kStock   ? tr("Stock")
               : pile.index == table::kWaste ? tr("Waste")
                                             : tr("Discard pile");
    case PileKind::Foundation:
        return tr("Foundation %1").arg(number);
    case PileKind::Tableau:
        return tr("Tableau %1").arg(number);
    case PileKind::Reserve:
        return tr("Reserve %1").arg(number);
    }
    return {};
}

QString PileTexts::pileDescription(const table::ProgramState& state, const table::PileRef& pile) {
    const std::string& cards = state.piles.pile(pile);
    const int count = table::cardCount(cards);
    const QString title = pileTitle(pile);
    if (count == 0) {
        return tr("%1: empty").arg(title);
    }
    auto shown = [&](int card) {
        return card >= 1 && state.cards.isFaceUp(card) ? cardName(card) : tr("face-down card");
    };
    const bool cardByCard = cards.find("000") != std::string::npos ||
                            engine::isSelectionGame(state) || table::isGapRows(state.params);
    if (cardByCard && pile.kind == PileKind::Tableau) {
        QStringList names;
        for (int i = 0; i < count; ++i) {
            const int card = table::cardAt(cards, i);
            names << (card < 1 ? tr("gap") : shown(card));
        }
        return tr("%1: %2").arg(title, names.join(tr(", ")));
    }
    const int top = table::cardAt(cards, count - 1);
    const QString topText = shown(top);
    if (count == 1) {
        return tr("%1: %2").arg(title, topText);
    }
    if (pile.kind == PileKind::Stock && pile.index == table::kStock) {
        return tr("%1: %2 cards").arg(title, countText(count));
    }
    if (pile.kind != PileKind::Tableau && pile.kind != PileKind::Reserve) {
        return count == 2 ? tr("%1: %2, on one card").arg(title, topText)
                          : tr("%1: %2, on %3 cards").arg(title, topText, countText(count - 1));
    }
    // Under a tableau's top card: the face-up cards one by one, nearest
    // first, then the face-down cards counted.
    QStringList under;
    int faceDown = 0;
    for (int i = count - 2; i >= 0; --i) {
        const int card = table::cardAt(cards, i);
        if (card >= 1 && state.cards.isFaceUp(card)) {
            under << cardName(card);
        } else {
            ++faceDown;
        }
    }
    if (faceDown == 1) {
        under << tr("one face-down card");
    } else if (faceDown > 1) {
        under << tr("%1 face-down cards").arg(countText(faceDown));
    }
    QString list = under.front();
    if (under.size() > 1) {
        const QString last = under.takeLast();
        list = tr("%1 and %2").arg(under.join(tr(", ")), last);
    }
    return tr("%1: %2, on %3").arg(title, topText, list);
}

} // namespace vellomir::ui
