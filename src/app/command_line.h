#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace vellomir::app {

/// What the command line asks of a run of the program.
struct CommandLine {
    enum class Action {
        /// Start the program.
        Run,
        /// Print `text` on standard output and end with status 0 (--help, --version).
        Print,
        /// Print `text` on standard error and end with status 2 (a bad option).
        Fail,
    };
    Action action = Action::Run;
    QString text;
    /// --game N: the game to deal at the start, by its catalogue number.
    std::optional<int> game;
    /// --deal N: the deal number to deal at the start, 1 to 13 digits.
    std::optional<QString> deal;
};

/// Reads the program's arguments (the program's name first). Needs a
/// QCoreApplication for the application's name.
CommandLine readCommandLine(const QStringList& arguments);

} // namespace vellomir::app
