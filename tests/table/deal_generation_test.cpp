#include "table/deal_generation.h"

#include "catalogue/game_parameters.h"
#include "catalogue/parameter_index.h"
#include "settings/settings_record.h"
#include "support/recording_frontend.h"
#include "table/card.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vellomir::table {
namespace {

namespace param = catalogue::param;

catalogue::GameParameters game(int cards, int jokers = -1, int jokersDealt = 1) {
    catalogue::GameParameters params;
    params.set(param::CardCount, cards);
    if (jokers >= 0) {
        params.set(param::JokersDealt, jokersDealt);
        params.set(param::JokerCount, jokers);
    }
    return params;
}

std::string dealText(std::string_view number, const catalogue::GameParameters& params) {
    testing::RecordingFrontend frontend;
    return dealArrayText(buildDealArray(number, params, frontend));
}

int slotOf(const DealArray& slots, int code) {
    const auto found = std::find(slots.begin(), slots.end(), code);
    return found == slots.end() ? -1 : static_cast<int>(found - slots.begin());
}

// Each of `codes` exactly once, and nothing else.
void expectHoldsEachOnce(const DealArray& slots, std::vector<int> codes, std::string_view number) {
    DealArray sorted = slots;
    std::sort(sorted.begin(), sorted.end());
    std::sort(codes.begin(), codes.end());
    EXPECT_EQ(sorted, codes) << "deal number " << number;
}

std::vector<int> codesFrom(int first, int last) {
    std::vector<int> codes;
    for (int c = first; c <= last; ++c) {
        codes.push_back(c);
    }
    return codes;
}

TEST(RandomGenerator, DrawsFromTheLinearCongruentialSequence) {
    RandomGenerator zero(0);
    EXPECT_EQ(zero.draw(9999999), 0); // the seed becomes 1: 1 * m is below 2^32
    EXPECT_EQ(zero.draw(9999999), 313799);
    EXPECT_EQ(zero.draw(9999999), 8610483);

    RandomGenerator top(0xFFFFFFFFU);
    EXPECT_EQ(top.draw(10), 9);
    EXPECT_EQ(top.currentSeed(), 4160191484U); // wraps modulo 2^32

    RandomGenerator bounds(7);
    EXPECT_EQ(bounds.draw(0), 0);
    EXPECT_EQ(bounds.draw(-3), 0);
    RandomGenerator same(7);
    same.draw(5);
    same.draw(5);
    EXPECT_EQ(bounds.currentSeed(), same.currentSeed()); // an empty bound still advances
}

TEST(NewDealNumber, MultipliesTwoDrawsIntoThirteenDigitsAndStoresThem) {
    RandomGenerator random(12345);
    settings::SettingsRecord settings;
    // Draws 3853504 and 289354; their product has 13 digits.
    EXPECT_EQ(newDealNumber(random, settings), "1115026796416");
    EXPECT_EQ(settings.read(settings::field::DealNumber), "1115026796416");
    // A product of 12 digits gets its leading zero.
    EXPECT_EQ(newDealNumber(random, settings), "0441420136150");
    EXPECT_EQ(settings.read(settings::field::DealNumber), "0441420136150");
    EXPECT_EQ(newDealNumber(random, settings), "2164620784902");
}

TEST(DealNumberText, IsPaddedCutAndCleanedToThirteenDigits) {
    EXPECT_EQ(normalizedDealNumber(""), "0000000000000");
    EXPECT_EQ(normalizedDealNumber("42"), "0000000000042");
    EXPECT_EQ(normalizedDealNumber("991234567890123"), "1234567890123");
    EXPECT_EQ(normalizedDealNumber("12a4 -"), "0000000120400");
    // A short or dirty number deals like its cleaned form, and nothing breaks.
    EXPECT_EQ(dealText("42", game(52)), dealText("0000000000042", game(52)));
    EXPECT_EQ(dealText("x\xff?/:", game(104, 4)), dealText("0", game(104, 4)));
}

TEST(DealArray, LiteralDealsOfOnePack) {
    EXPECT_EQ(dealText("1234567890123", game(52)),
              "005 014 028 037 035 006 002 043 003 040 023 034 022 018 020 046 045 015 012 038 "
              "001 044 042 017 021 011 052 026 033 049 050 009 019 013 039 041 030 051 027 016 "
              "031 036 008 048 029 032 047 007 010 024 004 025");
    EXPECT_EQ(dealText("0441420136150", game(52)),
              "040 019 052 033 022 043 028 006 004 008 044 003 012 014 034 050 035 013 020 002 "
              "032 031 029 017 038 005 007 041 042 047 024 037 039 009 001 027 051 046 030 010 "
              "049 045 023 021 036 025 015 018 016 048 026 011");
}

TEST(DealArray, LiteralDealOfTwoPacks) {
    EXPECT_EQ(dealText("9876543210987", game(104)),
              "072 086 067 034 012 074 069 042 040 048 059 104 083 071 037 076 093 018 043 009 "
              "022 073 021 064 082 035 046 001 068 078 054 028 085 075 062 020 097 017 011 031 "
              "090 047 101 032 015 023 092 088 094 065 010 033 080 084 026 030 096 036 049 006 "
              "055 053 103 008 002 091 051 063 095 029 013 045 007 081 057 077 060 014 079 005 "
              "050 019 025 052 016 041 100 089 061 087 056 098 099 003 066 038 070 039 027 058 "
              "044 004 024 102");
}

TEST(DealArray, LiteralDealsWithJokers) {
    // Step row 9 from cursor 848 over 56 slots puts the jokers at 32, 45, 9 and 30.
    EXPECT_EQ(dealText("9876543210987", game(52, 4)),
              "002 039 007 006 017 047 042 018 038 107 011 001 033 014 045 026 024 020 046 029 "
              "012 041 030 028 005 034 019 004 008 031 108 013 105 016 027 051 015 037 023 036 "
              "022 032 021 052 044 106 043 003 040 009 010 025 050 035 049 048");
    EXPECT_EQ(dealText("2164620784902", game(104, 2)),
              "017 009 001 078 018 016 101 090 060 089 036 085 030 013 053 032 054 050 104 022 "
              "048 038 088 044 042 004 010 039 097 064 073 059 024 067 063 079 033 094 096 049 "
              "051 071 034 095 105 083 081 098 103 040 099 052 046 023 080 092 058 070 068 025 "
              "019 069 041 008 020 106 011 093 086 102 014 057 062 066 091 055 084 028 007 006 "
              "003 012 047 061 056 100 035 043 005 027 002 076 075 031 065 029 077 072 045 026 "
              "082 021 037 015 087 074");
}

TEST(DealArray, ShortGameKeepsTheFirstCardsThatFindRoom) {
    EXPECT_EQ(dealText("5550001234567", game(32)),
              "003 013 051 038 012 039 024 015 019 050 042 032 022 029 026 052 009 002 034 028 "
              "025 021 008 041 047 048 035 011 037 045 006 016");
}

TEST(DealArray, AllZeroDealTakesRanksInOrderFromSuitRowZero) {
    testing::RecordingFrontend frontend;
    const DealArray slots = buildDealArray("0000000000000", game(52), frontend);
    // The cursor starts at 0 and steps 25, 18, 13, 22: the four aces, spades,
    // diamonds, clubs, hearts (suit row 0), land at 25, 43, 4 (56 wrapped) and 26.
    EXPECT_EQ(slots[25], 40);
    EXPECT_EQ(slots[43], 14);
    EXPECT_EQ(slots[4], 27);
    EXPECT_EQ(slots[26], 1);
    // The twos follow: 26 + 25 gives the two of spades at 51.
    EXPECT_EQ(slots[51], 41);
    EXPECT_EQ(dealArrayText(slots),
              "002 043 004 020 027 045 029 006 031 036 022 047 050 012 026 025 033 015 008 017 "
              "049 011 013 019 035 040 001 042 003 044 028 005 030 046 021 010 032 024 007 023 "
              "038 052 039 014 048 016 009 018 034 051 037 041");
    EXPECT_TRUE(frontend.calls.empty());
}

TEST(DealArray, EveryFullPackDealHoldsEachCardOnce) {
    RandomGenerator random(20240601);
    settings::SettingsRecord settings;
    testing::RecordingFrontend frontend;
    const std::vector<int> onePack = codesFrom(1, 52);
    const std::vector<int> twoPacks = codesFrom(1, 104);
    std::vector<int> onePackAndJokers = onePack;
    for (int joker = 105; joker <= 108; ++joker) {
        onePackAndJokers.push_back(joker);
    }
    for (int i = 0; i < 2000; ++i) {
        const std::string number = newDealNumber(random, settings);
        expectHoldsEachOnce(buildDealArray(number, game(52), frontend), onePack, number);
        expectHoldsEachOnce(buildDealArray(number, game(104), frontend), twoPacks, number);
        expectHoldsEachOnce(buildDealArray(number, game(52, 4), frontend), onePackAndJokers,
                            number);
        if (::testing::Test::HasFailure()) {
            break;
        }
    }
    EXPECT_TRUE(frontend.calls.empty());
}

TEST(DealArray, ShortGamesHoldDistinctCardsInEverySlot) {
    RandomGenerator random(99);
    settings::SettingsRecord settings;
    testing::RecordingFrontend frontend;
    for (int i = 0; i < 300; ++i) {
        const std::string number = newDealNumber(random, settings);
        for (const int cards : {1, 24, 32, 51}) {
            DealArray slots = buildDealArray(number, game(cards), frontend);
            ASSERT_EQ(slots.size(), static_cast<std::size_t>(cards));
            std::sort(slots.begin(), slots.end());
            EXPECT_GE(slots.front(), 1) << number;
            EXPECT_LE(slots.back(), 52) << number;
            EXPECT_EQ(std::adjacent_find(slots.begin(), slots.end()), slots.end()) << number;
        }
    }
}

TEST(DealArray, JokersArePlacedBeforeTheCards) {
    RandomGenerator random(5);
    settings::SettingsRecord settings;
    testing::RecordingFrontend frontend;
    for (int i = 0; i < 200; ++i) {
        const std::string number = newDealNumber(random, settings);
        // One card and four jokers: the jokers take four of the five slots first.
        const DealArray tiny = buildDealArray(number, game(1, 4), frontend);
        ASSERT_EQ(tiny.size(), 5U);
        EXPECT_EQ(std::count_if(tiny.begin(), tiny.end(), isJoker), 4) << number;
        EXPECT_EQ(std::count(tiny.begin(), tiny.end(), kEmptySlot), 0) << number;
        // With parameter 43 at 2 the jokers are placed but get no slots of their
        // own: they still all land, and four cards of the pack are dropped.
        DealArray crowded = buildDealArray(number, game(52, 4, 2), frontend);
        ASSERT_EQ(crowded.size(), 52U);
        std::sort(crowded.begin(), crowded.end());
        EXPECT_EQ(std::vector<int>(crowded.end() - 4, crowded.end()),
                  (std::vector<int>{105, 106, 107, 108}))
            << number;
        EXPECT_GE(crowded.front(), 1) << number;
        EXPECT_EQ(std::adjacent_find(crowded.begin(), crowded.end()), crowded.end()) << number;
    }
    EXPECT_TRUE(frontend.calls.empty());
}

TEST(DealArray, SameNumberSameDeal) {
    testing::RecordingFrontend frontend;
    for (const char* number : {"0000000000000", "9999999999999", "3141592653589"}) {
        EXPECT_EQ(buildDealArray(number, game(104, 4), frontend),
                  buildDealArray(number, game(104, 4), frontend));
    }
    ProgramState state;
    state.settings.write(settings::field::DealNumber, "3141592653589");
    state.params = game(52);
    EXPECT_EQ(buildDealArray(state, frontend), buildDealArray("3141592653589", game(52), frontend));
}

TEST(DealArray, UnknownPackCountIsReportedAndDealsOnlyJokers) {
    testing::RecordingFrontend frontend;
    const DealArray sixty = buildDealArray("1234567890123", game(60), frontend);
    EXPECT_EQ(frontend.calls, std::vector<std::string>{"info: Error 01 - fnGameNumberCardsArray"});
    EXPECT_EQ(sixty, DealArray(60, kEmptySlot));

    frontend.calls.clear();
    const DealArray withJokers = buildDealArray("1234567890123", game(60, 2), frontend);
    EXPECT_EQ(frontend.calls.size(), 1U);
    ASSERT_EQ(withJokers.size(), 62U);
    EXPECT_EQ(std::count(withJokers.begin(), withJokers.end(), kEmptySlot), 60);
    EXPECT_NE(slotOf(withJokers, 105), -1);
    EXPECT_NE(slotOf(withJokers, 106), -1);
}

TEST(DealArray, OddParametersStaySafe) {
    testing::RecordingFrontend frontend;
    EXPECT_TRUE(buildDealArray("1234567890123", game(0), frontend).empty());
    EXPECT_TRUE(buildDealArray("1234567890123", game(-5), frontend).empty());
    // More than four jokers are four; a negative count is none.
    EXPECT_EQ(dealArraySize(game(52, 9)), 56);
    expectHoldsEachOnce(
        buildDealArray("1234567890123", game(52, 9), frontend),
        [] {
            std::vector<int> codes = codesFrom(1, 52);
            codes.insert(codes.end(), {105, 106, 107, 108});
            return codes;
        }(),
        "1234567890123");
    EXPECT_EQ(dealArraySize(game(52, -2)), 52);
    // Jokers only count towards the size when parameter 43 is 1.
    EXPECT_EQ(dealArraySize(game(52, 2, 0)), 52);
    EXPECT_EQ(dealArraySize(game(52, 2, 2)), 52);
    EXPECT_TRUE(frontend.calls.empty());
}

TEST(FindFreeSlot, ScansOneWayThenFromTheFront) {
    const DealArray slots{0, 7, 0, 9, 8, 0, 6};
    EXPECT_EQ(findFreeSlot(slots, 3, true), 5);
    EXPECT_EQ(findFreeSlot(slots, 2, true), 2);
    EXPECT_EQ(findFreeSlot(slots, 4, false), 2);
    EXPECT_EQ(findFreeSlot(slots, 6, true), 0); // nothing above: from the front
    const DealArray tail{5, 0, 4, 3};
    EXPECT_EQ(findFreeSlot(tail, 0, false), 1); // nothing below: from the front
    EXPECT_EQ(findFreeSlot(DealArray{1, 2, 3}, 1, true), -1);
    EXPECT_EQ(findFreeSlot(DealArray{}, 0, false), -1);
    // A start outside the array is moved to its nearest end.
    EXPECT_EQ(findFreeSlot(slots, 40, false), 5);
    EXPECT_EQ(findFreeSlot(slots, -4, true), 0);
}

} // namespace
} // namespace vellomir::table
