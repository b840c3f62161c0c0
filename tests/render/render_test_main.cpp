#include <QGuiApplication>

#include <gtest/gtest.h>

// The render tests draw into images and load cursors, which needs a GUI
// application; the offscreen platform lets them run without a display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
