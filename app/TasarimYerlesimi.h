#pragma once

#include "TasarimOlcegi.h"

class QWidget;

// A window is drawn from its design in twips at a scale of its own: every control at its scaled
// place and the design's font at the scaled size. A window opened from another takes on that
// window's factor.

// The scale of the window that holds `denetim`: the design's own until that window is given one.
TasarımÖlçeği PencereÖlçeği(const QWidget *denetim);

// Gives `pencere` its scale: the design's font at that size, and every control of it placed with
// Yerleştir at its designed place at that scale, the controls standing on the window itself moved
// by the offset.
void ÖlçeğiAta(QWidget *pencere, const TasarımÖlçeği &ölçek);

// Places a control at its design place, given in twips relative to its container, at its window's
// scale; the place is kept for the window's next scale.
void Yerleştir(QWidget *denetim, int sol, int üst, int genişlik, int yükseklik);
