#pragma once

#include "catalogue_compiler/game_source.h"

#include <string>
#include <string_view>
#include <vector>

namespace vellomir::tools {

/// One block of a help page: a heading, a paragraph or a bulleted list.
enum class BlockKind { Heading, Paragraph, List };

struct TextBlock {
    BlockKind kind = BlockKind::Paragraph;
    int level = 0;                  // headings: 1, 2 or 3
    std::vector<std::string> parts; // the heading's or paragraph's text, or the list's items
    std::vector<int> lines;         // the source line each part starts on
};

/// Reads the rules text of a game file. Paragraphs are separated by blank
/// lines; a short first line without closing punctuation that is followed by
/// more text ("Object", "Moves") is a heading; lines starting with "- " or
/// "* " are list items, and indented lines after an item continue it.
/// `firstLine` is the file's line number of the text's first line.
std::vector<TextBlock> readRulesText(std::string_view text, int firstLine);

/// Reads a help topic source: "= Title", "== Section" and "=== Part"
/// headings, paragraphs and lists as in the rules text, and "#" comment
/// lines. Malformed headings are appended to `diagnostics`.
std::vector<TextBlock> readTopicText(std::string_view text, const std::string& file,
                                     std::vector<Diagnostic>& diagnostics);

/// A link written in a topic source, kept to check that its page exists.
struct TopicLink {
    std::string target; // "contents", "index" or a context number
    int line = 0;
};

/// Escapes text for HTML: &, <, > and " become entities, characters beyond
/// ASCII become numeric character references, and control characters other
/// than tab and line feed are dropped. Bytes that are not UTF-8 are reported
/// at `line` of `file`.
std::string escapeHtml(std::string_view text, const std::string& file, int line,
                       std::vector<Diagnostic>& diagnostics);

/// Renders the inline markup of a topic source as HTML: "**bold**",
/// "[[target]]" and "[[target|text]]" links (the target is "contents",
/// "index" or a context number); the rest is escaped. The links are appended
/// to `links`, unbalanced markup to `diagnostics`.
std::string renderInlineMarkup(std::string_view text, const std::string& file, int line,
                               std::vector<TopicLink>& links, std::vector<Diagnostic>& diagnostics);

/// The page file a link target names: "contents.html", "index.html" or
/// "NNNN.html"; empty when the target is none of these.
std::string linkFileName(std::string_view target);

} // namespace vellomir::tools
