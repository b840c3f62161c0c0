#include "ui/table_accessibility.h"

#include "table/card_position.h"
#include "table/program_state.h"
#include "ui/keyboard_play.h"
#include "ui/pile_texts.h"
#include "ui/solver_assistant.h"
#include "ui/table_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <QWindow>

#include <map>

namespace vellomir::ui {
namespace {

using table::PileKind;
using table::PileRef;

// More piles than this changing at once is a deal, told as one.
constexpr int kPilesOfAMove = 6;

class TableTexts {
    Q_DECLARE_TR_FUNCTIONS(TableTexts)
public:
    static QString tableName() { return tr("Card table"); }
    static QString tableHelp() {
        return tr("Arrow keys move the focus over the piles and the cards that can be taken. "
                  "Enter or Space takes the focused card, or puts the carried cards on the "
                  "focused pile. Tab goes through the piles that take the carried cards. "
                  "F sends the focused card to a foundation. Esc puts the cards back.");
    }
    static QString announcementName() { return tr("Announcement"); }
    static QString newDeal(const QString& caption) { return tr("New deal: %1").arg(caption); }
    static QString dealt() { return tr("The cards were dealt."); }
    static QString won() { return tr("Game won."); }
    static QString over() { return tr("Game over."); }
    static QString status(const QString& word) { return tr("Status: %1").arg(word); }
    static QString taken(const QString& card, int above) {
        if (above == 0) {
            return tr("Taken: %1").arg(card);
        }
        return above == 1
                   ? tr("Taken: %1 with the card on it").arg(card)
                   : tr("Taken: %1 with the %2 cards on it").arg(card, PileTexts::countText(above));
    }
    static QString focusedCard(const QString& card) { return tr("Focus on %1").arg(card); }
    static QString carriedTo() { return tr("Enter puts the carried cards here"); }
    static QString refusal(int why) {
        switch (why) {
        case KeyboardPlay::NoPileTakesThem:
            return tr("No pile takes the carried cards.");
        case KeyboardPlay::PileRefusedThem:
            return tr("That pile does not take them: the cards went back.");
        default:
            return tr("No foundation takes it.");
        }
    }
};

// A key for a pile that stays the same across games.
int pileKey(const PileRef& pile) {
    constexpr int kKindSpan = 100;
    return static_cast<int>(pile.kind) * kKindSpan + pile.index;
}
constexpr int kAnnouncementKey = -1;

// One child of the table's list: a pile, or the announcement.
class PileAccessible : public QAccessibleInterface {
public:
    PileAccessible(TableView* view, int key) : m_view(view), m_key(key) {}

