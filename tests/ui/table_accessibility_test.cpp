// The table as a screen reader reads it through Qt's accessibility
// interfaces: its piles as the list's items, the keyboard focus, and the
// announcements of moves, of the solver's word and of the end of the game.
// Qt hands accessibility events on only while a screen reader listens (an
// AT-SPI client on the desktop's bus), never on the offscreen platform; the
// table tells each one also through its `told` signal, which these tests
// follow, reading the item it names through the interfaces.

#include "table/card.h"
#include "table/program_state.h"
#include "table_window.h"
#include "ui/keyboard_play.h"
#include "ui/solver_assistant.h"
#include "ui/table_accessibility.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QToolButton>

#include <gtest/gtest.h>

namespace vellomir::ui {
namespace {

using table::Flag;
using testing::processEventsUntil;
using testing::ProgramDirectory;
using testing::RecordingBoxes;

// What a screen reader would have been told.
struct Told {
    QAccessible::Event type;
    QAccessible::Role role;
    QString name;
    friend bool operator==(const Told&, const Told&) = default;
};
Told toldOf(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    return {event->type(), iface ? iface->role() : QAccessible::NoRole,
            iface ? iface->text(QAccessible::Name) : QString()};
}

class TableAccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::writeReturningKlondikePlayer(directory);
        program = std::make_unique<app::Program>(testing::testOptions(directory, boxes));
        ASSERT_TRUE(program->start()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
        ASSERT_TRUE(processEventsUntil([&] { return state().flags.test(Flag::GameInPlay); }));
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        ASSERT_TRUE(program->engine().dealNumber("3"));
        window().tableView()->setFocus();
        QCoreApplication::processEvents();
        // Every event the table tells, as an accessibility event on its child.
        QObject::connect(TableAccessibility::of(window().tableView()), &TableAccessibility::told,
                         [this](int type, int child) {
                             QAccessibleEvent event(window().tableView(),
                                                    static_cast<QAccessible::Event>(type));
                             event.setChild(child);
                             told.push_back(toldOf(&event));
                         });
    }
    table::ProgramState& state() { return program->state(); }
    TfrmMain& window() { return *program->mainWindow(); }
    QAccessibleInterface* table() {
        return QAccessible::queryAccessibleInterface(window().tableView());
    }
    // The names of the table's items.
    QStringList itemNames() {
        QStringList names;
        QAccessibleInterface* list = table();
        for (int i = 0; i < list->childCount(); ++i) {
            if (list->child(i)->role() == QAccessible::ListItem) {
                names << list->child(i)->text(QAccessible::Name);
            }
        }
        return names;
    }
    QString named(const QString& start) {
        for (const QString& name : itemNames()) {
            if (name.startsWith(start)) {
                return name;
            }
        }
        return {};
    }
    std::vector<Told> toldOfType(QAccessible::Event type) const {
        std::vector<Told> found;
        for (const Told& t : told) {
            if (t.type == type) {
                found.push_back(t);
            }
        }
        return found;
    }
    void key(int key) { QTest::keyClick(window().tableView(), static_cast<Qt::Key>(key)); }

    ProgramDirectory directory;
    RecordingBoxes boxes;
    std::unique_ptr<app::Program> program;
    std::vector<Told> told;
};

// Klondike: the stock, the waste, four foundations and seven tableaus, each
// with its top card and what lies under it.
TEST_F(TableAccessibilityTest, EveryPileIsAnItemWithItsCards) {
    QAccessibleInterface* list = table();
    ASSERT_TRUE(list);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Card table"));
    EXPECT_FALSE(list->text(QAccessible::Description).isEmpty());
    const QStringList names = itemNames();
    EXPECT_EQ(names.size(), 13) << names.join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(named(QStringLiteral("Stock")), QStringLiteral("Stock: 24 cards"));
    EXPECT_EQ(named(QStringLiteral("Waste")), QStringLiteral("Waste: empty"));
    EXPECT_EQ(named(QStringLiteral("Foundation 4")), QStringLiteral("Foundation 4: empty"));
    const QRegularExpression card(QStringLiteral("(ace|two|three|four|five|six|seven|eight|nine|"
                                                 "ten|jack|queen|king) of "
                                                 "(hearts|diamonds|clubs|spades)"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Tableau 1: ") + card.pattern() + "$")
                    .match(named(QStringLiteral("Tableau 1")))
                    .hasMatch())
        << named(QStringLiteral("Tableau 1")).toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Tableau 3: ") + card.pattern() +
                                   ", on two face-down cards$")
                    .match(named(QStringLiteral("Tableau 3")))
                    .hasMatch())
        << named(QStringLiteral("Tableau 3")).toStdString();
    // Each item lies where its pile is drawn.
    for (int i = 0; i < list->childCount() - 1; ++i) {
        EXPECT_TRUE(list->rect().intersects(list->child(i)->rect())) << i;
        EXPECT_EQ(list->indexOfChild(list->child(i)), i);
    }
}

