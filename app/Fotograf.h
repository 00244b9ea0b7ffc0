#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <atomic>

// A loaded photo: its own upright size W_p x H_p, and its pixels decoded at a working
// resolution large enough for every box that draws it. Every rule that speaks of the photo's
// pixels works in W_p x H_p and is mapped onto the working image here.
class Fotoğraf {
public:
    Fotoğraf() = default;
    Fotoğraf(QSize boyut, QImage çalışmaResmi);

    bool BoşMu() const { return çalışmaResmi.isNull(); }
    // W_p x H_p: the photo's own size, upright.
    QSize Boyut() const { return boyut; }
    const QImage &ÇalışmaResmi() const { return çalışmaResmi; }
    // True when the working image serves boxes that need `enKüçük` (device pixels): it covers
    // that size, or it already holds every pixel the file has.
    bool Karşılar(const QSize &enKüçük) const;

    // The photo's rectangle `kaynak` (in the photo's own pixels) scaled to `hedef` with an
    // area-averaging filter; the proportions follow the target.
    QImage Parça(const QRect &kaynak, const QSize &hedef) const;

    // The whole photo squeezed or stretched to `hedef`.
    QImage Tamamı(const QSize &hedef) const;

private:
    QSize boyut;
    QImage çalışmaResmi;
};

class QWidget;

// The least working size for the photos of `pencere`'s window: the largest area a photo is drawn
// on (the main window's board frame) at that window's scale, in its screen's device pixels;
// without a window, at the design's own scale on the primary screen.
QSize EnKüçükÇalışmaBoyutu(const QWidget *pencere = nullptr);

// Loads the picture file at `yol`, applying its EXIF orientation, decoded at the working
// resolution for `enKüçük`. Throws ÇalışmaHatası 53 when there is no such file, 75 when it
// cannot be opened or is no regular file (a FIFO is never waited on), and 481 when it is not a
// readable picture: not an image, truncated, or larger, in pixels or in bytes, than any camera
// makes; those are refused before decoding starts. Runs on any thread; once `*vazgeçildi`
// turns true the file reads no further and the load soon ends with 481.
Fotoğraf FotoğrafıYükle(const QString &yol, const QSize &enKüçük = EnKüçükÇalışmaBoyutu(),
                        const std::atomic<bool> *vazgeçildi = nullptr);
