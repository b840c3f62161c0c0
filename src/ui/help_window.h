#pragma once

#include "resources/help_file.h"
#include "ui/advanced_form.h"

#include <QDialog>

class QTextBrowser;

namespace vellomir::ui {

/// The help window: shows the contents page or a game's rules from the help
/// file, with links between the pages. It stays open beside the table.
class TfrmHelp : public C_TAdvancedForm<QDialog> {
    Q_OBJECT
public:
    explicit TfrmHelp(QWidget* parent);

    /// Opens the help file; false when it is missing or damaged.
    bool open(const QString& path);
    bool isOpen() const { return m_help.isOpen(); }
    /// Shows the contents page.
    void showContents();
    /// Shows the rules of a game, or the contents when it has no page.
    void showRules(int gameNumber);
    /// Shows the page of a context number, or the contents when it has none.
    void showTopic(int context);

private:
    void showUrl(const QUrl& url);

    resources::HelpFile m_help;
    QTextBrowser* m_browser;
};

} // namespace vellomir::ui
