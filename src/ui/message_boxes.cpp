#include "ui/message_boxes.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace vellomir::ui {

QString displayText(const QString& text) {
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QWidget* boxOwner(QWidget* parent) {
    return parent && parent->window()->isVisible() ? parent : nullptr;
}

NormalCursorWhileShown::NormalCursorWhileShown()
    : m_active(QApplication::overrideCursor() != nullptr) {
    if (m_active) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
}

NormalCursorWhileShown::~NormalCursorWhileShown() {
    if (m_active) {
        QApplication::restoreOverrideCursor();
    }
}

void QtMessageBoxes::information(QWidget* parent, const QString& title, const QString& text) {
    const NormalCursorWhileShown cursor;
    QMessageBox::information(boxOwner(parent), title, displayText(text));
}

void QtMessageBoxes::error(QWidget* parent, const QString& title, const QString& text) {
    const NormalCursorWhileShown cursor;
    QMessageBox::critical(boxOwner(parent), title, displayText(text));
}

bool QtMessageBoxes::confirm(QWidget* parent, const QString& title, const QString& text) {
    const NormalCursorWhileShown cursor;
    return QMessageBox::question(boxOwner(parent), title, displayText(text),
                                 QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

int QtMessageBoxes::runDialog(QDialog& dialog) {
    return dialog.exec();
}

} // namespace vellomir::ui
