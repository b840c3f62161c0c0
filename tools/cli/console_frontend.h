#pragma once

#include "seam/silent_frontend.h"

#include <algorithm>
#include <iosfwd>

namespace vellomir::tools {

/// The frontend of the command-line companion: messages and boxes go to a
/// stream as "info: TEXT" lines, confirmations answer no, everything visual
/// and audible is ignored.
class ConsoleFrontend : public seam::SilentFrontend {
public:
    explicit ConsoleFrontend(std::ostream& messages) : m_messages(messages) {}

    void showInformation(std::string_view text) override;
    bool confirm(std::string_view text) override;
    void showAdvice(std::string_view key, std::string_view text) override;

    /// The table area the layout works in; the screen is taken as large.
    void setArea(int width, int height) {
        m_geometry.areaWidth = width;
        m_geometry.areaHeight = height;
        m_geometry.outerHeight = height;
        m_geometry.screenWidth = std::max(1920, width);
        m_geometry.screenHeight = std::max(1080, height);
    }

    long long timeOfDayMs() const override;

    /// Notes the win: the only trace the end of a won game leaves.
    void runWinningAnimation() override { m_wonGame = true; }
    bool wonGame() const { return m_wonGame; }

private:
    std::ostream& m_messages;
    bool m_wonGame = false;
};

} // namespace vellomir::tools
