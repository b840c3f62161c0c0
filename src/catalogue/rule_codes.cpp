#include "catalogue/rule_codes.h"

#include "catalogue/parameter_names.h"

#include <algorithm>
#include <array>

namespace vellomir::catalogue {
namespace {

#define VELLOMIR_CODE_NAME(NAME, CODE, MEANING) CodeName{CODE, #NAME, MEANING},

constexpr std::array kGameTypes{VELLOMIR_GAME_TYPES(VELLOMIR_CODE_NAME)};
constexpr std::array kFanStyles{VELLOMIR_FAN_STYLES(VELLOMIR_CODE_NAME)};
constexpr std::array kDealTypes{VELLOMIR_DEAL_TYPES(VELLOMIR_CODE_NAME)};
constexpr std::array kFillStyles{VELLOMIR_FILL_STYLES(VELLOMIR_CODE_NAME)};
constexpr std::array kFirstMoves{VELLOMIR_FIRST_MOVES(VELLOMIR_CODE_NAME)};
constexpr std::array kRunSizeLimits{VELLOMIR_RUN_SIZE_LIMITS(VELLOMIR_CODE_NAME)};
constexpr std::array kEmptyCodes{VELLOMIR_EMPTY_CODES(VELLOMIR_CODE_NAME)};
constexpr std::array kBuildingRules{VELLOMIR_BUILDING_RULES(VELLOMIR_CODE_NAME)};
constexpr std::array kBaseFlags{VELLOMIR_BASE_FLAGS(VELLOMIR_CODE_NAME)};
constexpr std::array kReserveDropRules{VELLOMIR_RESERVE_DROP_RULES(VELLOMIR_CODE_NAME)};
constexpr std::array kWasteDropRules{VELLOMIR_WASTE_DROP_RULES(VELLOMIR_CODE_NAME)};
constexpr std::array kDealArrangements{VELLOMIR_DEAL_ARRANGEMENTS(VELLOMIR_CODE_NAME)};
constexpr std::array kRunChecks{VELLOMIR_RUN_CHECKS(VELLOMIR_CODE_NAME)};
constexpr std::array kFoundationTakeBacks{VELLOMIR_FOUNDATION_TAKE_BACKS(VELLOMIR_CODE_NAME)};
constexpr std::array kFoundationBaseModes{VELLOMIR_FOUNDATION_BASE_MODES(VELLOMIR_CODE_NAME)};
constexpr std::array kFoundationStartCodes{VELLOMIR_FOUNDATION_START_CODES(VELLOMIR_CODE_NAME)};

#undef VELLOMIR_CODE_NAME

constexpr std::array kFamilies{
    CodeFamily{"Game types", "GameType (47)", kGameTypes},
    CodeFamily{"Fan styles", "TableauFanStyle (3), FoundationFanStyle (4), ReserveFanStyle (5)",
               kFanStyles},
    CodeFamily{"Deal types of later deals",
               "TableauLaterDeal (240 + t), ReserveLaterDeal (278 + r)", kDealTypes},
    CodeFamily{"Filling styles of empty tableaus", "FillStyle (22)", kFillStyles},
    CodeFamily{"First moves", "FirstMoveFromTableau (39)", kFirstMoves},
    CodeFamily{"Run-size limits", "RunSizeLimit (12); 0 and above: at most that many cards",
               kRunSizeLimits},
    CodeFamily{"Empty-pile codes",
               "TableauEmptyCode (128 + t), FoundationBaseRank (48 + f); 1 to 13: that rank",
               kEmptyCodes},
    CodeFamily{"Building rules",
               "TableauRule (184 + t), FoundationRule (80 + f); a code without a name builds by "
               "the generic test in any suit",
               kBuildingRules},
    CodeFamily{"Base flags", "TableauBaseFlag (212 + t)", kBaseFlags},
    CodeFamily{"Reserve drop rules", "ReserveDropRule (268 + r)", kReserveDropRules},
    CodeFamily{"Waste drop rules", "WasteDropRule (289)", kWasteDropRules},
    CodeFamily{"Deal arrangements", "DealArrangement (33)", kDealArrangements},
    CodeFamily{"Run checks", "RunCheck (2)", kRunChecks},
    CodeFamily{"Foundation take-backs", "FoundationTakeBack (17)", kFoundationTakeBacks},
    CodeFamily{"Foundation base modes", "FoundationBaseMode (1)", kFoundationBaseModes},
    CodeFamily{"Foundation start codes",
               "FoundationStartCard (96 + f); 0: no card; 1 to 13: that rank of the "
               "foundation's suit; 51 to 63: the deal's first card of rank code - 50; 100 and "
               "above: card code - 100",
               kFoundationStartCodes},
};

// Which list names each parameter's values, by the parameter's first cell.
struct NamedParameter {
    int index;
    std::size_t family;
};
constexpr std::array kNamedParameters{
    NamedParameter{param::GameType, 0},
    NamedParameter{param::TableauFanStyle, 1},
    NamedParameter{param::FoundationFanStyle, 1},
    NamedParameter{param::ReserveFanStyle, 1},
    NamedParameter{param::TableauLaterDeal, 2},
    NamedParameter{param::ReserveLaterDeal, 2},
    NamedParameter{param::FillStyle, 3},
    NamedParameter{param::FirstMoveFromTableau, 4},
    NamedParameter{param::RunSizeLimit, 5},
    NamedParameter{param::TableauEmptyCode, 6},
    NamedParameter{param::FoundationBaseRank, 6},
    NamedParameter{param::TableauRule, 7},
    NamedParameter{param::FoundationRule, 7},
    NamedParameter{param::ReserveDropRule, 9},
    NamedParameter{param::WasteDropRule, 10},
    NamedParameter{param::TableauBaseFlag, 8},
    NamedParameter{param::DealArrangement, 11},
    NamedParameter{param::RunCheck, 12},
    NamedParameter{param::FoundationTakeBack, 13},
    NamedParameter{param::FoundationStartCard, 15},
    NamedParameter{param::FoundationBaseMode, 14},
};

// A code as the document shows it: a letter code as the character in quotes.
std::string codeText(const CodeFamily& family, int code) {
    const bool letterCodes = family.codes.data() == kEmptyCodes.data() ||
                             family.codes.data() == kReserveDropRules.data();
    if (letterCodes && code > ' ') {
        return std::to_string(code) + " ('" + static_cast<char>(code) + "')";
    }
    return std::to_string(code);
}

} // namespace

std::span<const CodeFamily> codeFamilies() {
    return kFamilies;
}

const CodeFamily* codeFamilyOfParameter(int index) {
    const ParameterName* parameter = parameterAt(index);
    if (parameter == nullptr) {
        return nullptr;
    }
    const auto named =
        std::ranges::find(kNamedParameters, parameter->index, &NamedParameter::index);
    return named == kNamedParameters.end() ? nullptr : &kFamilies[named->family];
}

std::optional<int> codeNamed(const CodeFamily& family, std::string_view name) {
    const auto found = std::ranges::find(family.codes, name, &CodeName::name);
    if (found == family.codes.end()) {
        return std::nullopt;
    }
    return found->code;
}

std::string ruleCodesDocument() {
    std::string text =
        "# Rule codes\n\n"
        "The named codes of the game parameters. A game file may write a code or its\n"
        "name (`GameType = Pyramid`). This file is generated from\n"
        "src/catalogue/rule_codes.h by `vellomir-cli rule-codes`; a test keeps the two\n"
        "the same.\n";
    for (const CodeFamily& family : kFamilies) {
        text.append("\n## ").append(family.title).append("\n\n");
        text.append("Parameters: ").append(family.parameters).append(".\n\n");
        text.append("| Code | Name | Meaning |\n|---|---|---|\n");
        for (const CodeName& code : family.codes) {
            text.append("| ").append(codeText(family, code.code)).append(" | `");
            text.append(code.name).append("` | ").append(code.meaning).append(" |\n");
        }
    }
    return text;
}

} // namespace vellomir::catalogue
