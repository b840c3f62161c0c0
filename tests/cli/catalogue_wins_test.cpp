#include "cli/play_command.h"
#include "cli_run.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "support/layout_check.h"
#include "support/recording_frontend.h"
#include "table/card_position.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace vellomir::tools {
namespace {

using testing::CliRun;
using testing::runCommand;

// A deal the solver wins, the position limit that takes (0: the default
// limit of `solve`), and the order of the search: whether it digs for the
// foundations' next cards (`solve --dig`) and avoids covering cards needed
// sooner (`solve --cover`).
struct RecordedWin {
    int deal;
    long positions;
    bool dig = false;
    bool cover = false;
};

// For each game the solver wins, a deal it wins. Found with
// scripts/solver_survey.sh; docs/games.md has the figures.
// clang-format off
const std::map<int, RecordedWin> kWinningDeal{
    {1, {3, 0}},
    {2, {9, 0}},
    {3, {10, 0}},
    {4, {4, 0}},
    {5, {2, 0}},
    {6, {1, 0}},
    {7, {1137, 20000, false, true}},
    {8, {2, 0}},
    {9, {6, 0}},
    {10, {3, 0}},
    {11, {10, 0}},
    {12, {5, 0}},
    {13, {1, 0}},
    {14, {1, 0}},
    {15, {8, 0}},
    {16, {3, 0}},
    {17, {3, 0}},
    {18, {2233, 10000, true}},
    {19, {3, 0}},
    {20, {4425, 0}},
    {21, {3, 3000, true}},
    {22, {2, 0}},
    {23, {12, 0}},
    {24, {1, 0}},
    {25, {1000, 0}},
    {26, {5, 0}},
    {27, {1000, 20000}},
    {28, {10, 0}},
    {29, {4, 0}},
    {30, {30411, 0}},
    {31, {3192, 0}},
    {32, {3, 0}},
    {33, {2, 0}},
    {34, {2781, 0}},
    {35, {2, 0}},
    {36, {14, 20000}},
    {37, {1, 0}},
    {38, {8, 20000}},
    {39, {1, 0}},
    {40, {4, 0}},
    {41, {27, 20000}},
    {42, {10, 20000}},
    {43, {3, 20000}},
    {44, {21, 0}},
    {45, {2, 0}},
    {46, {15, 20000}},
    {47, {2, 0}},
    {48, {1000, 0}},
    {49, {1000, 0}},
    {50, {5, 0}},
    {51, {8, 0}},
    {52, {11, 0}},
    {53, {118409, 0}},
    {54, {14, 20000}},
    {55, {1000, 20000}},
    {56, {1137, 20000}},
    {57, {1411, 20000}},
    {58, {3, 0}},
    {59, {1411, 20000}},
    {60, {101, 8000}},
    {61, {20, 15000}},
    {62, {2, 0}},
    {63, {7, 16000}},
    {64, {3, 0}},
    {65, {1, 0}},
    {66, {1, 0}},
    {67, {3, 0, true}},
    {68, {1, 0}},
    {69, {1, 0}},
    {70, {50320, 0}},
    {71, {3, 0}},
    {72, {8, 50000}},
    {73, {3, 0}},
    {74, {1, 0}},
    {75, {4, 0}},
    {76, {1, 0}},
    {77, {2, 0}},
    {78, {1, 0}},
    {79, {12, 0}},
    {80, {2, 0}},
    {81, {1, 0}},
    {82, {1, 0}},
    {83, {1, 0}},
    {84, {2, 0}},
    {85, {1, 0}},
    {86, {17, 10000}},
    {87, {3, 0}},
    {88, {4, 20000}},
    {89, {8, 20000}},
    {90, {1, 0}},
    {91, {1, 0}},
    {92, {1000, 0}},
    {93, {4, 20000}},
    {94, {3, 0}},
    {95, {4, 20000}},
    {96, {1, 0}},
    {97, {1749945289, 0}},
    {98, {1, 0}},
    {99, {1, 0}},
    {100, {2, 0, true}},
    {101, {4, 0}},
    {102, {2, 0}},
    {103, {117587, 0}},
    {104, {1959, 20000, true}},
    {105, {86077, 0}},
    {106, {1274, 0}},
    {107, {1274, 0}},
    {108, {1, 0}},
    {109, {1, 0}},
    {110, {1, 0}},
    {111, {39, 0}},
    {112, {11960, 0}},
    {113, {6, 0}},
    {114, {200, 0}},
    {115, {1, 0}},
    {116, {1, 0}},
    {117, {8, 40000, false, true}},
    {118, {1, 0}},
    {119, {1, 0}},
    {120, {22235, 0}},
    {121, {70185, 0}},
    {122, {20180, 0}},
    {123, {123615, 0}},
    {124, {13330, 0}},
    {125, {36620, 0}},
    {126, {5795, 0}},
    {127, {17440, 0}},
    {128, {55115, 0}},
    {129, {85255, 0}},
    {130, {101695, 0}},
    {131, {137315, 0}},
    {132, {3, 0}},
    {133, {126355, 0}},
    {134, {11275, 0}},
    {135, {110600, 0}},
    {136, {14015, 0}},
    {137, {133890, 0}},
    {138, {135260, 0}},
    {139, {101695, 0}},
    {140, {100325, 0}},
    {141, {90050, 0}},
    {142, {2, 0}},
    {143, {122245, 0}},
    {144, {111285, 0}},
    {145, {111285, 0}},
    {146, {124300, 0}},
    {150, {32833, 0}},
    {151, {1, 0}},
    {152, {1, 0}},
    {153, {1, 0}},
    {154, {1, 0}},
    {155, {1685, 0}},
    {156, {1, 0}},
    {157, {1, 0}},
    {158, {2, 0}},
    {160, {2370, 0}},
    {161, {1000, 0}},
    {162, {2370, 0}},
    {163, {3055, 0}},
    {164, {1, 20000, false, true}},
    {165, {2, 0}},
    {166, {3055, 0}},
    {167, {40730, 0}},
    {168, {2781, 0}},
    {169, {2370, 0}},
    {170, {64705, 0}},
    {171, {5, 0}},
    {172, {3, 0}},
    {173, {1000, 0}},
    {174, {1000, 0}},
    {175, {166, 0}},
};

// The games no search of the solver has won yet, and why. A game added to
// the catalogue goes here until a deal of it is won.
const std::map<int, std::string> kNotWonYet{
};
// clang-format on

TEST(CatalogueWins, EveryGameHasAWinningDealOrASaidReason) {
    const CliRun games = runCommand({"games"});
    ASSERT_EQ(games.status, 0) << games.err;
    std::set<int> listed;
    for (const std::string& line : games.lines) {
        listed.insert(std::stoi(line));
    }
    ASSERT_GE(listed.size(), 100U); // the docs test pins the exact list
    for (int game : listed) {
        EXPECT_TRUE(kWinningDeal.contains(game) != kNotWonYet.contains(game)) << "game " << game;
    }
    EXPECT_EQ(kWinningDeal.size() + kNotWonYet.size(), listed.size());
}

// With VELLOMIR_CATALOGUE_SAMPLE=N only every Nth game of the table is
// played (the sanitizer build of CI, where a search runs many times slower).
bool sampled(int game) {
    const char* every = std::getenv("VELLOMIR_CATALOGUE_SAMPLE");
    const int n = every != nullptr ? std::atoi(every) : 1;
    if (n <= 1) {
        return true;
    }
    int index = 0;
    for (const auto& [listed, win] : kWinningDeal) {
        if (listed == game) {
            return index % n == 0;
        }
        ++index;
    }
    return false;
}

// The stored winning line of a game: the play commands of the solver's win of
// its recorded deal.
std::filesystem::path storedLinePath(int game) {
    return std::filesystem::path(VELLOMIR_WINNING_LINES) / ("game" + std::to_string(game) + ".txt");
}

// Plays `script` on the deal and expects every one of its `moves` accepted
// and the last one to win.
void expectWinningLine(int game, int deal, const std::string& script, std::size_t moves) {
    const CliRun played = runCommand({"play", std::to_string(game), std::to_string(deal)}, script);
    ASSERT_EQ(played.status, 0) << played.err;
    ASSERT_GE(played.lines.size(), moves);
    ASSERT_GT(moves, 0U);
    const std::vector<std::string> answers(played.lines.end() - static_cast<long>(moves),
                                           played.lines.end());
    for (std::size_t i = 0; i + 1 < answers.size(); ++i) {
        ASSERT_EQ(answers[i], "ok") << "game " << game << " move " << i + 1;
    }
    EXPECT_EQ(answers.back(), "won") << "game " << game;
}

// Main windows of three common sizes and the table area each gives the
// table (the menu and status bars taken off; the tool bar lies over the
// table's top margin).
struct WindowSize {
    int width;
    int height;
    int areaWidth;
    int areaHeight;
};
constexpr WindowSize kWindows[] = {
    {800, 600, 786, 559}, {1280, 1024, 1266, 983}, {1920, 1080, 1906, 1039}};
constexpr int kToolBarMargin = 53;

// The Yukon family (Yukon, Moosehide, Odessa, Roslin, Double Yukon, Double
// Russian Solitaire, Ten Across) moves any face-up group, in order or not, so the cards
// dealt face down turn up under what leaves them and columns grow without a
// bound: their solver lines build columns of 25 and more face-up cards, more
// than the smaller of these windows holds at the closest step that still
// shows each index. The vertical scroll bar shows the rest there; dealt, they
// fit. Spider (of four, two and one suits, and Relaxed Spider), Spiderette, Scorpion, Three Blind
// Mice, Will o' the Wisp and Grounds for a Divorce build their runs of thirteen where they lie, on
// the cards dealt under them, so a column of 17 cards and more is an ordinary sight there: in the
// 800 x 600 window it runs off too.
bool columnsMayRunOff(int game) {
    return game == 33 || game == 71 || (game >= 73 && game <= 75) || (game >= 79 && game <= 82) ||
           game == 99 || game == 109 || game == 110 || game == 136 || game == 139 || game == 160 ||
           game == 166;
}

// Every card of every pile on the table that does not lie wholly inside the
// table area, one line each.
std::vector<std::string> cardsOutside(const table::ProgramState& state, const WindowSize& window) {
    std::vector<std::string> outside;
    const int W = state.cardSize.width;
    const int H = state.cardSize.height;
    for (const testing::PlacedPile& placed : testing::placedPiles(state)) {
        const std::string& cards = state.piles.pile(placed.ref);
        const int count = placed.ref.kind == table::PileKind::Stock ? 1 : table::cardCount(cards);
        for (int k = 0; k < std::max(count, 1); ++k) {
            const table::CardPoint p = table::cardPosition(state, placed.ref, cards, k);
            if (p.x < 0 || p.y < 0 || p.x + W > window.areaWidth || p.y + H > window.areaHeight) {
                outside.push_back(placed.name + ":" + std::to_string(k) + " at (" +
                                  std::to_string(p.x) + ", " + std::to_string(p.y) + ")");
                break;
            }
        }
    }
    return outside;
}

// Plays `script` on the deal in a window of each size with fitted cards:
// every pile lies inside the window as dealt and after every move, and the
// line still wins.
void expectEveryPileInsideTheWindows(int game, const std::string& dealNumber,
                                     const std::vector<std::string>& script) {
    for (const WindowSize& window : kWindows) {
        const std::string where = "game " + std::to_string(game) + " at " +
                                  std::to_string(window.width) + "x" +
                                  std::to_string(window.height);
        table::ProgramState state(VELLOMIR_BIN_DIR);
        testing::RecordingFrontend frontend;
        frontend.areaWidth = window.areaWidth;
        frontend.areaHeight = window.areaHeight;
        frontend.outerHeight = window.height;
        frontend.topMargin = kToolBarMargin;
        frontend.screenW = std::max(window.width, 1024);
        frontend.screenH = std::max(window.height, 768);
        state.settings.write(settings::field::CardSize, "F");
        engine::PlayEngine engine(state, frontend);
        applyPointerPreferences(state, VELLOMIR_BIN_DIR);
        std::ostringstream err;
        ASSERT_TRUE(dealForPlay(engine, game, dealNumber, false, err)) << where << err.str();
        EXPECT_EQ(cardsOutside(state, window), std::vector<std::string>{}) << where << " dealt";
        int move = 0;
        for (const std::string& line : script) {
            ++move;
            std::string problem;
            const auto command = engine::parsePointerCommand(line, problem);
            ASSERT_TRUE(command && engine::runPointerCommand(engine, *command, problem))
                << where << " move " << move << ": " << line << ": " << problem;
            const std::vector<std::string> outside = cardsOutside(state, window);
            if (columnsMayRunOff(game)) {
                continue;
            }
            ASSERT_EQ(outside, std::vector<std::string>{}) << where << " after move " << move;
        }
        EXPECT_FALSE(state.flags.test(table::Flag::GameInPlay)) << where << ": the line won";
    }
}

class CatalogueWin : public ::testing::TestWithParam<std::pair<const int, RecordedWin>> {};

// The solver wins the recorded deal, and its moves, fed to the play command
// as a player would type them, end in "won" with every move accepted.
TEST_P(CatalogueWin, TheSolversLineWinsThroughThePlayCommand) {
    const auto [game, win] = GetParam();
    const auto [deal, positions, dig, cover] = win;
    if (!sampled(game)) {
        GTEST_SKIP() << "not in the sample";
    }
    std::vector<std::string> solve{"solve", std::to_string(game), std::to_string(deal)};
    if (positions > 0) {
        solve.insert(solve.end(), {"--positions", std::to_string(positions)});
    }
    if (dig) {
        solve.push_back("--dig");
    }
    if (cover) {
        solve.push_back("--cover");
    }
    const CliRun solved = runCommand(solve);
    ASSERT_EQ(solved.status, 0) << solved.err;
    ASSERT_FALSE(solved.lines.empty());
    std::smatch m;
    ASSERT_TRUE(std::regex_match(solved.lines[0], m, std::regex(R"(solved in (\d+) moves)")))
        << "game " << game << " deal " << deal << ": " << solved.lines[0];
    const std::size_t moves = std::stoul(m[1].str());
    ASSERT_EQ(solved.lines.size(), moves + 1);
    std::string script;
    for (std::size_t i = 1; i < solved.lines.size(); ++i) {
        script += solved.lines[i] + "\n";
    }
    const CliRun played = runCommand({"play", std::to_string(game), std::to_string(deal)}, script);
    ASSERT_EQ(played.status, 0) << played.err;
    ASSERT_GE(played.lines.size(), moves);
    const std::vector<std::string> answers(played.lines.end() - static_cast<long>(moves),
                                           played.lines.end());
    for (std::size_t i = 0; i + 1 < answers.size(); ++i) {
        ASSERT_EQ(answers[i], "ok")
            << "game " << game << " move " << i + 1 << ": " << solved.lines[i + 1];
    }
    EXPECT_EQ(answers.back(), "won") << "game " << game;
    // VELLOMIR_RECORD_WINNING_LINES=FOLDER keeps the lines found, to refresh
    // the stored lines the default suite replays.
    if (const char* folder = std::getenv("VELLOMIR_RECORD_WINNING_LINES"); folder != nullptr) {
        std::ofstream(std::filesystem::path(folder) / storedLinePath(game).filename()) << script;
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueWin, ::testing::ValuesIn(kWinningDeal),
                         [](const auto& info) {
                             return "game" + std::to_string(info.param.first);
                         });

class StoredWin : public ::testing::TestWithParam<std::pair<const int, RecordedWin>> {};

// The stored winning line of the recorded deal, fed to the play command, ends
// in "won" with every move accepted: the searches of CatalogueWin (label
// "long") without the search.
TEST_P(StoredWin, TheStoredWinningLineWinsThroughThePlayCommand) {
    const auto [game, win] = GetParam();
    std::ifstream in(storedLinePath(game));
    ASSERT_TRUE(in) << "no stored line " << storedLinePath(game);
    std::string script;
    std::vector<std::string> commands;
    for (std::string line; std::getline(in, line);) {
        script += line + "\n";
        if (!line.empty() && line.front() != '#') {
            commands.push_back(line);
        }
    }
    expectWinningLine(game, win.deal, script, commands.size());
    // The same line played in windows of three sizes with fitted cards keeps
    // every pile inside the window throughout, the long columns it builds
    // included.
    const std::string deal = std::to_string(win.deal);
    expectEveryPileInsideTheWindows(game, std::string(13 - deal.size(), '0') + deal, commands);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, StoredWin, ::testing::ValuesIn(kWinningDeal),
                         [](const auto& info) {
                             return "game" + std::to_string(info.param.first);
                         });

} // namespace
} // namespace vellomir::tools
