#include "ui/msg_advice_form.h"

#include "settings/preference_table.h"
#include "ui/form_pictures.h"
#include "ui/message_boxes.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

#include <algorithm>

namespace vellomir::ui {
namespace {

QLabel* pictureLabel(const QImage& image) {
    auto* label = new QLabel;
    label->setPixmap(QPixmap::fromImage(image));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

TfrmMsgAdvice::TfrmMsgAdvice(QWidget* owner, const QString& message, AdvicePage page)
    : C_TAdvancedForm<QDialog>(owner) {
    setObjectName(QStringLiteral("frmMsgAdvice"));
    setWindowTitle(tr("Information"));

    const QSize pictureSize(56, 56);
    m_notebook = new QStackedWidget(this);
    m_notebook->setObjectName(QStringLiteral("Notebook1"));
    m_notebook->setGeometry(QRect(QPoint(12, 14), pictureSize));
    QLabel* colour = pictureLabel(colourAdvicePicture(pictureSize));
    colour->setObjectName(QStringLiteral("Color"));
    QLabel* screen = pictureLabel(screenAdvicePicture(pictureSize));
    screen->setObjectName(QStringLiteral("640x480"));
    m_notebook->addWidget(colour);
    m_notebook->addWidget(screen);
    m_notebook->setCurrentIndex(static_cast<int>(page));

    m_message = new QLabel(displayText(message), this);
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setGeometry(80, 12, 326, 97);
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A font larger than the one the sizes were made for must not cut the
    // message off: the label, and the dialog with it, grow downwards.
    const int extra =
        std::max(0, m_message->heightForWidth(m_message->width()) - m_message->height());
    m_message->resize(m_message->width(), m_message->height() + extra);

    m_notDisplay = new QCheckBox(tr("&Don't show this message box again"), this);
    m_notDisplay->setObjectName(QStringLiteral("chkNotDisplay"));
    m_notDisplay->setGeometry(80, 114 + extra, 326, 20);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setGeometry((kWidth - 85) / 2, kHeight + extra - 10 - 25, 85, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(kWidth, kHeight + extra);
}

bool TfrmMsgAdvice::notDisplayTicked() const {
    return m_notDisplay->isChecked();
}

bool showAdvice(QWidget* owner, MessageBoxes& boxes, settings::PreferenceFile& preferences,
                std::string_view key, const QString& message, AdvicePage page) {
    if (!preferences.adviceShown(key)) {
        return false;
    }
    TfrmMsgAdvice dialog(owner, message, page);
    boxes.runDialog(dialog);
    if (dialog.notDisplayTicked()) {
        const settings::WriteResult written = preferences.hideAdvice(key);
        if (!written && !written.message.empty()) {
            boxes.information(owner, QStringLiteral("Vellomir"),
                              QString::fromStdString(written.message));
        }
    }
    return true;
}

} // namespace vellomir::ui
