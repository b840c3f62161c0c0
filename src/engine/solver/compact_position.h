#pragma once

#include "engine/solver/compact_rules.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// One move of the fast search: `draws` clicks on the stock first (0 for
/// none), then `count` cards (a card or a run, bottom card `card`) from pile
/// `from` to pile `to`. Piles are numbered tableaus first, then free cells,
/// foundations, the stock and the waste (CompactPosition's numbering). In
/// games whose stock deals onto the tableaus, a move from the stock to the
/// stock is one such click (CompactPosition::dealMove).
struct CompactMove {
    std::uint8_t from = 0;
    std::uint8_t to = 0;
    std::uint8_t count = 1;
    std::uint8_t draws = 0;
    std::uint8_t card = 0;
    friend bool operator==(const CompactMove&, const CompactMove&) = default;
};

/// A table as the fast search holds it: card codes as bytes (the top bit
/// set for a face-down card), a pile as a fixed row of them, and a hash
/// of every pile kept up to date card by card (Zobrist), so that a move
/// and its undo touch only the cards they move. The position's key adds
/// the piles' hashes so that piles the rules treat alike (tableaus of one
/// class, the free cells, foundations of one class) give the same key in
/// any order, empty ones included.
class CompactPosition {
public:
    static constexpr std::uint8_t kFaceDown = 0x80;
    static constexpr std::uint8_t kCodeMask = 0x7f;
    static constexpr int kMaxHeight = 112;
    static constexpr int kMaxPiles =
        CompactRules::kMaxTableaus + CompactRules::kMaxReserves + CompactRules::kMaxFoundations + 2;

    /// The table of `state` under `rules`.
    CompactPosition(const table::ProgramState& state, const CompactRules& rules);

    const CompactRules& rules() const { return *m_rules; }
    int tableau(int t) const { return t; }
    int reserve(int r) const { return m_rules->tableaus + r; }
    /// Whether reserve `r`'s top card may move now (a reserve that shows
    /// only its last card plays nothing before).
    bool reserveTopPlays(int r) const;
    int foundation(int f) const { return m_rules->tableaus + m_rules->reserves + f; }
    int stock() const { return m_rules->tableaus + m_rules->reserves + m_rules->foundations; }
    int waste() const { return stock() + 1; }
    int piles() const { return waste() + 1; }

    int size(int pile) const { return m_size[pile]; }
    /// Card `i` of a pile from the bottom, with its face bit.
    std::uint8_t at(int pile, int i) const { return m_cards[pile][i]; }
    /// The top card's code, 0 for an empty pile or a face-down top.
    int topCode(int pile) const {
        const int n = m_size[pile];
        return n == 0 || (m_cards[pile][n - 1] & kFaceDown) != 0 ? 0 : m_cards[pile][n - 1];
    }
    int onFoundations() const { return m_onFoundations; }
    bool won() const { return m_onFoundations == m_rules->cards; }
    int passes() const { return m_passes; }
    int faceDown() const { return m_faceDown; }
    int drawsLeft() const { return m_drawsLeft; }

    /// The key of the position, alike for piles the rules treat alike.
    std::uint64_t key() const;

    /// Carries out a move (stock clicks, the cards, a face-down card
    /// uncovered turning up); `undo` takes it back. Moves are undone in the
    /// reverse order they were made.
    void apply(const CompactMove& move);
    void undo(const CompactMove& move);

    /// A click on a stock that deals onto the tableaus.
    CompactMove dealMove() const {
        return {static_cast<std::uint8_t>(stock()), static_cast<std::uint8_t>(stock()), 0, 0, 0};
    }
    bool isDeal(const CompactMove& move) const {
        return move.from == stock() && move.to == stock();
    }
    /// A click on a stock that turns cards onto the waste, as a move of its
    /// own (CompactRules::clicksAsMoves): one draw and no card carried.
    CompactMove clickMove() const {
        return {static_cast<std::uint8_t>(waste()), static_cast<std::uint8_t>(waste()), 0, 1, 0};
    }
    static bool isClick(const CompactMove& move) { return move.count == 0 && move.draws > 0; }
    /// A click on the empty stock that gathers the tableaus and deals them
    /// again (CompactRules::redeal).
    CompactMove redealMove() const {
        return {static_cast<std::uint8_t>(waste()), static_cast<std::uint8_t>(stock()), 0, 0, 0};
    }
    bool isRedeal(const CompactMove& move) const {
        return move.from == waste() && move.to == stock();
    }
    /// Whether a move (not yet made) draws its card from under a tableau's
    /// top card (CompactRules::tableauDraws).
    bool isDraw(const CompactMove& move) const {
        return m_drawsLeft > 0 && move.from < m_rules->tableaus && move.count == 1 &&
               m_size[move.from] > 0 &&
               (m_cards[move.from][m_size[move.from] - 1] & kCodeMask) != move.card;
    }
    /// Where `card` lies in a pile, from the bottom; -1 when not there.
    int heightOf(int pile, int card) const;
    /// The single-card moves a run's move stands for where runs move
    /// through the empty tableaus (CompactRules::runsThroughSpaces), in
    /// order, from this position: half the run into a space, the rest onto
    /// the target, the half back onto it, each half the same way with one
    /// space fewer. A single card's move stands for itself.
    std::vector<CompactMove> runSteps(const CompactMove& move) const;
    /// Whether a redeal of the tableaus may still come: the game redeals
    /// and passes remain.
    bool redealsRemain() const;

