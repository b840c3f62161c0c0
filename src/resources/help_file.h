#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace vellomir::resources {

/// The help file marbleon.hlp: a Qt binary resource of HTML pages under
/// :/help/: "contents.html" (the contents), "index.html" (the rules of every
/// game) and "NNNN.html" for each context number NNNN. A game's rules page is
/// at its game number + 3000; customised games (8000 and above) have none.
/// The help window shows the pages with a QTextBrowser, whose relative links
/// resolve against the qrc: URLs given here.
class HelpFile {
public:
    static constexpr int kRulesContextBase = 3000;
    static constexpr int kFirstCustomisedGame = 8000;

    HelpFile() = default;
    ~HelpFile();
    HelpFile(const HelpFile&) = delete;
    HelpFile& operator=(const HelpFile&) = delete;

    /// The context of a game's rules page; none for customised games.
    static std::optional<int> rulesContext(int gameNumber);

    /// Registers the help file; false when it is missing, not a resource file,
    /// or holds no contents page.
    bool open(const QString& path);
    /// Unregisters the help file.
    void close();
    bool isOpen() const { return !m_path.isEmpty(); }
    const QString& path() const { return m_path; }

    /// qrc: URLs of the pages; empty when the file is closed or has no such page.
    QUrl contentsUrl() const;
    QUrl indexUrl() const;
    QUrl topicUrl(int context) const;

    /// The HTML of the pages; empty when the file is closed or has no such page.
    QString contentsHtml() const;
    QString topicHtml(int context) const;

private:
    QUrl pageUrl(const QString& fileName) const;
    QString pageHtml(const QString& fileName) const;

    QString m_path;
};

} // namespace vellomir::resources
