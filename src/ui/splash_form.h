#pragma once

#include "ui/advanced_form.h"

#include <QWidget>

class QLabel;

namespace vellomir::ui {

/// The splash window shown while the program starts: a borderless window
/// centred on the screen with the product's title strip and picture.
class TfrmSplashForm : public C_TAdvancedForm<QWidget> {
    Q_OBJECT
public:
    static constexpr int kWidth = 393;
    static constexpr int kHeight = 309;

    TfrmSplashForm();

    /// Paints the window at once (start-up calls it between its steps; no
    /// timer repaints the splash).
    void repaintNow();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    QLabel* m_imgSplash = nullptr;
};

} // namespace vellomir::ui
