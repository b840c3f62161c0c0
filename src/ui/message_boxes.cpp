#include "ui/message_boxes.h"

#include <QDialog>
#include <QMessageBox>

namespace vellomir::ui {

QString displayText(const QString& text) {
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

void QtMessageBoxes::information(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::information(parent, title, displayText(text));
}

void QtMessageBoxes::error(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::critical(parent, title, displayText(text));
}

bool QtMessageBoxes::confirm(QWidget* parent, const QString& title, const QString& text) {
    return QMessageBox::question(parent, title, displayText(text),
                                 QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

int QtMessageBoxes::runDialog(QDialog& dialog) {
    return dialog.exec();
}

} // namespace vellomir::ui
