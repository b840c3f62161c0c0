#pragma once

class QWidget;

namespace vellomir::ui {

/// How much a window of fixed places must grow so that every text in it is
/// shown whole with the font it has: 1 when all fit, else the factor by which
/// the widest or tallest cut text falls short. Widgets a layout places are
/// left to the layout.
double textFitFactor(const QWidget& window);

/// Grows a window of fixed places, and every widget in it, by textFitFactor()
/// so that a larger desktop font cuts no text. The window's design stays: each
/// place and size is scaled by the same factor. Nothing changes when all fits.
void growToFitTexts(QWidget& window);

} // namespace vellomir::ui
