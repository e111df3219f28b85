#pragma once

class QFont;
class QWidget;

namespace screens {

// "The window's default font" of the designs: a 9 pt Japanese P Gothic. The
// designs place every control in pixels around it, so it does not follow the
// desktop's font (colours still follow the desktop).
QFont designDefaultFont();

// Call right after setupUi. Pins the window's default font; applies the exact
// sizes that a .ui file cannot store (11.25 pt, 20.25 pt, ...), which the
// controls carry in a "pointSizeF" property; and, once the window is first on
// screen and before it paints, lets a left-aligned label without a border grow
// to the right where its text would be clipped.
void applyDesignFonts(QWidget* window);

}  // namespace screens