    /// The moves the rules allow here: every card or run that may be lifted
    /// onto every pile that takes it (of empty piles alike, the first only),
    /// and every waste card some stock clicks bring up, with where it goes;
    /// cards taken back from the foundations go onto tableaus only, unless
    /// CompactRules::everyMove is set.
    void legalMoves(std::vector<CompactMove>& moves) const;
    /// The same without the moves that split a built run between tableaus
    /// when the card they uncover cannot go to a foundation at once, and,
    /// where the foundations take whole suit runs, without a built run's
    /// moves onto a card it does not lie on in suit: a narrower search that
    /// reaches most wins of the Klondike and Spider games sooner, but no
    /// proof that a deal is lost.
    void focusedMoves(std::vector<CompactMove>& moves) const;
    /// A move to a foundation that can never be regretted: no card still
    /// in play could be built on the card in a tableau (the Horne and
    /// Raymond rule, read from the game's own tables; under
    /// CompactRules::cautiousSafeMoves, nor on a card that could be built
    /// on it: see stillNeeded), from a tableau, a free
    /// cell or, where the stock turns one card at a time, the waste. Under
    /// CompactRules::everyMove in games whose foundations give cards back,
    /// only a card no card of the game is built on, onto an empty
    /// foundation. False when none.
    bool safeFoundationMove(CompactMove& move) const;
    /// Whether `card` (a code) could still be needed in a tableau: some card
    /// not yet on the foundations may be built on it, or, under
    /// CompactRules::cautiousSafeMoves, on a card that may be built on it.
    bool stillNeeded(int card) const;

    /// How far the position is from a win, to order a search (lower is
    /// nearer): cards not on the foundations, face-down cards, cards lying
    /// on cards the foundations take sooner, free cells held, less the
    /// empty tableaus, each by its weight; where the foundations take
    /// whole suit runs, also the face-up cards that do not lie on a card
    /// they are built on as a run (runs broken), and the cards still in the
    /// stock.
    struct DistanceWeights {
        int awayCard = 10;
        int faceDownCard = 6;
        int coveringCard = 4;
        int heldCell = 6;
        int emptyTableau = 5;
        int brokenRun = 6;
        int stockCard = 1;
    };
    int distance(const DistanceWeights& weights) const;
    /// The part of the distance that the stock and the waste add in a game
    /// whose stock clicks are moves of their own (CompactRules::
    /// clicksAsMoves) and that is gone through once a card at a time, has
    /// two packs (CompactRules::restartedSearch: Forty Thieves and its kin)
    /// or one pack whose runs move (CompactRules::onePackRestarts:
    /// Rainfall, Pas Seul); 0 in every other game.
    /// There the waste is a pile that grows from the stock and gives back
    /// only its top card: its cards that lie on a card the foundations take
    /// sooner count as covering cards do in a tableau, and every card still
    /// in the stock or the waste counts twice a stock card's weight, so that
    /// turning cards over without playing them gains nothing and burying
    /// the cards wanted soon under the waste costs. Without it the search
    /// wins next to nothing where runs move (Josephine, Number Ten).
    int clickedStockDistance(const DistanceWeights& weights) const;

