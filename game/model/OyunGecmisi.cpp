#include "OyunGecmisi.h"

void OyunGeçmişi::Kaydet(int tıklanan, int boş)
{
    yapılanlar.append({tıklanan, boş});
    geriAlınanlar.clear();
}

std::optional<int> OyunGeçmişi::GeriAl()
{
    if (yapılanlar.isEmpty())
        return std::nullopt;
    geriAlınanlar.append(yapılanlar.takeLast());
    return geriAlınanlar.constLast().boş;
}

std::optional<int> OyunGeçmişi::Yinele()
{
    if (geriAlınanlar.isEmpty())
        return std::nullopt;
    yapılanlar.append(geriAlınanlar.takeLast());
    return yapılanlar.constLast().tıklanan;
}

void OyunGeçmişi::Temizle()
{
    yapılanlar.clear();
    geriAlınanlar.clear();
}