// The ten tool buttons of the two tool bars say what they do.
TEST_F(TableAccessibilityTest, ToolButtonsHaveNames) {
    const QList<QToolButton*> buttons = window().findChildren<QToolButton*>();
    int named = 0;
    for (QToolButton* button : buttons) {
        if (button->objectName().startsWith(QStringLiteral("tb"))) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
            ASSERT_TRUE(iface);
            EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty())
                << button->objectName().toStdString();
            EXPECT_FALSE(iface->text(QAccessible::Description).isEmpty())
                << button->objectName().toStdString();
            ++named;
        }
    }
    EXPECT_EQ(named, 10);
}

// The list's focused item follows the arrow keys, and a move by keys is
// told: what was taken, then the piles it changed.
TEST_F(TableAccessibilityTest, FocusFollowsTheKeysAndMovesAreAnnounced) {
    key(Qt::Key_Right);
    const std::vector<Told> focus = toldOfType(QAccessible::Focus);
    ASSERT_FALSE(focus.empty());
    EXPECT_TRUE(focus.back().name.startsWith(QStringLiteral("Waste")))
        << focus.back().name.toStdString();
    EXPECT_EQ(table()->focusChild()->text(QAccessible::Name), focus.back().name);
    EXPECT_TRUE(table()->focusChild()->state().focused);

    // The stored win's first move: Tableau 7's top card to a foundation.
    KeyboardPlay& keyboard = *window().keyboardPlay();
    while (keyboard.focusPlace()->name() != "Fila7") {
        const int before = keyboard.focusIndex();
        key(keyboard.focusPlace()->pileExtent.top() < 150 ? Qt::Key_Down : Qt::Key_Right);
        ASSERT_NE(keyboard.focusIndex(), before);
    }
    told.clear();
    key(Qt::Key_Return);
    const std::vector<Told> taken = toldOfType(QAccessible::Alert);
    ASSERT_EQ(taken.size(), 1U);
    EXPECT_TRUE(taken.back().name.startsWith(QStringLiteral("Taken: ")))
        << taken.back().name.toStdString();
    while (keyboard.focusPlace()->name() != "Dest1") {
        key(Qt::Key_Tab);
    }
    told.clear();
    key(Qt::Key_Return);
    const std::vector<Told> moved = toldOfType(QAccessible::Alert);
    ASSERT_FALSE(moved.empty());
    EXPECT_TRUE(moved.back().name.startsWith(QStringLiteral("Foundation 1: ace of ")))
        << moved.back().name.toStdString();
    EXPECT_TRUE(moved.back().name.contains(QStringLiteral("Tableau 7: ")))
        << moved.back().name.toStdString();
    EXPECT_FALSE(toldOfType(QAccessible::NameChanged).empty());
    EXPECT_EQ(TableAccessibility::of(window().tableView())->lastAnnouncement(), moved.back().name);
}

// The solver's word is told once it is known; the search's own word is not.
TEST_F(TableAccessibilityTest, TheSolversWordIsAnnounced) {
    SolverAssistant& assistant = window().solverAssistant();
    emit assistant.statusChanged(SolverAssistant::kSearching);
    EXPECT_TRUE(toldOfType(QAccessible::Alert).empty());
    emit assistant.statusChanged(SolverAssistant::kWinnable);
    const std::vector<Told> alerts = toldOfType(QAccessible::Alert);
    ASSERT_EQ(alerts.size(), 1U);
    EXPECT_EQ(alerts.back().name, QStringLiteral("Status: winnable"));
}

// A key that can only beep says why.
TEST_F(TableAccessibilityTest, AKeyThatDoesNothingSaysWhy) {
    KeyboardPlay& keyboard = *window().keyboardPlay();
    // Tab goes through the piles; a tableau whose top card is no ace cannot
    // go to the empty foundations.
    for (int tries = 0; tries < 20; ++tries) {
        key(Qt::Key_Tab);
        const KeyboardPlace* at = keyboard.focusPlace();
        if (at->pile.kind == table::PileKind::Tableau && table::rankOf(at->card) != 1) {
            break;
        }
    }
    ASSERT_EQ(keyboard.focusPlace()->pile.kind, table::PileKind::Tableau);
    told.clear();
    key(KeyboardPlay::kFoundationKey);
    const std::vector<Told> alerts = toldOfType(QAccessible::Alert);
    ASSERT_EQ(alerts.size(), 1U);
    EXPECT_EQ(alerts.back().name, QStringLiteral("No foundation takes it."));
}

} // namespace
} // namespace vellomir::ui
