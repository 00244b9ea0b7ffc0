#pragma once

#include "Fotograf.h"

#include <QFuture>
#include <QSize>
#include <QString>

#include <optional>

// The working image of the photo on the board, kept in the cache folder so that the next start
// need not decode a camera's whole file again. It serves only the same file, unchanged (path,
// inode, size and modification time), and only a working size at most as large as it was made
// for; a kept file that is damaged or of another kind is simply not used.
std::optional<Fotoğraf> ÖnbellektekiFotoğraf(const QString &yol, QSize enKüçük = EnKüçükÇalışmaBoyutu());

// Keeps `fotoğraf`, loaded from `yol` for the working size `enKüçük`, for the next start, brought
// down to the least size that covers `enKüçük` and written on a worker thread so that the window
// never waits for the disk. Failures are ignored: without
// the cache the next start decodes the file as always.
QFuture<void> FotoğrafıÖnbelleğeYaz(const QString &yol, const Fotoğraf &fotoğraf, QSize enKüçük = EnKüçükÇalışmaBoyutu());

// The cache file: in the user's cache folder unless a test points it elsewhere.
QString FotoğrafÖnbelleğiDosyası();
void FotoğrafÖnbelleğiKlasörünüBelirle(const QString &klasör);
