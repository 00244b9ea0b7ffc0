#include "PaletRengi.h"

#include <cmath>
#include <optional>

namespace {

double DoğrusalBileşen(double bileşen)
{
    return bileşen <= 0.04045 ? bileşen / 12.92 : std::pow((bileşen + 0.055) / 1.055, 2.4);
}

double GöreliParlaklık(const QColor &renk)
{
    const QColor rgb = renk.toRgb();
    return 0.2126 * DoğrusalBileşen(rgb.redF()) + 0.7152 * DoğrusalBileşen(rgb.greenF()) + 0.0722 * DoğrusalBileşen(rgb.blueF());
}

QColor Açıklıkla(const QColor &hsl, double açıklık)
{
    return QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), açıklık).toRgb();
}

// The first lightness from `başla` towards `bitir`, in steps of one in 255, that reads against
// `arka`; none when the end does not either.
std::optional<double> OkunurAçıklık(const QColor &hsl, const QColor &arka, int başla, int bitir)
{
    const int adım = bitir >= başla ? 1 : -1;
    for (int açıklık = başla;; açıklık += adım) {
        if (Karşıtlık(Açıklıkla(hsl, açıklık / 255.0), arka) >= EnAzKarşıtlık)
            return açıklık / 255.0;
        if (açıklık == bitir)
            return std::nullopt;
    }
}

}  // namespace

double Karşıtlık(const QColor &birinci, const QColor &ikinci)
{
    const double a = GöreliParlaklık(birinci), b = GöreliParlaklık(ikinci);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool KoyuMu(const QPalette &palet)
{
    return palet.color(QPalette::Window).lightnessF() < 0.5;
}

QColor PaleteUygunRenk(const QColor &renk, const QPalette &palet)
{
    if (!KoyuMu(palet))
        return renk;
    const QColor arka = palet.color(QPalette::Window);
    const QColor hsl = renk.toHsl();
    const int aynası = int(std::lround((1.0 - hsl.lightnessF()) * 255));
    const std::optional<double> açık = OkunurAçıklık(hsl, arka, aynası, 255);
    const std::optional<double> koyu = OkunurAçıklık(hsl, arka, aynası, 0);
    if (açık && koyu)
        return Açıklıkla(hsl, *açık - aynası / 255.0 <= aynası / 255.0 - *koyu ? *açık : *koyu);
    if (açık || koyu)
        return Açıklıkla(hsl, açık ? *açık : *koyu);
    const QColor beyaz = Açıklıkla(hsl, 1), siyah = Açıklıkla(hsl, 0);
    return Karşıtlık(beyaz, arka) >= Karşıtlık(siyah, arka) ? beyaz : siyah;
}
