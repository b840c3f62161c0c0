#include "ui/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>

#include <climits>

namespace vellomir::ui {
namespace {

// How far a label may lie from the control it names.
constexpr int kLabelReach = 200;

QString plain(QString text) {
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text.trimmed();
}

// A control a screen reader stops on (the headers and the corner button
// of a list are the list's own, and Qt names them).
bool isControl(const QWidget& w) {
    if (qobject_cast<const QAbstractItemView*>(w.parentWidget())) {
        return false;
    }
    return qobject_cast<const QAbstractButton*>(&w) || qobject_cast<const QAbstractItemView*>(&w) ||
           qobject_cast<const QAbstractSlider*>(&w) || qobject_cast<const QAbstractSpinBox*>(&w) ||
           qobject_cast<const QComboBox*>(&w) || qobject_cast<const QLineEdit*>(&w) ||
           qobject_cast<const QTextEdit*>(&w) || qobject_cast<const QPlainTextEdit*>(&w) ||
           qobject_cast<const QTabWidget*>(&w);
}

// The label on the left of the control or above it, nearest first.
QString labelBeside(const QWidget& w) {
    const QWidget* parent = w.parentWidget();
    if (!parent) {
        return {};
    }
    const QRect r = w.geometry();
    QString best;
    int bestDistance = INT_MAX;
    for (const QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QString text = plain(label->text());
        if (text.isEmpty() || label->buddy() != nullptr) {
            continue;
        }
        const QRect l = label->geometry();
        int distance = INT_MAX;
        if (l.right() <= r.left() && l.bottom() >= r.top() && l.top() <= r.bottom()) {
            distance = r.left() - l.right();
        } else if (l.bottom() <= r.top() && l.right() >= r.left() && l.left() <= r.right()) {
            distance = r.top() - l.bottom();
        }
        if (distance < kLabelReach && distance < bestDistance) {
            best = text;
            bestDistance = distance;
        }
    }
    return best;
}

QString groupTitle(const QWidget& w) {
    for (const QWidget* p = w.parentWidget(); p; p = p->parentWidget()) {
        if (const auto* group = qobject_cast<const QGroupBox*>(p)) {
            return plain(group->title());
        }
    }
    return {};
}

// The controls that neither a hint nor a label names.
class ControlNames {
    Q_DECLARE_TR_FUNCTIONS(ControlNames)
public:
    static QString of(const QString& objectName) {
        if (objectName == QLatin1String("trvGames")) {
            return tr("Games");
        }
        if (objectName == QLatin1String("PageControl1")) {
            return tr("Pages of settings");
        }
        return {};
    }
};

QString nameFor(const QWidget& w) {
    if (const QString known = ControlNames::of(w.objectName()); !known.isEmpty()) {
        return known;
    }
    if (const QString tip = plain(w.toolTip()); !tip.isEmpty()) {
        return tip;
    }
    if (const QString hint = plain(w.property("hint").toString()); !hint.isEmpty()) {
        return hint;
    }
    if (const QString label = labelBeside(w); !label.isEmpty()) {
        return label;
    }
    return groupTitle(w);
}

// Names a window's controls whenever it is shown.
class NamingOnShow : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow()) {
                nameUnnamedWidgets(*widget);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void nameUnnamedWidgets(QWidget& window) {
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!isControl(*w) || !w->accessibleName().isEmpty()) {
            continue;
        }
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        if (iface && !iface->text(QAccessible::Name).isEmpty()) {
            continue;
        }
        if (const QString name = nameFor(*w); !name.isEmpty()) {
            w->setAccessibleName(name);
        }
    }
}

void installAccessibleNames() {
    static NamingOnShow* naming = nullptr;
    if (!naming && QCoreApplication::instance()) {
        naming = new NamingOnShow;
        naming->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(naming);
    }
}

} // namespace vellomir::ui
