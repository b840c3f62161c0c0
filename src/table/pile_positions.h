#pragma once

#include "table/program_state.h"

namespace vellomir::seam {
class Frontend;
}

namespace vellomir::table {

/// The area the piles are laid out in, in pixels.
struct LayoutArea {
    /// Usable width: the main window's client width less its vertical scroll
    /// bar, or the preview picture's width.
    int width = 0;
    /// The main window's client height less 1, or the preview picture's height.
    int height = 0;
    /// The main window's outer height, or the preview picture's height.
    int outerHeight = 0;
    /// Top margin: below the toolbar panel of the main window, 3 in a preview.
    int top = 0;
    /// How many times larger the window really is: cards fitted to the window
    /// are laid out at the big cards' size in the window shrunk by this
    /// factor. Whether the window, the screen or the area counts as small is
    /// judged at the real size.
    double shrunkBy = 1.0;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

/// The layout area the frontend offers: the main window's, or the preview
/// picture's while the preview flag (TMainGame cell 70) is set.
LayoutArea layoutAreaFor(const ProgramState& state, const seam::Frontend& frontend);

/// Lays out every pile of the current game from its layout codes (parameters
/// 291-306), the card size and the shadow offset, into the frontend's area.
/// Piles of kinds the game does not use keep their not-placed markers. The
/// scroll offset is reset to 0. With cards fitted to the window the card
/// size is chosen here too, and the frontend is told when it changed.
/// Sets the fans' limits (`ProgramState::fanLimits`) for the area.
void computePilePositions(ProgramState& state, seam::Frontend& frontend);

/// The same into an explicit area, for a given screen size.
void computePilePositions(ProgramState& state, const LayoutArea& area, ScreenSize screen);

/// The layout at the card size in force, whatever the card-size letter,
/// without the fans' limits.
void computeFixedPilePositions(ProgramState& state, const LayoutArea& area, ScreenSize screen);

} // namespace vellomir::table
