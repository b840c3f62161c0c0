// The program as a player runs it, for the kill test: it starts on the
// program directory given, plays the stock of Klondike click by click and
// prints each table, so that the test can kill it at any moment and know
// what the player had done.
//
//   vellomir_kill_probe DIR STEPS PACE_MS [close]
//
// Prints "STEP n POSITION" for the dealt table (n = 0) and after each click,
// waits PACE_MS between clicks, and with "close" then leaves through Exit
// ("CLOSING" first); otherwise it waits to be killed.

#include "engine/play/saved_game.h"
#include "engine/records/play_position.h"
#include "render/table_renderer.h"
#include "table_window.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <string>

namespace {

using vellomir::table::Flag;

void say(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

// Lets the event loop run for `ms`, then once more, so that a timer due
// meanwhile has fired even when the process was kept waiting.
void pause(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (argc < 4) {
        say("usage: vellomir_kill_probe DIR STEPS PACE_MS [close]");
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);
    const int steps = std::stoi(argv[2]);
    const int pace = std::stoi(argv[3]);
    const bool close = argc > 4 && std::string(argv[4]) == "close";

    // The kill lands between clicks all the same without the animations' pauses.
    vellomir::render::TableRenderer::setAnimationPauses(false);
    vellomir::testing::RecordingBoxes boxes;
    vellomir::app::StartupOptions options;
    options.programDirectory = directory;
    options.boxes = &boxes;
    options.audio = [] { return std::make_unique<vellomir::testing::FakeAudioBackend>(); };
    options.showSplash = false;
    // Kept often, so that the test need not wait a second between clicks.
    options.savedGameIntervalMs = pace / 3;
    vellomir::app::Program program(std::move(options));
    if (!program.start()) {
        say("START FAILED");
        return 1;
    }
    vellomir::table::ProgramState& state = program.state();
    if (!vellomir::testing::processEventsUntil(
            [&] {
                return !state.flags.test(Flag::FirstActivationPending) &&
                       state.flags.test(Flag::GameInPlay);
            },
            10000)) {
        say("NO GAME");
        return 1;
    }
    vellomir::ui::TfrmMain& window = *program.mainWindow();
    const auto position = [&] {
        return vellomir::engine::positionText(vellomir::engine::capturePosition(state));
    };
    say("STEP " + std::to_string(program.engine().moves()) + " " + position());
    for (int step = 0; step < steps; ++step) {
        pause(pace);
        vellomir::testing::clickStock(window, state);
        say("STEP " + std::to_string(program.engine().moves()) + " " + position());
    }
    pause(pace);
    if (close) {
        say("CLOSING");
        window.close();
        say("CLOSED");
        return 0;
    }
    say("WAITING");
    return QApplication::exec();
}
