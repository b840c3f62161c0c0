#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vellomir::seam {

/// A rectangle in table coordinates; right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

/// How a card flies (Frontend::flyCard).
struct Flight {
    /// The card's picture is first taken from the table; without it the
    /// carried picture flies from where it is.
    bool pickUp = true;
    /// The card lands lifted by the shadow offset, then drops into place.
    bool lifted = false;
    /// Longer steps and shorter waits, as the deal flies its cards.
    bool fast = false;
    /// The card is laid into the table picture where it lands.
    bool final = true;
};

/// How a sound is played: at once (asynchronous), waiting for its end,
/// looped until stopped.
enum class SoundMode { AtOnce, Wait, Looped };

/// The one interface through which the Qt-free core reaches the screen, the
/// sound, the dialogs, the menus and the clock. The Qt program implements it
/// with real drawing; the tests use a fake that records every call.
///
/// Drawing operations draw on the window and show the change at once, so
/// that pauses and flights inside an action show motion.
class Frontend {
public:
    virtual ~Frontend() = default;

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

    // --- Table drawing -------------------------------------------------------
    // Pile names are those of the pile lists ("Mazzo", "Mazzo_Vis",
    // "Mazzo_Waste", "Dest1", "Fila12", "Appogg3"). Every operation draws on
    // the window and into the table picture, and the window shows it at once.

    /// Draws the whole table from the piles; with `dealAnimation` the cards
    /// fly from the deal's origin to their places.
    virtual void drawTable(bool dealAnimation) = 0;
    /// Redraws the table background (without cards) into the off-screen picture.
    virtual void redrawBackground() = 0;
    /// Draws every card of a tableau, reserve or foundation (or its mark).
    virtual void drawPile(std::string_view pileName) = 0;
    /// Draws only the top card, or the empty-pile mark, of the stock, the
    /// waste, the discard pile, a foundation or a reserve.
    virtual void drawPileTop(std::string_view pileName) = 0;
    /// Erases and redraws a pile that lost cards, with the neighbours it overlaps.
    virtual void redrawShrunkPile(std::string_view oldPile, std::string_view newPile,
                                  std::string_view pileName) = 0;
    /// Redraws the table picture as if `cards` were not on the table (cards
    /// being carried, flying or leaving), without changing any pile.
    virtual void drawTableWithout(const std::vector<int>& cards) = 0;
    /// Shows the stock (or waste) place pressed or released while the
    /// player holds the button on it.
    virtual void drawPilePressed(std::string_view pileName, bool pressed) = 0;
    /// Draws a card lifted by the shadow offset at its place in tableau
    /// `tableauIndex`, then lets it drop into place (a card turned face up).
    virtual void drawCardTurned(int card, int tableauIndex) = 0;
    /// Toggles the selection mark (inverted picture) of a card.
    virtual void toggleSelectionMark(int card) = 0;
    /// Repaints the selection marks of every selected card.
    virtual void invertSelectedCards() = 0;
    /// Marks the complete foundations: one (0-based index) or all (-1).
    virtual void highlightFoundations(int foundationIndex) = 0;
    /// Shows the joker value label above foundation `foundationIndex`
    /// (0-based): the rank (1-13) and suit (0-3) the joker stands for. Every
    /// other foundation's label is erased; a rank of 0 erases them all.
    virtual void showJokerLabel(int foundationIndex, int rank, int suit) = 0;
    virtual void restoreCorners(Rect rect) = 0;
    virtual void refreshRectangle(Rect rect) = 0;
    virtual void fixTableauCorners(int tableauIndex) = 0;
    /// Shows a covered face-up card whole at its place until hidden again.
    virtual void showCoveredCard(int card, int x, int y) = 0;
    virtual void hideCoveredCard() = 0;

    // --- Card motion ---------------------------------------------------------
    /// Takes the carried picture from the table: `card` and the cards above
    /// it as they lie fanned in its pile, `height` pixels tall, at `rect`.
    virtual void pickUpCarried(int card, Rect rect, int height) = 0;
    /// Moves the carried picture so that its top-left corner is at (x, y).
    virtual void drawCarried(int x, int y, bool final, bool fixCorners) = 0;
    /// Draws the carried picture lifted by the shadow offset less 2 pixels.
    virtual void liftCarried() = 0;
    /// Lets go of the carried picture: the table picture shows again, the
    /// drop-target marks gone.
    virtual void dropCarried() = 0;
    /// Marks the piles (by name) a drop of the carried cards would move them
    /// to, until the cards are let go. Frontends that show no table ignore it.
    virtual void markDropTargets(const std::vector<std::string>& /*pileNames*/) {}
    /// A card flight from (fromX, fromY) to (toX, toY) (`card` -1 flies a
    /// back).
    virtual void flyCard(int card, int fromX, int fromY, int toX, int toY, Flight flight) = 0;

    // --- Program flow --------------------------------------------------------
    /// Runs the chosen winning animation to its end (or until stopped).
    virtual void runWinningAnimation() = 0;
    /// Opens the game chooser, as the "&Open a game" command does.
    virtual void openGameChooser() = 0;
    /// Closes the main window (a close asked for during an animation).
    virtual void closeMainWindow() = 0;
};

} // namespace vellomir::seam
