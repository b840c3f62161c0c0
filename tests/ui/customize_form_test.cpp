#include "../resources/test_resource_file.h"
#include "program_fixture.h"
#include "render/pixel_ops.h"
#include "table/program_state.h"
#include "ui/customize_form.h"
#include "ui/customize_trees.h"
#include "ui/main_window.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <sys/inotify.h>
#include <unistd.h>

namespace vellomir::ui {
namespace {

using table::Flag;
using testing::ProgramDirectory;
using testing::RecordingBoxes;
namespace field = settings::field;

// The settings positions the dialog may change.
const settings::SettingsField kWatched[] = {
    field::CardSize,       field::Card,          field::FadeBackground,     field::BackCard,
    field::BackgroundBmp,  field::BackgroundCol, field::BackgroundFixedCol, field::BackgroundDef,
    field::PilesTT,        field::SoundsEnabled, field::ShowTime,           field::ShowScore,
    field::ConfirmQuitGame};

class CustomizeTest : public ::testing::Test {
protected:
    void start(const std::string& preferences = "") {
        if (!preferences.empty()) {
            directory.write("DATA/CFG.DAT", preferences);
        }
        app::StartupOptions options = testing::testOptions(directory, boxes);
        options.audio = [this] {
            auto backend = std::make_unique<testing::FakeAudioBackend>();
            audio = backend.get();
            return backend;
        };
        program = std::make_unique<app::Program>(options);
        ASSERT_TRUE(program->start()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
        ASSERT_TRUE(testing::processEventsUntil(
            [&] { return !program->state().flags.test(Flag::FirstActivationPending); }));
        QCoreApplication::processEvents();
        boxes.dialogs.clear();
    }

    TfrmMain& window() { return *program->mainWindow(); }
    const settings::SettingsRecord& settings() { return program->state().settings; }

    // Opens the dialog with Customize; `use` works it and says how it ends.
    void customize(std::function<int(TfrmCustomize_Quorvane&)> use) {
        boxes.onDialog = [use](QDialog& dialog) {
            auto* form = dynamic_cast<TfrmCustomize_Quorvane*>(&dialog);
            return form ? use(*form) : QDialog::Rejected;
        };
        QAction* command = window().findChild<QAction*>(QStringLiteral("mnuCustomize"));
        ASSERT_TRUE(command->isEnabled());
        command->trigger();
        ASSERT_EQ(boxes.dialogs, QStringList{QStringLiteral("frmCustomize_Quorvane")});
    }

    static int click(QDialog& dialog, const char* button) {
        dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
        return dialog.result();
    }
    template <class T> static T* child(QWidget& dialog, const char* name) {
        T* found = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QString current(QWidget& dialog, const char* tree) {
        const QTreeWidgetItem* item = child<QTreeWidget>(dialog, tree)->currentItem();
        return item ? item->text(0) : QString();
    }

    std::vector<std::string> watchedSettings() {
        std::vector<std::string> values;
        for (const settings::SettingsField& f : kWatched) {
            values.push_back(settings().read(f));
        }
        return values;
    }
    std::string preference(const char* key) {
        return directory.preferences().readText("Preference", key, "(none)");
    }
    QImage& view() { return const_cast<QImage&>(program->frontend().drawing()->windowImage()); }

    ProgramDirectory directory;
    RecordingBoxes boxes;
    testing::FakeAudioBackend* audio = nullptr;
    std::unique_ptr<app::Program> program;
};

TEST_F(CustomizeTest, TheDialogHasItsPagesControlsAndCaptions) {
    start();
    customize([&](TfrmCustomize_Quorvane& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Customize"));
        EXPECT_EQ(dialog.size(), QSize(400, 301));
        auto* pages = child<QTabWidget>(dialog, "PageControl1");
        QStringList tabs;
        for (int i = 0; i < pages->count(); ++i) {
            tabs << pages->tabText(i);
        }
        // The language page comes beside the classic four.
        EXPECT_EQ(tabs,
                  (QStringList{"&General", "&Decks  ", "&Backgrounds", "&Sounds", "L&anguage"}));
        const std::pair<const char*, const char*> checks[] = {
            {"chkShowTime", "Show &time"},
            {"chkShowScore", "Show sco&re"},
            {"chkConfirmQuitGame", "C&onfirm quit game"},
            {"chkFadeBackground", "&Fade background"},
            {"chkSoundsEnabled", "Disable all &sounds"},
            {"chkTBLargeIcons", "&Large buttons"},
            {"chkTBFlatBtn", "&Flat buttons"},
            {"chkConfirmOnExit", "Confirm on e&xit"},
            {"chkWinningAnimation", "&Winning animation"}};
        for (const auto& [name, text] : checks) {
            EXPECT_EQ(child<QCheckBox>(dialog, name)->text(), QString::fromLatin1(text));
        }
        for (const char* hidden :
             {"chkTBLargeIcons", "chkTBFlatBtn", "chkConfirmOnExit", "chkWinningAnimation"}) {
            EXPECT_TRUE(child<QCheckBox>(dialog, hidden)->isHidden()) << hidden;
        }
        EXPECT_EQ(child<QPushButton>(dialog, "btnOK")->text(), QStringLiteral("OK"));
        EXPECT_EQ(child<QPushButton>(dialog, "btnAnnulla")->text(), QStringLiteral("Cancel"));
        EXPECT_EQ(child<QPushButton>(dialog, "btnAiuto")->text(), QStringLiteral("&?"));
        EXPECT_EQ(child<QLabel>(dialog, "imgDorsoEsempio")->geometry(), QRect(15, 15, 71, 96));
        EXPECT_EQ(child<QLabel>(dialog, "imgSfondoEsempio2")->size(), QSize(178, 156));
        EXPECT_EQ(child<QLabel>(dialog, "imgSfondoEsempio")->size(), QSize(178, 158));

        // A fresh installation: back 11, the fixed green with its fade, time,
        // score and sounds on, no quit confirmation.
        EXPECT_EQ(current(dialog, "trvCardBack"), QStringLiteral("Plaiting 1"));
        EXPECT_EQ(child<QLabel>(dialog, "lblDecks")->text(), QStringLiteral("Plaiting 1"));
        EXPECT_EQ(current(dialog, "trvBackGround"), QStringLiteral("Green"));
        EXPECT_TRUE(child<QCheckBox>(dialog, "chkFadeBackground")->isChecked());
        EXPECT_TRUE(child<QCheckBox>(dialog, "chkShowTime")->isChecked());
        EXPECT_TRUE(child<QCheckBox>(dialog, "chkShowScore")->isChecked());
        EXPECT_FALSE(child<QCheckBox>(dialog, "chkConfirmQuitGame")->isChecked());
        EXPECT_FALSE(child<QCheckBox>(dialog, "chkSoundsEnabled")->isChecked());
        EXPECT_TRUE(child<QCheckBox>(dialog, "chkTBFlatBtn")->isChecked());
        // The back sample sits on the background sample with rounded corners.
        const QImage decks = dialog.decksSample();
        EXPECT_EQ(decks.pixel(15, 15), decks.pixel(14, 15));
        EXPECT_NE(decks.pixel(15 + 35, 15 + 48), decks.pixel(14, 15 + 48));
        return click(dialog, "btnAnnulla");
    });
}

TEST_F(CustomizeTest, CancelAfterBrowsingRestoresEverySettingAndStillRedraws) {
    start();
    const std::vector<std::string> before = watchedSettings();
    const std::string preferencesBefore = preference("Back_Card");
    customize([&](TfrmCustomize_Quorvane& dialog) {
        EXPECT_TRUE(dialog.selectBack(QStringLiteral("Roses")));
        EXPECT_TRUE(dialog.selectBackground(QStringLiteral("Meadow")));
        EXPECT_TRUE(dialog.selectBackground(QStringLiteral("Navy")));
        child<QCheckBox>(dialog, "chkFadeBackground")->setChecked(false);
        child<QCheckBox>(dialog, "chkShowTime")->setChecked(false);
        child<QCheckBox>(dialog, "chkSoundsEnabled")->setChecked(true);
        child<QTabWidget>(dialog, "PageControl1")->setCurrentIndex(1);
        // Something scribbled on the table must be gone after the redraw.
        view().fill(Qt::magenta);
        return click(dialog, "btnAnnulla");
    });
    EXPECT_EQ(watchedSettings(), before);
    EXPECT_EQ(preference("Back_Card"), preferencesBefore);
    EXPECT_EQ(preference("Background_Fixed_Col"), "(none)");
    EXPECT_EQ(preference("Sounds_Enabled"), "(none)");
    EXPECT_NE(view().pixel(view().width() / 2, view().height() - 5), qRgb(255, 0, 255));
    EXPECT_TRUE(window().findChild<QWidget*>(QStringLiteral("pnlTempo"))->isVisibleTo(&window()));
    EXPECT_TRUE(program->state().flags.test(Flag::GameInPlay));
}

TEST_F(CustomizeTest, ClosingByTheTitleBarIsACancel) {
    start();
    const std::vector<std::string> before = watchedSettings();
    customize([&](TfrmCustomize_Quorvane& dialog) {
        dialog.selectBack(QStringLiteral("Lake"));
        dialog.selectBackground(QStringLiteral("Parquet"));
        dialog.close();
        return dialog.result();
    });
    EXPECT_EQ(watchedSettings(), before);
    EXPECT_EQ(preference("Background_bmp"), "(none)");
}

// Replacements of DATA/CFG.DAT seen by inotify while `act` runs (each
// atomic write renames a new file over it).
int preferenceFileWrites(const ProgramDirectory& directory, const std::function<void()>& act) {
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    EXPECT_GE(watch, 0);
    ::inotify_add_watch(watch, (directory.path() + "DATA").c_str(), IN_MOVED_TO);
    act();
    int writes = 0;
    alignas(inotify_event) char buffer[64 * 1024];
    for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;) {
        for (char* at = buffer; at < buffer + n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            writes += event->len > 0 && std::string_view(event->name) == "CFG.DAT" ? 1 : 0;
            at += sizeof(inotify_event) + event->len;
        }
    }
    ::close(watch);
    return writes;
}

TEST_F(CustomizeTest, TheLanguageChosenIsKeptForTheNextStart) {
    start();
    // The language goes with the dialog's other choices in its one write.
    const int writes = preferenceFileWrites(directory, [&] {
        customize([&](TfrmCustomize_Quorvane& dialog) {
            auto* languages = child<QComboBox>(dialog, "cmbLanguage");
            // The desktop's language first, then English and each translation.
            EXPECT_EQ(languages->count(), 6);
            EXPECT_EQ(languages->currentIndex(), 0);
            languages->setCurrentIndex(languages->findData(QStringLiteral("it")));
            return click(dialog, "btnOK");
        });
    });
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(preference("Interface_Language"), "it");
    boxes.dialogs.clear();
    customize([&](TfrmCustomize_Quorvane& dialog) {
        EXPECT_EQ(child<QComboBox>(dialog, "cmbLanguage")->currentData().toString(),
                  QStringLiteral("it"));
        child<QComboBox>(dialog, "cmbLanguage")->setCurrentIndex(0);
        return click(dialog, "btnOK");
    });
    EXPECT_EQ(preference("Interface_Language"), "");
}

TEST_F(CustomizeTest, OkWritesEveryKeyAndPosition) {
    start();
    // One write: a kill after OK keeps all of the choices or none.
    const int writes = preferenceFileWrites(directory, [&] {
        customize([&](TfrmCustomize_Quorvane& dialog) {
            EXPECT_TRUE(dialog.selectBack(QStringLiteral("Roses")));
            EXPECT_TRUE(dialog.selectBackground(QStringLiteral("Parquet")));
            child<QCheckBox>(dialog, "chkFadeBackground")->setChecked(false);
            child<QCheckBox>(dialog, "chkShowTime")->setChecked(false);
            child<QCheckBox>(dialog, "chkConfirmQuitGame")->setChecked(true);
            return click(dialog, "btnOK");
        });
    });
    EXPECT_EQ(writes, 1);
    const std::pair<const char*, const char*> written[] = {
        {"Sounds_Enabled", "Y"},  {"Back_Card", "14"},           {"Background_bmp", "311"},
        {"Background_Col", "0"},  {"Background_Fixed_Col", "0"}, {"Background_Def", "N"},
        {"Fade_Background", "N"}, {"ToolBar_Large", "N"},        {"ToolBar_Flat", "Y"},
        {"Show_Time", "N"},       {"Show_Score", "Y"},           {"ConfirmQuit", "N"},
        {"ConfirmQuitGame", "Y"}, {"Winning_Animation", "Y"}};
    for (const auto& [key, value] : written) {
        EXPECT_EQ(preference(key), value) << key;
    }
    EXPECT_EQ(settings().read(field::BackCard), "014");
    EXPECT_EQ(settings().read(field::BackgroundBmp), "311");
    EXPECT_EQ(settings().read(field::BackgroundCol), "0");
    EXPECT_EQ(settings().read(field::BackgroundFixedCol), "0");
    EXPECT_EQ(settings().read(field::BackgroundDef), "N");
    EXPECT_EQ(settings().read(field::FadeBackground), "N");
    EXPECT_EQ(settings().read(field::SoundsEnabled), "Y");
    EXPECT_EQ(settings().read(field::ShowTime), "N");
    EXPECT_EQ(settings().read(field::ShowScore), "Y");
    EXPECT_EQ(settings().read(field::ConfirmQuitGame), "Y");
    // Applied at once: the clock is hidden, the table shows the parquet.
    EXPECT_FALSE(window().findChild<QWidget*>(QStringLiteral("pnlTempo"))->isVisibleTo(&window()));
    EXPECT_TRUE(window().findChild<QWidget*>(QStringLiteral("pnlScore"))->isVisibleTo(&window()));
    const QImage parquet =
        program->library().loadBitmap(QStringLiteral("B311")).convertToFormat(QImage::Format_RGB32);
    // The bottom-left corner of the table holds no card, whatever their size.
    const int x = 1;
    const int height = render::logicalRect(view()).height();
    const int y = ((height - 3) / parquet.height()) * parquet.height() + 2;
    EXPECT_EQ(render::pixelSafe(view(), x, y) & 0xffffff, parquet.pixel(1, 2) & 0xffffff);

    // The next time the dialog opens on the choices made.
    boxes.dialogs.clear();
    customize([&](TfrmCustomize_Quorvane& dialog) {
        EXPECT_EQ(current(dialog, "trvCardBack"), QStringLiteral("Roses"));
        EXPECT_EQ(current(dialog, "trvBackGround"), QStringLiteral("Parquet"));
        EXPECT_FALSE(child<QCheckBox>(dialog, "chkShowTime")->isChecked());
        EXPECT_TRUE(child<QCheckBox>(dialog, "chkConfirmQuitGame")->isChecked());
        return click(dialog, "btnAnnulla");
    });
}

TEST_F(CustomizeTest, TheCardSizeChosenTakesEffectAtOkAndCancelKeepsTheOldOne) {
    start("[Preference]\nGame=1\nCard_Size=B\n");
    const auto choose = [&](const QString& text, const char* button) {
        customize([&](TfrmCustomize_Quorvane& dialog) {
            auto* sizes = child<QComboBox>(dialog, "cmbCardSize");
            EXPECT_EQ(sizes->count(), 4);
            EXPECT_EQ(sizes->itemText(0), QStringLiteral("Fit the window"));
            sizes->setCurrentIndex(sizes->findText(text));
            return click(dialog, button);
        });
        boxes.dialogs.clear();
    };
    // The table after the dialog is the one a fresh layout and drawing give.
    const auto expectFreshTable = [&](const char* when) {
        const QImage shown = view().copy();
        window().redrawTable();
        EXPECT_EQ(view(), shown) << when;
    };
    const table::ProgramState& state = program->state();
    ASSERT_EQ(state.cardSize.width, 71);

    choose(QStringLiteral("Little"), "btnOK");
    EXPECT_EQ(settings().read(field::CardSize), "L");
    EXPECT_EQ(preference("Card_Size"), "L");
    EXPECT_EQ(state.cardSize.width, 25);
    EXPECT_EQ(state.cardSize.height, 32);
    expectFreshTable("little");

    choose(QStringLiteral("Fit the window"), "btnOK");
    EXPECT_EQ(settings().read(field::CardSize), "F");
    EXPECT_EQ(preference("Card_Size"), "F");
    EXPECT_GT(state.cardSize.width, 71);
    expectFreshTable("fitted");
    const int fitted = state.cardSize.width;

    // Cancel puts the fitted size back, and the dialog opens on it.
    customize([&](TfrmCustomize_Quorvane& dialog) {
        auto* sizes = child<QComboBox>(dialog, "cmbCardSize");
        EXPECT_EQ(sizes->currentText(), QStringLiteral("Fit the window"));
        sizes->setCurrentIndex(sizes->findText(QStringLiteral("Medium")));
        return click(dialog, "btnAnnulla");
    });
    EXPECT_EQ(settings().read(field::CardSize), "F");
    EXPECT_EQ(preference("Card_Size"), "F");
    EXPECT_EQ(state.cardSize.width, fitted);
}

// With cards fitted to the window, a new back chosen shows on the table at
// once, as a fresh start of the program would show it.
TEST_F(CustomizeTest, ANewBackShowsAtOnceOnFittedCards) {
    start("[Preference]\nGame=1\nCard_Size=F\nBack_Card=11\nDeal_Animation=N\n"
          "MainWindowState_Maximized=N\n");
    const table::ProgramState& state = program->state();
    const QRect stock(state.mainGame.stockX(table::kStock), state.mainGame.stockY(table::kStock),
                      state.cardSize.width, state.cardSize.height);
    ASSERT_GT(stock.width(), 71) << "fitted cards";
    const QImage before = view().copy(stock);
    customize([&](TfrmCustomize_Quorvane& dialog) {
        dialog.selectBack(QStringLiteral("Tropical fish"));
        return click(dialog, "btnOK");
    });
    EXPECT_EQ(settings().read(field::BackCard), "019");
    const QImage after = view().copy(stock);
    EXPECT_NE(after, before) << "the old back still shows";
    // Drawn as a program started with that back draws it.
    program.reset();
    start();
    EXPECT_EQ(view().copy(stock), after);
}

TEST_F(CustomizeTest, TheDefaultBackgroundOpensOnBlueAndOkStoresIt) {
    start("[Preference]\nBackground_def=Y\nFade_Background=N\n");
    customize([&](TfrmCustomize_Quorvane& dialog) {
        EXPECT_EQ(current(dialog, "trvBackGround"), QStringLiteral("Blue"));
        EXPECT_EQ(child<QLabel>(dialog, "lblBackGround")->text(), QStringLiteral("Blue"));
        EXPECT_EQ(dialog.backgroundSample().pixel(89, 80), qRgb(0, 0, 255));
        return click(dialog, "btnOK");
    });
    EXPECT_EQ(preference("Background_Fixed_Col"), "16711680");
    EXPECT_EQ(preference("Background_Def"), "N");
    EXPECT_EQ(settings().read(field::BackgroundFixedCol), "16711680");
    EXPECT_EQ(settings().read(field::BackgroundDef), "N");
    EXPECT_EQ(view().pixel(view().width() / 2, view().height() - 5), qRgb(0, 0, 255));
}

TEST_F(CustomizeTest, SamplesFollowTheSelection) {
    start("[Preference]\nFade_Background=Y\n");
    customize([&](TfrmCustomize_Quorvane& dialog) {
        // A colour fades from the top to black at the bottom.
        dialog.selectBackground(QStringLiteral("White"));
        const QImage faded = dialog.backgroundSample();
        EXPECT_GT(qRed(faded.pixel(5, 1)), 240);
        EXPECT_LT(qRed(faded.pixel(5, faded.height() - 2)), 10);
        child<QCheckBox>(dialog, "chkFadeBackground")->setChecked(false);
        EXPECT_EQ(dialog.backgroundSample().pixel(5, 150), qRgb(255, 255, 255));
        // A group stands for the default green table.
        dialog.selectBackground(QStringLiteral("Colors"));
        EXPECT_EQ(dialog.backgroundSample().pixel(10, 10), qRgb(0, 96, 0));
        // "Meadow" is tiled.
        dialog.selectBackground(QStringLiteral("Meadow"));
        const QImage meadow = program->library().loadBitmap(QStringLiteral("B324"));
        EXPECT_FALSE(meadow.isNull());
        if (meadow.isNull()) {
            return click(dialog, "btnAnnulla");
        }
        EXPECT_EQ(dialog.backgroundSample().size(), QSize(178, 158));
        EXPECT_EQ(dialog.backgroundSample().pixel(meadow.width() + 3, 4) & 0xffffff,
                  meadow.pixel(3, 4) & 0xffffff);
        EXPECT_EQ(child<QLabel>(dialog, "lblBackGround")->text(), QStringLiteral("Meadow"));
        // Changing the page puts the back on the new background.
        child<QTabWidget>(dialog, "PageControl1")->setCurrentIndex(1);
        EXPECT_EQ(dialog.decksSample().pixel(3, 4) & 0xffffff, meadow.pixel(3, 4) & 0xffffff);
        // A group of backs changes nothing.
        dialog.selectBack(QStringLiteral("Animals"));
        EXPECT_EQ(child<QLabel>(dialog, "lblDecks")->text(), QStringLiteral("Plaiting 1"));
        dialog.selectBack(QStringLiteral("Tropical fish"));
        EXPECT_EQ(child<QLabel>(dialog, "lblDecks")->text(), QStringLiteral("Tropical fish"));
        const QImage fish = program->library().loadBitmap(QStringLiteral("DB019"));
        EXPECT_EQ(dialog.decksSample().pixel(15 + 30, 15 + 40) & 0xffffff,
                  fish.pixel(30, 40) & 0xffffff);
        return click(dialog, "btnAnnulla");
    });
}

TEST_F(CustomizeTest, DisablingSoundsSilencesEverySoundAtOnce) {
    start();
    program->frontend().playSound("Stock", true, seam::SoundMode::AtOnce);
    ASSERT_NE(audio, nullptr);
    ASSERT_EQ(audio->log.last(), QStringLiteral("start Stock once"));
    customize([&](TfrmCustomize_Quorvane& dialog) {
        child<QCheckBox>(dialog, "chkSoundsEnabled")->setChecked(true);
        return click(dialog, "btnOK");
    });
    EXPECT_EQ(preference("Sounds_Enabled"), "N");
    EXPECT_EQ(settings().read(field::SoundsEnabled), "N");
    const int after = audio->log.size();
    for (const char* name : {"Stock", "New", "Won", "Foundation", "About", "card_up"}) {
        program->frontend().playSound(name, true, seam::SoundMode::AtOnce);
    }
    program->frontend().playSound("Shuffle", true, seam::SoundMode::Looped);
    EXPECT_EQ(audio->log.size(), after);

    // And back on again.
    boxes.dialogs.clear();
    customize([&](TfrmCustomize_Quorvane& dialog) {
        EXPECT_TRUE(child<QCheckBox>(dialog, "chkSoundsEnabled")->isChecked());
        child<QCheckBox>(dialog, "chkSoundsEnabled")->setChecked(false);
        return click(dialog, "btnOK");
    });
    program->frontend().playSound("Stock", true, seam::SoundMode::AtOnce);
    EXPECT_EQ(audio->log.last(), QStringLiteral("start Stock once"));
}

TEST_F(CustomizeTest, TheHelpButtonOpensTheDialogsPage) {
    start();
    customize([&](TfrmCustomize_Quorvane& dialog) {
        child<QPushButton>(dialog, "btnAiuto")->click();
        auto* help = dialog.findChild<QDialog*>(QStringLiteral("frmHelp"));
        EXPECT_NE(help, nullptr);
        EXPECT_TRUE(help && help->isVisible());
        auto* browser = help ? help->findChild<QWidget*>(QStringLiteral("txtHelp")) : nullptr;
        EXPECT_NE(browser, nullptr);
        EXPECT_TRUE(browser && browser->property("source").toUrl().toString().endsWith(
                                   QStringLiteral("1019.html")));
        return click(dialog, "btnAnnulla");
    });
    EXPECT_TRUE(boxes.boxes.isEmpty()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
}

QByteArray pngOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

TEST(CustomizeSamples, APictureOf500OrMoreIsDrawnWholeAndShownShrunk) {
    // A picture smaller than the screen: blue on its left half, red on its right.
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(qRgb(255, 0, 0));
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 200; ++x) {
            picture.setPixel(x, y, qRgb(0, 0, 255));
        }
    }
    testing::TestResourceFile file;
    file.add(QStringLiteral("bitmap"), QStringLiteral("B501"), pngOf(picture));
    QString error;
    const QString path = file.build(&error);
    ASSERT_FALSE(path.isEmpty()) << error.toStdString();
    resources::ResourceLibrary library;
    ASSERT_TRUE(library.open(path));

