#include "TasarimOlcegi.h"

#include "Yuvarlama.h"

#include <algorithm>

int TasarımÖlçeği::Piksel(double twip) const
{
    return EnYakın(twip * çarpan / TwipBaşınaPiksel);
}

QRect TasarımÖlçeği::Dikdörtgen(int sol, int üst, int genişlik, int yükseklik) const
{
    return QRect(Piksel(sol), Piksel(üst), Piksel(genişlik), Piksel(yükseklik));
}

QRect TasarımÖlçeği::PenceredekiDikdörtgen(int sol, int üst, int genişlik, int yükseklik) const
{
    return Dikdörtgen(sol, üst, genişlik, yükseklik).translated(kaydırma);
}

QSize TasarımÖlçeği::TasarımBoyutu() const
{
    return QSize(Piksel(TasarımGenişliğiTwip), Piksel(TasarımYüksekliğiTwip));
}

double TasarımÖlçeği::YazıPuntosu(double tasarımPuntosu) const
{
    return tasarımPuntosu * çarpan;
}

TasarımÖlçeği AlanınÖlçeği(QSize alan)
{
    TasarımÖlçeği ölçek;
    ölçek.çarpan = std::max(0.0, std::min(alan.width() * double(TwipBaşınaPiksel) / TasarımGenişliğiTwip,
                                          alan.height() * double(TwipBaşınaPiksel) / TasarımYüksekliğiTwip));
    const QSize çizim = ölçek.TasarımBoyutu();
    ölçek.kaydırma = QPoint((alan.width() - çizim.width()) / 2, (alan.height() - çizim.height()) / 2);
    return ölçek;
}

double İlkÇarpan(double masaüstüPuntosu, QSize kullanılabilir, QMargins çerçeve)
{
    const double yazıya = masaüstüPuntosu > 0 ? masaüstüPuntosu / TasarımYazıPuntosu : 1.0;
    const int genişlik = kullanılabilir.width() - çerçeve.left() - çerçeve.right();
    const int yükseklik = kullanılabilir.height() - çerçeve.top() - çerçeve.bottom();
    // Rounding the drawing's pixels may add half a pixel: the fit keeps that much in hand.
    const double ekrana = std::min((genişlik - 0.5) * TwipBaşınaPiksel / TasarımGenişliğiTwip,
                                   (yükseklik - 0.5) * TwipBaşınaPiksel / TasarımYüksekliğiTwip);
    return std::max(0.0, std::min(yazıya, ekrana));
}
