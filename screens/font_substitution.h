#pragma once

namespace screens {

// Maps the design's Japanese font names to the fonts a machine really has
// (Windows' own, or the IPA P fonts here). Call once, before any window.
void installFontSubstitutions();

}  // namespace screens
