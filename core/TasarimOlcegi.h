#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

// The windows are drawn in twips at the classic dialog font; at any other size the drawing is
// scaled as a whole by one factor and centred. At factor 1 every place and size is the design's
// own pixel value, so the window is the designed one pixel for pixel.

// The main window's designed client area: 9510 x 6195 twips, 634 x 413 pixels.
inline constexpr int TasarımGenişliğiTwip = 9510;
inline constexpr int TasarımYüksekliğiTwip = 6195;
// The font size the design is drawn with, in points.
inline constexpr double TasarımYazıPuntosu = 8.25;

struct TasarımÖlçeği {
    // How many times the design's size the drawing is.
    double çarpan = 1;
    // Where the design's top-left corner lands in the window, for the controls that stand on the
    // window itself; a control inside another is placed relative to it and takes no offset.
    QPoint kaydırma;

    // A length in twips, in pixels at this scale (nearest, an exact half to even).
    int Piksel(double twip) const;
    // A control's designed place and size, each value scaled on its own as the design rounds it.
    QRect Dikdörtgen(int sol, int üst, int genişlik, int yükseklik) const;
    // The same for a control that stands on the window: moved by the offset.
    QRect PenceredekiDikdörtgen(int sol, int üst, int genişlik, int yükseklik) const;
    // The designed client area at this scale.
    QSize TasarımBoyutu() const;
    // A font of the design, 8.25 points unless said, at this scale.
    double YazıPuntosu(double tasarımPuntosu = TasarımYazıPuntosu) const;

    bool operator==(const TasarımÖlçeği &) const = default;
};

// The scale of a window whose client area is `alan`: the smaller of its width and height over
// the design's, the drawing centred in what is left over.
TasarımÖlçeği AlanınÖlçeği(QSize alan);

// The factor of the first start: the one that draws the design's text as large as the desktop's
// general font (`masaüstüPuntosu`, in points; the design's 8.25 when it is unknown), made smaller
// where need be for the whole window, its frame (`çerçeve`) included, to fit `kullanılabilir`,
// the screen's available area.
double İlkÇarpan(double masaüstüPuntosu, QSize kullanılabilir, QMargins çerçeve);
