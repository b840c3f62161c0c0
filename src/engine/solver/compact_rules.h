#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

struct TableauRedealPlan;

/// What a click on a stock that deals onto the piles deals: the pile each
/// card goes to (tableaus, then reserves, by the fast position's
/// numbering), from the stock's top card on; for each tableau, whether the
/// click deals nothing at all while that tableau is empty (Spider's "fill
/// every gap first") or passes it by.
struct StockDeal {
    /// The cards a click deals at most (a bit each where it is undone).
    static constexpr std::size_t kMostCards = 32;
    static constexpr int kMaxTableaus = 20;
    std::vector<int> to;
    std::array<bool, kMaxTableaus> refusedByGap{};
    std::array<bool, kMaxTableaus> skipsEmpty{};
    /// The stock's size before the click, where a later click deals
    /// otherwise than the first.
    int stockCards = 0;
};

/// The rules of a game of tableaus, free cells, foundations and a stock
/// turned onto a waste, as tables the fast search reads: every answer in
/// them was asked of the engine's own predicates (the placement test with
/// the questions the target checks and the run check build, the run-size
/// limit), once per pair of cards, when the tables were made. Only games
/// whose rules depend on nothing but the two cards and the pile are
/// covered; `compactRulesFor` answers nothing for the others, which the
/// gesture search plays.
struct CompactRules {
    static constexpr int kMaxTableaus = StockDeal::kMaxTableaus;
    static constexpr int kMaxReserves = 16;
    static constexpr int kMaxFoundations = 8;
    /// Card codes below this fit the tables (two packs are 104).
    static constexpr int kCodes = 128;

