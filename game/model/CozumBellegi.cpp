#include "CozumBellegi.h"

#include <cmath>

namespace {

bool KomşuMu(int n, int a, int b)
{
    return std::abs(a / n - b / n) + std::abs(a % n - b % n) == 1;
}

}  // namespace

void ÇözümBelleği::Hatırla(const QList<int> &etiketler, int boşKonum, const Çözüm &çözüm)
{
    if (çözüm.durum != Çözüm::Durum::Çözüldü || boşKonum < 0 || boşKonum >= etiketler.size()) {
        Unut();
        return;
    }
    başlangıç = Hücreler(etiketler, boşKonum);
    boş = boşKonum;
    hamleler = çözüm.hamleler;
    enKısa = çözüm.enKısa;
}

void ÇözümBelleği::Unut()
{
    başlangıç.clear();
    boş = -1;
    hamleler.clear();
}

std::optional<Çözüm> ÇözümBelleği::Sor(const QList<int> &etiketler, int boşKonum) const
{
    if (boş < 0 || etiketler.size() != başlangıç.size() || boşKonum < 0 || boşKonum >= etiketler.size())
        return std::nullopt;
    const QList<int> aranan = Hücreler(etiketler, boşKonum);
    const int n = int(std::lround(std::sqrt(double(aranan.size()))));
    // The whole path is walked for the board itself before it is walked for a board one slide
    // off: a board on the path is also one slide off the position before it.
    for (const bool birKaymaÖte : {false, true}) {
        QList<int> yoldaki = başlangıç;
        int yoldakiBoş = boş;
        for (qsizetype sıra = 0;; ++sıra) {
            if (!birKaymaÖte && yoldaki == aranan)
                return Çözüm{Çözüm::Durum::Çözüldü, hamleler.mid(sıra), enKısa};
            // The tile the player slid goes back where the empty place was on the path.
            if (birKaymaÖte && KomşuMu(n, boşKonum, yoldakiBoş) && aranan[yoldakiBoş] == yoldaki[boşKonum]) {
                QList<int> geri = aranan;
                std::swap(geri[boşKonum], geri[yoldakiBoş]);
                if (geri == yoldaki)
                    return Çözüm{Çözüm::Durum::Çözüldü, QList<int>{yoldakiBoş} + hamleler.mid(sıra), false};
            }
            if (sıra == hamleler.size())
                break;
            std::swap(yoldaki[yoldakiBoş], yoldaki[hamleler[sıra]]);
            yoldakiBoş = hamleler[sıra];
        }
    }
    return std::nullopt;
}

QList<int> ÇözümBelleği::Hücreler(QList<int> etiketler, int boşKonum)
{
    etiketler[boşKonum] = int(etiketler.size()) - 1;
    return etiketler;
}
