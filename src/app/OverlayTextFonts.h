// Text areas of the overlay scripts whose font does not load: each takes the
// fallback font, or is left out when that fails too. Ogre loads a text
// area's font again when it is drawn, and a font that failed once ends the
// program on that second load.
#pragma once

// The font a text falls back to when its own does not load.
inline constexpr const char* fallbackFont = "verdana";

// The font's own failure is logged where it is loaded; the text area that
// is left out is not named again.
void mendOverlayTextFonts();
