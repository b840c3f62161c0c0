// The engine's rooms are layers: a unit includes units of its own room and
// of the rooms below it, never of a room above. The order, from the bottom:
// records (undo, histories, statistics), rules (legality), actions (what
// changes the piles), input (gestures and the moves a player may make),
// play (the engine as a whole), solver.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace {

constexpr std::array<std::string_view, 6> kRooms{"records", "rules", "actions",
                                                 "input",   "play",  "solver"};

int layerOf(std::string_view room) {
    const auto found = std::find(kRooms.begin(), kRooms.end(), room);
    return found == kRooms.end() ? -1 : static_cast<int>(found - kRooms.begin());
}

TEST(EngineRooms, EveryUnitLivesInARoomAndIncludesNoRoomAbove) {
    const std::filesystem::path engine = std::filesystem::path(VELLOMIR_SOURCE_DIR) / "engine";
    const std::regex include(R"(#include "engine/([a-z_]+)/[a-z_0-9]+\.h")");
    int units = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(engine)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        const std::filesystem::path& file = entry.path();
        const std::string room = file.parent_path().filename().string();
        const int layer = layerOf(room);
        ASSERT_GE(layer, 0) << file << " lies outside the engine's rooms";
        ++units;
        std::ifstream in(file);
        for (std::string line; std::getline(in, line);) {
            std::smatch match;
            if (std::regex_search(line, match, include)) {
                const int included = layerOf(match[1].str());
                EXPECT_GE(included, 0) << file << ": " << line;
                EXPECT_LE(included, layer) << file << " reaches up: " << line;
            }
        }
    }
    EXPECT_GT(units, 50);
}

} // namespace
