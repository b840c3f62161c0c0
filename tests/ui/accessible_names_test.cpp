// Every control of the main window and of the dialogs its commands open has
// a name a screen reader can say.

#include "table/program_state.h"
#include "table_window.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTabWidget>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace vellomir::ui {
namespace {

using table::Flag;
using testing::processEventsUntil;
using testing::ProgramDirectory;
using testing::RecordingBoxes;

// Qt's own parts of a widget (the scroll bars of a list, the arrows of a
// tab bar) are named by Qt.
bool qtsOwnPart(const QWidget& w) {
    for (const QObject* o = &w; o; o = o->parent()) {
        if (o->objectName().startsWith(QStringLiteral("qt_"))) {
            return true;
        }
    }
    return false;
}

bool isControl(const QWidget& w) {
    if (qobject_cast<const QAbstractItemView*>(w.parentWidget())) {
        return false; // a list's headers and corner button, named by Qt
    }
    return qobject_cast<const QAbstractButton*>(&w) || qobject_cast<const QAbstractItemView*>(&w) ||
           qobject_cast<const QAbstractSlider*>(&w) || qobject_cast<const QAbstractSpinBox*>(&w) ||
           qobject_cast<const QComboBox*>(&w) || qobject_cast<const QLineEdit*>(&w) ||
           qobject_cast<const QTextEdit*>(&w) || qobject_cast<const QTabWidget*>(&w);
}

QStringList unnamedControls(QWidget& window) {
    QStringList unnamed;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!isControl(*w) || qtsOwnPart(*w) || w->window() != &window) {
            continue;
        }
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        if (!iface || iface->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed << QStringLiteral("%1 (%2)").arg(
                w->objectName(), QString::fromLatin1(w->metaObject()->className()));
        }
    }
    return unnamed;
}

class AccessibleNamesTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::writeReturningKlondikePlayer(directory);
        program = std::make_unique<app::Program>(testing::testOptions(directory, boxes));
        ASSERT_TRUE(program->start()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
        ASSERT_TRUE(processEventsUntil([&] { return state().flags.test(Flag::GameInPlay); }));
    }
    table::ProgramState& state() { return program->state(); }
    TfrmMain& window() { return *program->mainWindow(); }

    // Opens the dialog of a command, shown as the player sees it, and
    // returns its unnamed controls.
    QStringList unnamedInDialogOf(const char* command) {
        QStringList unnamed;
        bool opened = false;
        boxes.onDialog = [&](QDialog& dialog) {
            opened = true;
            dialog.show();
            QCoreApplication::processEvents();
            unnamed = unnamedControls(dialog);
            dialog.hide();
            return static_cast<int>(QDialog::Rejected);
        };
        window().findChild<QAction*>(QString::fromLatin1(command))->trigger();
        boxes.onDialog = nullptr;
        EXPECT_TRUE(opened) << command;
        return unnamed;
    }

    ProgramDirectory directory;
    RecordingBoxes boxes;
    std::unique_ptr<app::Program> program;
};

TEST_F(AccessibleNamesTest, MainWindowAndDialogsNameEveryControl) {
    EXPECT_EQ(unnamedControls(window()).join(QStringLiteral(", ")).toStdString(), "");
    for (const char* command :
         {"mnuOpen", "mnuCustomize", "mnuAbout", "mnuGameStatistics", "mnuDealNumber"}) {
        EXPECT_EQ(unnamedInDialogOf(command).join(QStringLiteral(", ")).toStdString(), "")
            << command;
    }
}

} // namespace
} // namespace vellomir::ui
