#pragma once

#include "seam/frontend.h"

namespace vellomir::seam {

/// The sizes a frontend lends the layout: its drawing area, window, toolbar
/// margin, preview picture and screen.
struct TableGeometry {
    int areaWidth = 1024;
    int areaHeight = 768;
    int outerHeight = 768;
    int topMargin = 5;
    int previewWidth = 300;
    int previewHeight = 185;
    int screenWidth = 1920;
    int screenHeight = 1080;

    /// The sizes `frontend` gives now.
    static TableGeometry of(const Frontend& frontend) {
        return {frontend.drawingAreaWidth(),    frontend.drawingAreaHeight(),
                frontend.windowOuterHeight(),   frontend.tableTopMargin(),
                frontend.previewPictureWidth(), frontend.previewPictureHeight(),
                frontend.screenWidth(),         frontend.screenHeight()};
    }
};

/// A table drawing that draws nothing.
class SilentDrawing : public TableDrawing {
public:
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
    void restoreCorners(Rect) override {}
    void refreshRectangle(Rect) override {}
    void fixTableauCorners(int) override {}
    void showCoveredCard(int, int, int) override {}
    void hideCoveredCard() override {}

    void pickUpCarried(int, Rect, int) override {}
    void drawCarried(int, int, bool, bool) override {}
    void liftCarried() override {}
    void dropCarried() override {}
    void flyCard(int, int, int, int, int, Flight) override {}
};

/// A frontend that shows nothing, plays nothing and waits for nothing: every
/// operation does nothing, confirmations answer no, the clock stands at 0
/// and the sizes are those of its geometry. Frontends for play without a
/// window derive from it and override only what they do.
class SilentFrontend : public Frontend {
public:
    explicit SilentFrontend(const TableGeometry& geometry = {}) : m_geometry(geometry) {}

    void showInformation(std::string_view) override {}
    bool confirm(std::string_view) override { return false; }
    void showAdvice(std::string_view, std::string_view) override {}
    void beep() override {}
    void playSound(std::string_view, bool, SoundMode) override {}
    void stopSound() override {}
    void pause(int) override {}

    int drawingAreaWidth() const override { return m_geometry.areaWidth; }
    int drawingAreaHeight() const override { return m_geometry.areaHeight; }
    int windowOuterHeight() const override { return m_geometry.outerHeight; }
    int tableTopMargin() const override { return m_geometry.topMargin; }
    int previewPictureWidth() const override { return m_geometry.previewWidth; }
    int previewPictureHeight() const override { return m_geometry.previewHeight; }
    int screenWidth() const override { return m_geometry.screenWidth; }
    int screenHeight() const override { return m_geometry.screenHeight; }
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
    TableDrawing& tableDrawing() override { return m_drawing; }

    void runWinningAnimation() override {}
    void openGameChooser() override {}
    void closeMainWindow() override {}

protected:
    TableGeometry m_geometry;

private:
    SilentDrawing m_drawing;
};

} // namespace vellomir::seam
