#pragma once

#include "cli/console_frontend.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace vellomir::engine {
class PlayEngine;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::tools {

/// The console frontend, noting what a command caused: beeps and information
/// boxes (the console frontend itself notes a win).
class PlayFrontend : public ConsoleFrontend {
public:
    using ConsoleFrontend::ConsoleFrontend;
    void beep() override { beeped = true; }
    void showInformation(std::string_view text) override { information.emplace_back(text); }
    void reset() {
        beeped = false;
        information.clear();
    }
    bool beeped = false;
    std::vector<std::string> information;
};

/// The command lines of `vellomir-cli play` run on a dealt game: pointer
/// commands (engine::parsePointerCommand), undo, redo, restart and show.
class PlaySession {
public:
    PlaySession(table::ProgramState& state, PlayFrontend& frontend, engine::PlayEngine& engine)
        : m_state(state), m_frontend(frontend), m_engine(engine) {}

    /// What a command line led to.
    struct Answer {
        /// False for a blank line or a comment, which answer nothing.
        bool answered = false;
        /// False when the line named no command or place: nothing was sent.
        bool ok = true;
        /// "won", "lost", "info: TEXT", "beep", "ok" or "error: PROBLEM";
        /// `show` puts the table before it.
        std::string text;
    };

    /// Runs one command line.
    Answer run(const std::string& line);

private:
    bool dispatch(const std::vector<std::string>& w, const std::string& line, std::string& shown,
                  std::string& problem);

    table::ProgramState& m_state;
    PlayFrontend& m_frontend;
    engine::PlayEngine& m_engine;
};

} // namespace vellomir::tools
