#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <string>

namespace vellomir::render {
class TableRenderer;
}
namespace vellomir::table {
struct ProgramState;
class EngineFlags;
} // namespace vellomir::table

namespace vellomir::ui {

class TfrmMain;

/// While the winning animation runs, swallows every key press and every
/// left, right or middle button press of the application (a left press on a
/// title bar too): the first one stops the animation, and none reaches a
/// window. Releases and double-clicks, which would follow the swallowed
/// presses, are swallowed too.
class WinningStopFilter : public QObject {
public:
    explicit WinningStopFilter(table::EngineFlags& flags) : m_flags(flags) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    table::EngineFlags& m_flags;
};

/// The winning animation on the main window: reads the style and the time
/// from the preferences, sets the running flag (engine flag 6), installs
/// the stop filter, throws the cards with the renderer's face drawing on the
/// window and into the table buffer, and undoes it all at the end.
class WinningSequence {
public:
    WinningSequence(table::ProgramState& state, TfrmMain& window, render::TableRenderer& renderer);
    ~WinningSequence();
    WinningSequence(const WinningSequence&) = delete;
    WinningSequence& operator=(const WinningSequence&) = delete;

    /// The style and the time of the preferences "Winning_Animations"
    /// (default "(Random)") and "Winning_Animations_Time" (default 30 s).
    void run();
    /// A named style for `seconds`; a name that is none of the styles draws
    /// nothing and returns at once.
    void run(const std::string& style, int seconds);
    /// Stops a running animation and takes the stop filter off again.
    void stop();
    bool filterInstalled() const { return m_filter != nullptr; }

    /// Called between the animation's steps where input is let through (tests
    /// use it to press keys at a known moment).
    void setProcessMessagesHook(std::function<void()> hook) { m_hook = std::move(hook); }

    /// The time the animation keeps: its pauses and the milliseconds since
    /// it started. Without one it busy-waits on the real clock; tests give a
    /// simulated one.
    struct Clock {
        std::function<void(int milliseconds)> wait;
        std::function<long long()> now;
    };
    void setClock(Clock clock) { m_clock = std::move(clock); }

private:
    void removeFilter();

    table::ProgramState& m_state;
    TfrmMain& m_window;
    render::TableRenderer& m_renderer;
    std::unique_ptr<WinningStopFilter> m_filter;
    std::function<void()> m_hook;
    Clock m_clock;
};

} // namespace vellomir::ui
