#include "cli/play_session.h"

#include "cli/table_printer.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "table/program_state.h"

#include <optional>
#include <sstream>

namespace vellomir::tools {

PlaySession::Answer PlaySession::run(const std::string& line) {
    std::istringstream words(line);
    std::vector<std::string> w;
    for (std::string word; words >> word;) {
        w.push_back(word);
    }
    if (w.empty() || w[0].starts_with('#')) {
        return {}; // blank lines and comments answer nothing
    }
    const bool inPlay = m_state.flags.test(table::Flag::GameInPlay);
    m_frontend.reset();
    std::string shown;
    std::string problem;
    if (!dispatch(w, line, shown, problem)) {
        return {true, false, "error: " + problem};
    }
    if (inPlay && !m_state.flags.test(table::Flag::GameInPlay)) {
        return {true, true, shown + (m_frontend.wonGame() ? "won" : "lost")};
    }
    if (!m_frontend.information.empty()) {
        return {true, true, shown + "info: " + m_frontend.information.front()};
    }
    return {true, true, shown + (m_frontend.beeped ? "beep" : "ok")};
}

bool PlaySession::dispatch(const std::vector<std::string>& w, const std::string& line,
                           std::string& shown, std::string& problem) {
    if (w[0] == "show" && w.size() == 1) {
        std::ostringstream table;
        printTable(m_state, false, table);
        table << (m_state.flags.test(table::Flag::GameInPlay) ? "game in play"
                  : m_frontend.wonGame()                      ? "game won"
                                                              : "game lost")
              << '\n';
        shown = table.str();
        return true;
    }
    if (w.size() == 1 && (w[0] == "undo" || w[0] == "redo")) {
        const bool undo = w[0] == "undo";
        if (undo ? m_engine.undo() : m_engine.redo()) {
            return true;
        }
        problem = undo ? "nothing to undo" : "nothing to redo";
        return false;
    }
    if (w.size() == 1 && w[0] == "restart") {
        if (m_engine.restartGame()) {
            return true;
        }
        problem = "the game could not be dealt again";
        return false;
    }
    const std::optional<engine::PointerCommand> command =
        engine::parsePointerCommand(line, problem);
    return command && engine::runPointerCommand(m_engine, *command, problem);
}

} // namespace vellomir::tools
