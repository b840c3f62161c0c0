#include "help_builder/help_markup.h"

#include <gtest/gtest.h>

namespace vellomir::tools {
namespace {

std::string escape(std::string_view text, std::vector<Diagnostic>& diagnostics) {
    return escapeHtml(text, "f.txt", 7, diagnostics);
}

TEST(HelpMarkup, EscapesHtmlAndWritesNonAsciiAsCharacterReferences) {
    std::vector<Diagnostic> diagnostics;
    EXPECT_EQ(escape("a < b & \"c\" > d's", diagnostics), "a &lt; b &amp; &quot;c&quot; &gt; d's");
    EXPECT_EQ(escape("caf\xC3\xA9 \xE2\x99\xA5 \xF0\x9F\x82\xA1", diagnostics),
              "caf&#233; &#9829; &#127137;");
    EXPECT_EQ(escape("bell\x07 del\x7F tab\t", diagnostics), "bell del tab\t");
    EXPECT_TRUE(diagnostics.empty());

    // A stray byte, an overlong "/" and a cut-off sequence are not UTF-8.
    for (const std::string_view bad : {"x\xFFy", "x\xC0\xAFy", "x\xE2\x99"}) {
        diagnostics.clear();
        const std::string html = escape(bad, diagnostics);
        EXPECT_NE(html.find("&#65533;"), std::string::npos) << html;
        ASSERT_EQ(diagnostics.size(), 1u);
        EXPECT_EQ(formatDiagnostic(diagnostics.front()), "f.txt:7: the text is not valid UTF-8");
    }
}

TEST(HelpMarkup, RulesTextFindsHeadingsParagraphsAndLists) {
    const std::string text = "\n"
                             "Object\n"
                             "Move all the cards\n"
                             "  onto the foundations.\n"
                             "\n"
                             "Moves\n"
                             "\n"
                             "- A red 6 on a black 7.\n"
                             "- A king\n"
                             "  into a space.\n"
                             "Short sentence.\n"
                             "Then more.\n"
                             "\n"
                             "Good luck\n";
    const std::vector<TextBlock> blocks = readRulesText(text, 20);
    ASSERT_EQ(blocks.size(), 6u);
    EXPECT_EQ(blocks[0].kind, BlockKind::Heading);
    EXPECT_EQ(blocks[0].parts.front(), "Object");
    EXPECT_EQ(blocks[0].lines.front(), 21);
    EXPECT_EQ(blocks[1].kind, BlockKind::Paragraph);
    EXPECT_EQ(blocks[1].parts.front(), "Move all the cards onto the foundations.");
    EXPECT_EQ(blocks[1].lines.front(), 22);
    // A lone short line followed by more text is a heading too.
    EXPECT_EQ(blocks[2].kind, BlockKind::Heading);
    EXPECT_EQ(blocks[2].parts.front(), "Moves");
    EXPECT_EQ(blocks[3].kind, BlockKind::List);
    EXPECT_EQ(blocks[3].parts,
              (std::vector<std::string>{"A red 6 on a black 7.", "A king into a space."}));
    EXPECT_EQ(blocks[3].lines, (std::vector<int>{27, 28}));
    // A short line that ends a sentence stays text, and so does the last line.
    EXPECT_EQ(blocks[4].kind, BlockKind::Paragraph);
    EXPECT_EQ(blocks[4].parts.front(), "Short sentence. Then more.");
    EXPECT_EQ(blocks[5].kind, BlockKind::Paragraph);
    EXPECT_EQ(blocks[5].parts.front(), "Good luck");
}

TEST(HelpMarkup, TopicTextHasExplicitHeadingsAndComments) {
    std::vector<Diagnostic> diagnostics;
    const std::vector<TextBlock> blocks = readTopicText("# a comment\n"
                                                        "= Title\n"
                                                        "== Section\n"
                                                        "Object\n"
                                                        "is not guessed here.\n"
                                                        "===Broken\n"
                                                        "==== Too deep\n",
                                                        "t.txt", diagnostics);
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0].level, 1);
    EXPECT_EQ(blocks[0].parts.front(), "Title");
    EXPECT_EQ(blocks[1].level, 2);
    EXPECT_EQ(blocks[2].kind, BlockKind::Paragraph);
    EXPECT_EQ(blocks[2].parts.front(), "Object is not guessed here.");
    ASSERT_EQ(diagnostics.size(), 2u);
    EXPECT_EQ(formatDiagnostic(diagnostics[0]),
              "t.txt:6: a heading is \"= Title\", \"== Section\" or \"=== Part\"");
    EXPECT_EQ(diagnostics[1].line, 7);
}

TEST(HelpMarkup, InlineMarkupRendersBoldAndLinksAndReportsMistakes) {
    std::vector<TopicLink> links;
    std::vector<Diagnostic> diagnostics;
    EXPECT_EQ(renderInlineMarkup("Press **F1** & see [[3087|Put <it> in order]] or [[index|all]].",
                                 "c.txt", 4, links, diagnostics),
              "Press <b>F1</b> &amp; see <a href=\"3087.html\">Put &lt;it&gt; in order</a> or "
              "<a href=\"index.html\">all</a>.");
    EXPECT_TRUE(diagnostics.empty());
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0].target, "3087");
    EXPECT_EQ(links[0].line, 4);

    const auto problem = [](std::string_view text) {
        std::vector<TopicLink> ignored;
        std::vector<Diagnostic> found;
        renderInlineMarkup(text, "c.txt", 9, ignored, found);
        EXPECT_EQ(found.size(), 1u) << text;
        return found.empty() ? std::string() : formatDiagnostic(found.front());
    };
    EXPECT_EQ(problem("**open"), "c.txt:9: a bold \"**\" is not closed");
    EXPECT_EQ(problem("see [[index|all"), "c.txt:9: a link \"[[\" is not closed with \"]]\"");
    EXPECT_EQ(problem("[[index]]"),
              "c.txt:9: a link is written [[target|text]] with the target contents, index or a "
              "context number, not \"[[index]]\"");
    EXPECT_NE(problem("[[http://example.org|web]]"), "");
    EXPECT_NE(problem("[[0087|zero]]"), "");
}

} // namespace
} // namespace vellomir::tools
