#include "DortluArama.h"

#include <climits>

namespace {

using K = Kare<4>;

// No 4 x 4 board needs more slides than this.
constexpr int EnUzunÇözüm = 80;

int Tahmin(int manhattan, int düzFazla, int yansıFazla)
{
    return manhattan + 2 * std::max(düzFazla, yansıFazla);
}

int Manhattan(const K::Hücreler &hücreler)
{
    int toplam = 0;
    for (int hücre = 0; hücre < K::HücreSayısı; ++hücre)
        if (hücreler[hücre] != K::Boşluk)
            toplam += K::Manhattan[hücreler[hücre]][hücre];
    return toplam;
}

K::Hücreler Hücreleri(const KareTahta &tahta)
{
    K::Hücreler hücreler{};
    std::copy(tahta.hücreler.begin(), tahta.hücreler.end(), hücreler.begin());
    return hücreler;
}

class Arayıcı {
public:
    Arayıcı(const DesenTakımı &takım, const AramaSınırı &sınır) : takım(takım), dizin(takım), sınır(sınır) {}

    bool Çöz(const KareTahta &tahta, std::vector<int> &hamleler)
    {
        const K::Hücreler başlangıç = Hücreleri(tahta);
        manhattan = Manhattan(başlangıç);
        if (manhattan == 0)
            return true;
        düz.Kur(takım, başlangıç);
        yansı.Kur(takım, Yansıtılmış<4>(başlangıç));
        for (eşik = Tahmin(manhattan, düz.fazlaToplamı, yansı.fazlaToplamı); eşik <= EnUzunÇözüm; eşik = sonrakiEşik) {
            sonrakiEşik = INT_MAX;
            if (Ara(0, tahta.boş, -1)) {
                hamleler.insert(hamleler.end(), yol.begin(), yol.begin() + uzunluk);
                return true;
            }
            if (durdu)
                return false;
        }
        return false;
    }

private:
    // A slide from the position, with the ranks it gives both sides.
    struct Kayma {
        int hücre, taş, yTaş;
        std::uint32_t düzSıra, yansıSıra;
    };

    bool Ara(int derinlik, int boş, int önceki)
    {
        if ((++düğümler & 0xFFF) == 0 && sınır.Vazgeçildi()) {
            durdu = true;
            return false;
        }
        // All slides' entries first, so that their memory is fetched side by side.
        Kayma kaymalar[4];
        int sayı = 0;
        for (const std::int8_t *komşu = K::Komşular[boş].data(); *komşu >= 0; ++komşu) {
            if (*komşu == önceki)
                continue;
            Kayma &kayma = kaymalar[sayı++];
            kayma.hücre = *komşu;
            kayma.taş = düz.hücreler[kayma.hücre];
            kayma.yTaş = K::Yansıma[kayma.taş];
            kayma.düzSıra = düz.sıralar[dizin.Grup(kayma.taş)] + std::uint32_t(dizin.Fark(düz.hücreler, kayma.taş, kayma.hücre, boş));
            kayma.yansıSıra = yansı.sıralar[dizin.Grup(kayma.yTaş)] +
                              std::uint32_t(dizin.Fark(yansı.hücreler, kayma.yTaş, K::Yansıma[kayma.hücre], K::Yansıma[boş]));
            __builtin_prefetch(takım.tablolar[dizin.Grup(kayma.taş)] + kayma.düzSıra * 3 / 8);
            __builtin_prefetch(takım.tablolar[dizin.Grup(kayma.yTaş)] + kayma.yansıSıra * 3 / 8);
        }
        for (const Kayma *kayma = kaymalar; kayma != kaymalar + sayı; ++kayma) {
            const int hücre = kayma->hücre, taş = kayma->taş;
            const int g = dizin.Grup(taş), yg = dizin.Grup(kayma->yTaş);
            const auto düzFazla = std::uint8_t(SıkıFazla(takım.tablolar[g], kayma->düzSıra));
            const auto yansıFazla = std::uint8_t(SıkıFazla(takım.tablolar[yg], kayma->yansıSıra));
            const int yeniManhattan = manhattan + K::Manhattan[taş][boş] - K::Manhattan[taş][hücre];
            const int f = derinlik + 1 + Tahmin(yeniManhattan, düz.fazlaToplamı - düz.fazlalar[g] + düzFazla,
                                                 yansı.fazlaToplamı - yansı.fazlalar[yg] + yansıFazla);
            if (f > eşik) {
                sonrakiEşik = std::min(sonrakiEşik, f);
                continue;
            }
            const int yHücre = K::Yansıma[hücre], yBoş = K::Yansıma[boş];
            const std::uint32_t eskiDüzSıra = düz.sıralar[g], eskiYansıSıra = yansı.sıralar[yg];
            const std::uint8_t eskiDüzFazla = düz.fazlalar[g], eskiYansıFazla = yansı.fazlalar[yg];
            const int eskiManhattan = manhattan;
            düz.Kaydır(g, hücre, boş, kayma->düzSıra, düzFazla);
            yansı.Kaydır(yg, yHücre, yBoş, kayma->yansıSıra, yansıFazla);
            manhattan = yeniManhattan;
            yol[derinlik] = hücre;
            // Home is where every tile is on its own cell, whatever the tables say.
            if (manhattan == 0) {
                uzunluk = derinlik + 1;
                return true;
            }
            if (Ara(derinlik + 1, hücre, boş))
                return true;
            düz.Kaydır(g, boş, hücre, eskiDüzSıra, eskiDüzFazla);
            yansı.Kaydır(yg, yBoş, yHücre, eskiYansıSıra, eskiYansıFazla);
            manhattan = eskiManhattan;
            if (durdu)
                return false;
        }
        return false;
    }

    const DesenTakımı &takım;
    const DesenDizini<4> dizin;
    const AramaSınırı &sınır;
    DesenYüzü<4> düz{}, yansı{};
    int manhattan = 0;
    std::array<int, EnUzunÇözüm> yol{};
    int uzunluk = 0;
    int eşik = 0;
    int sonrakiEşik = INT_MAX;
    std::uint64_t düğümler = 0;
    bool durdu = false;
};

}  // namespace

bool DörtlüEnKısaÇözüm(const DesenTakımı &takım, const KareTahta &tahta, const AramaSınırı &sınır,
                       std::vector<int> &hamleler)
{
    return Arayıcı(takım, sınır).Çöz(tahta, hamleler);
}

bool DörtlüTahminTutarlı(const DesenTakımı &takım, KareTahta tahta, const std::vector<int> &hamleler)
{
    for (std::size_t sıra = 0;; ++sıra) {
        const K::Hücreler hücreler = Hücreleri(tahta);
        DesenYüzü<4> düz{}, yansı{};
        düz.Kur(takım, hücreler);
        yansı.Kur(takım, Yansıtılmış<4>(hücreler));
        if (Tahmin(Manhattan(hücreler), düz.fazlaToplamı, yansı.fazlaToplamı) > int(hamleler.size() - sıra))
            return false;
        if (sıra == hamleler.size())
            return true;
        tahta.Kaydır(hamleler[sıra]);
    }
}
