#include "cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vellomir::tools {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun run(const std::vector<std::string>& args) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(args, VELLOMIR_BIN_DIR, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(Cli, UnknownCommandIsAUsageError) {
    const CliRun r = run({"frobnicate"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("usage"), std::string::npos);
    EXPECT_EQ(run({}).status, 2);
}

} // namespace
} // namespace vellomir::tools
