#include "cli_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

namespace vellomir::tools {
namespace {

using testing::CliRun;
using testing::runCommand;

CliRun play(const std::vector<std::string>& args, const std::string& input) {
    std::vector<std::string> full{"play"};
    full.insert(full.end(), args.begin(), args.end());
    return runCommand(full, input);
}

// The piles of the table printed first, by name: the cards' three-digit codes.
std::map<std::string, std::vector<std::string>> dealtPiles(const CliRun& run) {
    std::map<std::string, std::vector<std::string>> piles;
    const std::regex line(R"((\w+) \[-?\d+,-?\d+\]:(.*))");
    for (const std::string& text : run.lines) {
        std::smatch m;
        if (std::regex_match(text, m, line)) {
            std::istringstream cards(m[2].str());
            std::vector<std::string>& pile = piles[m[1].str()];
            for (std::string c; cards >> c;) {
                pile.push_back(c);
            }
        }
    }
    return piles;
}

// The places of the 3 x 3 puzzle to click, in order, to reach the ace to 8
// with the gap last; empty when the deal cannot be solved.
std::vector<int> solvePuzzle(const std::array<int, 9>& start) {
    const std::array<int, 9> goal{1, 2, 3, 4, 5, 6, 7, 8, 0};
    std::map<std::array<int, 9>, std::pair<std::array<int, 9>, int>> cameFrom;
    std::deque<std::array<int, 9>> queue{start};
    cameFrom[start] = {start, -1};
    while (!queue.empty()) {
        const std::array<int, 9> now = queue.front();
        queue.pop_front();
        if (now == goal) {
            std::vector<int> clicks;
            for (std::array<int, 9> s = now; cameFrom[s].second >= 0; s = cameFrom[s].first) {
                clicks.insert(clicks.begin(), cameFrom[s].second);
            }
            return clicks;
        }
        int gap = 0;
        while (now[gap] != 0) {
            ++gap;
        }
        for (int n : {gap - 3, gap + 3, gap % 3 > 0 ? gap - 1 : -1, gap % 3 < 2 ? gap + 1 : -1}) {
            if (n < 0 || n > 8) {
                continue;
            }
            std::array<int, 9> next = now;
            std::swap(next[gap], next[n]);
            if (cameFrom.emplace(next, std::pair{now, n}).second) {
                queue.push_back(next);
            }
        }
    }
    return {};
}

TEST(PlayCommand, SolvesTheSlidingPuzzleByClicksAndReportsTheWin) {
    for (int deal = 1; deal < 40; ++deal) {
        const CliRun dealt = play({"87", std::to_string(deal)}, "");
        ASSERT_EQ(dealt.status, 0) << dealt.err;
        auto piles = dealtPiles(dealt);
        std::array<int, 9> grid{};
        for (int i = 0; i < 9; ++i) {
            const auto& pile = piles["Fila" + std::to_string(i + 1)];
            grid[i] = pile.empty() ? 0 : std::stoi(pile.front());
        }
        const std::vector<int> clicks = solvePuzzle(grid);
        if (clicks.empty()) {
            continue; // half of all deals cannot be solved
        }
        std::string script;
        for (int place : clicks) {
            script += "click Fila" + std::to_string(place + 1) + "\n";
        }
        script += "click Fila1\n"; // after the end nothing happens
        const CliRun played = play({"87", std::to_string(deal)}, script);
        ASSERT_EQ(played.status, 0) << played.err;
        const std::vector<std::string> answers(
            played.lines.end() - static_cast<long>(clicks.size()) - 1, played.lines.end());
        for (std::size_t i = 0; i + 2 < answers.size(); ++i) {
            EXPECT_EQ(answers[i], "ok") << "click " << i;
        }
        EXPECT_EQ(answers[answers.size() - 2], "won");
        EXPECT_EQ(answers.back(), "ok");
        return;
    }
    FAIL() << "no solvable deal among the first 39";
}

TEST(PlayCommand, PlaysLegalKlondikeMovesAndRefusesIllegalOnes) {
    // A deal with an ace on top of a tableau.
    for (int deal = 1; deal < 200; ++deal) {
        const CliRun dealt = play({"1", std::to_string(deal)}, "");
        ASSERT_EQ(dealt.status, 0) << dealt.err;
        auto piles = dealtPiles(dealt);
        std::string acePile;
        std::string other;
        for (int t = 1; t <= 7; ++t) {
            const std::string name = "Fila" + std::to_string(t);
            const int top = std::stoi(piles[name].back());
            if ((top - 1) % 13 == 0 && acePile.empty()) {
                acePile = name;
            } else if ((top - 1) % 13 != 1 && other.empty()) {
                other = name;
            }
        }
        if (acePile.empty() || other.empty()) {
            continue;
        }
        const std::string ace = piles[acePile].back();
        const std::string stockTop =
            piles["Mazzo"].back().substr(0, 3); // without the face-down "*"
        const CliRun played = play({"1", std::to_string(deal)},
                                   "drag " + acePile +
                                       " Dest1\n" // the ace goes up
                                       "drag " +
                                       other +
                                       " Dest1\n"           // not a 2: refused
                                       "click Mazzo\n"      // one card to the waste
                                       "drag Fila9 Dest1\n" // no such place
                                       "jump Fila1\n"       // no such command
                                       "show\n");
        ASSERT_EQ(played.status, 0) << played.err;
        const std::vector<std::string>& l = played.lines;
        const auto lastAnswer = std::find(l.begin(), l.end(), "error: unknown command 'jump'");
        ASSERT_NE(lastAnswer, l.end());
        ASSERT_GE(lastAnswer - l.begin(), 4);
        const auto firstAnswer = lastAnswer - 4;
        EXPECT_EQ(*firstAnswer, "ok");
        EXPECT_EQ(*(firstAnswer + 1), "ok");
        EXPECT_EQ(*(firstAnswer + 2), "ok");
        EXPECT_EQ(*(firstAnswer + 3), "error: pile Fila9 is not on the table");
        const std::string table = [&] {
            std::string all;
            for (auto it = firstAnswer + 5; it != l.end(); ++it) {
                all += *it + "\n";
            }
            return all;
        }();
        EXPECT_NE(table.find("Dest1: " + ace + "\n"), std::string::npos) << table;
        EXPECT_NE(table.find("Mazzo_Vis: " + stockTop + "\n"), std::string::npos) << table;
        // The refused card is still on top of its tableau.
        const std::size_t otherLine = table.find(other + ": ");
        ASSERT_NE(otherLine, std::string::npos);
        const std::string rest = table.substr(otherLine, table.find('\n', otherLine) - otherLine);
        EXPECT_TRUE(rest.ends_with(piles[other].back())) << rest;
        EXPECT_EQ(l.back(), "ok");
        return;
    }
    FAIL() << "no deal with an ace on a tableau";
}

// A whole Klondike game won through the pointer: the script the solver
// found for deal 1, played by the real play command.
TEST(PlayCommand, WinsAKlondikeDealFromARecordedScript) {
    std::ifstream file(VELLOMIR_CLI_SCRIPTS "/klondike_deal_1_win.txt");
    ASSERT_TRUE(file) << "the script is missing";
    std::stringstream script;
    script << file.rdbuf();
    int moves = 0;
    for (std::string line; std::getline(script, line);) {
        moves += line.empty() || line.starts_with('#') ? 0 : 1;
    }
    ASSERT_GT(moves, 100);
    const CliRun played = play({"1", "1"}, script.str());
    ASSERT_EQ(played.status, 0) << played.err;
    ASSERT_GE(played.lines.size(), static_cast<std::size_t>(moves));
    const std::vector<std::string> answers(played.lines.end() - moves, played.lines.end());
    for (int i = 0; i + 1 < moves; ++i) {
        ASSERT_EQ(answers[static_cast<std::size_t>(i)], "ok") << "move " << i + 1;
    }
    EXPECT_EQ(answers.back(), "won");
}

// A recorded script played to its end: every move but the last answers
// "ok", the last "won"; `show` after it prints the table.
std::vector<std::string> playRecorded(const std::string& game, const std::string& deal,
                                      const std::string& scriptName) {
    std::ifstream file(std::string(VELLOMIR_CLI_SCRIPTS "/") + scriptName);
    EXPECT_TRUE(file) << scriptName << " is missing";
    std::stringstream script;
    script << file.rdbuf();
    int moves = 0;
    for (std::string line; std::getline(script, line);) {
        moves += line.empty() || line.starts_with('#') ? 0 : 1;
    }
    const CliRun played = play({game, deal}, script.str() + "show\n");
    EXPECT_EQ(played.status, 0) << played.err;
    std::vector<std::string> answers;
    bool showing = false;
    std::vector<std::string> shown;
    for (const std::string& line : played.lines) {
        if (line == "ok" || line == "won" || line == "lost" || line.starts_with("error") ||
            line == "beep") {
            answers.push_back(line);
        }
        if (line.starts_with("Mazzo:")) {
            showing = true;
        }
        if (showing) {
            shown.push_back(line);
        }
    }
    EXPECT_GE(answers.size(), static_cast<std::size_t>(moves));
    for (int i = 0; i + 1 < moves && i < static_cast<int>(answers.size()); ++i) {
        EXPECT_EQ(answers[static_cast<std::size_t>(i)], "ok") << scriptName << " move " << i + 1;
    }
    if (moves > 0 && answers.size() >= static_cast<std::size_t>(moves)) {
        EXPECT_EQ(answers[static_cast<std::size_t>(moves - 1)], "won") << scriptName;
    }
    return shown;
}

std::string shownLine(const std::vector<std::string>& shown, const std::string& prefix) {
    for (const std::string& line : shown) {
        if (line.starts_with(prefix)) {
            return line;
        }
    }
    return "";
}

TEST(PlayCommand, GolfScoresOnlyTheTableauCardsPlayed) {
    const std::vector<std::string> shown = playRecorded("44", "21", "golf_deal_21_win.txt");
    // All 35 tableau cards played: -52 + 35 x 5, the stock's cards not counted.
    EXPECT_EQ(shownLine(shown, "score"), "score 123");
}

TEST(PlayCommand, RoyalMarriageIsWonOnlyWithTheCoupleAlone) {
    // Never won while cards stand between the queen and the king of hearts.
    const std::vector<std::string> shown = playRecorded("38", "8", "royal_marriage_deal_8_win.txt");
    EXPECT_EQ(shownLine(shown, "Fila1:"), "Fila1: 012 013");
}

TEST(PlayCommand, NinetyOneIsWonAsSoonAsTheTopsAddUpToIt) {
    const CliRun played = play({"50", "5"}, "drag Fila10 Fila13\n");
    ASSERT_EQ(played.status, 0) << played.err;
    EXPECT_EQ(played.lines.back(), "won"); // no quit needed
}

TEST(PlayCommand, DoubleAndRightClicksSendAsTheWindowsDefaultsDo) {
    // Klondike deals 1 and 5 show the ace of hearts on tableau 7.
    for (const auto& [deal, command] :
         {std::pair<std::string, std::string>{"1", "rclick Fila7"}, {"5", "dblclick Fila7"}}) {
        const CliRun played = play({"1", deal}, command + "\nshow\n");
        ASSERT_EQ(played.status, 0) << played.err;
        EXPECT_NE(std::find(played.lines.begin(), played.lines.end(), "Dest1: 001"),
                  played.lines.end())
            << command;
        EXPECT_EQ(played.lines[played.lines.size() - 2], "game in play");
    }
}

TEST(PlayCommand, ShowSaysWhetherTheGameIsWon) {
    const CliRun played = play({"50", "5"}, "show\ndrag Fila10 Fila13\nshow\n");
    ASSERT_EQ(played.status, 0) << played.err;
    EXPECT_EQ(std::count(played.lines.begin(), played.lines.end(), "game in play"), 1);
    EXPECT_EQ(played.lines[played.lines.size() - 2], "game won");
}

TEST(PlayCommand, UndoTakesBackOneActionAndRedoPlaysItAgain) {
    // Klondike deal 1: a right click sends the ace of hearts from tableau 7.
    const CliRun played = play({"1", "1"}, "show\nrclick Fila7\nshow\nundo\nshow\nredo\nshow\n");
    ASSERT_EQ(played.status, 0) << played.err;
    std::vector<std::vector<std::string>> tables(1);
    for (const std::string& line : played.lines) {
        if (line == "game in play") {
            tables.emplace_back();
        } else {
            tables.back().push_back(line);
        }
    }
    ASSERT_GE(tables.size(), 5u);
    const auto has = [](const std::vector<std::string>& t, const std::string& line) {
        return std::find(t.begin(), t.end(), line) != t.end();
    };
    EXPECT_TRUE(has(tables[1], "Dest1: 001"));
    EXPECT_FALSE(has(tables[2], "Dest1: 001"));
    EXPECT_TRUE(has(tables[3], "Dest1: 001"));
    // The table after undo is the dealt one, line for line (the "ok" answers apart).
    const auto withoutAnswers = [](std::vector<std::string> t) {
        t.erase(std::remove(t.begin(), t.end(), "ok"), t.end());
        return t;
    };
    // tables[0] also holds the table printed at the deal: compare its shown part.
    const std::vector<std::string> dealt = withoutAnswers(tables[0]);
    const std::vector<std::string> undone = withoutAnswers(tables[2]);
    ASSERT_LE(undone.size(), dealt.size());
    EXPECT_EQ(undone, std::vector<std::string>(dealt.end() - undone.size(), dealt.end()));
}

TEST(PlayCommand, UndoAndRedoWithNothingToTakeBackAreRefused) {
    const CliRun played = play({"1", "1"}, "undo\nrclick Fila7\nredo\n");
    ASSERT_EQ(played.status, 0) << played.err;
    const std::string all = played.err + [&] {
        std::string text;
        for (const std::string& line : played.lines) {
            text += line + "\n";
        }
        return text;
    }();
    EXPECT_NE(all.find("nothing to undo"), std::string::npos) << all;
    EXPECT_NE(all.find("nothing to redo"), std::string::npos) << all;
}

TEST(PlayCommand, RestartDealsTheSameCardsAgain) {
    const CliRun played = play({"1", "1"}, "show\nclick Mazzo\nshow\nrestart\nshow\n");
    ASSERT_EQ(played.status, 0) << played.err;
    // Each "show" ends its table with "game in play": tables[0] holds the
    // dealt table (after the header and the layout), then one table a show.
    std::vector<std::vector<std::string>> tables(1);
    for (const std::string& line : played.lines) {
        if (line == "game in play") {
            tables.emplace_back();
        } else if (line != "ok") {
            tables.back().push_back(line);
        }
    }
    ASSERT_EQ(tables.size(), 4u);
    const std::vector<std::string>& afterClick = tables[1];
    const std::vector<std::string>& afterRestart = tables[2];
    ASSERT_FALSE(afterRestart.empty());
    ASSERT_LE(afterRestart.size(), tables[0].size());
    const std::vector<std::string> dealt(tables[0].end() - afterRestart.size(), tables[0].end());
    EXPECT_NE(afterClick, dealt); // the click changed the table
    EXPECT_EQ(afterRestart, dealt);
}

TEST(PlayCommand, UsageErrors) {
    EXPECT_EQ(play({"87"}, "").status, 2);
    EXPECT_EQ(play({"87", "12", "--autoplay", "maybe"}, "").status, 2);
    EXPECT_EQ(play({"777", "12"}, "").status, 1);
}

} // namespace
} // namespace vellomir::tools
