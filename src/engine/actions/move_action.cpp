#include "engine/actions/move_action.h"

#include <array>
#include <utility>

namespace vellomir::engine {

namespace {

using table::PileKind;
using table::PileRef;

// The kinds spelled by a fixed text.
constexpr std::array<std::pair<ActionKind, std::string_view>, 14> kFixedTexts{{
    {ActionKind::ToWaste, "Stock02"},
    {ActionKind::ToDiscard, "Waste"},
    {ActionKind::StockToWaste, "Mazzo_Vis"},
    {ActionKind::StockRedeal, "Mazzo_Redeal"},
    {ActionKind::StockToDiscard, "Mazzo_Waste"},
    {ActionKind::DealTableaus, "Add_Tableaus"},
    {ActionKind::DealLastToTableaus, "Add_Tableaus_Last"},
    {ActionKind::FillTableaus, "Fill_Tableaus"},
    {ActionKind::DealReserves, "Add_Reserves"},
    {ActionKind::RemoveSelection, "Selezionate_Dest"},
    {ActionKind::FillEmptyTableaus, "Selezionate_Fila"},
    {ActionKind::CompactAndRefill, "Stock_To_Pile_Monte_Carlo"},
    {ActionKind::RedealTableaus, "Redeal_Tableaus"},
    {ActionKind::TurnClockCard, "Clock_Turn"},
}};

constexpr std::string_view kAutoplayPrefix = "Dest_Autoplay";
constexpr std::string_view kDealTableauPrefix = "Add_Tableau_";
constexpr std::string_view kDealReservePrefix = "Add_Reserve_";
constexpr std::string_view kGapPrefix = "Gap_";

// The pile a number names after a pile prefix ("Fila" + "03").
std::optional<int> pileIndex(std::string_view pilePrefix, std::string_view number, PileKind kind) {
    const auto pile = table::parsePileName(std::string(pilePrefix) + std::string(number));
    if (!pile || pile->kind != kind) {
        return std::nullopt;
    }
    return pile->index;
}

std::optional<MoveAction> numbered(ActionKind kind, std::optional<int> index) {
    if (!index) {
        return std::nullopt;
    }
    return MoveAction{kind, *index};
}

} // namespace

std::optional<MoveAction> moveOnto(PileRef pile) {
    switch (pile.kind) {
    case PileKind::Tableau:
        return MoveAction{ActionKind::ToTableau, pile.index};
    case PileKind::Foundation:
        return MoveAction{ActionKind::ToFoundation, pile.index};
    case PileKind::Reserve:
        return MoveAction{ActionKind::ToReserve, pile.index};
    case PileKind::Stock:
        if (pile.index == table::kWaste) {
            return MoveAction{ActionKind::ToWaste};
        }
        if (pile.index == table::kDiscard) {
            return MoveAction{ActionKind::ToDiscard};
        }
        break;
    }
    return std::nullopt;
}

std::optional<MoveAction> parseMoveAction(std::string_view text) {
    for (const auto& [kind, fixed] : kFixedTexts) {
        if (text == fixed) {
            return MoveAction{kind};
        }
    }
    if (text.starts_with(kAutoplayPrefix)) {
        return numbered(
            ActionKind::ToFoundationByAutoplay,
            pileIndex("Dest", text.substr(kAutoplayPrefix.size()), PileKind::Foundation));
    }
    if (text.starts_with(kDealTableauPrefix)) {
        return numbered(
            ActionKind::DealTableau,
            pileIndex("Fila", text.substr(kDealTableauPrefix.size()), PileKind::Tableau));
    }
    // A single reserve is named by one digit.
    if (text.starts_with(kDealReservePrefix) && text.size() == kDealReservePrefix.size() + 1) {
        return numbered(
            ActionKind::DealReserve,
            pileIndex("Appogg", text.substr(kDealReservePrefix.size()), PileKind::Reserve));
    }
    if (text.starts_with(kGapPrefix)) {
        const auto pile = table::parsePileName(text.substr(kGapPrefix.size()));
        if (!pile || pile->kind != PileKind::Tableau) {
            return std::nullopt;
        }
        return MoveAction{ActionKind::ToGap, pile->index};
    }
    if (text.starts_with("Dest") || text.starts_with("Fila") || text.starts_with("Appogg")) {
        const auto pile = table::parsePileName(text);
        return pile ? moveOnto(*pile) : std::nullopt;
    }
    return std::nullopt;
}

std::string moveActionText(MoveAction action) {
    for (const auto& [kind, fixed] : kFixedTexts) {
        if (action.kind == kind) {
            return std::string(fixed);
        }
    }
    const std::string number = std::to_string(action.target + 1);
    switch (action.kind) {
    case ActionKind::ToTableau:
        return table::pileName({PileKind::Tableau, action.target});
    case ActionKind::ToFoundation:
        return table::pileName({PileKind::Foundation, action.target});
    case ActionKind::ToReserve:
        return table::pileName({PileKind::Reserve, action.target});
    case ActionKind::ToFoundationByAutoplay:
        return std::string(kAutoplayPrefix) + number;
    case ActionKind::DealTableau:
        return std::string(kDealTableauPrefix) + (action.target + 1 < 10 ? "0" : "") + number;
    case ActionKind::DealReserve:
        return std::string(kDealReservePrefix) + number;
    case ActionKind::ToGap:
        return std::string(kGapPrefix) + table::pileName({PileKind::Tableau, action.target});
    default:
        return {};
    }
}

} // namespace vellomir::engine
