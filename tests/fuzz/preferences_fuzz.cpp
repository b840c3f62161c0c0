// The INI reader and the start-up load of the preferences on any CFG.DAT.
// Reading never fails and the load fills the settings record whatever the
// file holds; a value written into the file reads back, and the lines the
// write did not touch are kept.

#include "fuzz_support.h"

#include "startup/preferences_load.h"
#include "cli/console_frontend.h"
#include "settings/ini_file.h"
#include "table/program_state.h"

#include <algorithm>
#include <cctype>
#include <ostream>
#include <vector>

using namespace vellomir;

namespace {

// Section and key names as the program uses them, and some it does not.
constexpr std::string_view kSections[] = {"Preference", "preference", "Players",
                                          "Window",     "",           "x]"};
constexpr std::string_view kKeys[] = {"Game",    "Card", "Show_Time", "Sounds_Enabled",
                                      "Run_Exe", "Z",    "a=b"};

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::InputBytes input(data, size);
    const std::string_view section = kSections[input.byte() % std::size(kSections)];
    const std::string_view key = kKeys[input.byte() % std::size(kKeys)];
    const std::string value = std::to_string(input.below(1000));
    const bool fewColours = input.byte() % 2 == 0;
    const std::string_view file = input.rest();

    const std::filesystem::path folder = fuzz::scratchFolder() / "program/";
    const std::filesystem::path path = folder / "DATA/CFG.DAT";
    fuzz::writeFile(path, file);

    settings::IniFile ini(path);
    for (const std::string_view s : kSections) {
        for (const std::string_view k : kKeys) {
            ini.readText(s, k, "fallback");
            ini.readInt(s, k, -1);
        }
    }
    ini.readProblem();

    // The start-up load writes its counters and defaults back into the file.
    std::ostream nowhere(nullptr);
    tools::ConsoleFrontend frontend(nowhere);
    table::ProgramState state(folder.string());
    startup::loadPreferences(state, frontend, path, fewColours);
    startup::checkCurrentGame(state);

    // A write that succeeds reads back, and every other value stays.
    std::vector<std::string> before;
    for (const std::string_view s : kSections) {
        for (const std::string_view k : kKeys) {
            before.push_back(ini.readText(s, k, "?"));
        }
    }
    if (!ini.writeText(section, key, value).ok) {
        return 0;
    }
    fuzz::require(ini.readText(section, key, "?") == value, "a written value reads back");
    size_t i = 0;
    for (const std::string_view s : kSections) {
        for (const std::string_view k : kKeys) {
            if (!sameName(s, section) || !sameName(k, key)) {
                fuzz::require(ini.readText(s, k, "?") == before[i],
                              "a write keeps the other values");
            }
            ++i;
        }
    }
    return 0;
}
