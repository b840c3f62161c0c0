#include "render/table_renderer.h"

#include <QApplication>

#include <gtest/gtest.h>

// The window tests need a widget application; the offscreen platform lets
// them run without a display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The deal's and the flights' pauses only slow the tests down: every
    // frame is drawn all the same. The tests that watch the timing turn
    // them back on.
    vellomir::render::TableRenderer::setAnimationPauses(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
