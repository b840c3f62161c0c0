#include "resources/help_file.h"

#include "catalogue_compiler/game_source.h"
#include "test_resource_file.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace vellomir::resources {
namespace {

using testing::TestResourceFile;

struct ShippedGame {
    int number = 0;
    QString name;
    QString rules;
};

std::vector<ShippedGame> shippedGames() {
    std::vector<ShippedGame> games;
    const QDir folder(QStringLiteral(VELLOMIR_GAMES_DIR));
    for (const QString& name : folder.entryList({QStringLiteral("*.game")}, QDir::Files)) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        std::vector<tools::Diagnostic> diagnostics;
        const tools::GameSource game =
            tools::parseGameFile(name.toStdString(), file.readAll().toStdString(), diagnostics);
        EXPECT_TRUE(diagnostics.empty()) << name.toStdString();
        games.push_back({game.number, QString::fromStdString(game.name),
                         QString::fromStdString(game.rulesText)});
    }
    return games;
}

QString plainText(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText().simplified();
}

TEST(HelpFile, RulesContextIsTheGameNumberPlus3000BelowCustomisedGames) {
    EXPECT_EQ(HelpFile::rulesContext(0), 3000);
    EXPECT_EQ(HelpFile::rulesContext(87), 3087);
    EXPECT_EQ(HelpFile::rulesContext(7999), 10999);
    EXPECT_EQ(HelpFile::rulesContext(8000), std::nullopt);
    EXPECT_EQ(HelpFile::rulesContext(-1), std::nullopt);
}

TEST(HelpFile, RefusesMissingFilesAndResourceFilesWithoutContents) {
    HelpFile help;
    EXPECT_FALSE(help.open(QStringLiteral("/nonexistent/marbleon.hlp")));

    TestResourceFile other;
    other.addWave(QStringLiteral("New"), 10);
    const QString path = other.build();
    ASSERT_FALSE(path.isEmpty());
    EXPECT_FALSE(help.open(path));
    EXPECT_FALSE(help.isOpen());
    EXPECT_TRUE(help.contentsHtml().isEmpty());
    EXPECT_TRUE(help.contentsUrl().isEmpty());
    // Refused means unregistered again: the library's sound is gone.
    EXPECT_FALSE(QFile::exists(QStringLiteral(":/wave/New")));
}

TEST(HelpFile, AnswersPagesByContextAndNothingForMissingOnes) {
    TestResourceFile file;
    file.add(QStringLiteral("help"), QStringLiteral("contents.html"), "<title>Help</title>");
    file.add(QStringLiteral("help"), QStringLiteral("3087.html"), "<p>caf\xC3\xA9</p>");
    const QString path = file.build();
    ASSERT_FALSE(path.isEmpty());

    HelpFile help;
    ASSERT_TRUE(help.open(path));
    EXPECT_EQ(help.contentsUrl(), QUrl(QStringLiteral("qrc:/help/contents.html")));
    EXPECT_EQ(help.topicUrl(3087), QUrl(QStringLiteral("qrc:/help/3087.html")));
    EXPECT_EQ(help.topicHtml(3087), QStringLiteral("<p>caf\u00e9</p>"));
    EXPECT_TRUE(help.topicUrl(3001).isEmpty());
    EXPECT_TRUE(help.topicHtml(3001).isEmpty());
    EXPECT_TRUE(help.indexUrl().isEmpty());

    help.close();
    EXPECT_TRUE(help.contentsHtml().isEmpty());
    EXPECT_FALSE(QFile::exists(QStringLiteral(":/help/contents.html")));
}

// The marbleon.hlp the build wrote: the contents, the index, and for every
// game of data/games a rules page titled with its name that shows its whole
// rules text; every link leads to a page of the file.
TEST(HelpFile, BuiltHelpFileHoldsContentsAndTheRulesOfEveryGame) {
    HelpFile help;
    ASSERT_TRUE(help.open(QStringLiteral(VELLOMIR_HELP_FILE)));
    const QString contents = help.contentsHtml();
    EXPECT_TRUE(contents.contains(QStringLiteral("<a href=\"index.html\">")));
    EXPECT_TRUE(plainText(contents).contains(QStringLiteral("Autoplay")));
    ASSERT_FALSE(help.indexUrl().isEmpty());
    EXPECT_FALSE(help.topicHtml(1019).isEmpty());

    const std::vector<ShippedGame> games = shippedGames();
    ASSERT_FALSE(games.empty());
    QStringList pages{QStringLiteral("contents.html"), QStringLiteral("index.html"),
                      QStringLiteral("1019.html")};
    for (const ShippedGame& game : games) {
        const int context = *HelpFile::rulesContext(game.number);
        const QString html = help.topicHtml(context);
        ASSERT_FALSE(html.isEmpty()) << game.number;
        QTextDocument document;
        document.setHtml(html);
        EXPECT_EQ(document.metaInformation(QTextDocument::DocumentTitle), game.name);
        // List items ("- " or "* " lines) show without their markers.
        QString shownRules = game.rules;
        shownRules.replace(QRegularExpression(QStringLiteral("(^|\n)\\s*[-*] ")),
                           QStringLiteral("\\1"));
        EXPECT_TRUE(plainText(html).contains(shownRules.simplified()))
            << game.number << ": " << game.rules.simplified().toStdString()
            << "\n--- shown: " << plainText(html).toStdString();
        pages << QString::number(context) + QStringLiteral(".html");
    }

    const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
    for (const QString& page : pages) {
        QFile file(QStringLiteral(":/help/") + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString html = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch& match : link.globalMatch(html)) {
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + match.captured(1)))
                << page.toStdString() << " links to " << match.captured(1).toStdString();
        }
    }
}

} // namespace
} // namespace vellomir::resources
