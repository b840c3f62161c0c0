#pragma once

#include "ui/message_boxes.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

namespace vellomir::testing {

/// Message boxes that record what they were asked to show and answer at
/// once: confirmations with `confirmAnswer`, dialogs through `onDialog`
/// (which may fill the dialog in) or else with Rejected.
class RecordingBoxes : public ui::MessageBoxes {
public:
    struct Box {
        QString kind;
        QString title;
        QString text;
    };
    QList<Box> boxes;
    QStringList dialogs;
    bool confirmAnswer = true;
    std::function<int(QDialog&)> onDialog;

    void information(QWidget*, const QString& title, const QString& text) override {
        boxes.append({QStringLiteral("information"), title, text});
    }
    void error(QWidget*, const QString& title, const QString& text) override {
        boxes.append({QStringLiteral("error"), title, text});
    }
    bool confirm(QWidget*, const QString& title, const QString& text) override {
        boxes.append({QStringLiteral("confirm"), title, text});
        return confirmAnswer;
    }
    int runDialog(QDialog& dialog) override {
        dialogs << dialog.objectName();
        return onDialog ? onDialog(dialog) : QDialog::Rejected;
    }

    QStringList texts() const {
        QStringList result;
        for (const Box& box : boxes) {
            result << box.text;
        }
        return result;
    }
};

} // namespace vellomir::testing
