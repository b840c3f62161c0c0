#pragma once

#include "ui/advanced_form.h"

#include <QDialog>
#include <QString>

#include <string_view>

class QCheckBox;
class QLabel;
class QStackedWidget;

namespace vellomir::settings {
class PreferenceFile;
}

namespace vellomir::ui {

class MessageBoxes;

/// The pictures beside an advice message.
enum class AdvicePage { Color = 0, Screen640x480 = 1 };

/// The advice dialog: an informational message with a picture and a box to
/// tick when the player wants never to see it again.
class TfrmMsgAdvice : public C_TAdvancedForm<QDialog> {
    Q_OBJECT
public:
    static constexpr int kWidth = 418;
    static constexpr int kHeight = 177;

    TfrmMsgAdvice(QWidget* owner, const QString& message, AdvicePage page);

    bool notDisplayTicked() const;
    QCheckBox* notDisplayBox() const { return m_notDisplay; }

private:
    QLabel* m_message = nullptr;
    QStackedWidget* m_notebook = nullptr;
    QCheckBox* m_notDisplay = nullptr;
};

/// Shows an advice message unless the player switched it off: the key in
/// section "Show_Messages" of the preferences reads "N" (exactly). When the
/// player ticks "&Don't show this message box again", "N" is written for the
/// key. True when the message was shown.
bool showAdvice(QWidget* owner, MessageBoxes& boxes, settings::PreferenceFile& preferences,
                std::string_view key, const QString& message, AdvicePage page);

} // namespace vellomir::ui
