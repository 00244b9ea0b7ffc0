#include "TasarimYerlesimi.h"

#include <QVariant>
#include <QWidget>

namespace {

// Where a window keeps its scale and a control its designed place (twips).
constexpr auto ÖlçekÖzelliği = "tasarimOlcegi";
constexpr auto YerÖzelliği = "tasarimYeri";

void YerineKoy(QWidget *denetim, const QRect &twip, const TasarımÖlçeği &ölçek)
{
    const bool penceredeki = denetim->parentWidget() == denetim->window();
    denetim->setGeometry(penceredeki ? ölçek.PenceredekiDikdörtgen(twip.x(), twip.y(), twip.width(), twip.height())
                                     : ölçek.Dikdörtgen(twip.x(), twip.y(), twip.width(), twip.height()));
}

}  // namespace

TasarımÖlçeği PencereÖlçeği(const QWidget *denetim)
{
    const QVariant ölçek = denetim ? denetim->window()->property(ÖlçekÖzelliği) : QVariant();
    return ölçek.isValid() ? ölçek.value<TasarımÖlçeği>() : TasarımÖlçeği{};
}

void ÖlçeğiAta(QWidget *pencere, const TasarımÖlçeği &ölçek)
{
    pencere->setProperty(ÖlçekÖzelliği, QVariant::fromValue(ölçek));
    QFont yazı = pencere->font();
    yazı.setPointSizeF(ölçek.YazıPuntosu());
    pencere->setFont(yazı);
    for (QWidget *denetim : pencere->findChildren<QWidget *>()) {
        const QVariant yer = denetim->property(YerÖzelliği);
        // A window opened from this one keeps its own places.
        if (yer.isValid() && denetim->window() == pencere)
            YerineKoy(denetim, yer.toRect(), ölçek);
    }
}

void Yerleştir(QWidget *denetim, int sol, int üst, int genişlik, int yükseklik)
{
    const QRect twip(sol, üst, genişlik, yükseklik);
    denetim->setProperty(YerÖzelliği, twip);
    YerineKoy(denetim, twip, PencereÖlçeği(denetim));
}
