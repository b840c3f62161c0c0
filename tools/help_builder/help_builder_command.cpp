#include "help_builder/help_builder_command.h"

#include "catalogue_compiler/compiler_command.h"
#include "catalogue_compiler/game_source.h"
#include "help_builder/help_pages.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <set>
#include <sstream>

namespace vellomir::tools {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: vellomir-help-builder [--check] [-o FOLDER] HELP_FOLDER GAME_FILE_OR_FOLDER...\n"
    "  --check     check the sources only, write nothing\n"
    "  -o FOLDER   write the HTML pages and marbleon.qrc into FOLDER\n";

constexpr const char* kQrcName = "marbleon.qrc";

// The files of `folder` ending in `extension`, in name order.
std::vector<fs::path> filesIn(const fs::path& folder, const std::string& extension,
                              std::vector<Diagnostic>& diagnostics) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        if (entry.path().extension() == extension) {
            files.push_back(entry.path());
        }
    }
    if (ec) {
        diagnostics.push_back({folder.string(), 0, "cannot list the folder: " + ec.message()});
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The context number a topic file's name gives: "contents.txt" is the
// contents page (0); "NNNN_name.txt" or "NNNN.txt" is context NNNN. -1 when
// the name is neither.
int topicContext(const std::string& stem) {
    if (stem == "contents") {
        return 0;
    }
    const std::string number = stem.substr(0, stem.find('_'));
    if (number.empty() || number.size() > 4 || number.front() == '0' ||
        !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return -1;
    }
    return std::stoi(number);
}

// The lines of `text` after line `line` (1-based).
std::string_view linesAfter(std::string_view text, int line) {
    std::size_t start = 0;
    for (int i = 0; i < line && start != std::string_view::npos; ++i) {
        start = text.find('\n', start);
        if (start != std::string_view::npos) {
            ++start;
        }
    }
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

class HelpBuild {
public:
    void readTopics(const fs::path& folder) {
        bool sawContents = false;
        std::set<int> contexts;
        for (const fs::path& path : filesIn(folder, ".txt", m_diagnostics)) {
            const std::string file = path.string();
            const int context = topicContext(path.stem().string());
            if (context < 0) {
                report(file, 0,
                       "a topic file is named contents.txt or NNNN_name.txt, NNNN being its "
                       "context number");
                continue;
            }
            if (context >= kRulesContextBase && context < kRulesContextBase + 1000) {
                report(file, 0,
                       "the context numbers 3000 to 3999 belong to the games' rules pages");
                continue;
            }
            if (!contexts.insert(context).second) {
                report(file, 0,
                       "another topic file has the context number " + std::to_string(context));
                continue;
            }
            std::string text;
            if (!readSourceFile(path, text)) {
                report(file, 0, "cannot read the file");
                continue;
            }
            sawContents = sawContents || context == 0;
            const std::string fileName =
                context == 0 ? std::string("contents.html") : std::to_string(context) + ".html";
            std::vector<TopicLink> links;
            m_pages.push_back(topicPage(file, text, fileName, links, m_diagnostics));
            for (TopicLink& link : links) {
                m_links.push_back({file, std::move(link)});
            }
        }
        if (!sawContents) {
            report(folder.string(), 0, "the folder has no contents.txt, the help's contents page");
        }
    }

    void readGame(const fs::path& path) {
        const std::string file = path.string();
        std::string text;
        if (!readSourceFile(path, text)) {
            report(file, 0, "cannot read the file");
            return;
        }
        const std::size_t before = m_diagnostics.size();
        GameSource game = parseGameFile(file, text, m_diagnostics);
        if (m_diagnostics.size() != before || game.number < 0) {
            return;
        }
        const auto [previous, fresh] = m_gameFiles.emplace(game.number, file);
        if (!fresh) {
            report(file, game.numberLine,
                   "game " + std::to_string(game.number) + " is also " + previous->second);
            return;
        }
        m_pages.push_back(
            rulesPage(game, linesAfter(text, game.rulesLine), game.rulesLine + 1, m_diagnostics));
        m_games.push_back(std::move(game));
    }

    // Adds the page index and checks that every link leads to a page.
    void finish() {
        m_pages.push_back(gameIndexPage(m_games));
        std::set<std::string> names;
        for (const HelpPage& page : m_pages) {
            names.insert(page.fileName);
        }
        for (const auto& [file, link] : m_links) {
            if (names.count(linkFileName(link.target)) == 0) {
                report(file, link.line,
                       "the link target \"" + link.target + "\" is no page of the help");
            }
        }
        std::sort(m_pages.begin(), m_pages.end(),
                  [](const HelpPage& a, const HelpPage& b) { return a.fileName < b.fileName; });
    }

    const std::vector<Diagnostic>& diagnostics() const { return m_diagnostics; }

    std::string write(const fs::path& folder) const {
        std::error_code ec;
        fs::create_directories(folder, ec);
        if (ec) {
            return "cannot create the folder " + folder.string() + ": " + ec.message();
        }
        for (const HelpPage& page : m_pages) {
            const std::string error =
                writeFileAtomically((folder / page.fileName).string(), pageHtml(page));
            if (!error.empty()) {
                return error;
            }
        }
        // The collection goes last: it names the pages, so it must not point
        // at pages that were not written.
        return writeFileAtomically((folder / kQrcName).string(), resourceCollection(m_pages));
    }

private:
    void report(const std::string& file, int line, std::string message) {
        m_diagnostics.push_back({file, line, std::move(message)});
    }

    std::vector<Diagnostic> m_diagnostics;
    std::vector<HelpPage> m_pages;
    std::vector<GameSource> m_games;
    std::map<int, std::string> m_gameFiles;
    std::vector<std::pair<std::string, TopicLink>> m_links;
};

} // namespace

int runHelpBuilder(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool check = false;
    std::string output;
    std::vector<std::string> inputs;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--check") {
            check = true;
        } else if (args[i] == "-o" || args[i] == "--output") {
            if (i + 1 == args.size()) {
                err << "vellomir-help-builder: " << args[i] << " needs a folder name\n" << kUsage;
                return 2;
            }
            output = args[++i];
        } else if (args[i] == "--help" || args[i] == "-h") {
            out << kUsage;
            return 0;
        } else if (args[i].starts_with("-")) {
            err << "vellomir-help-builder: unknown option " << args[i] << "\n" << kUsage;
            return 2;
        } else {
            inputs.push_back(args[i]);
        }
    }
    if (inputs.size() < 2 || (output.empty() && !check) || (!output.empty() && check)) {
        err << kUsage;
        return 2;
    }

    HelpBuild build;
    std::vector<Diagnostic> listing;
    std::error_code ec;
    if (!fs::is_directory(inputs.front(), ec)) {
        err << inputs.front() << ": the help folder does not exist\n";
        return 1;
    }
    build.readTopics(inputs.front());
    for (std::size_t i = 1; i < inputs.size(); ++i) {
        if (!fs::is_directory(inputs[i], ec)) {
            build.readGame(inputs[i]);
            continue;
        }
        const std::vector<fs::path> games = filesIn(inputs[i], ".game", listing);
        if (games.empty() && listing.empty()) {
            listing.push_back({inputs[i], 0, "the folder holds no .game files"});
        }
        for (const fs::path& game : games) {
            build.readGame(game);
        }
    }
    build.finish();

    listing.insert(listing.end(), build.diagnostics().begin(), build.diagnostics().end());
    const bool sound = listing.empty();
    for (const Diagnostic& diagnostic : listing) {
        err << formatDiagnostic(diagnostic) << "\n";
    }
    if (sound && !output.empty()) {
        const std::string error = build.write(output);
        if (!error.empty()) {
            err << "vellomir-help-builder: " << error << "\n";
            return 1;
        }
    }
    return sound ? 0 : 1;
}

} // namespace vellomir::tools
