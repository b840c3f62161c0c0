#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace vellomir::ui {

/// The program's message boxes and modal dialogs. The windows ask through
/// this interface, so the window tests can answer without a box blocking.
/// The window a message box belongs to: `parent`, or none while the parent's
/// window is hidden (at start-up), so that the box is centred on the screen
/// rather than on a window the player cannot see.
QWidget* boxOwner(QWidget* parent);

/// While it lives, the normal arrow replaces the hourglass (or any other
/// override cursor) of the application; the one before comes back after.
class NormalCursorWhileShown {
public:
    NormalCursorWhileShown();
    ~NormalCursorWhileShown();
    NormalCursorWhileShown(const NormalCursorWhileShown&) = delete;
    NormalCursorWhileShown& operator=(const NormalCursorWhileShown&) = delete;

private:
    bool m_active;
};

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
