#include "catalogue/catalogue_format.h"
#include "catalogue/catalogue_reader.h"
#include "program_fixture.h"
#include "table/program_state.h"
#include "ui/main_window.h"
#include "ui/open_game_form.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vellomir::ui {
namespace {

using table::Flag;
using testing::ProgramDirectory;
using testing::RecordingBoxes;

// Near-white pixels: the card faces of a preview; the cloth has none.
int whitePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            count += qRed(p) > 220 && qGreen(p) > 220 && qBlue(p) > 220 ? 1 : 0;
        }
    }
    return count;
}

// Rewrites one parameter of one game in a copied GAMES.DAT, stored as the
// catalogue stores it (scrambled, blank-padded to ten characters).
void setCatalogueValue(const std::string& path, int column, int parameter, int value) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream whole;
    whole << in.rdbuf();
    in.close();
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(whole, line)) {
        lines.push_back(line);
    }
    std::size_t sect2 = 0;
    while (sect2 < lines.size() && lines[sect2].rfind("[Sect2]", 0) != 0) {
        ++sect2;
    }
    std::string& target = lines.at(sect2 + static_cast<std::size_t>(parameter));
    std::string text = std::to_string(value);
    text.resize(10, ' ');
    target.replace(16 + 11 * static_cast<std::size_t>(column), 10, catalogue::scramble(text));
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const std::string& l : lines) {
        out << l << '\n';
    }
}

