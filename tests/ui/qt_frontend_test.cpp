#include "../resources/fake_audio_backend.h"
#include "recording_boxes.h"
#include "render/drawing_target.h"
#include "render/table_renderer.h"
#include "resources/resource_library.h"
#include "table/program_state.h"
#include "ui/qt_frontend.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTime>

#include <gtest/gtest.h>

namespace vellomir::ui {
namespace {

using testing::RecordingBoxes;

// A drawing target that notes each call.
struct NotingTarget final : render::DrawingTarget {
    QStringList calls;
    QImage window{10, 10, QImage::Format_RGB32};
    int rebuilt = 0;

    void cardSizeChanged() override { ++rebuilt; }

    void setWindowSize(QSize s) override {
        calls << QStringLiteral("window %1x%2").arg(s.width()).arg(s.height());
    }
    void resizeBuffers(QSize s) override {
        calls << QStringLiteral("buffers %1x%2").arg(s.width()).arg(s.height());
    }
    const QImage& windowImage() const override { return window; }
    WindowView windowView() const override { return {&window, QPoint(0, 0), window.size()}; }
    void repaintWindow() override { calls << QStringLiteral("repaint"); }
    void setPixelRatio(int ratio) override { calls << QStringLiteral("ratio %1").arg(ratio); }
    void drawTable(bool animate) override { calls << QStringLiteral("table %1").arg(animate); }
    void redrawBackground() override { calls << QStringLiteral("background"); }
    void drawPile(std::string_view p) override {
        calls << QStringLiteral("pile ") + QString::fromUtf8(p.data(), p.size());
    }
    void drawPileTop(std::string_view) override { calls << QStringLiteral("top"); }
    void redrawShrunkPile(std::string_view, std::string_view, std::string_view) override {
        calls << QStringLiteral("shrunk");
    }
    void drawTableWithout(const std::vector<int>& cards) override {
        calls << QStringLiteral("without %1").arg(cards.size());
    }
    void drawPilePressed(std::string_view, bool) override { calls << QStringLiteral("pressed"); }
    void drawCardTurned(int, int) override { calls << QStringLiteral("turned"); }
    void toggleSelectionMark(int) override { calls << QStringLiteral("toggle"); }
    void invertSelectedCards() override { calls << QStringLiteral("invert"); }
    void highlightFoundations(int) override { calls << QStringLiteral("highlight"); }
    void showJokerLabel(int, int, int) override { calls << QStringLiteral("joker"); }
    void restoreCorners(seam::Rect rect) override {
        const QRect r = render::toQRect(rect);
        calls << QStringLiteral("corners %1,%2 %3x%4")
                     .arg(r.x())
                     .arg(r.y())
                     .arg(r.width())
                     .arg(r.height());
    }
    void refreshRectangle(seam::Rect rect) override {
        const QRect r = render::toQRect(rect);
        calls << QStringLiteral("refresh %1x%2").arg(r.width()).arg(r.height());
    }
    void fixTableauCorners(int) override { calls << QStringLiteral("fix"); }
    void showCoveredCard(int, int, int) override { calls << QStringLiteral("covered"); }
    void hideCoveredCard() override { calls << QStringLiteral("uncovered"); }
    void pickUpCarried(int card, seam::Rect rect, int h) override {
        const QRect r = render::toQRect(rect);
        calls << QStringLiteral("pick %1 %2x%3 %4").arg(card).arg(r.width()).arg(r.height()).arg(h);
    }
    void drawCarried(int x, int y, bool, bool) override {
        calls << QStringLiteral("carry %1,%2").arg(x).arg(y);
    }
    void liftCarried() override { calls << QStringLiteral("lift"); }
    void dropCarried() override { calls << QStringLiteral("drop"); }
    void markDropTargets(const std::vector<std::string>& names) override {
        calls << QStringLiteral("marks %1").arg(names.size());
    }
    void markHint(const std::string& source, const std::string& target) override {
        calls << QStringLiteral("hint %1 %2")
                     .arg(QString::fromStdString(source), QString::fromStdString(target));
    }
    void clearHintMarks() override { calls << QStringLiteral("hint off"); }
    int lowestDrawnEdge() const override { return 0; }
    void setLowestDrawnEdge(int) override {}
    void flyCard(int card, int, int, int toX, int toY, seam::Flight) override {
        calls << QStringLiteral("fly %1 to %2,%3").arg(card).arg(toX).arg(toY);
    }
};

class QtFrontendTest : public ::testing::Test {
protected:
    table::ProgramState state;
    RecordingBoxes boxes;
    testing::FakeAudioBackend* audio = nullptr;
    QtFrontend frontend{state, boxes, [this] {
                            auto backend = std::make_unique<testing::FakeAudioBackend>();
                            audio = backend.get();
                            return backend;
                        }};
};

TEST_F(QtFrontendTest, DrawingDoesNothingUntilATargetIsSetThenReachesIt) {
    frontend.tableDrawing().drawTable(true);
    frontend.tableDrawing().flyCard(5, 0, 0, 10, 20, {.pickUp = false});
    EXPECT_EQ(frontend.drawing(), nullptr);

    NotingTarget renderer;
    frontend.setDrawingTarget(&renderer);
    frontend.tableDrawing().drawTable(true);
    frontend.tableDrawing().drawPile("Fila3");
    frontend.tableDrawing().drawTableWithout({1, 2, 3});
    frontend.tableDrawing().restoreCorners({10, 20, 40, 60});
    frontend.tableDrawing().markDropTargets({"Fila1", "Dest2"});
    frontend.tableDrawing().pickUpCarried(7, {0, 0, 71, 150}, 150);
    frontend.tableDrawing().drawCarried(3, 4, false, false);
    frontend.tableDrawing().flyCard(5, 0, 0, 10, 20, {.pickUp = false});
    frontend.cardSizeChanged(59, 80);
    frontend.drawing()->setWindowSize(QSize(640, 480));
    frontend.drawing()->setPixelRatio(2);
    EXPECT_EQ(renderer.calls,
              (QStringList{"table 1", "pile Fila3", "without 3", "corners 10,20 30x40", "marks 2",
                           "pick 7 71x150 150", "carry 3,4", "fly 5 to 10,20", "window 640x480",
                           "ratio 2"}));
    EXPECT_EQ(renderer.rebuilt, 1);
    EXPECT_EQ(&frontend.drawing()->windowImage(), &renderer.window);
}

TEST_F(QtFrontendTest, MessagesAreTitledWithTheProgramsName) {
    frontend.showInformation("Hello");
    boxes.confirmAnswer = false;
    EXPECT_FALSE(frontend.confirm("Sure?"));
    ASSERT_EQ(boxes.boxes.size(), 2);
    EXPECT_EQ(boxes.boxes[0].title, QStringLiteral("Vellomir"));
    EXPECT_EQ(boxes.boxes[0].text, QStringLiteral("Hello"));
    EXPECT_EQ(boxes.boxes[1].kind, QStringLiteral("confirm"));
}

TEST_F(QtFrontendTest, SoundsWaitForTheFirstTableAndTheSplashSoundPlaysThen) {
    resources::ResourceLibrary library;
    ASSERT_TRUE(library.open(QStringLiteral(VELLOMIR_BIN_DIR "/KAR.RGF")));
    frontend.attachResources(&library, nullptr);
    frontend.requestSplashSound(true, true);
    frontend.playSound("New", true, seam::SoundMode::AtOnce);
    EXPECT_EQ(audio, nullptr);

    frontend.allowSounds();
    ASSERT_NE(audio, nullptr);
    EXPECT_EQ(audio->log, QStringList{QStringLiteral("start Splash once")});
    frontend.playSound("Stock", true, seam::SoundMode::AtOnce);
    EXPECT_EQ(audio->log.last(), QStringLiteral("start Stock once"));
}

TEST_F(QtFrontendTest, TheSplashSoundObeysTheMasterSwitch) {
    resources::ResourceLibrary library;
    ASSERT_TRUE(library.open(QStringLiteral(VELLOMIR_BIN_DIR "/KAR.RGF")));
    frontend.attachResources(&library, nullptr);
    frontend.requestSplashSound(false, true);
    frontend.allowSounds();
    EXPECT_TRUE(audio == nullptr || audio->log.isEmpty());
}

TEST_F(QtFrontendTest, PauseWaitsWithoutHandlingEvents) {
    QLineEdit edit;
    edit.show();
    QCoreApplication::postEvent(
        &edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a")));
    QElapsedTimer timer;
    timer.start();
    frontend.pause(60);
    EXPECT_GE(timer.elapsed(), 60);
    EXPECT_TRUE(edit.text().isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(edit.text(), QStringLiteral("a"));
}

TEST_F(QtFrontendTest, TheWaitHandlingMessagesLetsTheWindowTakeInput) {
    QLineEdit edit;
    edit.show();
    QCoreApplication::postEvent(
        &edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a")));
    QElapsedTimer timer;
    timer.start();
    frontend.pauseHandlingMessages(60);
    EXPECT_GE(timer.elapsed(), 60);
    EXPECT_EQ(edit.text(), QStringLiteral("a"));
}

TEST_F(QtFrontendTest, BlockedInputDiscardsKeysAndPresses) {
    QLineEdit edit;
    edit.show();
    frontend.setInputBlocked(true);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(&edit, &key);
    EXPECT_TRUE(edit.text().isEmpty());
    frontend.setInputBlocked(false);
    QCoreApplication::sendEvent(&edit, &key);
    EXPECT_EQ(edit.text(), QStringLiteral("a"));
}

TEST_F(QtFrontendTest, TheBusyCursorIsSetAndRestoredOnce) {
    frontend.setBusyCursor(true);
    frontend.setBusyCursor(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    frontend.setBusyCursor(false);
    frontend.setBusyCursor(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(QtFrontendTest, TimeOfDayFollowsTheClock) {
    const long long before = QTime::currentTime().msecsSinceStartOfDay();
    const long long now = frontend.timeOfDayMs();
    EXPECT_GE(now, before - 1);
    EXPECT_LT(now, 24LL * 3600 * 1000);
    EXPECT_EQ(frontend.previewPictureWidth(), 300);
    EXPECT_EQ(frontend.previewPictureHeight(), 185);
}

} // namespace
} // namespace vellomir::ui
