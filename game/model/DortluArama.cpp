#include "DortluArama.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int YokGrup = 0xFF;
// No 4 x 4 board needs more slides than this.
constexpr int EnUzunÇözüm = 80;

constexpr std::array<std::array<std::int8_t, 5>, 16> Komşular = [] {
    std::array<std::array<std::int8_t, 5>, 16> komşular{};
    for (int hücre = 0; hücre < 16; ++hücre) {
        int sayı = 0;
        if (hücre >= 4) komşular[hücre][sayı++] = std::int8_t(hücre - 4);
        if (hücre % 4 > 0) komşular[hücre][sayı++] = std::int8_t(hücre - 1);
        if (hücre % 4 < 3) komşular[hücre][sayı++] = std::int8_t(hücre + 1);
        if (hücre < 12) komşular[hücre][sayı++] = std::int8_t(hücre + 4);
        komşular[hücre][sayı] = -1;
    }
    return komşular;
}();

// Row and column swapped; a tile's home is its number, so tiles map the same way as cells.
constexpr std::array<std::uint8_t, 16> Yansıma{0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15};

// One side of the bound, the board itself or its reflection: each group's rank and entry.
struct Yüz {
    DörtlüHücreler hücreler;
    std::array<std::uint32_t, 15> sıralar;
    std::array<std::uint8_t, 15> değerler;
    int toplam;
};

class Arayıcı {
public:
    Arayıcı(const DesenTakımı &takım, const AramaSınırı &sınır)
        : takım(takım), sınır(sınır)
    {
        grup.fill(YokGrup);
        for (std::size_t g = 0; g < takım.size(); ++g) {
            const std::vector<int> &taşlar = takım[g].taşlar;
            for (std::size_t s = 0; s < taşlar.size(); ++s) {
                grup[taşlar[s]] = std::uint8_t(g);
                yuva[taşlar[s]] = std::uint8_t(s);
                çarpanlar[g][s] = SıraÇarpanı(int(taşlar.size()), int(s));
            }
        }
    }

    bool Çöz(const DörtlüHücreler &başlangıç, std::vector<int> &hamleler)
    {
        YüzüKur(düz, başlangıç);
        DörtlüHücreler yansımış{};
        for (int hücre = 0; hücre < 16; ++hücre)
            yansımış[Yansıma[hücre]] = Yansıma[başlangıç[hücre]];
        YüzüKur(yansı, yansımış);
        const int boş = int(std::find(başlangıç.begin(), başlangıç.end(), DörtlüBoşluk) - başlangıç.begin());
        for (eşik = std::max(düz.toplam, yansı.toplam); eşik <= EnUzunÇözüm; eşik = sonrakiEşik) {
            sonrakiEşik = INT_MAX;
            if (eşik == 0 || Ara(0, boş, -1)) {
                hamleler.insert(hamleler.end(), yol.begin(), yol.begin() + uzunluk);
                return true;
            }
            if (durdu)
                return false;
        }
        return false;
    }

private:
    void YüzüKur(Yüz &yüz, const DörtlüHücreler &hücreler)
    {
        yüz.hücreler = hücreler;
        yüz.toplam = 0;
        for (std::size_t g = 0; g < takım.size(); ++g) {
            std::uint8_t yerler[DesenEnÇokTaş];
            const std::vector<int> &taşlar = takım[g].taşlar;
            for (std::size_t s = 0; s < taşlar.size(); ++s)
                yerler[s] = std::uint8_t(std::find(hücreler.begin(), hücreler.end(), taşlar[s]) - hücreler.begin());
            yüz.sıralar[g] = YerleşimSırası(yerler, int(taşlar.size()));
            yüz.değerler[g] = takım[g].uzaklıklar[yüz.sıralar[g]];
            yüz.toplam += yüz.değerler[g];
        }
    }

    // How the rank of the group of `taş` changes when it slides from `nereden` to `nereye`.
    std::int32_t Fark(const Yüz &yüz, int taş, int nereden, int nereye) const
    {
        const int g = grup[taş];
        return SıraFarkı(çarpanlar[g].data(), yuva[taş], nereden, nereye, [&](int hücre) {
            const int öteki = yüz.hücreler[hücre];
            return grup[öteki] == g ? int(yuva[öteki]) : -1;
        });
    }

    // The tile at `nereden` slides into the gap at `nereye`, its group taking its new rank and entry.
    void Kaydır(Yüz &yüz, int taş, int nereden, int nereye, std::uint32_t yeniSıra, std::uint8_t yeniDeğer)
    {
        const int g = grup[taş];
        yüz.toplam += int(yeniDeğer) - int(yüz.değerler[g]);
        yüz.sıralar[g] = yeniSıra;
        yüz.değerler[g] = yeniDeğer;
        yüz.hücreler[nereye] = std::uint8_t(taş);
        yüz.hücreler[nereden] = DörtlüBoşluk;
    }

