#include "ui/font_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vellomir::ui {
namespace {

// Past this the window would not fit a screen anyway: it grows no further.
constexpr double kLargestGrowth = 3.0;

// True when `layout` or a layout inside it places `widget`.
bool placedBy(const QLayout& layout, const QWidget& widget) {
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem* item = layout.itemAt(i);
        if (item->widget() == &widget || (item->layout() && placedBy(*item->layout(), widget))) {
            return true;
        }
    }
    return false;
}

// Placed by hand in the window or in a plain container of it (a frame, a
// group box, a page of a tab widget), not by a layout nor by a composite
// widget such as a tab widget, a list or a combo box.
bool placedByHand(const QWidget& window, const QWidget& widget) {
    const QWidget* parent = widget.parentWidget();
    if (!parent || widget.isWindow()) {
        return false;
    }
    if (parent->layout() && placedBy(*parent->layout(), widget)) {
        return false;
    }
    if (parent == &window) {
        return true;
    }
    const QMetaObject* kind = parent->metaObject();
    return kind == &QWidget::staticMetaObject || kind == &QFrame::staticMetaObject ||
           kind == &QGroupBox::staticMetaObject;
}

// The size the widget's text needs, or an empty size when it shows none.
QSize neededSize(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty()) {
            return {};
        }
        if (label->wordWrap()) {
            return QSize(0, label->heightForWidth(label->width()));
        }
        return label->sizeHint();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        if (button->text().isEmpty()) {
            return {};
        }
        // The text with what the style draws beside it: a check box's or
        // radio button's indicator, a push button's margins and frame. (A
        // push button's size hint also holds the style's smallest width,
        // which no text needs.)
        const QStyle* style = button->style();
        const QFontMetrics metrics = button->fontMetrics();
        const int text =
            metrics.horizontalAdvance(QString(button->text()).remove(QLatin1Char('&')));
        const bool indicator = qobject_cast<const QCheckBox*>(button) != nullptr ||
                               qobject_cast<const QRadioButton*>(button) != nullptr;
        const int beside =
            indicator ? style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                            style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button)
                      : style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                            2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        return QSize(text + beside, metrics.height());
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) {
        if (box->title().isEmpty()) {
            return {};
        }
        // The title and its frame's indent on both sides.
        return QSize(box->fontMetrics().horizontalAdvance(box->title()) +
                         2 * box->fontMetrics().averageCharWidth() + 8,
                     0);
    }
    return {};
}

double shortfall(int needed, int available) {
    if (needed <= 0 || available <= 0 || needed <= available) {
        return 1.0;
    }
    return static_cast<double>(needed) / available;
}

QRect scaled(const QRect& place, double factor) {
    const int left = static_cast<int>(std::lround(place.x() * factor));
    const int top = static_cast<int>(std::lround(place.y() * factor));
    const int right = static_cast<int>(std::lround((place.x() + place.width()) * factor));
    const int bottom = static_cast<int>(std::lround((place.y() + place.height()) * factor));
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

double textFitFactor(const QWidget& window) {
    double factor = 1.0;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!placedByHand(window, *widget) || widget->isHidden()) {
            continue;
        }
        const QSize needed = neededSize(*widget);
        factor = std::max({factor, shortfall(needed.width(), widget->width()),
                           shortfall(needed.height(), widget->height())});
    }
    return std::min(factor, kLargestGrowth);
}

void growToFitTexts(QWidget& window) {
    const double factor = textFitFactor(window);
    if (factor <= 1.0) {
        return;
    }
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (placedByHand(window, *widget)) {
            widget->setGeometry(scaled(widget->geometry(), factor));
        }
    }
    const QSize size = scaled(QRect(QPoint(0, 0), window.size()), factor).size();
    if (window.minimumSize() == window.maximumSize()) {
        window.setFixedSize(size);
    } else {
        window.setMinimumSize(window.minimumSize().expandedTo(
            scaled(QRect(QPoint(0, 0), window.minimumSize()), factor).size()));
        window.resize(size);
    }
}

} // namespace vellomir::ui
