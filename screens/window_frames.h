#pragma once

#include <QString>
#include <qnamespace.h>

namespace screens {

// The game's title: the caption of every window but the choice dialog, and of every message box.
QString appTitle();

// Fixed frames of the designs: caption, window menu and close box, and no
// maximize or minimize button.
inline constexpr Qt::WindowFlags kFixedSingleFrame =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
inline constexpr Qt::WindowFlags kFixedDialogFrame =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
// The game-over screen's: the fixed dialog frame on a window of its own. A
// dialog is kept above the window it belongs to and placed over it (KWin), so
// the main window's menu would lie under the screen; desktop::keepOffTaskbar
// keeps this one off the taskbar instead.
inline constexpr Qt::WindowFlags kGameOverFrame = (kFixedDialogFrame & ~Qt::WindowType_Mask) | Qt::Window;
// The choice dialog's: a caption only, no close box and no window menu.
inline constexpr Qt::WindowFlags kChoiceDialogFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

}  // namespace screens
