#include "Donusumler.h"

#include "CalismaHatasi.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

// The number a text stands for, in the C form ("1234.5") or the user's own ("1234,5").
double Sayıya(const QString &metin)
{
    const QString kırpılmış = metin.trimmed();
    bool sayıMı = false;
    double değer = QLocale::c().toDouble(kırpılmış, &sayıMı);
    if (!sayıMı)
        değer = QLocale().toDouble(kırpılmış, &sayıMı);
    if (!sayıMı || !std::isfinite(değer))
        throw ÇalışmaHatası(HataNo::TürUyuşmazlığı);
    return değer;
}

}  // namespace

qint16 Tamsayıya(const QString &metin)
{
    const double yuvarlanmış = std::nearbyint(Sayıya(metin));
    if (yuvarlanmış < std::numeric_limits<qint16>::min() || yuvarlanmış > std::numeric_limits<qint16>::max())
        throw ÇalışmaHatası(HataNo::Taşma);
    return static_cast<qint16>(yuvarlanmış);
}

float TekDuyarlığa(const QString &metin)
{
    const double değer = Sayıya(metin);
    if (std::abs(değer) > std::numeric_limits<float>::max())
        throw ÇalışmaHatası(HataNo::Taşma);
    return static_cast<float>(değer);
}
