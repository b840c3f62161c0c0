#include "ui/splash_form.h"

#include "ui/form_pictures.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace vellomir::ui {

TfrmSplashForm::TfrmSplashForm()
    : C_TAdvancedForm<QWidget>(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplashForm"));
    setFixedSize(kWidth, kHeight);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(2);
    panel->setGeometry(0, 0, kWidth, kHeight);

    constexpr int kMargin = 8;
    constexpr int kLogoHeight = 96;
    const QSize logoSize(kWidth - 2 * kMargin, kLogoHeight);
    auto* logo = new QLabel(panel);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setGeometry(QRect(QPoint(kMargin, kMargin), logoSize));
    logo->setPixmap(QPixmap::fromImage(productLogo(logoSize)));

    const QSize pictureSize(kWidth - 2 * kMargin, kHeight - kLogoHeight - 3 * kMargin);
    m_imgSplash = new QLabel(panel);
    m_imgSplash->setObjectName(QStringLiteral("ImgSplash"));
    m_imgSplash->setGeometry(QRect(QPoint(kMargin, kLogoHeight + 2 * kMargin), pictureSize));
    m_imgSplash->setPixmap(QPixmap::fromImage(productPicture(pictureSize)));

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - QPoint(kWidth / 2, kHeight / 2));
    }
}

void TfrmSplashForm::repaintNow() {
    if (isVisible()) {
        repaint();
    }
}

void TfrmSplashForm::showEvent(QShowEvent* event) {
    C_TAdvancedForm<QWidget>::showEvent(event);
    repaintNow();
}

bool TfrmSplashForm::event(QEvent* event) {
    const bool handled = C_TAdvancedForm<QWidget>::event(event);
    if (event->type() == QEvent::WindowActivate) {
        repaintNow();
    }
    return handled;
}

} // namespace vellomir::ui
