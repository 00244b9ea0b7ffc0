#pragma once

#include <QColor>
#include <QPalette>

// The fixed colours of the design (frame captions, values, the gap, the About dialog's name and
// links) on the desktop's palette. On a light palette each stands as designed; on a dark one it
// is replaced by a variant of its own hue that reads against the window.

// The contrast ratio of two colours as the Web Content Accessibility Guidelines compute it, from
// their relative luminance: 1 for equal colours, 21 for black on white.
double Karşıtlık(const QColor &birinci, const QColor &ikinci);

// A palette is dark when its window colour's lightness is below one half.
bool KoyuMu(const QPalette &palet);

// The least contrast a fixed colour keeps against a dark window.
inline constexpr double EnAzKarşıtlık = 4.5;

// The colour to draw the fixed colour `renk` with on `palet`. On a light palette `renk` itself.
// On a dark one the colour of the same hue and saturation with the lightness mirrored (a dark red
// turns light red, a pale yellow dark yellow), then lightened or darkened, whichever changes it
// least, just enough for 4.5 : 1 against the window; where neither reaches that, the end of the
// lightness scale that comes closest.
QColor PaleteUygunRenk(const QColor &renk, const QPalette &palet);
