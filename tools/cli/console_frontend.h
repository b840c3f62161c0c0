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

private:
    std::ostream& m_messages;
    int m_areaWidth = 1024;
    int m_areaHeight = 768;
};

} // namespace vellomir::tools
