#include "table/fitted_layout.h"

#include "catalogue/parameter_index.h"
#include "table/card_metrics.h"
#include "table/card_position.h"
#include "table/layout_codes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vellomir::table {
namespace {

namespace param = catalogue::param;

// The big card every layout code was drawn up for.
constexpr int kDesignWidth = 71;
// Face-up cards a closed-up fan is given room to gain: a whole suit.
constexpr int kFullSuitGrowth = 13;
// Room left below a fan that runs down, and beside one that runs right.
constexpr int kFanBottomMargin = 4;
constexpr int kFanSideGap = 4;

struct Box {
    int left = 0;
    int top = 0;
    int right = 0;  // exclusive
    int bottom = 0; // exclusive
};

FanCount countFaces(const ProgramState& state, const std::string& pile) {
    FanCount count;
    const int n = cardCount(pile);
    for (int k = 0; k < n; ++k) {
        const int card = cardAt(pile, k);
        ++(card != 0 && !state.cards.isFaceUp(card) ? count.faceDown : count.faceUp);
    }
    return count;
}

int scaledCoordinate(int value, double scale) {
    return static_cast<int>(std::lround(value * scale));
}

// Scales every placed pile position of TMainGame by `scale`.
void scalePositions(TMainGame& game, double scale) {
    auto scaleCell = [&](int x, int y) {
        if (game.cell(x) >= kPlacedThreshold) {
            game.setCell(x, scaledCoordinate(game.cell(x), scale));
            game.setCell(y, scaledCoordinate(game.cell(y), scale));
        }
    };
    for (int i = 0; i < kMaxFoundations; ++i) {
        scaleCell(cell::FoundationX + i, cell::FoundationY + i);
    }
    for (int i = 0; i < kMaxReserves; ++i) {
        scaleCell(cell::ReserveX + i, cell::ReserveY + i);
    }
    for (int i = 0; i < kStockPiles; ++i) {
        scaleCell(cell::StockX + i, cell::StockY + i);
        game.setCell(cell::StockBaseX + i, game.cell(cell::StockX + i));
        game.setCell(cell::StockBaseY + i, game.cell(cell::StockY + i));
    }
    for (int i = 0; i < kMaxTableaus; ++i) {
        if (game.tableauX(i) >= kPlacedThreshold) {
            game.setTableauX(i, scaledCoordinate(game.tableauX(i), scale));
            game.setTableauY(i, scaledCoordinate(game.tableauY(i) + game.scrollOffset(), scale));
        }
    }
}

// The box a fanned pile of `cards` covers when every card below the top one
// takes its step; with `grow`, fans that run down or to the right reach as
// far as their growth needs.
Box fanBox(const ProgramState& state, PileKind kind, int x, int y, FanCount cards, bool grow) {
    const TMainGame& g = state.mainGame;
    const int W = state.cardSize.width;
    const int H = state.cardSize.height;
    const int style = fanStyleOf(state, kind);
    // The reach of a fan of `fan` cards at steps `by`. Face-down cards lie at
    // the bottom of a fan, so all of them take a step unless the whole fan
    // is face down.
    auto reach = [](FanCount fan, FanSteps by) {
        const int steps = std::max(0, fan.faceDown + fan.faceUp - 1);
        const int downSteps = fan.faceUp > 0 ? fan.faceDown : steps;
        return downSteps * by.faceDown + (steps - downSteps) * by.faceUp;
    };
    // A growing fan needs room for kFanGrowth more cards at the plain steps,
    // and for a full suit more once it has closed up to its least steps.
    auto grownReach = [&](FanSteps plain, bool sideways) {
        FanCount more = cards;
        more.faceUp += kFanGrowth;
        FanCount suit = cards;
        suit.faceUp += kFullSuitGrowth;

        return std::max(reach(more, plain), reach(suit, minimumFanSteps(state, plain, sideways)));
    };
    const int n = cards.faceDown + cards.faceUp;
    const int steps = std::max(0, n - 1);
    Box box{x, y, x + W, y + H};
    switch (style) {
    case 1: {
        const FanSteps plain{g.cell(cell::FaceDownStepDown), g.cell(cell::FaceUpStepDown)};
        box.bottom += grow ? grownReach(plain, false) : reach(cards, plain);
        break;
    }
    case 2: {
        const FanSteps plain{g.cell(cell::FaceDownStepRight), g.cell(cell::FaceUpStepRight)};
        box.right += grow ? grownReach(plain, true) : reach(cards, plain);
        break;
    }
    case 4:
        box.right += steps * (W + g.cell(cell::SpacingUnit));
        break;
    case 5:
        if (kind == PileKind::Reserve) {
            box.bottom += steps * g.cell(cell::PlainFanStep);
        }
        break;
    case 6:
        if (kind == PileKind::Tableau) {
            box.right += steps * g.cell(cell::FanStyle6StepA);
        }
        break;
    case 7:
        box.bottom += steps > 0 ? g.cell(cell::FaceUpStepDown) : 0;
        break;
    default:
        break;
    }
    return box;
}

bool inside(const Box& box, const LayoutArea& area) {
    return box.left >= 0 && box.top >= area.top && box.right <= area.width &&
           box.bottom <= area.height;
}

// Lays out at the big cards' size into the area shrunk by `scale`, then
// scales the result to cards `width` pixels wide.
void layOutAtWidth(ProgramState& state, const LayoutArea& area, ScreenSize screen, int width,
                   int shadowOffset) {
    const double scale = static_cast<double>(width) / kDesignWidth;
    auto shrink = [&](int value) { return static_cast<int>(std::floor(value / scale)); };
    // The top margin rounds up, so that nothing scaled back lies above it.
    const int top = static_cast<int>(std::ceil(area.top / scale));
    state.cardSize = cardSizeFor("B");
    state.shadowOffset = std::max(0, static_cast<int>(std::lround(shadowOffset / scale)));
    computeFanSteps(state, 1.0);
    computeFixedPilePositions(
        state,
        LayoutArea{shrink(area.width), shrink(area.height), shrink(area.outerHeight), top, scale},
        ScreenSize{shrink(screen.width), shrink(screen.height)});
    state.shadowOffset = shadowOffset;
    scalePositions(state.mainGame, scale);
    state.cardSize = fittedCardSize(width);
    computeFanSteps(state, scale);
}

} // namespace

