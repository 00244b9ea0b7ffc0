#pragma once

#include <QList>
#include <QRect>

// Where a window goes at every start: wholly on one screen. `pencere` is the frame the window
// would have (its stored place and size, title bar and borders included), `ekranlar` the screens'
// available areas, all in the desktop's logical pixels, in which Qt already gives a screen of
// another scale its size. The screen is the one that holds most of the window, or, when none
// holds any of it, the one nearest to it. A window on it stays as it is; one that reaches past
// its edges is moved in; one larger than it is moved to its corner and shrunk to its size. With
// no screen known the window stays where it would be.
QRect GörünürPencereYeri(const QRect &pencere, const QList<QRect> &ekranlar);
