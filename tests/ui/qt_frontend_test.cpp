#include "../resources/fake_audio_backend.h"
#include "recording_boxes.h"
#include "resources/resource_library.h"
#include "table/program_state.h"
#include "ui/drawing_forwarder.h"
#include "ui/qt_frontend.h"
#include "ui/renderer_target.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTime>

#include <gtest/gtest.h>

namespace vellomir::ui {
namespace {

using testing::RecordingBoxes;

// A renderer with the table renderer's operations that notes each call.
struct NotingRenderer {
    QStringList calls;
    QImage window{10, 10, QImage::Format_RGB32};

    void setWindowSize(QSize s) {
        calls << QStringLiteral("window %1x%2").arg(s.width()).arg(s.height());
    }
    void resizeBuffers(QSize s) {
        calls << QStringLiteral("buffers %1x%2").arg(s.width()).arg(s.height());
    }
    const QImage& windowImage() const { return window; }
    void repaintWindow() { calls << QStringLiteral("repaint"); }
    void setPixelRatio(int ratio) { calls << QStringLiteral("ratio %1").arg(ratio); }
    void drawTable(bool animate) { calls << QStringLiteral("table %1").arg(animate); }
    void redrawBackground() { calls << QStringLiteral("background"); }
    void drawPile(std::string_view p) {
        calls << QStringLiteral("pile ") + QString::fromUtf8(p.data(), p.size());
    }
    void drawPileTop(std::string_view) { calls << QStringLiteral("top"); }
    void redrawShrunkPile(std::string_view, std::string_view, std::string_view) {
        calls << QStringLiteral("shrunk");
    }
    void drawTableWithout(const std::vector<int>& cards) {
        calls << QStringLiteral("without %1").arg(cards.size());
    }
    void drawPilePressed(std::string_view, bool) { calls << QStringLiteral("pressed"); }
    void drawCardTurned(int, int) { calls << QStringLiteral("turned"); }
    void toggleSelectionMark(int) { calls << QStringLiteral("toggle"); }
    void invertSelectedCards() { calls << QStringLiteral("invert"); }
    void highlightFoundations(int) { calls << QStringLiteral("highlight"); }
    void showJokerLabel(int, int, int) { calls << QStringLiteral("joker"); }
    void restoreCorners(const QRect& r) {
        calls << QStringLiteral("corners %1,%2 %3x%4")
                     .arg(r.x())
                     .arg(r.y())
                     .arg(r.width())
                     .arg(r.height());
    }
    void refreshRectangle(const QRect& r) {
        calls << QStringLiteral("refresh %1x%2").arg(r.width()).arg(r.height());
    }
    void fixTableauCorners(int) { calls << QStringLiteral("fix"); }
    void showCoveredCard(int, int, int) { calls << QStringLiteral("covered"); }
    void hideCoveredCard() { calls << QStringLiteral("uncovered"); }
    void pickUpCarried(int card, const QRect& r, int h) {
        calls << QStringLiteral("pick %1 %2x%3 %4").arg(card).arg(r.width()).arg(r.height()).arg(h);
    }
    void drawCarried(int x, int y, bool, bool) {
        calls << QStringLiteral("carry %1,%2").arg(x).arg(y);
    }
    void liftCarried() { calls << QStringLiteral("lift"); }
    void dropCarried() { calls << QStringLiteral("drop"); }
    void markDropTargets(const std::vector<std::string>& names) {
        calls << QStringLiteral("marks %1").arg(names.size());
    }
    void markHint(const std::string& source, const std::string& target) {
        calls << QStringLiteral("hint %1 %2")
                     .arg(QString::fromStdString(source), QString::fromStdString(target));
    }
    void clearHintMarks() { calls << QStringLiteral("hint off"); }
    void flyCard(int card, int, int, int toX, int toY, seam::Flight) {
        calls << QStringLiteral("fly %1 to %2,%3").arg(card).arg(toX).arg(toY);
    }
};

struct NotingImages {
    int rebuilt = 0;
    void setCardSize(table::ProgramState&) { ++rebuilt; }
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
    frontend.drawTable(true);
    frontend.flyCard(5, 0, 0, 10, 20, {.pickUp = false});
    EXPECT_EQ(frontend.drawing().viewImageOrNull(), nullptr);

    NotingRenderer renderer;
    NotingImages images;
    RendererTarget<NotingRenderer, NotingImages> target(renderer, images, state);
    frontend.drawing().setTarget(&target);
    frontend.drawTable(true);
    frontend.drawPile("Fila3");
    frontend.drawTableWithout({1, 2, 3});
    frontend.restoreCorners({10, 20, 40, 60});
    frontend.markDropTargets({"Fila1", "Dest2"});
    frontend.pickUpCarried(7, {0, 0, 71, 150}, 150);
    frontend.drawCarried(3, 4, false, false);
    frontend.flyCard(5, 0, 0, 10, 20, {.pickUp = false});
    frontend.cardSizeChanged(59, 80);
    frontend.drawing().setViewSize(QSize(640, 480));
    frontend.drawing().setPixelRatio(2);
    EXPECT_EQ(renderer.calls,
              (QStringList{"table 1", "pile Fila3", "without 3", "corners 10,20 30x40", "marks 2",
                           "pick 7 71x150 150", "carry 3,4", "fly 5 to 10,20", "window 640x480",
                           "ratio 2"}));
    EXPECT_EQ(images.rebuilt, 1);
    EXPECT_EQ(frontend.drawing().viewImageOrNull(), &renderer.window);
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
