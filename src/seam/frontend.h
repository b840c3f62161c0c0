#pragma once

#include "seam/table_drawing.h"

#include <functional>
#include <string_view>
#include <utility>

namespace vellomir::seam {

/// How a sound is played: at once (asynchronous), waiting for its end,
/// looped until stopped.
enum class SoundMode { AtOnce, Wait, Looped };

/// The one interface through which the Qt-free core reaches the screen, the
/// sound, the dialogs, the menus and the clock. The Qt program implements it
/// with real drawing; the tests use a fake that records every call.
///
/// The table drawing and card motion go to the frontend's TableDrawing.
class Frontend {
public:
    virtual ~Frontend() = default;

    /// The table drawing and card motion operations: what draws the table.
    virtual TableDrawing& tableDrawing() = 0;

    // --- Messages and feedback ---------------------------------------------
    /// An information box with an OK button.
    virtual void showInformation(std::string_view text) = 0;
    /// A yes/no confirmation box; true for yes.
    virtual bool confirm(std::string_view text) = 0;
    /// An advice message the player may suppress for good; `key` names it in
    /// the preferences section "Show_Messages".
    virtual void showAdvice(std::string_view key, std::string_view text) = 0;
    /// The system beep of an illegal press.
    virtual void beep() = 0;
    /// Plays a named sound of the resource library. `switchOn` is the caller's
    /// own sound switch; the master switch is checked by the frontend.
    virtual void playSound(std::string_view name, bool switchOn, SoundMode mode) = 0;
    /// Stops the sound playing (obeys the master switch like every sound).
    virtual void stopSound() = 0;
    /// A busy wait of `milliseconds` that processes no input.
    virtual void pause(int milliseconds) = 0;
    /// A wait of `milliseconds` during which the window's messages (input,
    /// painting) are handled as usual. A frontend without a window just waits.
    virtual void pauseHandlingMessages(int milliseconds) { pause(milliseconds); }

    // --- Window state -------------------------------------------------------
    /// Width and height of the main window's drawing area the table is laid
    /// out in: its client width less the vertical scroll bar, and its client
    /// height.
    virtual int drawingAreaWidth() const = 0;
    virtual int drawingAreaHeight() const = 0;
    /// The main window's outer height, frame included.
    virtual int windowOuterHeight() const = 0;
    /// Where the table's piles may start at the top of the drawing area: the
    /// bottom edge of a toolbar panel drawn inside it, 5 when there is none.
    virtual int tableTopMargin() const = 0;
    /// Size of the game chooser's preview picture; the layout uses it while
    /// the preview flag of TMainGame is set.
    virtual int previewPictureWidth() const = 0;
    virtual int previewPictureHeight() const = 0;
    /// Screen size, for the small-screen rule of the layout.
    virtual int screenWidth() const = 0;
    virtual int screenHeight() const = 0;
    /// The card size changed to `width` x `height`: rebuild the card pictures
    /// and the spare card bitmap at that size.
    virtual void cardSizeChanged(int width, int height) = 0;
    virtual void setCaption(std::string_view caption) = 0;
    /// Cursor number: 10 the system arrow, 11-15 the program's pointers,
    /// 20-25 their dragging forms.
    virtual void setCursor(int cursorNumber) = 0;
    virtual void showClock(bool visible) = 0;
    virtual void showScore(bool visible) = 0;
    virtual void setClockText(std::string_view text) = 0;
    virtual void setScoreText(std::string_view text) = 0;
    virtual void setStatusBarVisible(bool visible) = 0;
    virtual void setAutoplayChecked(bool checked) = 0;
    virtual void setAutoplayEnabled(bool enabled) = 0;
    virtual void setCustomizeEnabled(bool enabled) = 0;
    /// Enables or disables the commands that only make sense while a game is
    /// in play (Pause, Quit game, Snapshot position) and the game commands.
    virtual void setGameCommandsEnabled(bool enabled) = 0;
    /// The hourglass while the program is busy, the chosen cursor otherwise.
    virtual void setBusyCursor(bool busy) = 0;
    /// Hides the pile-size panel of the main window when it shows.
    virtual void hidePileSizePanel() = 0;
    /// While blocked, key presses and left and right button presses reaching
    /// the application are discarded (a selection is being removed).
    virtual void setInputBlocked(bool blocked) = 0;
    /// The time of day in milliseconds since midnight, for the game clock.
    virtual long long timeOfDayMs() const = 0;

    // --- Program flow --------------------------------------------------------
    /// Runs the chosen winning animation to its end (or until stopped).
    virtual void runWinningAnimation() = 0;
    /// Opens the game chooser, as the "&Open a game" command does.
    virtual void openGameChooser() = 0;
    /// Closes the main window (a close asked for during an animation).
    virtual void closeMainWindow() = 0;

    // --- The end of a game ---------------------------------------------------
    /// Who is told the moment a game ends, won or lost, before its winning
    /// animation and whatever follows it: the play engine, which counts the
    /// result then.
    void setGameEndListener(std::function<void()> listener) {
        m_gameEndListener = std::move(listener);
    }
    /// The end of game calls this once the game has ended.
    void gameEnded() {
        if (m_gameEndListener) {
            m_gameEndListener();
        }
    }

private:
    std::function<void()> m_gameEndListener;
};

} // namespace vellomir::seam