    testing::TempFolder folder;
    table::ProgramState state(folder.path().string() + "/");
    state.settings.write(field::BackgroundDef, "N");
    state.settings.write(field::BackgroundFixedCol, "0");
    state.settings.write(field::BackgroundBmp, "501");
    state.settings.write(field::BackCard, "011");
    RecordingBoxes boxes;
    CustomizeScreen screen;
    screen.size = QSize(800, 600);
    screen.largeToolBarBottom = 53;
    TfrmCustomize_Quorvane dialog(nullptr, state, &library, boxes, {}, screen, QString());

    // Drawn 1:1 into a picture of the screen below the tool bar...
    const QImage& sample = dialog.backgroundSample();
    EXPECT_EQ(sample.size(), QSize(800, 547));
    EXPECT_EQ(sample.pixel(10, 10), qRgb(0, 0, 255));
    EXPECT_EQ(sample.pixel(390, 10), qRgb(255, 0, 0));
    EXPECT_NE(sample.pixel(600, 400), qRgb(255, 0, 0));
    // ... and shown shrunk to the sample's box: the picture fills half its width.
    const QImage shown =
        dialog.findChild<QLabel*>(QStringLiteral("imgSfondoEsempio"))->pixmap().toImage();
    EXPECT_EQ(shown.size(), QSize(178, 158));
    EXPECT_EQ(shown.pixel(20, 20) & 0xffffff, 0x0000ffu);
    EXPECT_EQ(shown.pixel(70, 20) & 0xffffff, 0xff0000u);
    EXPECT_NE(shown.pixel(130, 20) & 0xffffff, 0xff0000u);
    // The back is missing from this library: its sample stays empty.
    EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("imgDorsoEsempio"))->pixmap().isNull());
    dialog.finish(QDialog::Rejected);
    EXPECT_EQ(state.settings.read(field::BackgroundBmp), "501");
}

