#include "help_builder/help_markup.h"

#include <optional>
#include <utility>

namespace vellomir::tools {
namespace {

// A rules heading is a short title, not a sentence.
constexpr std::size_t kMaxHeadingLength = 40;

struct SourceLine {
    std::string_view text;
    int number = 0;
};

std::vector<SourceLine> splitLines(std::string_view text, int firstLine) {
    std::vector<SourceLine> lines;
    std::size_t start = 0;
    int number = firstLine;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        while (!line.empty() &&
               (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
            line.remove_suffix(1);
        }
        lines.push_back({line, number++});
        start = end + 1;
    }
    return lines;
}

bool startsWithBlank(std::string_view line) {
    return !line.empty() && (line.front() == ' ' || line.front() == '\t');
}

std::string_view trimLeft(std::string_view text) {
    while (startsWithBlank(text)) {
        text.remove_prefix(1);
    }
    return text;
}

bool isListItem(std::string_view line) {
    const std::string_view text = trimLeft(line);
    return text.size() > 2 && (text[0] == '-' || text[0] == '*') && text[1] == ' ';
}

bool looksLikeHeading(std::string_view line) {
    if (line.empty() || startsWithBlank(line) || line.size() > kMaxHeadingLength) {
        return false;
    }
    if (!(line.front() >= 'A' && line.front() <= 'Z')) {
        return false;
    }
    constexpr std::string_view kClosing = ".,;:!?)";
    return kClosing.find(line.back()) == std::string_view::npos;
}

// Gathers lines into blocks: paragraphs of joined lines and lists of items.
class BlockReader {
public:
    explicit BlockReader(bool guessHeadings) : m_guessHeadings(guessHeadings) {}

    void text(const SourceLine& line) {
        if (isListItem(line.text)) {
            flushParagraph();
            if (!m_list) {
                m_list = TextBlock{BlockKind::List, 0, {}, {}};
            }
            m_list->parts.emplace_back(trimLeft(trimLeft(line.text).substr(2)));
            m_list->lines.push_back(line.number);
        } else if (m_list && startsWithBlank(line.text)) {
            m_list->parts.back() += ' ';
            m_list->parts.back() += trimLeft(line.text);
        } else {
            flushList();
            m_paragraph.push_back(line);
        }
    }

    void blank() {
        flushParagraph();
        flushList();
    }

    void heading(int level, std::string_view title, int line) {
        blank();
        m_blocks.push_back({BlockKind::Heading, level, {std::string(title)}, {line}});
        m_candidates.push_back(false);
    }

    std::vector<TextBlock> finish() {
        blank();
        // A lone short line is a heading only when something follows it.
        for (std::size_t i = 0; i + 1 < m_blocks.size(); ++i) {
            if (m_candidates[i] && m_blocks[i + 1].kind != BlockKind::Heading) {
                m_blocks[i].kind = BlockKind::Heading;
                m_blocks[i].level = 2;
            }
        }
        return std::move(m_blocks);
    }

private:
    void flushParagraph() {
        if (m_paragraph.empty()) {
            return;
        }
        std::size_t first = 0;
        if (m_guessHeadings && looksLikeHeading(m_paragraph.front().text)) {
            if (m_paragraph.size() == 1) {
                push({BlockKind::Paragraph,
                      0,
                      {std::string(m_paragraph.front().text)},
                      {m_paragraph.front().number}},
                     true);
                m_paragraph.clear();
                return;
            }
            push({BlockKind::Heading,
                  2,
                  {std::string(m_paragraph.front().text)},
                  {m_paragraph.front().number}});
            first = 1;
        }
        std::string joined;
        for (std::size_t i = first; i < m_paragraph.size(); ++i) {
            if (!joined.empty()) {
                joined += ' ';
            }
            joined += trimLeft(m_paragraph[i].text);
        }
        push({BlockKind::Paragraph, 0, {std::move(joined)}, {m_paragraph[first].number}});
        m_paragraph.clear();
    }

    void flushList() {
        if (m_list) {
            push(std::move(*m_list));
            m_list.reset();
        }
    }

    void push(TextBlock block, bool headingCandidate = false) {
        m_blocks.push_back(std::move(block));
        m_candidates.push_back(headingCandidate);
    }

