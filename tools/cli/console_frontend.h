#pragma once

#include "app/frontend.h"

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

    int drawingAreaWidth() const override { return 1024; }
    int drawingAreaHeight() const override { return 768; }
    int screenWidth() const override { return 1920; }
    int screenHeight() const override { return 1080; }
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
};

} // namespace vellomir::tools
