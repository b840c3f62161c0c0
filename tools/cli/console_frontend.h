#pragma once

#include "app/frontend.h"

#include <algorithm>
#include <iosfwd>

namespace vellomir::tools {

/// The frontend of the command-line companion: messages and boxes go to a
/// stream as "info: TEXT" lines, confirmations answer no, everything visual
/// and audible is ignored.
class ConsoleFrontend : public app::Frontend {
public:
    explicit ConsoleFrontend(std::ostream& messages) : m_messages(messages) {}

    void showInformation(std::string_view text) override;
    bool confirm(std::string_view text) override;
    void showAdvice(std::string_view key, std::string_view text) override;
    void beep() override {}
    void playSound(std::string_view, bool, app::SoundMode) override {}
    void stopSound() override {}
    void pause(int) override {}

    /// The table area the layout works in; the screen is taken as large.
    void setArea(int width, int height) {
        m_areaWidth = width;
        m_areaHeight = height;
    }

    int drawingAreaWidth() const override { return m_areaWidth; }
    int drawingAreaHeight() const override { return m_areaHeight; }
    int windowOuterHeight() const override { return m_areaHeight; }
    int tableTopMargin() const override { return 5; }
    int previewPictureWidth() const override { return 300; }
    int previewPictureHeight() const override { return 185; }
    int screenWidth() const override { return std::max(1920, m_areaWidth); }
    int screenHeight() const override { return std::max(1080, m_areaHeight); }
    void cardSizeChanged(int, int) override {}
    void setCaption(std::string_view) override {}
    void setCursor(int) override {}
    void showClock(bool) override {}
    void showScore(bool) override {}
    void setClockText(std::string_view) override {}
    void setScoreText(std::string_view) override {}
    void setStatusBarVisible(bool) override {}
    void setAutoplayChecked(bool) override {}
    void setAutoplayEnabled(bool) override {}
    void setCustomizeEnabled(bool) override {}
    void setGameCommandsEnabled(bool) override {}
    void setBusyCursor(bool) override {}
    void hidePileSizePanel() override {}
    void setInputBlocked(bool) override {}
    long long timeOfDayMs() const override;

    // The companion draws nothing: the table is printed by its commands.
    void drawTable(bool) override {}
    void redrawBackground() override {}
    void drawPile(std::string_view) override {}
    void drawPileTop(std::string_view) override {}
    void redrawShrunkPile(std::string_view, std::string_view, std::string_view) override {}
    void drawTableWithout(const std::vector<int>&) override {}
    void drawPilePressed(std::string_view, bool) override {}
    void drawCardTurned(int, int) override {}
    void toggleSelectionMark(int) override {}
    void invertSelectedCards() override {}
    void highlightFoundations(int) override {}
    void showJokerLabel(int, int, int) override {}
    void restoreCorners(app::Rect) override {}
    void refreshRectangle(app::Rect) override {}
    void fixTableauCorners(int) override {}
    void showCoveredCard(int, int, int) override {}
    void hideCoveredCard() override {}
    void pickUpCarried(int, app::Rect, int) override {}
    void drawCarried(int, int, bool, bool) override {}
    void liftCarried() override {}
    void dropCarried() override {}
    void flyCard(int, int, int, bool, bool, bool, bool, int, int) override {}
    /// Notes the win: the only trace the end of a won game leaves.
    void runWinningAnimation() override { m_wonGame = true; }
    bool wonGame() const { return m_wonGame; }
    void openGameChooser() override {}
    void closeMainWindow() override {}

private:
    std::ostream& m_messages;
    int m_areaWidth = 1024;
    int m_areaHeight = 768;
    bool m_wonGame = false;
};

} // namespace vellomir::tools
