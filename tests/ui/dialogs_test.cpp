#include "build_info.h"
#include "recording_boxes.h"
#include "settings/ini_file.h"
#include "settings/preference_table.h"
#include "startup/preferences_load.h"
#include "support/temp_folder.h"
#include "ui/about_form.h"
#include "ui/advanced_form.h"
#include "ui/msg_advice_form.h"
#include "ui/splash_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

#include <gtest/gtest.h>

namespace vellomir::ui {
namespace {

using testing::RecordingBoxes;

class AdviceTest : public ::testing::Test {
protected:
    testing::TempFolder folder;
    settings::IniFile preferences{folder.path() / "CFG.DAT"};
    settings::PreferenceFile preferenceFile{folder.path() / "CFG.DAT"};
    RecordingBoxes boxes;

    // Shows the advice and, when `tick`, ticks the box before OK.
    bool show(std::string_view key, bool tick) {
        boxes.onDialog = [tick](QDialog& dialog) {
            dialog.findChild<QCheckBox*>(QStringLiteral("chkNotDisplay"))->setChecked(tick);
            return QDialog::Accepted;
        };
        return showAdvice(nullptr, boxes, preferenceFile, key, QStringLiteral("Some advice"),
                          AdvicePage::Color);
    }
};

TEST_F(AdviceTest, TickingTheBoxSwitchesThatMessageOffForGood) {
    EXPECT_TRUE(show("First", false));
    EXPECT_FALSE(preferences.find("Show_Messages", "First").has_value());
    EXPECT_TRUE(show("First", true));
    EXPECT_EQ(preferences.readText("Show_Messages", "First", ""), "N");
    EXPECT_FALSE(show("First", false));
    // Other messages are not affected.
    EXPECT_TRUE(show("Second", false));
    EXPECT_EQ(boxes.dialogs.size(), 3);
}

TEST_F(AdviceTest, OnlyAnUpperCaseNSwitchesAMessageOff) {
    ASSERT_TRUE(preferences.writeText("Show_Messages", "First", "n"));
    EXPECT_TRUE(show("First", false));
}

TEST_F(AdviceTest, TheDialogShowsTheMessageWithItsPicture) {
    const QString text = QString::fromStdString(std::string(startup::kAdvice256ColorsText));
    TfrmMsgAdvice dialog(nullptr, text, AdvicePage::Screen640x480);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Information"));
    const auto* message = dialog.findChild<QLabel*>(QStringLiteral("lblMessage"));
    EXPECT_TRUE(message->wordWrap());
    // The message is never cut off: with a large font the dialog grows.
    EXPECT_EQ(message->width(), 326);
    EXPECT_GE(message->height(), std::max(97, message->heightForWidth(326)));
    EXPECT_EQ(dialog.width(), 418);
    EXPECT_EQ(dialog.height(), 177 + message->height() - 97);
    // The carriage return of the text is a line break on the screen.
    EXPECT_TRUE(message->text().contains(QStringLiteral("resolutions. \nIf your video driver")));
    EXPECT_EQ(dialog.findChild<QStackedWidget*>(QStringLiteral("Notebook1"))->currentIndex(), 1);
    EXPECT_EQ(dialog.findChild<QCheckBox*>(QStringLiteral("chkNotDisplay"))->text(),
              QStringLiteral("&Don't show this message box again"));
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->text(),
              QStringLiteral("OK"));
}

TEST_F(AdviceTest, AFailedWriteIsReported) {
    settings::PreferenceFile unwritable("/nonexistent-folder-of-vellomir/CFG.DAT");
    boxes.onDialog = [](QDialog& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("chkNotDisplay"))->setChecked(true);
        return QDialog::Accepted;
    };
    EXPECT_TRUE(
        showAdvice(nullptr, boxes, unwritable, "First", QStringLiteral("x"), AdvicePage::Color));
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_TRUE(boxes.boxes[0].text.contains(QStringLiteral("CFG.DAT")));
}

TEST(AboutBox, ShowsTheTitleAndVersionAndPlaysItsSoundWhenActive) {
    int played = 0;
    TfrmAbout about(nullptr, [&] { ++played; });
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Vellomir"));
    EXPECT_EQ(about.size(), QSize(468, 281));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
              QStringLiteral("Vellomir - Version 2.2 - June 19, 2000"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblBuildVersion"))->text(),
              QStringLiteral("Build ") + QString::fromLatin1(vellomir::kBuildVersion));
    const auto* ok = about.findChild<QPushButton*>(QStringLiteral("btnOK"));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_EQ(ok->x(), 345);
    EXPECT_EQ(ok->width(), 110);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&about, &activate);
    EXPECT_EQ(played, 1);
}

TEST(SplashWindow, IsBorderlessAndOfItsSize) {
    TfrmSplashForm splash;
    EXPECT_EQ(splash.size(), QSize(393, 309));
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_NE(splash.findChild<QLabel*>(QStringLiteral("ImgSplash")), nullptr);
    EXPECT_FALSE(splash.findChild<QLabel*>(QStringLiteral("ImgSplash"))->pixmap().isNull());
}

TEST(FormFont, TahomaWhereInstalledElseThePlatformFontWhileOwnFontsStay) {
    setTahomaInstalledForTesting(false);
    {
        TfrmAbout about(nullptr);
        auto* own = new QLabel(&about);
        QFont courier(QStringLiteral("Courier"));
        own->setFont(courier);
        EXPECT_EQ(about.font().family(), QApplication::font().family());
        EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->font().family(),
                  QApplication::font().family());
        EXPECT_EQ(own->font().family(), QStringLiteral("Courier"));
    }
    setTahomaInstalledForTesting(true);
    {
        TfrmAbout about(nullptr);
        EXPECT_EQ(about.font().family(), QStringLiteral("Tahoma"));
        EXPECT_EQ(about.font().pointSize(), 8);
    }
    setTahomaInstalledForTesting(std::nullopt);
}

} // namespace
} // namespace vellomir::ui
