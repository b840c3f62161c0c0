#pragma once

#include "app/frontend.h"

namespace vellomir::engine {

/// A frontend that shows nothing, plays nothing and waits for nothing, for
/// play the engine runs on its own (the solver's search). It lends the
/// drawing area's sizes of another frontend, answers confirmations with no,
/// and notes the beep, information boxes and the winning animation.
class QuietFrontend : public app::Frontend {
public:
    explicit QuietFrontend(const app::Frontend& geometry)
        : m_areaWidth(geometry.drawingAreaWidth()), m_areaHeight(geometry.drawingAreaHeight()),
          m_outerHeight(geometry.windowOuterHeight()), m_topMargin(geometry.tableTopMargin()),
          m_previewWidth(geometry.previewPictureWidth()),
          m_previewHeight(geometry.previewPictureHeight()), m_screenWidth(geometry.screenWidth()),
          m_screenHeight(geometry.screenHeight()) {}

    /// Forgets what the last actions caused.
    void reset() {
        beeped = false;
        informed = false;
        won = false;
    }
    bool beeped = false;
    bool informed = false;
    bool won = false;

    void showInformation(std::string_view) override { informed = true; }
    bool confirm(std::string_view) override { return false; }
    void showAdvice(std::string_view, std::string_view) override {}
    void beep() override { beeped = true; }
    void playSound(std::string_view, bool, app::SoundMode) override {}
    void stopSound() override {}
    void pause(int) override {}

    int drawingAreaWidth() const override { return m_areaWidth; }
    int drawingAreaHeight() const override { return m_areaHeight; }
    int windowOuterHeight() const override { return m_outerHeight; }
    int tableTopMargin() const override { return m_topMargin; }
    int previewPictureWidth() const override { return m_previewWidth; }
    int previewPictureHeight() const override { return m_previewHeight; }
    int screenWidth() const override { return m_screenWidth; }
    int screenHeight() const override { return m_screenHeight; }
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
    long long timeOfDayMs() const override { return 0; }

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
    void runWinningAnimation() override { won = true; }
    void openGameChooser() override {}
    void closeMainWindow() override {}

private:
    int m_areaWidth;
    int m_areaHeight;
    int m_outerHeight;
    int m_topMargin;
    int m_previewWidth;
    int m_previewHeight;
    int m_screenWidth;
    int m_screenHeight;
};

} // namespace vellomir::engine
