#include "engine/solver/twin_piles.h"

#include "catalogue/game_parameters.h"
#include "catalogue/parameter_index.h"
#include "catalogue/parameter_names.h"
#include "catalogue/rule_codes.h"

namespace vellomir::engine {

namespace {

using catalogue::ParameterShape;
using table::PileKind;

constexpr int kindSlot(PileKind kind) {
    return static_cast<int>(kind);
}

int pileCount(PileKind kind) {
    switch (kind) {
    case PileKind::Stock:
        return table::kStockPiles;
    case PileKind::Foundation:
        return table::kMaxFoundations;
    case PileKind::Tableau:
        return table::kMaxTableaus;
    case PileKind::Reserve:
        return table::kMaxReserves;
    }
    return 0;
}

ParameterShape shapeOf(PileKind kind) {
    switch (kind) {
    case PileKind::Foundation:
        return ParameterShape::PerFoundation;
    case PileKind::Tableau:
        return ParameterShape::PerTableau;
    case PileKind::Reserve:
        return ParameterShape::PerReserve;
    case PileKind::Stock:
        break;
    }
    return ParameterShape::Single;
}

// What a pile starts with is spent at the deal; the rest rules its play.
bool rulesPlay(const catalogue::ParameterName& name) {
    return !name.name.ends_with("StartCards") && !name.name.ends_with("StartFace") &&
           !name.name.ends_with("StartCard");
}

bool twins(const catalogue::GameParameters& params, PileKind kind, int a, int b) {
    for (const catalogue::ParameterName& name : catalogue::kParameterNames) {
        if (name.shape == shapeOf(kind) && rulesPlay(name) &&
            params[name.index + a] != params[name.index + b]) {
            return false;
        }
    }
    return true;
}

} // namespace

TwinPiles::TwinPiles(const catalogue::GameParameters& params) {
    const bool general = catalogue::isGeneralGame(params);
    for (const PileKind kind :
         {PileKind::Stock, PileKind::Foundation, PileKind::Tableau, PileKind::Reserve}) {
        std::vector<int>& lowest = m_lowestTwin[static_cast<std::size_t>(kindSlot(kind))];
        for (int i = 0; i < pileCount(kind); ++i) {
            int twin = i;
            if (general && kind != PileKind::Stock) {
                for (int j = 0; j < i; ++j) {
                    if (lowest[static_cast<std::size_t>(j)] == j && twins(params, kind, i, j)) {
                        twin = j;
                        break;
                    }
                }
            }
            lowest.push_back(twin);
        }
    }
}

int TwinPiles::classOf(table::PileRef pile) const {
    const std::vector<int>& lowest = m_lowestTwin[static_cast<std::size_t>(kindSlot(pile.kind))];
    if (pile.index < 0 || pile.index >= static_cast<int>(lowest.size())) {
        return -1;
    }
    return kindSlot(pile.kind) * 100 + lowest[static_cast<std::size_t>(pile.index)];
}

} // namespace vellomir::engine