void recordDealtFans(ProgramState& state) {
    for (int i = 0; i < kMaxTableaus; ++i) {
        state.dealtFans.tableaus[static_cast<std::size_t>(i)] =
            countFaces(state, state.piles.pile({PileKind::Tableau, i}));
    }
    for (int i = 0; i < kMaxReserves; ++i) {
        state.dealtFans.reserves[static_cast<std::size_t>(i)] =
            countFaces(state, state.piles.pile({PileKind::Reserve, i}));
    }
}

bool fansFit(const ProgramState& state, const LayoutArea& area, bool grow) {
    const TMainGame& g = state.mainGame;
    const int W = state.cardSize.width;
    const int H = state.cardSize.height;
    auto card = [&](int x, int y) { return Box{x, y, x + W, y + H}; };
    for (int i = 0; i < kMaxTableaus; ++i) {
        if (g.tableauX(i) >= kPlacedThreshold &&
            !inside(fanBox(state, PileKind::Tableau, g.tableauX(i), g.tableauY(i),
                           state.dealtFans.tableaus[static_cast<std::size_t>(i)], grow),
                    area)) {
            return false;
        }
    }
    for (int i = 0; i < kMaxReserves; ++i) {
        if (g.reserveX(i) >= kPlacedThreshold &&
            !inside(fanBox(state, PileKind::Reserve, g.reserveX(i), g.reserveY(i),
                           state.dealtFans.reserves[static_cast<std::size_t>(i)], grow),
                    area)) {
            return false;
        }
    }
    for (int i = 0; i < kMaxFoundations; ++i) {
        if (g.foundationX(i) >= kPlacedThreshold &&
            !inside(card(g.foundationX(i), g.foundationY(i)), area)) {
            return false;
        }
    }
    for (int i = 0; i < kStockPiles; ++i) {
        if (g.stockX(i) >= kPlacedThreshold && !inside(card(g.stockX(i), g.stockY(i)), area)) {
            return false;
        }
    }
    // A row squeezed into too little room runs over its neighbours: no two
    // piles' cards may overlap, but for the staircase's and the peaks' own
    // tableaus.
    struct Placed {
        Box box;
        bool tableau;
    };
    std::vector<Placed> placed;
    for (int i = 0; i < kMaxTableaus; ++i) {
        if (g.tableauX(i) >= kPlacedThreshold) {
            placed.push_back({card(g.tableauX(i), g.tableauY(i)), true});
        }
    }
    for (int i = 0; i < kMaxReserves; ++i) {
        if (g.reserveX(i) >= kPlacedThreshold) {
            placed.push_back({card(g.reserveX(i), g.reserveY(i)), false});
        }
    }
    for (int i = 0; i < kMaxFoundations; ++i) {
        if (g.foundationX(i) >= kPlacedThreshold) {
            placed.push_back({card(g.foundationX(i), g.foundationY(i)), false});
        }
    }
    for (int i = 0; i < kStockPiles; ++i) {
        if (g.stockX(i) >= kPlacedThreshold) {
            placed.push_back({card(g.stockX(i), g.stockY(i)), false});
        }
    }
    const int tableauCode = state.params[param::TableauLayout];
    // The staircase and the peaks lay their tableaus over each other by design.
    const bool staircase =
        tableauCode == layout_code::kTableauStaircase || tableauCode == layout_code::kTableauPeaks;
    for (std::size_t a = 0; a < placed.size(); ++a) {
        for (std::size_t b = a + 1; b < placed.size(); ++b) {
            const Box& one = placed[a].box;
            const Box& two = placed[b].box;
            const bool overlap = one.left < two.right && two.left < one.right &&
                                 one.top < two.bottom && two.top < one.bottom;
            if (overlap && !(staircase && placed[a].tableau && placed[b].tableau)) {
                return false;
            }
        }
    }
    return true;
}

