#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace vellomir::ui {

/// The program's message boxes and modal dialogs. The windows ask through
/// this interface, so the window tests can answer without a box blocking.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    /// A box with an OK button.
    virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
    /// An error box with an OK button.
    virtual void error(QWidget* parent, const QString& title, const QString& text) = 0;
    /// A question with OK and Cancel; true for OK.
    virtual bool confirm(QWidget* parent, const QString& title, const QString& text) = 0;
    /// Runs a dialog modally; its result code (QDialog::Accepted or Rejected).
    virtual int runDialog(QDialog& dialog) = 0;
};

/// The real boxes: QMessageBox and QDialog::exec.
class QtMessageBoxes : public MessageBoxes {
public:
    void information(QWidget* parent, const QString& title, const QString& text) override;
    void error(QWidget* parent, const QString& title, const QString& text) override;
    bool confirm(QWidget* parent, const QString& title, const QString& text) override;
    int runDialog(QDialog& dialog) override;
};

/// A text of the program with its carriage-return line breaks ("\r", or
/// "\r\n") as the line breaks Qt shows.
QString displayText(const QString& text);

} // namespace vellomir::ui