    int tableaus = 0;
    int reserves = 0;
    int foundations = 0;
    int cards = 0; ///< cards in the game: the win has them all on the foundations
    bool hasStock = false;
    int drawCount = 1;  ///< cards a stock click turns onto the waste
    int passLimit = -1; ///< turns of the waste back into the stock, -1 unlimited
    /// Draws the game allows: a card from under a tableau's top card
    /// played alone, as often in a game (Three Shuffles and a Draw).
    int tableauDraws = 0;
    int runSizeCode = -1;
    /// For each card code, the tableaus (a bit each) whose emptiness counts
    /// towards the run-size limit for a run led by that card: every tableau,
    /// but under code -5 only those whose own code may take such a run.
    std::array<std::uint32_t, kCodes> runSpaces{};
    /// For each reserve, whether it takes a card when empty (a free cell)
    /// or never takes one back (King Albert's reserve, which cards only
    /// leave).
    std::array<bool, kMaxReserves> reserveTakes{};
    /// Whether the stock deals onto free cells, which then hold piles and
    /// are no longer alike: each is its own class in the key, and each
    /// empty one a target of its own (Algerian Patience).
    bool reservesApart = false;
    /// Whether an empty foundation takes only a suit no other foundation of
    /// its row of four holds (Algerian Patience's aces).
    bool suitsApartInRows = false;
    /// Whether the program fills every empty tableau, in order, with the
    /// first reserve's top card after each move while that reserve holds
    /// cards (Canfield and its kin); that reserve takes nothing back.
    bool fillsFromReserve = false;
    /// Whether the program fills every empty tableau, in order, after each
    /// move with the waste's top card, or the stock's top when the waste is
    /// empty, face up, while either holds cards (Zebra, Corona and their
    /// kin).
    bool fillsFromWasteOrStock = false;
    /// Whether the game's one reserve plays any of its cards wherever it lies
    /// and takes none back (Flower Garden's bouquet): the position then
    /// holds each of its cards as a reserve of its own, and `reserves`
    /// counts them.
    bool bouquet = false;
    /// A reserve that shows only its last card (Eagle Wing's trunk): its top
    /// plays only while it is the last card; the spaces take the others.
    bool reserveLastCardOnly = false;
    /// The most cards a foundation holds: one holding that many takes
    /// nothing more, even a card its rule would build round the corner
    /// (Quadrangle's king on the queen that ends a suit begun at a king).
    int foundationMaxCards = std::numeric_limits<int>::max();
    /// The most cards a tableau may hold before a drop (-1 for no bound): a
    /// tableau holding that many takes nothing more.
    int tableauMaxCards = -1;
    /// For each card byte (face bit included), the byte of the card it plays
    /// as: packs of fewer suits make several cards one in play. Positions
    /// are told apart, and complete suit runs judged, by these.
    std::array<std::uint8_t, 256> playedAs{};
    /// For each card byte, the byte the position's key reads: that of the
    /// lowest card code every table answers alike for (as the card moved and
    /// as the card below, on every pile), with the face bit. The twin cards
    /// of two packs play alike, so positions that differ only by twins
    /// swapped are one position to the search.
    std::array<std::uint8_t, 256> keyCard{};
    /// Whether a click on the stock is a move of its own and the waste's
    /// top card the only one it offers, rather than every card some clicks
    /// bring up: where the stock turns one card at a time and goes round a
    /// limited number of times, and cards move one at a time, the game
    /// has two packs (restartedSearch) or one whose runs move
    /// (onePackRestarts), each card a click passes by is
    /// buried until the cards on it are played, a choice the search then
    /// makes one click at a time.
    bool clicksAsMoves = false;
    /// Whether the game has two packs or more and a stock turned one card
    /// at a time a limited number of times (Forty Thieves and its kin,
    /// whether cards move one at a time or in runs), or several cards at a
    /// time where the waste or the stock fills the spaces (Little Forty):
    /// its clicks are moves of their own, the stock and the waste count in
    /// the distance whatever the passes, and the fast search is
    /// compactRestarts.
    bool restartedSearch = false;
    /// Whether the tableaus build in suit and free cells take cards
    /// (Baker's Game, Penguin): few positions follow from a deal, and one
    /// long search of every move proves most lost deals lost.
    bool fewPositions = false;
    /// Whether the game has one pack, runs that move and a stock turned a
    /// limited number of times (Rainfall, Pas Seul, Saratoga, Gold Mine,
    /// Chinaman): searched as restartedSearch games are, clicks as moves
    /// of their own, the stock and the waste in the distance and
    /// compactRestarts, but with no runs carried through the spaces (runs
    /// move whole there anyway). Where the stock was read as every card
    /// some clicks bring up, the search turned cards over freely and
    /// buried the cards it wanted for good.
    bool onePackRestarts = false;
    /// Whether a built run (each card one the tableau takes on the card
    /// under it) may move as one move where cards move one at a time, card
    /// by card through the empty tableaus: where every empty tableau takes
    /// any card and the stock turns one card at a time (Forty Thieves and
    /// its kin). Such a move is the single-card moves it stands for, which
    /// the line's gestures spell out (CompactPosition::runSteps); it adds
    /// no position the single moves do not reach.
    bool runsThroughSpaces = false;
    /// Parameter 17: whether a foundation's top card may be taken back onto
    /// a tableau, and how many cards the foundation keeps under it at least.
    bool takeBack = false;
    int takeBackKeeps = 0;
    /// Whether the moves are all the pointer input allows, cards taken back
    /// from the foundations into free cells and onto other foundations too,
    /// and the safe moves only those no line could regret even where cards
    /// come back from the foundations (see CompactPosition::
    /// safeFoundationMove): a search over them that ends without a win
    /// proves the deal lost. Off, the search leaves those take-backs out,
    /// which seldom help, and trusts the safe moves of games without them.
    bool everyMove = false;
    /// Where the foundations give cards back: whether a card goes up at
    /// once only when the cards built on it and those built on them are all
    /// home (one built on it may come back to hold one still in play).
    /// Fewer cards go up unasked, so the search is larger: the fast search
    /// tries without it first, and with it when that ends without a win.
    bool cautiousSafeMoves = false;
    /// Whether every card a foundation takes goes up at once, whatever it
    /// leaves behind, as the Autoplay sweep sends it while the player keeps
    /// Autoplay ticked: the search then plans the table the player sees.
    bool sweeps = false;
    /// Whether the first card sent up is the player's to choose, the sweep
    /// sending nothing up while every foundation is empty (Chessboard read
    /// for a base at the deal, see compactRulesForBase).
    bool firstCardUpByHand = false;
    /// Whether the foundations are all alike and the cards an empty one
    /// takes are no more than the foundations: each such card can always
    /// have an empty foundation of its own.
    bool basesFit = false;
    /// Whether an empty foundation takes a complete run of one suit, king
    /// down to ace, from a tableau as one move (Spider and its kin); single
    /// cards then go by the foundation tables as ever.
    bool suitRunFoundation = false;
    /// Where a stock click deals instead of turning cards onto a waste,
    /// what the first click deals; empty where the stock turns onto a waste
    /// or holds nothing. Learnt from the pointer input itself: clicks on
    /// copies of the table (learnStockDeal).
    StockDeal deal;
    /// The later clicks that deal otherwise than the first (not merely
    /// fewer cards, as the stock runs out), each for the stock's size
    /// before it.
    std::vector<StockDeal> lateDeals;
    bool dealsToTableaus() const { return !deal.to.empty(); }
    /// What a click deals with `stockCards` cards in the stock.
    const StockDeal& dealAt(int stockCards) const {
        for (const StockDeal& late : lateDeals) {
            if (late.stockCards == stockCards) {
                return late;
            }
        }
        return deal;
    }
    /// Where a click on the empty stock deals the tableaus again (the Fan
    /// games with redeals), where each gathered card lands, learnt from the
    /// pointer input; null in every other game.
    std::shared_ptr<const TableauRedealPlan> redeal;
    /// Whether, while a redeal may still come, no card goes to a foundation
    /// unasked: every card left in play changes what the redeal deals, so
    /// only a search without those moves proves a deal lost.
    bool exactRedeals = false;
    /// For each tableau, whether it takes nothing while the stock holds
    /// cards, and takes by its tables once the stock is spent (Miss
    /// Milligan's waiving place): its tables were asked of a copy of the
    /// table whose stock is spent, and the table itself answered nothing.
    std::array<bool, kMaxTableaus> closedWhileStock{};
    /// The rank every foundation begins with where the started foundations
    /// fixed it (Terrace and Chessboard once a foundation holds a card), 0
    /// elsewhere: how soon the foundations want a card then counts from it,
    /// round the corner, and by suit only where they build in suit.
    int wantedFrom = 0;
    bool foundationsInSuit = false;
    /// For each foundation, +1 where it builds up by one in suit, -1 where
    /// it builds down by one in suit, 0 otherwise (asked of its tables).
    std::array<int, kMaxFoundations> foundationStep{};
    /// Whether some foundations build up in suit and others down (Bisley,
    /// Algerian Patience): a card is then wanted by whichever of its suit's
    /// two comes to it first, and the distance counts from both.
    bool foundationsBothWays = false;
    /// For each reserve, whether its cards go nowhere but to the foundations
    /// (Terrace's terrace): no tableau takes any of them. A card there that
    /// lies on a card the foundations want sooner covers it as in a tableau.
    std::array<bool, kMaxReserves> upOnlyReserve{};
    /// Tableaus that take the same cards in the same way share a class; a
    /// class's empty piles are interchangeable.
    std::array<int, kMaxTableaus> tableauClass{};
    /// Foundations that take the same cards share a class.
    std::array<int, kMaxFoundations> foundationClass{};

