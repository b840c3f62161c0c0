#pragma once

#include <QIcon>

namespace vellomir::ui {

/// The tool bar's pictures, drawn at `size` pixels square.
enum class ToolbarIcon { New, Open, Rules, Exit, Undo };
QIcon toolbarIcon(ToolbarIcon which, int size);

} // namespace vellomir::ui