    // A slide from the position, with the ranks it gives both sides.
    struct Kayma {
        int hücre, taş, yTaş;
        std::uint32_t düzSıra, yansıSıra;
    };

    bool Ara(int derinlik, int boş, int önceki)
    {
        if ((++düğümler & 0xFFF) == 0 && sınır.Aşıldı()) {
            durdu = true;
            return false;
        }
        // All slides' entries first, so that their memory is fetched side by side.
        Kayma kaymalar[4];
        int sayı = 0;
        for (const std::int8_t *komşu = Komşular[boş].data(); *komşu >= 0; ++komşu) {
            if (*komşu == önceki)
                continue;
            Kayma &kayma = kaymalar[sayı++];
            kayma.hücre = *komşu;
            kayma.taş = düz.hücreler[kayma.hücre];
            kayma.yTaş = Yansıma[kayma.taş];
            kayma.düzSıra = düz.sıralar[grup[kayma.taş]] + std::uint32_t(Fark(düz, kayma.taş, kayma.hücre, boş));
            kayma.yansıSıra = yansı.sıralar[grup[kayma.yTaş]] +
                              std::uint32_t(Fark(yansı, kayma.yTaş, Yansıma[kayma.hücre], Yansıma[boş]));
            __builtin_prefetch(&takım[grup[kayma.taş]].uzaklıklar[kayma.düzSıra]);
            __builtin_prefetch(&takım[grup[kayma.yTaş]].uzaklıklar[kayma.yansıSıra]);
        }
        for (const Kayma *kayma = kaymalar; kayma != kaymalar + sayı; ++kayma) {
            const int hücre = kayma->hücre, taş = kayma->taş, yTaş = kayma->yTaş;
            const int g = grup[taş], yg = grup[yTaş];
            const std::uint8_t düzDeğer = takım[g].uzaklıklar[kayma->düzSıra];
            const std::uint8_t yansıDeğer = takım[yg].uzaklıklar[kayma->yansıSıra];
            const int düzToplam = düz.toplam - düz.değerler[g] + düzDeğer;
            const int yansıToplam = yansı.toplam - yansı.değerler[yg] + yansıDeğer;
            const int f = derinlik + 1 + std::max(düzToplam, yansıToplam);
            if (f > eşik) {
                sonrakiEşik = std::min(sonrakiEşik, f);
                continue;
            }
            const int yHücre = Yansıma[hücre], yBoş = Yansıma[boş];
            const std::uint32_t eskiDüzSıra = düz.sıralar[g], eskiYansıSıra = yansı.sıralar[yg];
            const std::uint8_t eskiDüzDeğer = düz.değerler[g], eskiYansıDeğer = yansı.değerler[yg];
            Kaydır(düz, taş, hücre, boş, kayma->düzSıra, düzDeğer);
            Kaydır(yansı, yTaş, yHücre, yBoş, kayma->yansıSıra, yansıDeğer);
            yol[derinlik] = hücre;
            // The sums are zero only at home: every tile belongs to a group.
            if (düzToplam == 0 || Ara(derinlik + 1, hücre, boş)) {
                if (düzToplam == 0)
                    uzunluk = derinlik + 1;
                return true;
            }
            Kaydır(düz, taş, boş, hücre, eskiDüzSıra, eskiDüzDeğer);
            Kaydır(yansı, yTaş, yBoş, yHücre, eskiYansıSıra, eskiYansıDeğer);
            if (durdu)
                return false;
        }
        return false;
    }

    const DesenTakımı &takım;
    const AramaSınırı &sınır;
    std::array<std::uint8_t, 16> grup{}, yuva{};
    std::array<std::array<std::uint32_t, DesenEnÇokTaş>, 15> çarpanlar{};
    Yüz düz{}, yansı{};
    std::array<int, EnUzunÇözüm> yol{};
    int uzunluk = 0;
    int eşik = 0;
    int sonrakiEşik = INT_MAX;
    std::uint64_t düğümler = 0;
    bool durdu = false;
};

}  // namespace

bool DörtlüEnKısaÇözüm(const DesenTakımı &takım, const DörtlüHücreler &hücreler, const AramaSınırı &sınır,
                       std::vector<int> &hamleler)
{
    return Arayıcı(takım, sınır).Çöz(hücreler, hamleler);
}