TEST(CustomizeTrees, NodesMapToTheirBackgroundSettings) {
    const long long field = -2147483633LL;
    const BackgroundSettings group = backgroundSettingsFor(0, field);
    EXPECT_EQ(group.picture, "0");
    EXPECT_EQ(group.colour, field);
    EXPECT_EQ(group.fixedColour, 0);
    EXPECT_TRUE(group.useDefault);
    const BackgroundSettings plain = backgroundSettingsFor(1, 255);
    EXPECT_EQ(plain.colour, 255);
    EXPECT_FALSE(plain.useDefault);
    const BackgroundSettings picture = backgroundSettingsFor(324, field);
    EXPECT_EQ(picture.picture, "324");
    EXPECT_EQ(picture.colour, 0);
    EXPECT_EQ(picture.fixedColour, 0);
    EXPECT_EQ(backgroundKindOf(1000), BackgroundKind::Picture);
    const BackgroundSettings fixed = backgroundSettingsFor(1001, field);
    EXPECT_EQ(fixed.picture, "0");
    EXPECT_EQ(fixed.colour, 0);
    EXPECT_EQ(fixed.fixedColour, 1001);

    // Every back listed is in the library's set and listed once.
    std::vector<int> backs;
    for (const ChoiceNode& group : cardBackTree()) {
        EXPECT_EQ(group.number, 0);
        for (const ChoiceNode& back : group.children) {
            backs.push_back(back.number);
        }
    }
    std::sort(backs.begin(), backs.end());
    EXPECT_EQ(backs, (std::vector<int>{1, 3, 6, 7, 11, 14, 19, 20}));
    // The second node of the backgrounds is "Blue".
    EXPECT_EQ(backgroundTree()[0].children[0].text, QStringLiteral("Blue"));
}

} // namespace
} // namespace vellomir::ui
