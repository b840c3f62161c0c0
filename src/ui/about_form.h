#pragma once

#include "ui/advanced_form.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

namespace vellomir::ui {

/// The about box: the product picture, the version line and OK.
class TfrmAbout : public C_TAdvancedForm<QDialog> {
    Q_OBJECT
public:
    static constexpr int kWidth = 468;
    static constexpr int kHeight = 281;
    static constexpr const char* kVersionLine = "Vellomir - Version 2.2 - June 19, 2000";

    /// `onActivated` runs each time the box becomes the active window (it
    /// plays the sound "About").
    explicit TfrmAbout(QWidget* parent, std::function<void()> onActivated = {});

protected:
    bool event(QEvent* event) override;

private:
    std::function<void()> m_onActivated;
};

} // namespace vellomir::ui
