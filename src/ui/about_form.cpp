#include "ui/about_form.h"

#include "settings/text_placeholders.h"
#include "ui/form_pictures.h"

#include "build_info.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace vellomir::ui {

TfrmAbout::TfrmAbout(QWidget* parent, std::function<void()> onActivated)
    : C_TAdvancedForm<QDialog>(parent), m_onActivated(std::move(onActivated)) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(
        QString::fromStdString(settings::replacePlaceholders(tr("About [Program]").toStdString())));
    setFixedSize(kWidth, kHeight);

    const QSize pictureSize(200, 200);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgProduct"));
    picture->setGeometry(QRect(QPoint(12, 12), pictureSize));
    picture->setFrameShape(QFrame::Panel);
    picture->setFrameShadow(QFrame::Sunken);
    picture->setPixmap(QPixmap::fromImage(productPicture(pictureSize)));

    const QSize logoSize(232, 56);
    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setGeometry(QRect(QPoint(224, 12), logoSize));
    logo->setPixmap(QPixmap::fromImage(productLogo(logoSize)));

    auto* version = new QLabel(tr(kVersionLine), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setGeometry(224, 84, 232, 20);
    version->setAlignment(Qt::AlignCenter);

    // The version of this build, the one the package and `vellomir --version` give.
    auto* build = new QLabel(tr("Build %1").arg(QString::fromLatin1(kBuildVersion)), this);
    build->setObjectName(QStringLiteral("lblBuildVersion"));
    build->setGeometry(224, 106, 232, 20);
    build->setAlignment(Qt::AlignCenter);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setGeometry(345, kHeight - 12 - 25, 110, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

bool TfrmAbout::event(QEvent* event) {
    const bool handled = C_TAdvancedForm<QDialog>::event(event);
    if (event->type() == QEvent::WindowActivate) {
        repaint();
        if (m_onActivated) {
            m_onActivated();
        }
    }
    return handled;
}

} // namespace vellomir::ui
