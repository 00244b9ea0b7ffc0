#include "CozumBellegi.h"

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
    QList<int> yoldaki = başlangıç;
    int yoldakiBoş = boş;
    for (qsizetype sıra = 0;; ++sıra) {
        if (yoldaki == aranan)
            return Çözüm{Çözüm::Durum::Çözüldü, hamleler.mid(sıra), enKısa};
        if (sıra == hamleler.size())
            return std::nullopt;
        std::swap(yoldaki[yoldakiBoş], yoldaki[hamleler[sıra]]);
        yoldakiBoş = hamleler[sıra];
    }
}

QList<int> ÇözümBelleği::Hücreler(QList<int> etiketler, int boşKonum)
{
    etiketler[boşKonum] = int(etiketler.size()) - 1;
    return etiketler;
}
