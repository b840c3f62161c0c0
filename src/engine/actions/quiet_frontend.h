#pragma once

#include "seam/silent_frontend.h"

namespace vellomir::engine {

/// A frontend that shows nothing, plays nothing and waits for nothing, for
/// play the engine runs on its own (the solver's search). It lends the
/// drawing area's sizes of another frontend, answers confirmations with no,
/// and notes the beep, information boxes and the winning animation.
class QuietFrontend : public seam::SilentFrontend {
public:
    explicit QuietFrontend(const seam::Frontend& geometry)
        : SilentFrontend(seam::TableGeometry::of(geometry)) {}

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
    void beep() override { beeped = true; }
    void runWinningAnimation() override { won = true; }
};

} // namespace vellomir::engine