    /// The whole content, for tests: piles, sizes and passes.
    friend bool operator==(const CompactPosition& a, const CompactPosition& b);

private:
    void push(int pile, std::uint8_t card);
    std::uint8_t pop(int pile);
    void flipTop(int pile);
    // A click on the stock: cards turned onto the waste, or the waste
    // turned back and cards turned again; unclickStock takes back the last.
    void clickStock();
    void unclickStock();
    // Whether foundation `f`, its top card `below` (0 when empty), takes
    // `card` now: by its rule, and while it holds fewer cards than it may.
    bool foundationTakes(int f, int below, int card) const {
        return m_size[foundation(f)] < m_rules->foundationMaxCards &&
               m_rules->foundationTakes(f, below, card) &&
               (below != 0 || !m_rules->suitsApartInRows || !suitInRow(f, card));
    }
    // Whether Autoplay's sweep sends nothing up yet: every foundation is
    // empty and the first card up is the player's to choose
    // (CompactRules::firstCardUpByHand).
    bool sweepHeldBack() const;
    // Whether another foundation of `f`'s row of four shows `card`'s suit.
    bool suitInRow(int f, int card) const;
    // How soon the foundations want the card `code` (lower is sooner), its
    // suit's foundations holding `suitHome` cards a pack: its rank's place
    // in the order they take the ranks, less how far they came where they
    // build in suit (CompactRules::wantedFrom).
    int wantedAfter(int code, int suitHome) const;
    // Whether the top `count` cards of a tableau may be lifted together.
    bool liftableRun(int pile, int count) const;
    // How many face-up cards on top of a tableau are each built on the one
    // under them, by the tableau's own rule (1 for a lone top card).
    int builtRunOnTop(int pile) const;
    // The moves of built runs through the empty tableaus
    // (CompactRules::runsThroughSpaces): every run of two cards or more
    // from a tableau's top onto every tableau that takes its bottom card,
    // as long as the spaces carry it.
    void runMovesThroughSpaces(int emptyTableaus, std::vector<CompactMove>& moves) const;
    // Every move of the card or run of `count` cards on top of `from`
    // (bottom card `card`) onto the piles that take it.
    void movesOf(int from, int count, int card, int draws, int emptyTableaus, int emptyReserves,
                 std::vector<CompactMove>& moves) const;
    // The spaces the program fills after a move, in tableau order: from the
    // first reserve's top (CompactRules::fillsFromReserve) or from the
    // waste's top, the stock's when the waste is empty
    // (CompactRules::fillsFromWasteOrStock); and the undo.
    void fillSpaces();
    void unfillSpaces();
    // The pile the next space takes its card from, -1 when none gives one.
    int fillingSource() const;
    // A click on a stock that deals onto the tableaus, and its undo.
    void dealToTableaus();
    void undealFromTableaus();
    // Whether the top `kSuitRunLength` cards of a tableau are a complete run
    // of one suit, king down to ace.
    bool completeSuitRunOnTop(int pile) const;
    // The redeal of the tableaus (CompactRules::redeal), and its undo;
    // whether it would change the piles.
    void redealTableaus();
    void unredealTableaus();
    bool redealChangesPiles() const;
    // The tableau cards in the order a redeal gathers them; answers how many.
    int gatherTableaus(std::array<std::uint8_t, CompactRules::kCodes>& cards) const;
    // The draws: each face-up card under a tableau's top card onto the
    // piles that take it.
    void drawMoves(int emptyTableaus, std::vector<CompactMove>& moves) const;
    // A draw's card taken from under the top of its tableau onto its
    // target, and the undo.
    void drawCard(const CompactMove& move);
    void undrawCard(const CompactMove& move, int height);
    // The waste cards reachable by stock clicks, with the clicks.
    void stockMoves(int emptyTableaus, int emptyReserves, std::vector<CompactMove>& moves) const;

    const CompactRules* m_rules;
    // The small arrays every move reads lie before the piles' cards.
    std::array<std::uint8_t, kMaxPiles> m_size{};
    std::array<std::uint64_t, kMaxPiles> m_hash{};
    std::array<int, kMaxPiles> m_classSalt{};
    std::array<std::array<std::uint8_t, kMaxHeight>, kMaxPiles> m_cards{};
    // Stock clicks made: the cards each turned back and dealt.
    struct Click {
        std::uint8_t turnedBack = 0;
        std::uint8_t dealt = 0;
    };
    std::vector<Click> m_clicks;
    CompactRules::CodeSet m_home;
    int m_onFoundations = 0;
    int m_passes = 0;
    int m_faceDown = 0;
    int m_drawsLeft = 0;
    // Where the game allows draws, for each move made the height its card
    // was drawn from, kNoDraw for a move of top cards.
    static constexpr std::uint8_t kNoDraw = 0xff;
    std::vector<std::uint8_t> m_drawnFrom;
    // Cards whose flip an apply made, for its undo.
    std::vector<std::uint8_t> m_flips;
    // For each move made, the spaces filled after it (a bit each), and
    // which of them took the stock's card rather than the waste's.
    struct Fill {
        std::uint32_t filled = 0;
        std::uint32_t fromStock = 0;
    };
    std::vector<Fill> m_fills;
    // For each deal onto the tableaus made, the tableaus it dealt to (a bit each).
    std::vector<std::uint32_t> m_deals;
    // For each redeal made, the tableaus as they lay: their cards, then
    // their sizes.
    std::vector<std::uint8_t> m_redealt;
};

} // namespace vellomir::engine
