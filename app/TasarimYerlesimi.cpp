#include "TasarimYerlesimi.h"

#include "Yuvarlama.h"

#include <QApplication>
#include <QCheckBox>
#include <QProxyStyle>
#include <QRadioButton>
#include <QStyleFactory>
#include <QVariant>

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

// The application's style with the indicators of check boxes and option buttons, and their
// distance from the text, at their window's scale, so that they keep their size beside the text.
class ÖlçekliGöstergeler : public QProxyStyle {
public:
    ÖlçekliGöstergeler() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) { setParent(qApp); }

    int pixelMetric(PixelMetric ölçü, const QStyleOption *seçenek, const QWidget *denetim) const override
    {
        const int değer = QProxyStyle::pixelMetric(ölçü, seçenek, denetim);
        switch (ölçü) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
            return EnYakın(değer * PencereÖlçeği(denetim).çarpan);
        default:
            return değer;
        }
    }
};

void GöstergeleriÖlçekle(QWidget *denetim)
{
    static ÖlçekliGöstergeler *const stil = new ÖlçekliGöstergeler;
    if ((qobject_cast<QCheckBox *>(denetim) || qobject_cast<QRadioButton *>(denetim)) && denetim->style() != stil)
        denetim->setStyle(stil);
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
        // A window opened from this one keeps its own scale.
        if (denetim->window() != pencere)
            continue;
        GöstergeleriÖlçekle(denetim);
        const QVariant yer = denetim->property(YerÖzelliği);
        if (yer.isValid())
            YerineKoy(denetim, yer.toRect(), ölçek);
    }
}

void Yerleştir(QWidget *denetim, int sol, int üst, int genişlik, int yükseklik)
{
    const QRect twip(sol, üst, genişlik, yükseklik);
    denetim->setProperty(YerÖzelliği, twip);
    YerineKoy(denetim, twip, PencereÖlçeği(denetim));
}
