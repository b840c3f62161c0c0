// Undo and redo in the window, by their keys: the table picture after an
// undo is the picture before the move, after a redo the one after it.

#include "table_window.h"

#include <QAction>

#include <gtest/gtest.h>

namespace vellomir::ui {
namespace {

using table::Flag;
using testing::ProgramDirectory;
using testing::RecordingBoxes;

class UndoWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::writeReturningKlondikePlayer(directory);
        program = std::make_unique<app::Program>(testing::testOptions(directory, boxes));
        ASSERT_TRUE(program->start()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
        ASSERT_TRUE(testing::processEventsUntil(
            [&] { return program->state().flags.test(Flag::GameInPlay); }));
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    TfrmMain& window() { return *program->mainWindow(); }
    QImage table() { return testing::tablePicture(window()); }
    QAction* action(const char* name) {
        return window().findChild<QAction*>(QString::fromLatin1(name));
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(window().tableView(), key, modifiers);
    }
    void clickStock() { testing::clickStock(window(), program->state()); }

    ProgramDirectory directory;
    RecordingBoxes boxes;
    std::unique_ptr<app::Program> program;
};

TEST_F(UndoWindowTest, TheKeysTakeAMoveBackAndReplayItPictureForPicture) {
    table::ProgramState& state = program->state();
    EXPECT_FALSE(action("mnuUndo")->isEnabled());
    EXPECT_FALSE(action("mnuRedo")->isEnabled());
    const QImage dealt = table();
    const std::string dealtStock = state.piles.stock(table::kStock);

    clickStock();
    const QImage played = table();
    const std::string playedWaste = state.piles.stock(table::kWaste);
    ASSERT_NE(state.piles.stock(table::kStock), dealtStock);
    ASSERT_NE(played, dealt);
    EXPECT_TRUE(action("mnuUndo")->isEnabled());
    EXPECT_FALSE(action("mnuRedo")->isEnabled());

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(state.piles.stock(table::kStock), dealtStock);
    EXPECT_TRUE(state.piles.stock(table::kWaste).empty());
    EXPECT_EQ(table(), dealt);
    EXPECT_FALSE(action("mnuUndo")->isEnabled());
    EXPECT_TRUE(action("mnuRedo")->isEnabled());

    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(state.piles.stock(table::kWaste), playedWaste);
    EXPECT_EQ(table(), played);

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(table(), dealt);
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(table(), played);
    EXPECT_FALSE(action("mnuRedo")->isEnabled());

    // A new move after an undo clears what could be replayed.
    key(Qt::Key_Z, Qt::ControlModifier);
    clickStock();
    EXPECT_FALSE(action("mnuRedo")->isEnabled());
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(table(), played);
    EXPECT_TRUE(boxes.boxes.isEmpty()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
}

} // namespace
} // namespace vellomir::ui
