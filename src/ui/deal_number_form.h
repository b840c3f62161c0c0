#pragma once

#include "ui/advanced_form.h"

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

namespace vellomir::ui {

/// Asks for a deal number: one to 13 digits, padded with zeros in front.
/// Anything else is refused with a message in the dialog, which stays open.
class TfrmDealNumber : public C_TAdvancedForm<QDialog> {
    Q_OBJECT
public:
    static constexpr const char* kRefusal = "A deal number is 1 to 13 digits, 0 to 9.";

    TfrmDealNumber(QWidget* parent, const QString& current);

    /// The 13-digit deal number chosen, after OK.
    QString dealNumber() const { return m_dealNumber; }

    void accept() override;

private:
    QLineEdit* m_edit = nullptr;
    QLabel* m_message = nullptr;
    QString m_dealNumber;
};

} // namespace vellomir::ui
