#pragma once

#include "seam/frontend.h"

#include <string>
#include <vector>

namespace vellomir::testing {

/// A frontend that records every call as one line of text ("beep",
/// "info: TEXT", "sound: Stock Y at-once"), answers confirmations with
/// `confirmAnswer` and reports a fixed drawing area. It is its own table
/// drawing, so that the drawing calls are recorded among the others.
class RecordingFrontend : public seam::Frontend, public seam::TableDrawing {
public:
    seam::TableDrawing& tableDrawing() override { return *this; }

    std::vector<std::string> calls;
    bool confirmAnswer = true;
    int areaWidth = 1024;
    int areaHeight = 768;
    int screenW = 1920;
    int screenH = 1080;
    long long timeOfDay = 12 * 3600 * 1000LL;
    int outerHeight = 830;
    int topMargin = 5;
    int previewWidth = 300;
    int previewHeight = 185;

    /// Calls that start with `prefix`.
    std::vector<std::string> callsStartingWith(std::string_view prefix) const {
        std::vector<std::string> found;
        for (const std::string& call : calls) {
            if (call.starts_with(prefix)) {
                found.push_back(call);
            }
        }
        return found;
    }
    bool saw(std::string_view call) const {
        for (const std::string& c : calls) {
            if (c == call) {
                return true;
            }
        }
        return false;
    }

    void showInformation(std::string_view text) override { record("info: ", text); }
    bool confirm(std::string_view text) override {
        record("confirm: ", text);
        return confirmAnswer;
    }
    void showAdvice(std::string_view key, std::string_view text) override {
        record("advice: " + std::string(key) + ": ", text);
    }
    void beep() override { calls.emplace_back("beep"); }
    void playSound(std::string_view name, bool switchOn, seam::SoundMode mode) override {
        const char* modeName = mode == seam::SoundMode::AtOnce ? "at-once"
                               : mode == seam::SoundMode::Wait ? "wait"
                                                               : "looped";
        calls.push_back("sound: " + std::string(name) + (switchOn ? " Y " : " N ") + modeName);
    }
    void stopSound() override { calls.emplace_back("stop sound"); }
    void pause(int milliseconds) override {
        calls.push_back("pause " + std::to_string(milliseconds));
    }
    void pauseHandlingMessages(int milliseconds) override {
        calls.push_back("pause " + std::to_string(milliseconds) + " handling messages");
    }

    int drawingAreaWidth() const override { return areaWidth; }
    int drawingAreaHeight() const override { return areaHeight; }
    int windowOuterHeight() const override { return outerHeight; }
    int tableTopMargin() const override { return topMargin; }
    int previewPictureWidth() const override { return previewWidth; }
    int previewPictureHeight() const override { return previewHeight; }
    int screenWidth() const override { return screenW; }
    int screenHeight() const override { return screenH; }
    void cardSizeChanged(int width, int height) override {
        calls.push_back("card size " + std::to_string(width) + "x" + std::to_string(height));
    }
    void setCaption(std::string_view caption) override { record("caption: ", caption); }
    void setCursor(int cursorNumber) override {
        calls.push_back("cursor " + std::to_string(cursorNumber));
    }
    void showClock(bool visible) override {
        calls.push_back(visible ? "clock shown" : "clock hidden");
    }
    void showScore(bool visible) override {
        calls.push_back(visible ? "score shown" : "score hidden");
    }
    void setClockText(std::string_view text) override { record("clock: ", text); }
    void setScoreText(std::string_view text) override { record("score: ", text); }
    void setStatusBarVisible(bool visible) override {
        calls.push_back(visible ? "status bar shown" : "status bar hidden");
    }
    void setAutoplayChecked(bool checked) override {
        calls.push_back(checked ? "autoplay ticked" : "autoplay unticked");
    }
    void setAutoplayEnabled(bool enabled) override {
        calls.push_back(enabled ? "autoplay enabled" : "autoplay disabled");
    }
    void setCustomizeEnabled(bool enabled) override {
        calls.push_back(enabled ? "customize enabled" : "customize disabled");
    }
    void setGameCommandsEnabled(bool enabled) override {
        calls.push_back(enabled ? "game commands enabled" : "game commands disabled");
    }
    void setBusyCursor(bool busy) override { calls.push_back(busy ? "busy" : "not busy"); }
    void hidePileSizePanel() override { calls.emplace_back("hide pile size"); }
    void setInputBlocked(bool blocked) override {
        calls.push_back(blocked ? "input blocked" : "input unblocked");
    }
    long long timeOfDayMs() const override { return timeOfDay; }

