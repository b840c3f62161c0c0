#pragma once

#include "catalogue_compiler/game_source.h"
#include "help_builder/help_markup.h"

#include <string>
#include <string_view>
#include <vector>

namespace vellomir::tools {

/// The context number of a game's rules page: the game number + 3000.
constexpr int kRulesContextBase = 3000;

/// One HTML topic of the help file.
struct HelpPage {
    std::string fileName;  // "contents.html", "index.html" or "NNNN.html"
    std::string titleHtml; // the page's title, already escaped
    std::string bodyHtml;  // everything between <body> and </body>
};

/// The rules page of a game: its name as title, then its rules text (the
/// lines after the [rules] header, the first of them at `firstLine`).
HelpPage rulesPage(const GameSource& game, std::string_view rulesText, int firstLine,
                   std::vector<Diagnostic>& diagnostics);

/// A page written in topic markup; it must open with its "= Title".
HelpPage topicPage(const std::string& file, std::string_view text, std::string fileName,
                   std::vector<TopicLink>& links, std::vector<Diagnostic>& diagnostics);

/// The page index: a link to every game's rules page, by name.
HelpPage gameIndexPage(const std::vector<GameSource>& games);

/// The whole HTML document of a page.
std::string pageHtml(const HelpPage& page);

/// The resource collection (.qrc) that packs the pages under /help.
std::string resourceCollection(const std::vector<HelpPage>& pages);

} // namespace vellomir::tools
