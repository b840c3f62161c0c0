#include "cli/cli.h"

#include <functional>
#include <map>
#include <ostream>

namespace vellomir::tools {
namespace {

constexpr const char* kUsage = "usage: vellomir-cli COMMAND [ARGUMENTS]\n"
                               "commands:\n";

} // namespace

int runCli(const std::vector<std::string>& args, const std::string& programDirectory, std::istream& in,
           std::ostream& out, std::ostream& err) {
    (void)programDirectory;
    (void)in;
    (void)out;
    if (args.empty()) {
        err << kUsage;
        return 2;
    }
    err << "vellomir-cli: unknown command '" << args.front() << "'\n" << kUsage;
    return 2;
}

} // namespace vellomir::tools
