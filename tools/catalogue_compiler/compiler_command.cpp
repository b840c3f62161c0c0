#include "catalogue_compiler/compiler_command.h"

#include "catalogue_compiler/catalogue_writer.h"
#include "catalogue_compiler/game_checks.h"
#include "catalogue_compiler/game_source.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <unistd.h>

namespace vellomir::tools {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: vellomir-catalogue-compiler [--check] [-o OUTPUT] GAME_FILE_OR_FOLDER...\n"
    "  --check      check the games only, write nothing\n"
    "  -o OUTPUT    write the compiled catalogue (GAMES.DAT) to OUTPUT\n";

// The game files named on the command line; folders give their *.game files
// in name order.
std::vector<std::string> gameFiles(const std::vector<std::string>& inputs,
                                   std::vector<Diagnostic>& diagnostics) {
    std::vector<std::string> files;
    for (const std::string& input : inputs) {
        std::error_code ec;
        if (fs::is_directory(input, ec)) {
            std::vector<std::string> found;
            for (const fs::directory_entry& entry : fs::directory_iterator(input, ec)) {
                if (entry.path().extension() == ".game") {
                    found.push_back(entry.path().string());
                }
            }
            if (ec) {
                diagnostics.push_back({input, 0, "cannot list the folder: " + ec.message()});
            } else if (found.empty()) {
                diagnostics.push_back({input, 0, "the folder holds no .game files"});
            }
            std::sort(found.begin(), found.end());
            files.insert(files.end(), found.begin(), found.end());
        } else {
            files.push_back(input);
        }
    }
    return files;
}

} // namespace

std::string writeFileAtomically(const std::string& path, const std::string& text) {
    const fs::path target(path);
    const fs::path temporary = target.string() + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return "cannot write " + temporary.string();
        }
    }
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return "cannot replace " + path + ": " + ec.message();
    }
    return {};
}

int runCatalogueCompiler(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err) {
    bool check = false;
    std::string output;
    std::vector<std::string> inputs;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--check") {
            check = true;
        } else if (args[i] == "-o" || args[i] == "--output") {
            if (i + 1 == args.size()) {
                err << "vellomir-catalogue-compiler: " << args[i] << " needs a file name\n"
                    << kUsage;
                return 2;
            }
            output = args[++i];
        } else if (args[i] == "--help" || args[i] == "-h") {
            out << kUsage;
            return 0;
        } else if (args[i].starts_with("-")) {
            err << "vellomir-catalogue-compiler: unknown option " << args[i] << "\n" << kUsage;
            return 2;
        } else {
            inputs.push_back(args[i]);
        }
    }
    if (inputs.empty() || (output.empty() && !check) || (!output.empty() && check)) {
        err << kUsage;
        return 2;
    }

    std::vector<Diagnostic> diagnostics;
    std::vector<GameSource> games;
    for (const std::string& file : gameFiles(inputs, diagnostics)) {
        std::string text;
        if (!readSourceFile(file, text)) {
            diagnostics.push_back({file, 0, "cannot read the game file"});
            continue;
        }
        GameSource game = parseGameFile(file, text, diagnostics);
        resolveGame(game, diagnostics);
        games.push_back(std::move(game));
    }
    checkCatalogue(games, diagnostics);

    for (const Diagnostic& diagnostic : diagnostics) {
        err << formatDiagnostic(diagnostic) << "\n";
    }
    if (!diagnostics.empty()) {
        err << "vellomir-catalogue-compiler: " << diagnostics.size() << " problem"
            << (diagnostics.size() == 1 ? "" : "s") << " found\n";
        return 1;
    }
    if (check) {
        out << games.size() << " game" << (games.size() == 1 ? "" : "s") << " checked\n";
        return 0;
    }
    const std::string problem = writeFileAtomically(output, writeCatalogue(std::move(games)));
    if (!problem.empty()) {
        err << "vellomir-catalogue-compiler: " << problem << "\n";
        return 1;
    }
    return 0;
}

} // namespace vellomir::tools
