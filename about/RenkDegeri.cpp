#include "RenkDegeri.h"

#include "CalismaHatasi.h"
#include "PaletRengi.h"

#include <QPalette>
#include <QWidget>

#include <optional>

namespace {

constexpr quint32 SistemRengiBiti = 0x80000000;

// The system colours that have a counterpart in the palette, by their number.
std::optional<QPalette::ColorRole> SistemRolü(quint32 değer)
{
    switch (değer & ~SistemRengiBiti) {
    case 5: return QPalette::Base;
    case 8: return QPalette::Text;
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;
    case 18: return QPalette::ButtonText;
    default: return std::nullopt;
    }
}

bool SistemRengi(quint32 değer)
{
    return (değer & SistemRengiBiti) != 0;
}

QPalette::ColorRole GeçerliSistemRolü(quint32 değer)
{
    const auto rol = SistemRolü(değer);
    if (!rol)
        throw ÇalışmaHatası(HataNo::GeçersizÖzellikDeğeri);
    return *rol;
}

QColor RGBRengi(quint32 değer)
{
    if (değer > 0x00FFFFFF)
        throw ÇalışmaHatası(HataNo::GeçersizÖzellikDeğeri);
    return QColor(int(değer & 0xFF), int((değer >> 8) & 0xFF), int((değer >> 16) & 0xFF));
}

}  // namespace

QColor GörünenRenk(quint32 değer, const QPalette &renkler)
{
    return SistemRengi(değer) ? renkler.color(GeçerliSistemRolü(değer)) : RGBRengi(değer);
}

void YazıRenginiAta(QWidget *denetim, quint32 değer)
{
    if (SistemRengi(değer)) {
        denetim->setForegroundRole(GeçerliSistemRolü(değer));
        return;
    }
    // Read against the window's colours, which are already the new ones while a palette change
    // reaches the window's controls.
    QPalette renkler = denetim->palette();
    renkler.setColor(QPalette::WindowText, PaleteUygunRenk(RGBRengi(değer), denetim->window()->palette()));
    denetim->setPalette(renkler);
    denetim->setForegroundRole(QPalette::WindowText);
}