bool dealtFansFit(const ProgramState& state, const LayoutArea& area) {
    return fansFit(state, area, true);
}

void layOutFittedCards(ProgramState& state, const LayoutArea& area, ScreenSize screen) {
    const int shadowOffset = state.shadowOffset;
    // Room for the fans to grow first; where no width gives that (fans the
    // layout itself stacks close), room for the fans as dealt, which then
    // close up as they grow.
    for (const bool grow : {true, false}) {
        for (int width = kMaxFittedWidth; width >= kMinFittedWidth; --width) {
            layOutAtWidth(state, area, screen, width, shadowOffset);
            if (fansFit(state, area, grow)) {
                return;
            }
        }
    }
    layOutAtWidth(state, area, screen, kMinFittedWidth, shadowOffset);
}

void computeFanLimits(ProgramState& state, const LayoutArea& area) {
    FanLimits limits;
    limits.bottom = area.height - kFanBottomMargin;
    const TMainGame& g = state.mainGame;
    const int W = state.cardSize.width;
    const int H = state.cardSize.height;

    // Every placed pile's bottom card, to find what lies beside a fan.
    std::vector<Box> piles;
    auto add = [&](int x, int y) {
        if (x >= kPlacedThreshold) {
            piles.push_back({x, y, x + W, y + H});
        }
    };
    for (int i = 0; i < kMaxTableaus; ++i) {
        add(g.tableauX(i), g.tableauY(i));
    }
    for (int i = 0; i < kMaxReserves; ++i) {
        add(g.reserveX(i), g.reserveY(i));
    }
    for (int i = 0; i < kMaxFoundations; ++i) {
        add(g.foundationX(i), g.foundationY(i));
    }
    for (int i = 0; i < kStockPiles; ++i) {
        add(g.stockX(i), g.stockY(i));
    }
    auto rightLimit = [&](int x, int y) {
        int limit = area.width - kFanSideGap / 2;
        for (const Box& other : piles) {
            const bool level = other.top < y + H && y < other.bottom;
            if (level && other.left > x) {
                limit = std::min(limit, other.left - kFanSideGap);
            }
        }
        return limit;
    };
    if (fanStyleOf(state, PileKind::Tableau) == 2) {
        for (int i = 0; i < kMaxTableaus; ++i) {
            if (g.tableauX(i) >= kPlacedThreshold) {
                limits.tableauRight[static_cast<std::size_t>(i)] =
                    rightLimit(g.tableauX(i), g.tableauY(i));
            }
        }
    }
    if (fanStyleOf(state, PileKind::Reserve) == 2) {
        for (int i = 0; i < kMaxReserves; ++i) {
            if (g.reserveX(i) >= kPlacedThreshold) {
                limits.reserveRight[static_cast<std::size_t>(i)] =
                    rightLimit(g.reserveX(i), g.reserveY(i));
            }
        }
    }
    state.fanLimits = limits;
}

} // namespace vellomir::table
