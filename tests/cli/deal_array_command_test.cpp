#include "cli_run.h"

#include <gtest/gtest.h>

namespace vellomir::tools {
namespace {

using testing::CliRun;
using testing::runCommand;

TEST(DealArrayCommand, PrintsTheDealOnOneLine) {
    const CliRun r = runCommand({"deal-array", "1234567890123", "--cards", "52"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "005 014 028 037 035 006 002 043 003 040 023 034 022 018 020 046 045 015 012 038 "
              "001 044 042 017 021 011 052 026 033 049 050 009 019 013 039 041 030 051 027 016 "
              "031 036 008 048 029 032 047 007 010 024 004 025\n");
}

TEST(DealArrayCommand, DealsJokersAndShortNumbers) {
    const CliRun jokers =
        runCommand({"deal-array", "--jokers", "4", "9876543210987", "--cards", "52"});
    EXPECT_EQ(jokers.status, 0);
    EXPECT_EQ(jokers.out,
              "002 039 007 006 017 047 042 018 038 107 011 001 033 014 045 026 024 020 046 029 "
              "012 041 030 028 005 034 019 004 008 031 108 013 105 016 027 051 015 037 023 036 "
              "022 032 021 052 044 106 043 003 040 009 010 025 050 035 049 048\n");
    // A short deal number gets its leading zeros.
    EXPECT_EQ(runCommand({"deal-array", "0", "--cards", "24"}).out,
              runCommand({"deal-array", "0000000000000", "--cards", "24"}).out);
    EXPECT_EQ(runCommand({"deal-array", "77", "--cards", "0"}).out, "\n");
}

TEST(DealArrayCommand, UnknownPackCountReportsAndStillPrints) {
    const CliRun r = runCommand({"deal-array", "1234567890123", "--cards", "60", "--jokers", "1"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "info: Error 01 - fnGameNumberCardsArray\n");
    ASSERT_EQ(r.out.size(), 61U * 4U);
    EXPECT_NE(r.out.find("105"), std::string::npos);
    EXPECT_EQ(r.out.find_first_not_of("0 \n"), r.out.find("105"));
}

TEST(DealArrayCommand, BadArgumentsAreUsageErrors) {
    const std::vector<std::vector<std::string>> bad{
        {"deal-array"},
        {"deal-array", "1234567890123"},
        {"deal-array", "--cards", "52"},
        {"deal-array", "12345678901234", "--cards", "52"},
        {"deal-array", "12x4", "--cards", "52"},
        {"deal-array", "-12", "--cards", "52"},
        {"deal-array", "1", "--cards"},
        {"deal-array", "1", "--cards", "fifty"},
        {"deal-array", "1", "--cards", "-52"},
        {"deal-array", "1", "--cards", "+52"},
        {"deal-array", "1", "--cards", "40000"},
        {"deal-array", "1", "--cards", "52", "--cards", "52"},
        {"deal-array", "1", "--cards", "52", "--jokers", "5"},
        {"deal-array", "1", "--cards", "52", "--shuffle"},
        {"deal-array", "1", "2", "--cards", "52"},
    };
    for (const auto& args : bad) {
        const CliRun r = runCommand(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
        EXPECT_NE(r.err.find("usage: vellomir-cli deal-array"), std::string::npos) << args.back();
    }
    EXPECT_NE(runCommand({}).err.find("deal-array DEALNUMBER --cards N [--jokers J]"),
              std::string::npos);
}

} // namespace
} // namespace vellomir::tools