    bool m_guessHeadings;
    std::vector<SourceLine> m_paragraph;
    std::optional<TextBlock> m_list;
    std::vector<TextBlock> m_blocks;
    std::vector<bool> m_candidates;
};

void appendCodePoint(std::string& out, char32_t c) {
    switch (c) {
    case '&':
        out += "&amp;";
        return;
    case '<':
        out += "&lt;";
        return;
    case '>':
        out += "&gt;";
        return;
    case '"':
        out += "&quot;";
        return;
    default:
        break;
    }
    if (c < 0x80) {
        if (c >= 0x20 || c == '\t' || c == '\n') {
            if (c != 0x7f) {
                out += static_cast<char>(c);
            }
        }
        return;
    }
    out += "&#" + std::to_string(static_cast<unsigned long>(c)) + ";";
}

// Decodes one UTF-8 sequence at `text[i]`; nullopt when it is not one
// (overlong forms, surrogates and values beyond U+10FFFF included).
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int length = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
    } else {
        ++i;
        return std::nullopt;
    }
    if (i + length > text.size()) {
        i = text.size();
        return std::nullopt;
    }
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            i += k;
            return std::nullopt;
        }
        value = (value << 6) | (byte(i + k) & 0x3F);
    }
    i += length;
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::vector<TextBlock> readRulesText(std::string_view text, int firstLine) {
    BlockReader reader(true);
    for (const SourceLine& line : splitLines(text, firstLine)) {
        if (line.text.empty()) {
            reader.blank();
        } else {
            reader.text(line);
        }
    }
    return reader.finish();
}

std::vector<TextBlock> readTopicText(std::string_view text, const std::string& file,
                                     std::vector<Diagnostic>& diagnostics) {
    BlockReader reader(false);
    for (const SourceLine& line : splitLines(text, 1)) {
        if (line.text.empty()) {
            reader.blank();
        } else if (line.text.front() == '#') {
            continue;
        } else if (line.text.front() == '=') {
            const std::size_t level = line.text.find_first_not_of('=');
            const std::string_view title = level == std::string_view::npos
                                               ? std::string_view()
                                               : trimLeft(line.text.substr(level));
            if (level == std::string_view::npos || level > 3 ||
                !startsWithBlank(line.text.substr(level)) || title.empty()) {
                diagnostics.push_back({file, line.number,
                                       "a heading is \"= Title\", \"== Section\" or \"=== Part\""});
                continue;
            }
            reader.heading(static_cast<int>(level), title, line.number);
        } else {
            reader.text(line);
        }
    }
    return reader.finish();
}

std::string escapeHtml(std::string_view text, const std::string& file, int line,
                       std::vector<Diagnostic>& diagnostics) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    bool reported = false;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::optional<char32_t> c = decodeUtf8(text, i);
        if (c) {
            appendCodePoint(out, *c);
            continue;
        }
        if (!reported) {
            diagnostics.push_back({file, line, "the text is not valid UTF-8"});
            reported = true;
        }
        appendCodePoint(out, 0xFFFD);
    }
    return out;
}

std::string linkFileName(std::string_view target) {
    if (target == "contents" || target == "index") {
        return std::string(target) + ".html";
    }
    if (target.empty() || target.size() > 4 || target.front() == '0') {
        return {};
    }
    for (char c : target) {
        if (c < '0' || c > '9') {
            return {};
        }
    }
    return std::string(target) + ".html";
}

std::string renderInlineMarkup(std::string_view text, const std::string& file, int line,
                               std::vector<TopicLink>& links,
                               std::vector<Diagnostic>& diagnostics) {
    std::string out;
    bool bold = false;
    std::size_t plainStart = 0;
    const auto flushPlain = [&](std::size_t end) {
        out += escapeHtml(text.substr(plainStart, end - plainStart), file, line, diagnostics);
    };
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, 2, "**") == 0) {
            flushPlain(i);
            out += bold ? "</b>" : "<b>";
            bold = !bold;
            i += 2;
            plainStart = i;
        } else if (text.compare(i, 2, "[[") == 0) {
            flushPlain(i);
            const std::size_t close = text.find("]]", i + 2);
            if (close == std::string_view::npos) {
                diagnostics.push_back({file, line, "a link \"[[\" is not closed with \"]]\""});
                plainStart = i;
                break;
            }
            const std::string_view inner = text.substr(i + 2, close - i - 2);
            const std::size_t bar = inner.find('|');
            const std::string_view target = inner.substr(0, bar);
            const std::string_view label =
                bar == std::string_view::npos ? std::string_view() : inner.substr(bar + 1);
            const std::string fileName = linkFileName(target);
            if (label.empty() || fileName.empty()) {
                diagnostics.push_back(
                    {file, line,
                     "a link is written [[target|text]] with the target contents, index or a "
                     "context number, not \"[[" +
                         std::string(inner) + "]]\""});
            } else {
                links.push_back({std::string(target), line});
                out += "<a href=\"" + fileName + "\">" +
                       escapeHtml(label, file, line, diagnostics) + "</a>";
            }
            i = close + 2;
            plainStart = i;
        } else {
            ++i;
        }
    }
    flushPlain(text.size());
    if (bold) {
        diagnostics.push_back({file, line, "a bold \"**\" is not closed"});
        out += "</b>";
    }
    return out;
}

} // namespace vellomir::tools
