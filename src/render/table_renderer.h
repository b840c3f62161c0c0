#pragma once

#include "render/drawing_target.h"
#include "render/table_backdrop.h"
#include "seam/frontend.h"
#include "table/card_position.h"
#include "table/empty_pile_mark.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QTimer>

#include <array>
#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellomir::resources {
class ResourceLibrary;
}

namespace vellomir::render {

class CardImages;

// What the table drawing needs from the window that shows the table. Every
// member may be left empty (the tests and the off-screen previews do).
struct TableWindowHooks {
    // Puts the given rectangle of the window picture on the screen at once
    // (QWidget::repaint), also inside busy waits.
    std::function<void(const QRect& rect)> repaintWindow;
    // An error box with an OK button.
    std::function<void(const QString& title, const QString& text)> showMessage;
    // Whether the main window's vertical scroll bar shows; the fade then
    // reaches 80 pixels further down.
    std::function<bool()> scrollBarVisible;
    // The custom background picture is lost: the settings and the kept
    // preferences go back to the default table (the renderer changes no
    // settings itself; until they change it paints the default table).
    std::function<void()> forgetCustomBackground;
};

// Where a drawing goes: the picture the window shows (window coordinates),
// or the table buffer (the same coordinates plus the scroll position).
enum class Canvas { Window, Buffer };

// An seam::Rect (right and bottom exclusive) as a QRect.
inline QRect toQRect(const seam::Rect& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// Draws the card table and moves cards over it.
//
// One screen-sized picture is kept: the table buffer (the complete current
// table, as tall as the scrollable table), that of the image store. The bare
// table under the cards is a backdrop painted where it shows (erasing paints
// it), not a picture. The window shows the table buffer from the scroll
// position; only while a card is carried or flies, or a covered card is
// shown, does it need a picture of its own, the window picture (the table
// buffer with the moving card on top), which is made when first drawn into
// and given up once it shows the table buffer again. Restoring the trail of a
// moving card copies from the table buffer.
//
// The renderer reads the piles, the card table, TMainGame, the game's
// parameters and the settings from the program state, and changes none of
// them: what drawing measures (how far down the cards reach) it keeps, and a
// customised picture that is gone is reported through its hook.
class TableRenderer final : public DrawingTarget {
public:
    TableRenderer(table::ProgramState& state, CardImages& images,
                  const resources::ResourceLibrary& library, TableWindowHooks hooks = {});

    // --- Set-up ---------------------------------------------------------------
    // The size of the window's table area; the window picture follows it.
    void setWindowSize(QSize size) override;
    // Resizes the table buffer (the main window makes it the screen size
    // plus 30 pixels each way) and paints the background over it.
    void resizeBuffers(QSize size) override;
    // The preferences file, read for the customised background and the
    // foundation highlights, and written when a customised background is gone.
    void setPreferencesPath(std::filesystem::path path) { m_preferencesPath = std::move(path); }
    // Whether the display shows more than 256 colours (the fade needs them).
    void setManyColours(bool many) { m_manyColours = many; }
    // Device pixels to each logical pixel of the table (1 by default; 2 on
    // most HiDPI screens). Every picture is remade at the new ratio: the card
    // pictures, the buffers and the window picture, the latter two holding
    // only the background until the table is drawn again. Positions, sizes
    // and every rectangle of the drawing stay in logical pixels.
    void setPixelRatio(int ratio) override;
    int pixelRatio() const;

    // What the window shows as a picture of its own: the window picture
    // while there is one, else the table buffer's part put together (for
    // previews and checks; the window itself is painted from windowView()).
    const QImage& windowImage() const override;
    WindowView windowView() const override;
    // Whether the window has a picture of its own now (a card is carried,
    // flies or is shown covered).
    bool holdsWindowPicture() const { return !m_window.isNull(); }
    QImage& tableBuffer();
    // The bare table over the table buffer's extent (put together for
    // previews and checks: the renderer paints the backdrop where it shows).
    QImage backgroundPicture() const;
    const TableBackdrop& backdrop() const { return m_backdrop; }
    // Whether the table has been drawn whole since the last new game.
    bool tableDrawn() const { return m_tableDrawn; }

    // --- Background -------------------------------------------------------
    // Sets the backdrop to the chosen background over the table buffer's extent.
    void drawBackground();
    // Paints the background over the whole table buffer and window: the
    // table without cards.
    void redrawBackground() override;
    // Paints the background over the window alone.
    void showBackground();
    // Paints a background by the settings' choice into any picture (the
    // customise dialog's sample); a customised picture that is gone is
    // painted as the default background, without a message.
    void paintBackground(QImage& target, bool scrollBarVisible);

    // --- The whole table -----------------------------------------------------
    // The full picture of the current table. With `dealAnimation` every
    // tableau and reserve card flies from the deal's origin to its place.
    // Nothing happens while no game is in play.
    void drawTable(bool dealAnimation) override;
    // Redraws the table buffer as if `cards` were not on the table (picked up
    // or flying); the window keeps showing them until they move.
    void drawTableWithout(const std::vector<int>& cards) override;
    // Copies the table buffer from the scroll position over the whole window.
    void repaintWindow() override;
    int lowestDrawnEdge() const override { return m_lowestDrawnEdge; }
    void setLowestDrawnEdge(int edge) override { m_lowestDrawnEdge = edge; }

    // --- Piles -----------------------------------------------------------------
    // Every card of a tableau, reserve or foundation, or its empty mark.
    void drawPile(std::string_view pileName) override;
    // The top card (or mark) of the stock, waste, discard pile, a foundation
    // or a reserve.
    void drawPileTop(std::string_view pileName) override;
    // Erases a pile that lost cards (it held `oldPile`, now `newPile`) and
    // redraws it with the piles it overlaps.
    void redrawShrunkPile(std::string_view oldPile, std::string_view newPile,
                          std::string_view pileName) override;
    // The redeal mark of an empty stock (or waste) pressed or released.
    void drawPilePressed(std::string_view pileName, bool pressed) override;
    // A tableau card turned face up: shown lifted with its shadow, then put
    // down at its place.
    void drawCardTurned(int card, int tableauIndex) override;
    // The raised edges of the stock (0), waste (1) or discard pile (2)
    // holding `cards` cards. Unless `forced`, nothing is drawn when the
    // pile's depth has not changed.
    void drawDepthEdges(Canvas canvas, int pile, int cards, bool forced);

    // --- Single cards and marks ---------------------------------------------
    // A face-up card with its corners rounded; `onStack` lights the
    // bottom-right corner as the edge of a deep pile.
    void drawFace(int card, int x, int y, bool onStack, Canvas canvas);
    // A card back, `height` pixels of it.
    void drawBack(int x, int y, int height, bool onStack, Canvas canvas);
    // The mark of an empty pile of that kind at (x, y).
    void drawMark(table::MarkKind kind, int x, int y, Canvas canvas, int pileIndex = 0);
    // Draws again the cards of the peaks (TriPeaks) that reach into the
    // place of an empty one.
    void redrawPeakCardsOver(int emptyTableau, const QRect& place, Canvas canvas);

    // --- Selections, highlights, labels, repairs --------------------------------
    void toggleSelectionMark(int card) override;
    void invertSelectedCards() override;
    // Marks the complete foundations: one (0-based) or all (-1).
    void highlightFoundations(int foundationIndex) override;
    // The joker label above foundation `foundationIndex` with the rank (1-13)
    // and suit (0-3) the joker stands for; every other label is erased, and a
    // rank of 0 erases them all.
    void showJokerLabel(int foundationIndex, int rank, int suit) override;
    void restoreCorners(seam::Rect rect) override { restoreCorners(toQRect(rect)); }
    void restoreCorners(const QRect& rect);
    void refreshRectangle(seam::Rect rect) override { refreshRectangle(toQRect(rect)); }
    void refreshRectangle(const QRect& rect);
    void fixTableauCorners(int tableauIndex) override;
    void showCoveredCard(int card, int x, int y) override;
    void hideCoveredCard() override;

    // --- Card motion -------------------------------------------------------------
    // Builds the carried picture: `card` (-1 a back) and the cards above it as
    // they lie in its pile, `height` pixels tall, lying at `rect`.
    void pickUpCarried(int card, seam::Rect rect, int height) override {
        pickUpCarried(card, toQRect(rect), height);
    }
    void pickUpCarried(int card, const QRect& rect, int height);
    // Moves the carried picture to (x, y): restores the strips it uncovers
    // (and its old shadow) from the table buffer and draws it there. With
    // `final` it also goes into the table buffer.
    void drawCarried(int x, int y, bool final, bool fixCorners) override;
    // Draws the carried picture lifted by the shadow offset less 2.
    void liftCarried() override;
    // Takes the carried picture and its shadow off the window, and the
    // drop-target marks off the table.
    void dropCarried() override;
    // Marks the named piles as taking the carried cards: a lit frame over
    // each pile's top card (or its place), in the table buffer until the
    // cards are let go.
    void markDropTargets(const std::vector<std::string>& pileNames) override;
    // Marks a hinted move as the drop targets are marked, in another colour:
    // the card at `source` (a place of a play session: "Fila3", "Fila3:2")
    // with the cards on it, and the pile `target` when there is one; in the
    // table buffer until clearHintMarks.
    void markHint(const std::string& source, const std::string& target) override;
    void clearHintMarks() override { clearDropTargetMarks(); }
    // A card flight; `card` -1 flies a back.
    void flyCard(int card, int fromX, int fromY, int toX, int toY, seam::Flight flight) override;
    // The card pictures are rebuilt for the card size of the settings.
    void cardSizeChanged() override;

    // Where the carried picture was last drawn (window coordinates).
    QRect dragRect() const { return m_dragRect; }
    int carriedHeight() const { return m_carriedHeight; }

    // A busy wait that processes no input: flights and the deal animation
    // keep the program to themselves.
    static void busyWait(int milliseconds);
    // Whether busyWait waits at all (on by default). The pauses are for the
    // player's eye; the window tests skip them, since every frame is still
    // drawn in the same order without them.
    static void setAnimationPauses(bool on);
    static bool animationPauses();

private:
    struct Origin {
        bool valid = false;
        int x = 0;
        int y = 0;
        bool stockWithCards = false;
        table::PileRef pile{table::PileKind::Stock, 0};
        bool isPile = false;
    };

    QImage& canvasImage(Canvas canvas);
    // The window picture, made from the table buffer when there is none.
    QImage& windowPicture();
    // Gives the window picture up when it shows just the table buffer.
    void releaseWindowPicture();
    // The same once the program is idle again: a run of flights (an
    // autoplay) keeps the picture from one to the next.
    void releaseWindowPictureWhenIdle();
    bool windowShowsTableBuffer() const;
    int canvasOffset(Canvas canvas) const;
    // The window picture's rectangle in logical pixels.
    QRect windowRect() const;
    int scroll() const;
    int cardWidth() const;
    int cardHeight() const;
    // A drawing into `canvas` covered `rect` (window coordinates).
    void touched(Canvas canvas, const QRect& rect);
    // Shows on the window what was drawn into the table buffer since the last flush.
    void flush();
    void showOnWindow(const QRect& rect);
    void raiseLowestEdge(int y);

    const std::string& pileString(table::PileRef pile) const;
    void drawCardImage(const QImage& image, int x, int y, int height, bool onStack, Canvas canvas);
    void eraseToBackground(const QRect& rect, Canvas canvas);
    void restoreCornersOn(Canvas canvas, const QRect& rect, bool top, bool bottom, int cornerSize);
    // The same repair on the window and the table buffer, shown at once.
    void restoreCornersOnBoth(const QRect& rect, bool top, bool bottom);
    void drawStockPiles(Canvas canvas);
    // Whether a stock pile's depth edges are drawn always, or only when the
    // pile's depth changed since they were last drawn.
    enum class DepthEdges { Always, WhenChanged };
    void drawStockPileTop(int pile, Canvas canvas, DepthEdges edges = DepthEdges::WhenChanged);
    // The top card of a stock pile holding cards, with its corners.
    void drawStockTopCard(int pile, Canvas canvas);
    void roundBaseCorner(const QRect& base, Canvas canvas);
    void drawPileCard(table::PileRef pile, int index, Canvas canvas, bool animate,
                      const Origin& origin);
    void drawWholePile(table::PileRef pile, Canvas canvas);
    void drawTopOf(table::PileRef pile, Canvas canvas);
    void drawAllPiles(Canvas canvas);
    Origin dealOrigin() const;
    QRect pileExtent(table::PileRef pile, std::string_view pile_string) const;
    // Erases `area` of the table buffer and redraws every pile reaching into
    // it (and `self`), in the order of a full drawing.
    void redrawAround(table::PileRef self, const QRect& area);
    // Notes the steps and extent `pile` is drawn with in the table buffer.
    void recordFan(table::PileRef pile);
    void recordAllFans();
    // When the pile's fan steps differ from those it was drawn with (a card
    // added or taken closed the fan up or opened it), redraws the whole pile
    // over its old and new extent and returns true.
    bool refitFan(table::PileRef pile);
    bool findCard(int card, table::PileRef& pile, int& index) const;
    void chooseBackground(TableBackdrop& backdrop, bool scrollBarVisible, bool reportMissing);
    std::string backgroundKey(bool scrollBarVisible) const;
    QRect jokerLabelRect(int foundation) const;
    // Takes the drop-target marks off: the piles under them are drawn again.
    void clearDropTargetMarks();
    void drawJokerLabel();
    // Marks the complete foundations in the table buffer (no flush).
    void highlightInto(int foundationIndex);
    void drawSoftShadow(const QRect& rect);
    void restoreShadowStrips(const QRect& old);
    bool shadowsOn() const;
    int cornerSize() const;
    int speed() const;

    table::ProgramState& m_state;
    CardImages& m_images;
    const resources::ResourceLibrary& m_library;
    TableWindowHooks m_hooks;
    std::filesystem::path m_preferencesPath;
    bool m_manyColours = true;
    // The bare table, and what it was last chosen from: while that still
    // matches, choosing it again (and loading its picture) is skipped.
    TableBackdrop m_backdrop;
    std::string m_backgroundKey;
    // The window's size, and its own picture while it needs one (null
    // otherwise); the picture put together for windowImage().
    QSize m_windowSize;
    QImage m_window;
    mutable QImage m_composedWindow;
    QTimer m_windowRelease;
    struct ComposedKey {
        qint64 buffer = 0;
        int scroll = 0;
        QSize size;
        int ratio = 0;
        bool operator==(const ComposedKey&) const = default;
    };
    mutable ComposedKey m_composedKey;
    QRect m_dirty;
    bool m_tableDrawn = false;
    // The piles drawn: the program state's, or a copy without carried cards.
    const table::PileLists* m_piles = nullptr;
    // The lowest edge of the cards drawn since the last drawing of the whole
    // table (table coordinates), and the depth each stock pile's edges were
    // last drawn at (-1: not yet).
    int m_lowestDrawnEdge = 0;
    // The customised background picture found gone and reported, until the
    // default table is chosen.
    std::optional<QString> m_lostPicture;
    std::array<int, table::kStockPiles> m_drawnStockDepth{-1, -1, -1};

    // The drag record: where the carried picture was last drawn, the last
    // point it was drawn at, and its height.
    QRect m_dragRect;
    QPoint m_lastDragPoint{std::numeric_limits<int>::min(), std::numeric_limits<int>::min()};
    int m_carriedHeight = 0;
    bool m_shadowShown = false;
    bool m_shadowsSuspended = false;
    QRect m_coveredCard;
    // The steps and extent each fanned pile was last drawn with, by
    // fanSlot(); a pile whose steps change is redrawn whole.
    struct DrawnFan {
        bool valid = false;
        table::FanSteps steps;
        QRect extent;
    };
    static constexpr int kFanSlots =
        table::kMaxFoundations + table::kMaxReserves + table::kMaxTableaus;
    static int fanSlot(table::PileRef pile);
    std::array<DrawnFan, kFanSlots> m_drawnFans{};
    // The drop-target marks shown, each pile with the rectangle it covers.
    struct DropMark {
        table::PileRef pile;
        QRect rect;
    };
    std::vector<DropMark> m_dropMarks;
    // The joker label shown, redrawn with every full drawing.
    struct JokerLabel {
        int foundation = -1;
        int rank = 0;
        int suit = 0;
    } m_jokerLabel;
};

} // namespace vellomir::render
