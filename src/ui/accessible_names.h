#pragma once

class QWidget;

namespace vellomir::ui {

/// Gives every control of a window that a screen reader would find
/// unnamed (a button with a picture only, a list, a field without a label
/// naming it) a name: its hint, else the text of the label beside it, else
/// the title of its group. Names set by hand are kept.
void nameUnnamedWidgets(QWidget& window);

/// From now on names the controls of every window of the program each
/// time it is shown (see nameUnnamedWidgets).
void installAccessibleNames();

} // namespace vellomir::ui
