#include "ui/deal_number_form.h"

#include "engine/play/play_engine.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vellomir::ui {

TfrmDealNumber::TfrmDealNumber(QWidget* parent, const QString& current)
    : C_TAdvancedForm<QDialog>(parent) {
    setObjectName(QStringLiteral("frmDealNumber"));
    setWindowTitle(tr("Deal number"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(tr("Deal &number (up to 13 digits):"), this);
    m_edit = new QLineEdit(current, this);
    m_edit->setObjectName(QStringLiteral("edtDealNumber"));
    m_edit->setMaxLength(static_cast<int>(engine::kDealNumberDigits) + 8);
    m_edit->selectAll();
    prompt->setBuddy(m_edit);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("lblDealNumberMessage"));
    m_message->setStyleSheet(QStringLiteral("color: #a00000"));
    m_message->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("btnsDealNumber"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmDealNumber::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrmDealNumber::reject);
    connect(m_edit, &QLineEdit::textEdited, m_message, &QLabel::hide);
    layout->addWidget(prompt);
    layout->addWidget(m_edit);
    layout->addWidget(m_message);
    layout->addWidget(buttons);
}

void TfrmDealNumber::accept() {
    const std::optional<std::string> number =
        engine::paddedDealNumber(m_edit->text().trimmed().toStdString());
    if (!number) {
        m_message->setText(QString::fromLatin1(kRefusal));
        m_message->show();
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    m_dealNumber = QString::fromStdString(*number);
    C_TAdvancedForm<QDialog>::accept();
}

} // namespace vellomir::ui