    /// Whether `moving` (the bottom card of what moves) may go onto tableau
    /// `t` whose top card is `below` (0: the tableau is empty).
    bool tableauTakes(int t, int below, int moving) const {
        return m_tableau[index(t, below, moving)] != 0;
    }
    /// Whether `above` may lie on `below` within a run lifted from or put
    /// onto tableau `t`.
    /// Whether an empty tableau `t` takes a run (more than one card) led by
    /// `moving`: some empty piles take single cards only.
    bool emptyTakesRun(int t, int moving) const {
        return m_emptyRun[static_cast<std::size_t>(t) * kCodes +
                          static_cast<std::size_t>(moving)] != 0;
    }
    bool runPairFits(int t, int below, int above) const {
        return m_runPair[index(t, below, above)] != 0;
    }
    bool foundationTakes(int f, int below, int moving) const {
        return m_foundation[index(f, below, moving)] != 0;
    }
    /// For each card code, the codes that some tableau lets be built on it.
    std::vector<std::vector<std::uint8_t>> buildsOn;
    /// The same as sets, and for each code the codes built on those.
    using CodeSet = std::bitset<kCodes>;
    std::vector<CodeSet> builders;
    std::vector<CodeSet> buildersOfBuilders;
    /// Whether every foundation that takes a card takes it alike (one class
    /// for all foundations), so that which of them takes it is no choice.
    bool foundationsAlike = true;

    /// The longest run a drag may carry, by the game's run-size limit (no
    /// bound: a large number).
    int longestRun(int emptyTableaus, int emptyReserves, bool targetEmpty) const;

    /// Whether every table answers alike for cards `a` and `b` (codes).
    bool playAlike(int a, int b) const;

private:
    friend std::optional<CompactRules> compactRulesFor(const table::ProgramState& state,
                                                       const seam::Frontend& geometry);
    static std::size_t index(int pile, int below, int moving) {
        return (static_cast<std::size_t>(pile) * kCodes + static_cast<std::size_t>(below)) *
                   kCodes +
               static_cast<std::size_t>(moving);
    }
    std::vector<std::uint8_t> m_tableau;
    std::vector<std::uint8_t> m_emptyRun;
    std::vector<std::uint8_t> m_runPair;
    std::vector<std::uint8_t> m_foundation;
};

/// The rule tables of the game in `state`, or nothing when the game has a
/// rule the tables cannot hold (a rule that reads where a card comes from,
/// a stock that deals to the tableaus, refilled spaces, games of other
/// types...). `geometry` only lends sizes to the quiet frontend the
/// placement test is asked through.
std::optional<CompactRules> compactRulesFor(const table::ProgramState& state,
                                            const seam::Frontend& geometry);

/// Whether the first card sent up to a foundation will fix the base rank of
/// every foundation, and none has gone up yet (Chessboard at the deal).
bool baseStillToChoose(const table::ProgramState& state);

/// The rule tables of the game in `state`, whose base is still to choose
/// (baseStillToChoose), as they stand once a card of rank `rank` is the
/// first one sent up: every empty foundation takes that rank only, and
/// `wantedFrom` is `rank`. A search under them plays exactly the lines whose
/// first card sent up has that rank. Nothing where the tables cannot hold
/// the game then, or no card of that rank lies on the tableaus.
std::optional<CompactRules> compactRulesForBase(const table::ProgramState& state,
                                                const seam::Frontend& geometry, int rank);

/// Why `compactRulesFor` leaves the game in `state` to the gesture search:
/// the first rule the tables cannot hold, or nothing where the rules fit
/// (the stock's deal onto the tableaus may still be refused when learnt).
std::optional<std::string> compactRulesRefusal(const table::ProgramState& state);

} // namespace vellomir::engine
