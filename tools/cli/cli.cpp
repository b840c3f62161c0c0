#include "cli/cli.h"

#include "cli/deal_array_command.h"

#include <functional>
#include <map>
#include <ostream>
#include <string>

namespace vellomir::tools {
namespace {

using Command =
    std::function<int(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)>;

// The commands by name; each receives the words after its name.
const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table{
        {"deal-array", runDealArrayCommand},
    };
    return table;
}

const std::string& usage() {
    static const std::string text = std::string("usage: vellomir-cli COMMAND [ARGUMENTS]\n"
                                                "commands:\n") +
                                    kDealArrayUsage;
    return text;
}

} // namespace

int runCli(const std::vector<std::string>& args, const std::string& programDirectory,
           std::istream& in, std::ostream& out, std::ostream& err) {
    (void)programDirectory;
    (void)in;
    if (args.empty()) {
        err << usage();
        return 2;
    }
    const auto found = commands().find(args.front());
    if (found == commands().end()) {
        err << "vellomir-cli: unknown command '" << args.front() << "'\n" << usage();
        return 2;
    }
    return found->second(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
}

} // namespace vellomir::tools
