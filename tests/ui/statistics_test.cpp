// The statistics after a scripted win and a scripted abandon, as the
// Statistics dialog shows them and as `vellomir-cli stats` prints them from
// the same file.

#include "engine/pointer_command.h"
#include "table_window.h"
#include "ui/statistics_form.h"

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

} // namespace
} // namespace vellomir::ui
