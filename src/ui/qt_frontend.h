#pragma once

#include "seam/frontend.h"
#include "seam/silent_frontend.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vellomir::render {
class DrawingTarget;
}
namespace vellomir::resources {
class AudioBackend;
class CursorTable;
class ResourceLibrary;
class SoundService;
} // namespace vellomir::resources
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::ui {

class MessageBoxes;
class TfrmMain;

/// Makes the audio output the sounds play on.
using AudioBackendFactory = std::function<std::unique_ptr<resources::AudioBackend>()>;

/// The frontend of the Qt program: message boxes, sounds, the main window's
/// labels, menus, cursor and metrics, and the table drawing (handed to the
/// drawing target, the table renderer, once there is one; until then the
/// table is not drawn).
///
/// Sounds start only once the program has shown its first table: opening
/// the audio system is slow, and the table comes first. Sounds asked for
/// before that are not played, except the start-up sound, which is kept and
/// played then.
class QtFrontend : public seam::Frontend {
public:
    QtFrontend(table::ProgramState& state, MessageBoxes& boxes, AudioBackendFactory audio);
    ~QtFrontend() override;
    QtFrontend(const QtFrontend&) = delete;
    QtFrontend& operator=(const QtFrontend&) = delete;

    void attachWindow(TfrmMain* window) { m_window = window; }
    void attachResources(const resources::ResourceLibrary* library,
                         const resources::CursorTable* cursors);
    /// The table renderer the drawing goes to; none (nothing is drawn) while
    /// the program starts and after it tears down.
    void setDrawingTarget(render::DrawingTarget* target) { m_drawing = target; }
    render::DrawingTarget* drawing() const { return m_drawing; }
    const resources::ResourceLibrary* library() const { return m_library; }
    MessageBoxes& boxes() { return m_boxes; }

    /// Asks for the start-up sound with the two preferences read straight
    /// from the file ("Sounds_Enabled", "Sounds_Splash"); it plays once
    /// sounds are allowed.
    void requestSplashSound(bool soundsEnabled, bool soundsSplash);
    /// Allows sounds from now on and plays the start-up sound if asked for.
    void allowSounds();
    bool soundsAllowed() const { return m_soundsAllowed; }
    /// Whether input is being discarded (a selection is being removed).
    bool inputBlocked() const { return m_inputBlocked; }
    /// Hands the winning animation to `run` (until one is set, a won game
    /// simply ends).
    void setWinningAnimation(std::function<void()> run) { m_winningAnimation = std::move(run); }

    // --- Messages and feedback ---------------------------------------------
    /// From now on messages are held instead of shown, each once, until
    /// takeGatheredInformation: what closing could not save is told in one
    /// box rather than one box a file.
    void gatherInformation() { m_gathered.emplace(); }
    bool gatheringInformation() const { return m_gathered.has_value(); }
    /// The messages held since gatherInformation, in order; showing them
    /// again from now on.
    std::vector<std::string> takeGatheredInformation();
    void showInformation(std::string_view text) override;
    bool confirm(std::string_view text) override;
    void showAdvice(std::string_view key, std::string_view text) override;
    void beep() override;
    void playSound(std::string_view name, bool switchOn, seam::SoundMode mode) override;
    void stopSound() override;
    void pause(int milliseconds) override;
    void pauseHandlingMessages(int milliseconds) override;

    // --- Window state -------------------------------------------------------
    int drawingAreaWidth() const override;
    int drawingAreaHeight() const override;
    int windowOuterHeight() const override;
    int tableTopMargin() const override;
    int previewPictureWidth() const override { return 300; }
    int previewPictureHeight() const override { return 185; }
    int screenWidth() const override;
    int screenHeight() const override;
    void cardSizeChanged(int width, int height) override;
    void setCaption(std::string_view caption) override;
    void setCursor(int cursorNumber) override;
    void showClock(bool visible) override;
    void showScore(bool visible) override;
    void setClockText(std::string_view text) override;
    void setScoreText(std::string_view text) override;
    void setStatusBarVisible(bool visible) override;
    void setAutoplayChecked(bool checked) override;
    void setAutoplayEnabled(bool enabled) override;
    void setCustomizeEnabled(bool enabled) override;
    void setGameCommandsEnabled(bool enabled) override;
    void setBusyCursor(bool busy) override;
    void hidePileSizePanel() override;
    void setInputBlocked(bool blocked) override;
    long long timeOfDayMs() const override;

    // --- Table drawing and card motion: the drawing target's -------------------
    seam::TableDrawing& tableDrawing() override;

    // --- Program flow --------------------------------------------------------
    void runWinningAnimation() override;
    void openGameChooser() override;
    void closeMainWindow() override;

private:
    class InputBlocker;

    resources::SoundService* sounds();

    table::ProgramState& m_state;
    MessageBoxes& m_boxes;
    std::optional<std::vector<std::string>> m_gathered;
    AudioBackendFactory m_audioFactory;
    TfrmMain* m_window = nullptr;
    const resources::ResourceLibrary* m_library = nullptr;
    const resources::CursorTable* m_cursors = nullptr;
    render::DrawingTarget* m_drawing = nullptr;
    // Draws nothing: the table drawing while there is no drawing target.
    seam::SilentDrawing m_noDrawing;
    std::unique_ptr<resources::AudioBackend> m_audio;
    std::unique_ptr<resources::SoundService> m_sounds;
    bool m_soundsAllowed = false;
    bool m_splashWanted = false;
    bool m_splashSoundsEnabled = false;
    bool m_busy = false;
    bool m_inputBlocked = false;
    std::unique_ptr<QObject> m_inputBlocker;
    std::function<void()> m_winningAnimation;
};

} // namespace vellomir::ui
