// The statistics after a scripted win and a scripted abandon, as the
// Statistics dialog shows them and as `vellomir-cli stats` prints them from
// the same file.

#include "engine/play/pointer_command.h"
#include "table_window.h"
#include "ui/statistics_form.h"
#include "ui/won_game_message.h"

#include <QFile>
#include <QProcess>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace vellomir::ui {
namespace {

using table::Flag;
using testing::ProgramDirectory;
using testing::RecordingBoxes;

// A win of Klondike deal 1, one play command a line (found by the solver).
const char* const kWinScript = QT_TESTCASE_SOURCEDIR "/cli/scripts/klondike_deal_1_win.txt";

void play(app::Program& program, const std::string& line) {
    std::string problem;
    const auto command = engine::parsePointerCommand(line, problem);
    ASSERT_TRUE(command) << line << ": " << problem;
    ASSERT_TRUE(engine::runPointerCommand(program.engine(), *command, problem))
        << line << ": " << problem;
}

// `vellomir-cli ARGS` run from a copy beside the program directory's files,
// so that it reads that directory's data folder.
QString runCli(const ProgramDirectory& directory, const QStringList& args) {
    const std::string cli = directory.path() + "vellomir-cli";
    if (!std::filesystem::exists(cli)) {
        std::filesystem::copy_file(std::string(VELLOMIR_BIN_DIR) + "/vellomir-cli", cli);
    }
    QProcess process;
    process.start(QString::fromStdString(cli), args);
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(Statistics, AWinAndAnAbandonReadTheSameInTheDialogAndTheCommandLine) {
    ProgramDirectory directory;
    directory.write("DATA/CFG.DAT", "[Preference]\nGame=1\nAutoPlay=N\nDeal_Animation=N\n"
                                    "Cards_Animate=N\nWinning_Animations=None\n");
    directory.write("DATA/Stat_e00.dat", "");
    RecordingBoxes boxes;
    app::Program program(testing::testOptions(directory, boxes));
    ASSERT_TRUE(program.start());
    ASSERT_TRUE(
        testing::processEventsUntil([&] { return program.state().flags.test(Flag::GameInPlay); }));

    // The win, from deal 1.
    ASSERT_TRUE(program.engine().dealNumber("1"));
    std::ifstream script(kWinScript);
    ASSERT_TRUE(script) << kWinScript;
    int movesBeforeTheLast = 0;
    for (std::string line; std::getline(script, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        ASSERT_TRUE(program.state().flags.test(Flag::GameInPlay)) << "ended before " << line;
        movesBeforeTheLast = program.engine().moves();
        play(program, line);
    }
    ASSERT_FALSE(program.state().flags.test(Flag::GameInPlay));
    const int winningMoves = movesBeforeTheLast + 1;
    // The win said so, with the figures the statistics count.
    ASSERT_GE(boxes.boxes.size(), 1);
    const QString said = boxes.boxes[0].text;
    EXPECT_TRUE(said.startsWith(QStringLiteral("You won Klondike!"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("Moves: %1\r").arg(winningMoves)))
        << said.toStdString();
    EXPECT_TRUE(said.endsWith(QStringLiteral("Your first win of this game.")));

    // The abandon: New (as F2), one move, and New again.
    TfrmMain& window = *program.mainWindow();
    window.newGame();
    ASSERT_TRUE(program.state().flags.test(Flag::GameInPlay));
    play(program, "click Mazzo");
    ASSERT_EQ(program.engine().moves(), 1);
    window.newGame();
    // A game left before its first move counts nothing.
    window.newGame();

    const std::map<QString, QString> expected{
        {"Played", "2"},
        {"Won", "1"},
        {"Lost", "1"},
        {"Won share", "50%"},
        {"Current streak", "1 loss"},
        {"Longest winning streak", "1"},
        {"Longest losing streak", "1"},
        {"Fewest moves", QString::number(winningMoves)},
    };
    std::map<QString, QString> shown;
    QStringList row;
    boxes.onDialog = [&](QDialog& dialog) {
        auto& statistics = dynamic_cast<TfrmStatistics&>(dialog);
        for (const auto& [label, value] : expected) {
            shown[label] = statistics.figure(label);
        }
        shown["Best time"] = statistics.figure(QStringLiteral("Best time"));
        const auto* games = dialog.findChild<QTableWidget*>(QStringLiteral("tblAllGames"));
        if (games && games->rowCount() == 1) {
            for (int column = 0; column < 5; ++column) {
                row << games->item(0, column)->text();
            }
        }
        return QDialog::Accepted;
    };
    window.showStatistics();
    ASSERT_EQ(boxes.dialogs.count(QStringLiteral("frmStatistics")), 1);
    for (const auto& [label, value] : expected) {
        EXPECT_EQ(shown[label], value) << label.toStdString();
    }
    EXPECT_NE(shown["Best time"], QStringLiteral("-"));
    EXPECT_EQ(row, (QStringList{"Klondike", "2", "1", "1", "50%"}));

    // The command line reads the same file.
    const QString game = runCli(directory, {QStringLiteral("stats"), QStringLiteral("1")});
    EXPECT_TRUE(game.startsWith(QStringLiteral("game 1 Klondike\n"))) << game.toStdString();
    for (const auto& [label, value] : expected) {
        EXPECT_TRUE(game.contains(label + QStringLiteral(": ") + value + QLatin1Char('\n')))
            << label.toStdString() << " in\n"
            << game.toStdString();
    }
    EXPECT_TRUE(game.contains(QStringLiteral("Best time: ") + shown["Best time"]));
    const QString all = runCli(directory, {QStringLiteral("stats")});
    const QStringList lines = all.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << all.toStdString();
    EXPECT_EQ(lines[1].simplified(), QStringLiteral("1 2 1 1 50% Klondike"));
}

// A second win of a game tells which figures it beat: a slower one none,
// one in fewer moves that.
TEST(Statistics, AWinTellsTheBestsItBeat) {
    engine::GameStatistics before;
    before.name = "Klondike";
    before.played = 3;
    before.won = 2;
    before.streak = 1;
    before.longestWinningStreak = 1;
    before.longestLosingStreak = 1;
    before.lost = 1;
    before.bestTimeSeconds = 200;
    before.fewestMoves = 90;
    before.bestScore = 500;
    engine::GameResult won{1, "Klondike", true, 250'000, 95, 400};
    EXPECT_TRUE(wonGameText(won, &before).endsWith(QStringLiteral("No new best this time.")));
    won.moves = 80;
    won.elapsedMs = 150'000;
    const QString text = wonGameText(won, &before);
    EXPECT_TRUE(text.startsWith(QStringLiteral("You won Klondike!\r\rTime: ")));
    EXPECT_TRUE(text.contains(QStringLiteral("Score: 400\rMoves: 80\r")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("A new best: time, fewest moves.")))
        << text.toStdString();
}

// The dialog opens at its size and may be widened; the names of the games
// show whole there, and in their tips.
TEST(Statistics, TheGamesShowTheirWholeNames) {
    ProgramDirectory directory;
    directory.write("DATA/CFG.DAT", "[Preference]\nGame=1\n");
    engine::StatisticsBook book;
    const std::string longest = "Put-Them-In-Order (3x3 square)";
    engine::addResult(book, {1, "Klondike", true, 60'000, 100, 260});
    engine::addResult(book, {87, longest, true, 60'000, 30, 0});
    ASSERT_TRUE(engine::saveStatistics(directory.path(), book));
    RecordingBoxes boxes;
    TfrmStatistics dialog(nullptr, directory.path(), 1, QStringLiteral("Klondike"), boxes);
    dialog.QDialog::show();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.size(), QSize(560, 520));
    EXPECT_EQ(dialog.minimumWidth() < 560 || dialog.maximumWidth() > 560, true);
    const auto* games = dialog.findChild<QTableWidget*>(QStringLiteral("tblAllGames"));
    ASSERT_EQ(games->rowCount(), 2);
    for (int row = 0; row < 2; ++row) {
        const QTableWidgetItem* name = games->item(row, 0);
        EXPECT_EQ(name->toolTip(), name->text());
        EXPECT_GE(games->columnWidth(0), games->fontMetrics().horizontalAdvance(name->text()))
            << name->text().toStdString();
    }
}

} // namespace
} // namespace vellomir::ui
