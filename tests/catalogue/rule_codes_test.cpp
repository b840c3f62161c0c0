#include "catalogue/rule_codes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vellomir::catalogue {
namespace {

TEST(RuleCodes, EachListNamesEachCodeOnceAndSaysWhatItMeans) {
    for (const CodeFamily& family : codeFamilies()) {
        std::set<std::string_view> names;
        std::set<int> codes;
        for (const CodeName& code : family.codes) {
            EXPECT_TRUE(names.insert(code.name).second) << family.title << ": " << code.name;
            EXPECT_TRUE(codes.insert(code.code).second) << family.title << ": " << code.code;
            EXPECT_FALSE(code.meaning.empty()) << code.name;
        }
    }
}

TEST(RuleCodes, EveryCellOfANamedParameterFindsItsList) {
    const CodeFamily* deal = codeFamilyOfParameter(param::TableauLaterDeal + 27);
    ASSERT_NE(deal, nullptr);
    EXPECT_EQ(codeNamed(*deal, "FourEach"), 8);
    EXPECT_EQ(codeFamilyOfParameter(param::ReserveLaterDeal + 9), deal);
    ASSERT_NE(codeFamilyOfParameter(param::GameType), nullptr);
    EXPECT_EQ(codeNamed(*codeFamilyOfParameter(param::GameType), "Pyramid"),
              static_cast<int>(GameType::Pyramid));
    EXPECT_EQ(codeNamed(*codeFamilyOfParameter(param::GameType), "FourEach"), std::nullopt);
    EXPECT_EQ(codeFamilyOfParameter(param::CardCount), nullptr);
    // The letters of the empty-pile codes are their character codes.
    EXPECT_EQ(codeNamed(*codeFamilyOfParameter(param::FoundationBaseRank + 3), "KingBalance"), 'T');
    // The reserves and the waste have drop rules of their own, not building rules.
    const CodeFamily* reserve = codeFamilyOfParameter(param::ReserveDropRule + 2);
    ASSERT_NE(reserve, nullptr);
    EXPECT_EQ(codeNamed(*reserve, "KingOntoEmpty"), 'Z');
    EXPECT_EQ(codeNamed(*reserve, "InSuit"), std::nullopt);
    EXPECT_NE(reserve, codeFamilyOfParameter(param::TableauRule));
    EXPECT_EQ(codeNamed(*codeFamilyOfParameter(param::WasteDropRule), "OneRankOffInSuit"), 2);
}

TEST(RuleCodes, TheDocumentHasARowForEveryCode) {
    const std::string document = ruleCodesDocument();
    for (const CodeFamily& family : codeFamilies()) {
        EXPECT_NE(document.find("## " + std::string(family.title)), std::string::npos);
        for (const CodeName& code : family.codes) {
            EXPECT_NE(document.find(" | `" + std::string(code.name) + "` | "), std::string::npos)
                << code.name;
        }
    }
}

} // namespace
} // namespace vellomir::catalogue
