#pragma once

class QWidget;

namespace runtime {

// A .ui file stores whole point sizes only; controls whose design size is
// fractional (11.25 pt, 20.25 pt, ...) carry it in a "pointSizeF" property,
// applied here. Call right after setupUi.
void ApplyExactPointSizes(QWidget* window);

}  // namespace runtime