    bool isValid() const override { return m_view && table() && index() >= 0; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return m_view ? QAccessible::queryAccessibleInterface(m_view.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        const TableAccessibility* a = table();
        if (!a) {
            return {};
        }
        if (m_key == kAnnouncementKey) {
            return t == QAccessible::Name          ? a->lastAnnouncement()
                   : t == QAccessible::Description ? TableTexts::announcementName()
                                                   : QString();
        }
        const int i = index();
        if (i < 0) {
            return {};
        }
        switch (t) {
        case QAccessible::Name:
            return a->pileName(i);
        case QAccessible::Description:
            return a->pileDescription(i);
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const TableAccessibility* a = table();
        if (!a) {
            return {};
        }
        if (m_key == kAnnouncementKey) {
            return {};
        }
        return a->pileScreenRect(index());
    }
    QAccessible::Role role() const override {
        return m_key == kAnnouncementKey ? QAccessible::StaticText : QAccessible::ListItem;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        const TableAccessibility* a = table();
        if (!a) {
            s.invalid = true;
            return s;
        }
        if (m_key == kAnnouncementKey) {
            s.readOnly = true;
            s.invisible = true;
            return s;
        }
        s.focusable = true;
        s.selectable = true;
        const bool focused = a->focusedPile() == index();
        s.focused = focused && m_view->hasFocus();
        s.selected = focused;
        return s;
    }

    int key() const { return m_key; }

private:
    const TableAccessibility* table() const { return TableAccessibility::of(m_view.data()); }
    // The pile's place among the children now (the announcement comes last).
    int index() const {
        const TableAccessibility* a = table();
        if (!a) {
            return -1;
        }
        const auto& piles = a->piles();
        if (m_key == kAnnouncementKey) {
            return static_cast<int>(piles.size());
        }
        for (std::size_t i = 0; i < piles.size(); ++i) {
            if (pileKey(piles[i]) == m_key) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    QPointer<TableView> m_view;
    int m_key;
};

// The table view: a list of its piles and the announcement.
class TableViewAccessible : public QAccessibleWidget {
public:
    explicit TableViewAccessible(TableView* view)
        : QAccessibleWidget(view, QAccessible::List), m_view(view) {}
    ~TableViewAccessible() override {
        for (const auto& [key, id] : m_children) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override {
        const TableAccessibility* a = TableAccessibility::of(m_view);
        return a ? static_cast<int>(a->piles().size()) + 1 : 0;
    }
    QAccessibleInterface* child(int index) const override {
        const TableAccessibility* a = TableAccessibility::of(m_view);
        if (!a || index < 0 || index > static_cast<int>(a->piles().size())) {
            return nullptr;
        }
        const int key = index == static_cast<int>(a->piles().size())
                            ? kAnnouncementKey
                            : pileKey(a->piles()[static_cast<std::size_t>(index)]);
        auto found = m_children.find(key);
        if (found == m_children.end()) {
            auto* child = new PileAccessible(m_view, key);
            found = m_children.emplace(key, QAccessible::registerAccessibleInterface(child)).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child) {
                return i;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* c = child(i);
            if (c && c->rect().contains(x, y)) {
                return c;
            }
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const TableAccessibility* a = TableAccessibility::of(m_view);
        if (!a || a->focusedPile() < 0) {
            return nullptr;
        }
        return child(a->focusedPile());
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return TableTexts::tableName();
        }
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty()) {
            return TableTexts::tableHelp();
        }
        return QAccessibleWidget::text(t);
    }

private:
    TableView* m_view;
    mutable std::map<int, QAccessible::Id> m_children;
};

QAccessibleInterface* tableViewFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(TableView::staticMetaObject.className())) {
        if (auto* view = qobject_cast<TableView*>(object)) {
            return new TableViewAccessible(view);
        }
    }
    return nullptr;
}

} // namespace

TableAccessibility::TableAccessibility(TableView& view, table::ProgramState& state,
                                       KeyboardPlay& keyboard, SolverAssistant& assistant)
    : QObject(&view), m_view(view), m_state(state), m_keyboard(keyboard) {
    setObjectName(QStringLiteral("tableAccessibility"));
    static const bool installed = [] {
        QAccessible::installFactory(tableViewFactory);
        return true;
    }();
    Q_UNUSED(installed);
    rebuildPiles();
    connect(&keyboard, &KeyboardPlay::focusMoved, this, [this] { focusMoved(); });
    connect(&keyboard, &KeyboardPlay::carryingChanged, this,
            [this](bool carrying) { carryingChanged(carrying); });
    connect(&keyboard, &KeyboardPlay::tableRefreshed, this, [this] { tableChanged(); });
    connect(&keyboard, &KeyboardPlay::refused, this,
            [this](int why) { announce(TableTexts::refusal(why)); });
    connect(&assistant, &SolverAssistant::statusChanged, this,
            [this](const QString& word) { statusWordChanged(word); });
}

TableAccessibility* TableAccessibility::of(const TableView* view) {
    return view ? view->findChild<TableAccessibility*>(QStringLiteral("tableAccessibility"),
                                                       Qt::FindDirectChildrenOnly)
                : nullptr;
}

void TableAccessibility::rebuildPiles() {
    m_piles.clear();
    auto add = [&](PileKind kind, int count) {
        for (int i = 0; i < count; ++i) {
            const PileRef pile{kind, i};
            if (table::isPlaced(m_state, pile)) {
                m_piles.push_back(pile);
            }
        }
    };
    add(PileKind::Stock, table::kStockPiles);
    add(PileKind::Foundation, table::kMaxFoundations);
    add(PileKind::Tableau, table::kMaxTableaus);
    add(PileKind::Reserve, table::kMaxReserves);
}

QString TableAccessibility::pileName(int index) const {
    if (index < 0 || index >= static_cast<int>(m_piles.size())) {
        return {};
    }
    return PileTexts::pileDescription(m_state, m_piles[static_cast<std::size_t>(index)]);
}

QString TableAccessibility::pileDescription(int index) const {
    if (index < 0 || index != focusedPile()) {
        return {};
    }
    if (m_keyboard.carrying()) {
        return TableTexts::carriedTo();
    }
    const KeyboardPlace* place = m_keyboard.focusPlace();
    if (place && !place->top && place->card >= 1) {
        return TableTexts::focusedCard(PileTexts::cardName(place->card));
    }
    return {};
}

QRect TableAccessibility::pileScreenRect(int index) const {
    if (index < 0 || index >= static_cast<int>(m_piles.size())) {
        return {};
    }
    const PileRef& pile = m_piles[static_cast<std::size_t>(index)];
    QRect extent;
    for (const KeyboardPlace& place : m_keyboard.places()) {
        if (place.pile == pile) {
            extent = place.pileExtent;
            break;
        }
    }
    if (extent.isNull()) {
        const table::CardPoint at = table::pilePosition(m_state, pile);
        extent = QRect(at.x, at.y, m_state.cardSize.width, m_state.cardSize.height);
    }
    return QRect(m_view.mapToGlobal(extent.topLeft()), extent.size());
}

int TableAccessibility::focusedPile() const {
    const KeyboardPlace* place = m_keyboard.focusPlace();
    if (!place) {
        return -1;
    }
    for (std::size_t i = 0; i < m_piles.size(); ++i) {
        if (m_piles[i] == place->pile) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void TableAccessibility::sendToChild(int child, int eventType) {
    QAccessibleEvent event(&m_view, static_cast<QAccessible::Event>(eventType));
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
    emit told(eventType, child);
}

void TableAccessibility::tableChanged() {
    const std::vector<PileRef> before = m_piles;
    rebuildPiles();
    std::vector<QString> now;
    for (int i = 0; i < static_cast<int>(m_piles.size()); ++i) {
        now.push_back(pileName(i));
    }
    const QString deal = QString::fromStdString(m_state.settings.read(settings::field::Game) + "/" +
                                                m_state.settings.read(settings::field::DealNumber));
    QStringList said;
    if (deal != m_dealTold || before != m_piles) {
        if (!m_dealTold.isEmpty() || !m_told.empty()) {
            said << TableTexts::newDeal(m_view.window()->windowTitle());
        }
        m_dealTold = deal;
        QAccessibleEvent reordered(&m_view, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reordered);
    } else {
        // The piles that gained cards first (where the move went), then
        // the ones it left.
        std::vector<int> gained;
        std::vector<int> changed;
        for (int i = 0; i < static_cast<int>(m_piles.size()); ++i) {
            const std::size_t at = static_cast<std::size_t>(i);
            if (at < m_told.size() && now[at] != m_told[at]) {
                const int count = table::cardCount(m_state.piles.pile(m_piles[at]));
                (count > m_counts[at] ? gained : changed).push_back(i);
                sendToChild(i, QAccessible::NameChanged);
            }
        }
        if (static_cast<int>(gained.size() + changed.size()) > kPilesOfAMove) {
            said << TableTexts::dealt();
        } else {
            for (int i : gained) {
                said << now[static_cast<std::size_t>(i)];
            }
            for (int i : changed) {
                said << now[static_cast<std::size_t>(i)];
            }
        }
    }
    m_told = now;
    m_counts.clear();
    for (const PileRef& pile : m_piles) {
        m_counts.push_back(table::cardCount(m_state.piles.pile(pile)));
    }
    const bool inPlay = m_state.flags.test(table::Flag::GameInPlay);
    if (m_gameInPlay && !inPlay) {
        said << (m_state.lastEndingWon ? TableTexts::won() : TableTexts::over());
    }
    m_gameInPlay = inPlay;
    if (!said.isEmpty()) {
        announce(said.join(QStringLiteral(". ")));
    }
}

void TableAccessibility::announce(const QString& text) {
    m_announcement = text;
    const int child = static_cast<int>(m_piles.size());
    sendToChild(child, QAccessible::NameChanged);
    sendToChild(child, QAccessible::Alert);
}

void TableAccessibility::statusWordChanged(const QString& word) {
    if (word.isEmpty() || word == SolverAssistant::kSearching) {
        return;
    }
    announce(TableTexts::status(word));
}

void TableAccessibility::focusMoved() {
    const int pile = focusedPile();
    if (pile < 0) {
        return;
    }
    if (m_view.hasFocus()) {
        sendToChild(pile, QAccessible::Focus);
    }
    sendToChild(pile, QAccessible::DescriptionChanged);
}

void TableAccessibility::carryingChanged(bool carrying) {
    if (!carrying) {
        return;
    }
    const KeyboardPlace* place = m_keyboard.focusPlace();
    const int card = m_state.mainGame.cell(table::cell::PickedCard);
    if (!place || card < 1) {
        return;
    }
    const std::string& cards = m_state.piles.pile(place->pile);
    int above = 0;
    for (int i = table::cardCount(cards) - 1; i >= 0 && table::cardAt(cards, i) != card; --i) {
        ++above;
    }
    announce(TableTexts::taken(PileTexts::cardName(card), above));
}

} // namespace vellomir::ui