// A program started on its own program directory (a returning player, so
// the chooser does not open by itself), with its chooser at hand.
class ChooserTest : public ::testing::Test {
protected:
    void start(const std::string& preferences = "[Preference]\nGame=87\n") {
        directory.write("DATA/Stat_e00.dat", "");
        directory.write("DATA/CFG.DAT", preferences);
        program = std::make_unique<app::Program>(testing::testOptions(directory, boxes));
        ASSERT_TRUE(program->start()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
        ASSERT_TRUE(testing::processEventsUntil(
            [&] { return !program->state().flags.test(Flag::FirstActivationPending); }));
        ASSERT_NE(chooser(), nullptr);
    }
    TfrmMain& window() { return *program->mainWindow(); }
    TfrmOpenGame* chooser() { return window().gameChooser(); }
    QTreeWidget& tree() { return *chooser()->tree(); }
    QTreeWidgetItem* root() { return tree().topLevelItem(0); }
    QString text(const char* name) {
        return chooser()->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    QPushButton* button(const char* name) {
        return chooser()->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QCheckBox* previewBox() {
        return chooser()->findChild<QCheckBox*>(QStringLiteral("chkPreview"));
    }
    void show() {
        chooser()->show();
        QCoreApplication::processEvents();
    }
    void choose(int game) { ASSERT_TRUE(chooser()->selectGame(game)) << game; }
    // The names of the games under the root, in tree order.
    QStringList listed() {
        QStringList names;
        for (int i = 0; i < root()->childCount(); ++i) {
            names << root()->child(i)->text(0);
        }
        return names;
    }

    ProgramDirectory directory;
    RecordingBoxes boxes;
    std::unique_ptr<app::Program> program;
};

// At a larger desktop font the chooser grows as a whole: its parts keep
// their places inside it, the buttons stay at its foot.
TEST_F(ChooserTest, AtALargerFontTheGrownChooserKeepsItsPartsInside) {
    struct FontGuard {
        QFont before = QApplication::font();
        ~FontGuard() { QApplication::setFont(before); }
    } guard;
    QFont large = guard.before;
    large.setPointSize(14);
    QApplication::setFont(large);
    start();
    show();
    EXPECT_GT(chooser()->width(), 535);
    for (const char* name : {"trvGames", "pnlGameInfo", "btnRules", "btnOK", "btnCancel"}) {
        const auto* part = chooser()->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(part, nullptr) << name;
        EXPECT_TRUE(chooser()->rect().contains(part->geometry())) << name;
    }
    EXPECT_EQ(button("btnCancel")->geometry().bottom(), button("btnRules")->geometry().bottom());
}

// The chooser opens at its own size but may be made larger: the list of
// games takes the room, until the longest name shows whole; every name
// also shows whole in its tip.
TEST_F(ChooserTest, AWiderChooserShowsTheLongestNamesWhole) {
    start();
    show();
    EXPECT_EQ(chooser()->size(), QSize(535, 377));
    EXPECT_EQ(chooser()->minimumSize(), QSize(535, 377));
    EXPECT_GT(chooser()->maximumWidth(), 1000);
    QTreeWidgetItem* longest = nullptr;
    for (int i = 0; i < root()->childCount(); ++i) {
        QTreeWidgetItem* item = root()->child(i);
        EXPECT_EQ(item->toolTip(0), item->text(0));
        if (!longest || item->text(0).size() > longest->text(0).size()) {
            longest = item;
        }
    }
    ASSERT_NE(longest, nullptr);
    const auto wholeNameShows = [&] {
        const QRect name = tree().visualItemRect(longest);
        return name.right() <= tree().viewport()->width();
    };
    root()->setExpanded(true);
    EXPECT_FALSE(wholeNameShows()) << longest->text(0).toStdString();
    chooser()->resize(535 + 150, 377 + 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(tree().width(), 202 + 150);
    EXPECT_TRUE(wholeNameShows()) << longest->text(0).toStdString();
    // The rest moves along: Cancel stays in the bottom right-hand corner.
    EXPECT_EQ(button("btnCancel")->geometry().bottomRight(),
              QPoint(chooser()->width() - 9, chooser()->height() - 9));
}

TEST_F(ChooserTest, ListsEveryCatalogueGameAlphabeticallyAndOpensOnTheCurrentGame) {
    start("[Preference]\nGame=10\nGame_Name=FreeCell\n");
    EXPECT_EQ(chooser()->windowTitle(), QStringLiteral("Open a game"));
    EXPECT_EQ(chooser()->size(), QSize(535, 377));
    EXPECT_EQ(tree().width(), 202);
    // Before the first showing the one group holds only its placeholder.
    ASSERT_EQ(tree().topLevelItemCount(), 1);
    EXPECT_EQ(root()->text(0), QStringLiteral("All games (alphabetically)"));
    EXPECT_EQ(root()->data(0, Qt::UserRole).toInt(), -30);
    ASSERT_EQ(root()->childCount(), 1);
    EXPECT_EQ(root()->child(0)->data(0, Qt::UserRole).toInt(), -1);

    show();
    const std::vector<std::string>& games = program->state().mainGame.gameList();
    ASSERT_EQ(root()->childCount(), static_cast<int>(games.size()));
    QStringList names = listed();
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    EXPECT_EQ(names, sorted);
    for (const std::string& line : games) {
        const int number = table::gameListNumber(line);
        const int row = names.indexOf(QString::fromStdString(table::gameListName(line)));
        ASSERT_GE(row, 0) << line;
        EXPECT_EQ(root()->child(row)->data(0, Qt::UserRole).toInt(), number);
        EXPECT_FALSE(root()->child(row)->icon(0).isNull()) << line;
    }
    // The group of the last choice opens on the current game.
    ASSERT_NE(tree().currentItem(), nullptr);
    EXPECT_EQ(tree().currentItem()->text(0), QStringLiteral("FreeCell"));
    EXPECT_TRUE(root()->isExpanded());
    EXPECT_EQ(text("lblGameName"), QStringLiteral("FreeCell"));
}

TEST_F(ChooserTest, AGroupRememberedAsAGameNumberOpensNothing) {
    start("[Preference]\nGame=10\nGame_TreeNum=5\n");
    show();
    EXPECT_FALSE(root()->isExpanded());
    // No game is selected (the tree may select its group when it takes the
    // focus): the product picture, and nothing to open.
    EXPECT_TRUE(tree().currentItem() == nullptr || tree().currentItem() == root());
    EXPECT_TRUE(chooser()->findChild<QLabel*>(QStringLiteral("imgProduct"))->isVisible());
    EXPECT_FALSE(chooser()->findChild<QFrame*>(QStringLiteral("pnlDescGame"))->isVisible());
    EXPECT_FALSE(button("btnOK")->isEnabled());
    EXPECT_FALSE(button("btnRules")->isEnabled());
    EXPECT_FALSE(previewBox()->isEnabled());
    // Expanding the group shows its games; none is picked for the player.
    root()->setExpanded(true);
    EXPECT_EQ(root()->childCount(), static_cast<int>(program->state().mainGame.gameList().size()));
    EXPECT_TRUE(tree().currentItem() == nullptr || tree().currentItem() == root());
}

TEST_F(ChooserTest, DescribesAGameFromItsCatalogueParameters) {
    start();
    show();
    choose(1);
    EXPECT_TRUE(chooser()->findChild<QFrame*>(QStringLiteral("pnlDescGame"))->isVisible());
    EXPECT_EQ(text("lblGameName"), QStringLiteral("Klondike"));
    EXPECT_EQ(text("lblDiffRules"), QStringLiteral("Easy"));
    // The chance comes from the solver's survey (data/games, docs/games.md):
    // Klondike's deals given up on leave it without a ratio, its band "High"
    // from the deals won.
    EXPECT_EQ(text("lblDiffWin"), QStringLiteral("High"));
    EXPECT_EQ(text("lblSkill"), QStringLiteral("Moderate"));
    EXPECT_EQ(text("lblGameTime"), QStringLiteral("Medium"));
    EXPECT_EQ(text("lblRedeal"), QStringLiteral("Unlimited"));
    EXPECT_EQ(text("lblDecks"), QStringLiteral("1"));
    for (const char* picture : {"imgDifficult", "imgWinning", "imgSkill", "imgGameTime"}) {
        EXPECT_FALSE(chooser()->findChild<QLabel*>(QString::fromLatin1(picture))->pixmap().isNull())
            << picture;
    }
    EXPECT_TRUE(button("btnOK")->isEnabled());
    EXPECT_TRUE(button("btnRules")->isEnabled());

    choose(25); // Storehouse: three passes through the stock
    EXPECT_EQ(text("lblRedeal"), QStringLiteral("2"));
    // Nine deals in ten decided: 42.2 % of them won, in the band "Medium"
    // with its ratio.
    EXPECT_EQ(text("lblDiffWin"), QStringLiteral("Medium (about 4 in 10)"));
    choose(46); // Aces Up: a survey that decided too few deals keeps the band
    EXPECT_EQ(text("lblDiffWin"), QStringLiteral("High"));
    choose(10); // FreeCell: no stock; every deal the survey decided was won
    EXPECT_EQ(text("lblRedeal"), QStringLiteral("0"));
    EXPECT_EQ(text("lblDiffWin"), QStringLiteral("Very high (about 10 in 10)"));
    choose(8); // Double Klondike: 104 cards
    EXPECT_EQ(text("lblDecks"), QStringLiteral("2"));
}

TEST_F(ChooserTest, AChanceWithoutARatioShowsOnlyTheWord) {
    const int column = [&] {
        table::TMainGame game;
        catalogue::loadGameList(directory.path() + "GAMES.DAT", game.games());
        return game.gameListIndex(10);
    }();
    // FreeCell has a ratio ("Very high (about 10 in 10)"); without it only the word.
    setCatalogueValue(directory.path() + "GAMES.DAT", column, 400, 0);
    start();
    show();
    choose(10);
    EXPECT_EQ(text("lblDiffWin"), QStringLiteral("Very high"));
}

TEST_F(ChooserTest, OkStoresTheChoiceAndTheMainWindowDealsIt) {
    start();
    boxes.onDialog = [this](QDialog& dialog) {
        EXPECT_EQ(&dialog, chooser());
        dialog.show();
        if (!chooser()->selectGame(8)) {
            return int(QDialog::Rejected);
        }
        previewBox()->setChecked(false);
        button("btnOK")->click();
        return dialog.result();
    };
    window().findChild<QAction*>(QStringLiteral("mnuOpen"))->trigger();
    EXPECT_EQ(boxes.dialogs, QStringList{QStringLiteral("frmOpenGame")});
    const settings::IniFile preferences = directory.preferences();
    EXPECT_EQ(preferences.readInt("Preference", "Game", 0), 8);
    EXPECT_EQ(preferences.readText("Preference", "Game_Name", ""), "Double Klondike");
    EXPECT_EQ(preferences.readInt("Preference", "Game_TreeNum", 0), -30);
    EXPECT_EQ(preferences.readText("Preference", "Open_Preview_Game", ""), "N");
    EXPECT_FALSE(chooser()->isVisible());
    // The main window opened the game and took the chosen flag back.
    EXPECT_TRUE(window().windowTitle().startsWith(QStringLiteral("Vellomir [Double Klondike]  [")))
        << window().windowTitle().toStdString();
    EXPECT_TRUE(program->state().flags.test(Flag::GameInPlay));
    EXPECT_EQ(program->state().settings.readInt(settings::field::Game, 0), 8);
    EXPECT_FALSE(chooser()->chosen());

    // Cancel chooses nothing and leaves the game on the table.
    boxes.onDialog = [this](QDialog& dialog) {
        dialog.show();
        chooser()->selectGame(1);
        button("btnCancel")->click();
        return dialog.result();
    };
    window().findChild<QAction*>(QStringLiteral("mnuOpen"))->trigger();
    EXPECT_FALSE(chooser()->chosen());
    EXPECT_EQ(program->state().settings.readInt(settings::field::Game, 0), 8);
    EXPECT_EQ(directory.preferences().readInt("Preference", "Game", 0), 8);
}

TEST_F(ChooserTest, OkAndRulesOnTheGroupAskForAGameAndKeepTheDialogOpen) {
    start();
    show();
    tree().setCurrentItem(root());
    EXPECT_FALSE(button("btnOK")->isEnabled());
    chooser()->confirmChoice();
    chooser()->showRulesOfSelection();
    ASSERT_EQ(boxes.boxes.size(), 2);
    EXPECT_EQ(boxes.boxes[0].kind, QStringLiteral("information"));
    EXPECT_EQ(boxes.boxes[0].text, QStringLiteral("Open a game"));
    EXPECT_EQ(boxes.boxes[1].text, QStringLiteral("Select a game"));
    EXPECT_TRUE(chooser()->isVisible());
    EXPECT_FALSE(chooser()->chosen());
    EXPECT_EQ(directory.preferences().readInt("Preference", "Game", 0), 87);

    // A double click on a game is OK.
    choose(1);
    emit tree().itemDoubleClicked(tree().currentItem(), 0);
    EXPECT_TRUE(chooser()->chosen());
    EXPECT_EQ(chooser()->chosenGame(), 1);
    EXPECT_EQ(chooser()->chosenName(), QStringLiteral("Klondike"));
    EXPECT_FALSE(chooser()->isVisible());
}

TEST_F(ChooserTest, RulesShowTheSelectedGamesRulesPage) {
    start();
    show();
    choose(1);
    button("btnRules")->click();
    auto* help = window().findChild<QTextBrowser*>(QStringLiteral("txtHelp"));
    ASSERT_NE(help, nullptr) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(help->source().toString().endsWith(QStringLiteral("3001.html")))
        << help->source().toString().toStdString();
    EXPECT_TRUE(chooser()->isVisible());
}

TEST_F(ChooserTest, WithPreviewOffThePreviewStaysEmptyUntilTheBoxIsTicked) {
    start("[Preference]\nGame=1\nOpen_Preview_Game=N\n");
    show();
    EXPECT_FALSE(previewBox()->isChecked());
    ASSERT_EQ(tree().currentItem()->text(0), QStringLiteral("Klondike"));
    const QImage empty = chooser()->previewPicture();
    EXPECT_EQ(empty.size(), QSize(300, 185));
    EXPECT_EQ(whitePixels(empty), 0);
    // The cloth fades from green at the top to black at the bottom.
    EXPECT_GT(qGreen(empty.pixel(150, 0)), 120);
    EXPECT_LT(qGreen(empty.pixel(150, 184)), 5);

    previewBox()->setChecked(true);
    const QImage shown = chooser()->previewPicture();
    EXPECT_GT(whitePixels(shown), 1000);
    // Around the cards the cloth shows through the picture.
    EXPECT_EQ(shown.pixel(0, 0), empty.pixel(0, 0));
    EXPECT_EQ(shown.pixel(299, 184), empty.pixel(299, 184));

    // Another game shows another picture; unticking clears it again.
    choose(10);
    EXPECT_NE(chooser()->previewPicture(), shown);
    previewBox()->setChecked(false);
    EXPECT_EQ(chooser()->previewPicture(), empty);
}

} // namespace
} // namespace vellomir::ui
