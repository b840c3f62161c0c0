#include "help_builder/help_pages.h"

#include <algorithm>
#include <cctype>

namespace vellomir::tools {
namespace {

constexpr const char* kIndexTitle = "Rules of the games";

// Every page but the contents ends with the way back to the two overviews.
std::string footer(bool toContents, bool toIndex) {
    std::string links;
    if (toContents) {
        links += "<a href=\"contents.html\">Contents</a>";
    }
    if (toIndex) {
        if (!links.empty()) {
            links += " | ";
        }
        links += std::string("<a href=\"index.html\">") + kIndexTitle + "</a>";
    }
    return "<hr>\n<p>" + links + "</p>\n";
}

std::string tag(const char* name, const std::string& inner) {
    return std::string("<") + name + ">" + inner + "</" + name + ">\n";
}

const char* headingTag(int level) {
    switch (level) {
    case 1:
        return "h1";
    case 2:
        return "h2";
    default:
        return "h3";
    }
}

// Writes the blocks with `render` turning a part's text into HTML.
template <typename Render>
std::string renderBlocks(const std::vector<TextBlock>& blocks, Render render) {
    std::string html;
    for (const TextBlock& block : blocks) {
        switch (block.kind) {
        case BlockKind::Heading:
            html += tag(headingTag(block.level), render(block.parts.front(), block.lines.front()));
            break;
        case BlockKind::Paragraph:
            html += tag("p", render(block.parts.front(), block.lines.front()));
            break;
        case BlockKind::List:
            html += "<ul>\n";
            for (std::size_t i = 0; i < block.parts.size(); ++i) {
                html += tag("li", render(block.parts[i], block.lines[i]));
            }
            html += "</ul>\n";
            break;
        }
    }
    return html;
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

HelpPage rulesPage(const GameSource& game, std::string_view rulesText, int firstLine,
                   std::vector<Diagnostic>& diagnostics) {
    HelpPage page;
    page.fileName = std::to_string(game.number + kRulesContextBase) + ".html";
    page.titleHtml = escapeHtml(game.name, game.file, game.numberLine, diagnostics);
    const std::vector<TextBlock> blocks = readRulesText(rulesText, firstLine);
    if (blocks.empty()) {
        diagnostics.push_back({game.file, game.rulesLine, "the [rules] section holds no text"});
    }
    page.bodyHtml = tag("h1", page.titleHtml) +
                    renderBlocks(blocks,
                                 [&](const std::string& text, int line) {
                                     return escapeHtml(text, game.file, line, diagnostics);
                                 }) +
                    footer(true, true);
    return page;
}

HelpPage topicPage(const std::string& file, std::string_view text, std::string fileName,
                   std::vector<TopicLink>& links, std::vector<Diagnostic>& diagnostics) {
    HelpPage page;
    page.fileName = std::move(fileName);
    const std::vector<TextBlock> blocks = readTopicText(text, file, diagnostics);
    if (blocks.empty() || blocks.front().kind != BlockKind::Heading || blocks.front().level != 1) {
        diagnostics.push_back({file, blocks.empty() ? 1 : blocks.front().lines.front(),
                               "a topic opens with its title, \"= Title\""});
    } else {
        page.titleHtml = escapeHtml(blocks.front().parts.front(), file,
                                    blocks.front().lines.front(), diagnostics);
    }
    page.bodyHtml = renderBlocks(blocks, [&](const std::string& part, int line) {
        return renderInlineMarkup(part, file, line, links, diagnostics);
    });
    page.bodyHtml += footer(page.fileName != "contents.html", true);
    return page;
}

HelpPage gameIndexPage(const std::vector<GameSource>& games) {
    std::vector<const GameSource*> byName;
    for (const GameSource& game : games) {
        byName.push_back(&game);
    }
    std::stable_sort(byName.begin(), byName.end(), [](const GameSource* a, const GameSource* b) {
        return lowerCase(a->name) < lowerCase(b->name);
    });
    std::vector<Diagnostic> ignored; // game names are printable ASCII, checked by the reader
    HelpPage page;
    page.fileName = "index.html";
    page.titleHtml = kIndexTitle;
    page.bodyHtml = tag("h1", kIndexTitle) +
                    tag("p", "Choose a game to read its rules. While you play, the Rules "
                             "command (F1) shows the rules of the game on the table.") +
                    "<ul>\n";
    for (const GameSource* game : byName) {
        page.bodyHtml +=
            tag("li", "<a href=\"" + std::to_string(game->number + kRulesContextBase) + ".html\">" +
                          escapeHtml(game->name, game->file, 0, ignored) + "</a>");
    }
    page.bodyHtml += "</ul>\n" + footer(true, false);
    return page;
}

std::string pageHtml(const HelpPage& page) {
    return "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + page.titleHtml +
           "</title>\n</head>\n<body>\n" + page.bodyHtml + "</body>\n</html>\n";
}

std::string resourceCollection(const std::vector<HelpPage>& pages) {
    std::string qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/help\">\n";
    for (const HelpPage& page : pages) {
        qrc += "<file>" + page.fileName + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    return qrc;
}

} // namespace vellomir::tools
