#include "table/empty_pile_mark.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "table/gap_rows.h"

namespace vellomir::table {

using catalogue::codeOf;
using catalogue::GameType;
using catalogue::gameTypeOf;
using catalogue::ReserveDropRule;
namespace {

namespace empty_code = catalogue::empty_code;
namespace param = catalogue::param;

constexpr const char* kRankMarks[] = {"010", "012", "013", "014", "015", "016", "017",
                                      "018", "019", "020", "006", "003", "011"};

bool noRedealLeft(const ProgramState& state) {
    const int passes = state.params[param::StockPasses];
    const int pass = state.mainGame.cell(cell::PassNumber);
    return state.params[param::PassCountingStyle] < 1 || (passes != -1 && pass >= passes);
}

std::string stockMark(const ProgramState& state) {
    const GameType family = gameTypeOf(state.params);
    if (family == GameType::MonteCarlo || family == GameType::TouchingSuitPairs) {
        return "021";
    }
    const int passes = state.params[param::StockPasses];
    if (state.params[param::TableauRedealGroup] > 0 || isGapRows(state.params)) {
        // The games in fans and the gap rows deal their tableaus again from
        // this place.
        return passes == -1 || state.mainGame.cell(cell::PassNumber) < passes ? "022" : "008";
    }
    if (!noRedealLeft(state)) {
        return "022";
    }
    const bool stockEmpty = state.piles.stock(kStock).empty();
    if (stockEmpty && cardCount(state.piles.stock(kWaste)) <= 1) {
        return "008";
    }
    return state.mainGame.cell(cell::PassNumber) < passes || passes < 0 ? "022" : "008";
}

std::string wasteMark(const ProgramState& state) {
    const int button = state.params[param::EmptyStockIsRedeal];
    const int passes = state.params[param::StockPasses];
    if (button == 1) {
        return "_WASTE";
    }
    if (passes == 0) {
        return "008";
    }
    if (state.params[param::PassCountingStyle] < 1 || button != 0) {
        return {};
    }
    return state.mainGame.cell(cell::PassNumber) >= passes && passes != -1 ? "008" : "022";
}

std::string foundationMark(const ProgramState& state, int f) {
    if (state.params[param::FoundationRule + f] ==
        catalogue::codeOf(catalogue::BuildingRuleCode::QueenOntoEmptyFoundation)) {
        return "003";
    }
    return rankMarkOf(state.params[param::FoundationBaseRank + f]).value_or("004");
}

std::string reserveMark(const ProgramState& state, int r) {
    const int whole = state.params[param::ReserveDropRule];
    if (whole == codeOf(ReserveDropRule::CourtOntoEmpty)) {
        return "009";
    }
    if (whole == codeOf(ReserveDropRule::KingWhileFirstHoldsFewerThanThree)) {
        return "011";
    }
    switch (static_cast<ReserveDropRule>(state.params[param::ReserveDropRule + r])) {
    case ReserveDropRule::JackOntoEmpty:
        return "006";
    case ReserveDropRule::QueenOntoEmpty:
        return "003";
    case ReserveDropRule::KingOntoEmpty:
        return "011";
    default:
        return "001";
    }
}

std::string tableauMark(const ProgramState& state, int t) {
    if (auto mark = rankMarkOf(state.params[param::TableauEmptyCode + t])) {
        return *mark;
    }
    return state.params[param::TableauEmptyCode] != 0 ? "004" : "_TABLEAU";
}

} // namespace

std::optional<std::string> rankMarkOf(int baseCode) {
    int rank = 0;
    switch (baseCode) {
    case 1:
    case 58:
    case empty_code::AceColourBalance:
    case empty_code::AceBalance:
        rank = 1;
        break;
    case 2:
    case empty_code::TwoBalance:
        rank = 2;
        break;
    case 64:
    case empty_code::KingBalance:
        rank = 13;
        break;
    case 94:
        return std::string();
    default:
        if (baseCode >= 3 && baseCode <= 13) {
            rank = baseCode;
        }
        break;
    }
    if (rank == 0) {
        return std::nullopt;
    }
    return std::string(kRankMarks[rank - 1]);
}

std::string emptyPileMark(const ProgramState& state, MarkKind kind, int pileIndex) {
    switch (kind) {
    case MarkKind::Stock:
        return stockMark(state);
    case MarkKind::Waste:
        return wasteMark(state);
    case MarkKind::Foundation:
        return foundationMark(state, pileIndex);
    case MarkKind::Reserve:
        return reserveMark(state, pileIndex);
    case MarkKind::Tableau:
        return tableauMark(state, pileIndex);
    case MarkKind::Discard:
        return "_WASTE";
    }
    return {};
}

} // namespace vellomir::table
