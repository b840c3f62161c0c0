#pragma once

#include "table/pile_lists.h"

#include <QCoreApplication>
#include <QString>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::ui {

/// The table in words, for the screen reader and the keyboard's messages:
/// cards, piles and what a pile holds.
class PileTexts {
    Q_DECLARE_TR_FUNCTIONS(PileTexts)
public:
    /// "seven of hearts", "ace of spades", "joker".
    static QString cardName(int card);
    /// "Stock", "Waste", "Discard pile", "Foundation 2", "Tableau 3", "Reserve 1".
    static QString pileTitle(const table::PileRef& pile);
    /// The pile, its top card and what lies under it: "Tableau 3: seven of
    /// hearts, on eight of spades and four face-down cards"; "Foundation 1:
    /// seven of hearts, on six cards"; "Tableau 2: empty". In rows whose
    /// cards stand each on its own (a pyramid, the rows with gaps) every
    /// card is named from the first, an empty place as "gap".
    static QString pileDescription(const table::ProgramState& state, const table::PileRef& pile);
    /// A count in words up to twenty ("four"), in digits above.
    static QString countText(int count);
};

} // namespace vellomir::ui