    void drawTable(bool dealAnimation) override {
        calls.push_back(dealAnimation ? "draw table animated" : "draw table");
    }
    void redrawBackground() override { calls.emplace_back("redraw background"); }
    void drawPile(std::string_view pileName) override { record("draw pile ", pileName); }
    void drawPileTop(std::string_view pileName) override { record("draw pile top ", pileName); }
    void redrawShrunkPile(std::string_view, std::string_view, std::string_view pileName) override {
        record("redraw shrunk ", pileName);
    }
    void drawTableWithout(const std::vector<int>& cards) override {
        std::string text = "draw table without";
        for (int card : cards) {
            text += " " + std::to_string(card);
        }
        calls.push_back(text);
    }
    void drawPilePressed(std::string_view pileName, bool pressed) override {
        record(pressed ? "pressed " : "released ", pileName);
    }
    void drawCardTurned(int card, int tableauIndex) override {
        calls.push_back("turned " + std::to_string(card) + " on " + std::to_string(tableauIndex));
    }
    void toggleSelectionMark(int card) override { calls.push_back("mark " + std::to_string(card)); }
    void invertSelectedCards() override { calls.emplace_back("invert selection"); }
    void highlightFoundations(int foundationIndex) override {
        calls.push_back("highlight " + std::to_string(foundationIndex));
    }
    void showJokerLabel(int foundationIndex, int rank, int suit) override {
        calls.push_back("joker label " + std::to_string(foundationIndex) + " " +
                        std::to_string(rank) + " " + std::to_string(suit));
    }
    void restoreCorners(seam::Rect) override { calls.emplace_back("restore corners"); }
    void refreshRectangle(seam::Rect) override { calls.emplace_back("refresh rectangle"); }
    void fixTableauCorners(int tableauIndex) override {
        calls.push_back("fix corners " + std::to_string(tableauIndex));
    }
    void showCoveredCard(int card, int, int) override {
        calls.push_back("show covered " + std::to_string(card));
    }
    void hideCoveredCard() override { calls.emplace_back("hide covered"); }

    void pickUpCarried(int card, seam::Rect, int height) override {
        calls.push_back("pick up " + std::to_string(card) + " height " + std::to_string(height));
    }
    void drawCarried(int x, int y, bool, bool) override {
        calls.push_back("carry to " + std::to_string(x) + "," + std::to_string(y));
    }
    void liftCarried() override { calls.emplace_back("lift"); }
    void dropCarried() override { calls.emplace_back("drop carried"); }
    void flyCard(int card, int fromX, int fromY, int toX, int toY, seam::Flight) override {
        calls.push_back("fly " + std::to_string(card) + " " + std::to_string(fromX) + "," +
                        std::to_string(fromY) + " -> " + std::to_string(toX) + "," +
                        std::to_string(toY));
    }

    void runWinningAnimation() override { calls.emplace_back("winning animation"); }
    void openGameChooser() override { calls.emplace_back("open chooser"); }
    void closeMainWindow() override { calls.emplace_back("close main window"); }

private:
    void record(std::string prefix, std::string_view text) {
        calls.push_back(prefix + std::string(text));
    }
};

} // namespace vellomir::testing
