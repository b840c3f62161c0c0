#include "ui/help_window.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace vellomir::ui {

TfrmHelp::TfrmHelp(QWidget* parent) : C_TAdvancedForm<QDialog>(parent) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Vellomir Help"));
    setModal(false);
    resize(560, 620);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtHelp"));
    m_browser->setOpenLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
}

bool TfrmHelp::open(const QString& path) {
    return m_help.isOpen() || m_help.open(path);
}

void TfrmHelp::showContents() {
    showUrl(m_help.contentsUrl());
}

void TfrmHelp::showRules(int gameNumber) {
    const std::optional<int> context = resources::HelpFile::rulesContext(gameNumber);
    const QUrl url = context ? m_help.topicUrl(*context) : QUrl();
    showUrl(url.isEmpty() ? m_help.contentsUrl() : url);
}

void TfrmHelp::showTopic(int context) {
    const QUrl url = m_help.topicUrl(context);
    showUrl(url.isEmpty() ? m_help.contentsUrl() : url);
}

void TfrmHelp::showUrl(const QUrl& url) {
    m_browser->setSource(url);
    show();
    raise();
    activateWindow();
}

} // namespace vellomir::ui
