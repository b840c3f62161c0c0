#pragma once

#include "ui/font_fit.h"

#include <QDialog>
#include <QFont>
#include <QWidget>

#include <optional>
#include <type_traits>

namespace vellomir::ui {

/// Whether the font "Tahoma" is installed, found once per run (the answer
/// is kept). Tests may set the answer beforehand.
bool tahomaInstalled();
void setTahomaInstalledForTesting(std::optional<bool> installed);

/// The windows' font: Tahoma 8 point where it is installed, else the
/// platform's default font.
QFont formFont(bool tahomaPresent, const QFont& platformDefault);

/// Gives a window the windows' font. Its children inherit it, except those
/// that were given a font of their own.
void applyFormFont(QWidget& window);

/// The base of every window of the program: a window class (QMainWindow,
/// QDialog, QWidget) that takes the windows' font when it is made.
template <class Base> class C_TAdvancedForm : public Base {
public:
    explicit C_TAdvancedForm(QWidget* parent = nullptr, Qt::WindowFlags flags = {})
        : Base(parent, flags) {
        applyFormFont(*this);
    }

    /// A dialog grows once, before it is first shown, until a larger
    /// desktop font cuts none of its texts.
    void setVisible(bool visible) override {
        if constexpr (std::is_base_of_v<QDialog, Base>) {
            if (visible && !m_fittedToFont) {
                m_fittedToFont = true;
                growToFitTexts(*this);
            }
        }
        Base::setVisible(visible);
    }

private:
    bool m_fittedToFont = false;
};

} // namespace vellomir::ui
