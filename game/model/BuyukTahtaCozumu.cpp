#include "BuyukTahtaCozumu.h"

#include "KademeliYerlestirme.h"

#include <algorithm>
#include <bit>
#include <optional>

namespace {

using K = Kare<5>;

// Positions kept at each slide: wider finds shorter answers, in proportion slower.
constexpr std::size_t Genişlik = 5000;
constexpr int EnDerin = 250;

// A random key for each tile on each cell; a position's key is the exclusive-or of its tiles'.
constexpr std::array<std::array<std::uint64_t, K::HücreSayısı>, K::HücreSayısı> Anahtarlar = [] {
    std::array<std::array<std::uint64_t, K::HücreSayısı>, K::HücreSayısı> anahtarlar{};
    std::uint64_t tohum = 0x9E3779B97F4A7C15u;
    for (auto &taşınkiler : anahtarlar) {
        for (std::uint64_t &anahtar : taşınkiler) {
            // splitmix64
            std::uint64_t z = (tohum += 0x9E3779B97F4A7C15u);
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
            anahtar = z ^ (z >> 31);
        }
    }
    return anahtarlar;
}();

// The positions kept so far: open addressing on their keys, some bits choosing the slot and 31
// others kept as its stamp. Two positions alike in both count as one, a chance of about one in a
// billion for each; it could only make an answer longer. Room for every position the search may
// keep, at most half full.
class Görülenler {
public:
    Görülenler() : damgalar(std::size_t(1) << Bitler, 0) {}

    // False when the position was kept before.
    bool Ekle(std::uint64_t anahtar)
    {
        const std::uint64_t karışık = anahtar * 0x9E3779B97F4A7C15u;
        const std::uint32_t damga = std::uint32_t(karışık) | 1;
        for (std::size_t yuva = std::size_t(karışık >> (64 - Bitler));; yuva = (yuva + 1) & (damgalar.size() - 1)) {
            if (damgalar[yuva] == damga)
                return false;
            if (damgalar[yuva] == 0) {
                damgalar[yuva] = damga;
                return true;
            }
        }
    }

private:
    static constexpr int Bitler = std::bit_width(2 * Genişlik * EnDerin - 1);
    std::vector<std::uint32_t> damgalar;
};

// A position kept in the beam.
struct Konum {
    DesenYüzü<5> düz, yansı;
    std::uint64_t anahtar;
    std::uint8_t boş, önceki, manhattan;
};

// A position one slide from a kept one, judged before it is made.
struct Aday {
    std::uint64_t sıra;  // the estimate, then the order it was found in: the order of choice
    std::uint64_t anahtar;
    std::uint32_t ata, düzSıra, yansıSıra;
    std::uint8_t hücre;
};

class Demet {
public:
    Demet(const DesenTakımı &takım, const AramaSınırı &sınır) : takım(takım), dizin(takım), sınır(sınır) {}

    // False when there is no answer within EnDerin slides, or when stopped.
    bool Ara(const KareTahta &tahta, std::vector<int> &hamleler)
    {
        K::Hücreler hücreler{};
        std::copy(tahta.hücreler.begin(), tahta.hücreler.end(), hücreler.begin());
        Konum başlangıç{};
        başlangıç.düz.Kur(takım, hücreler);
        başlangıç.yansı.Kur(takım, Yansıtılmış<5>(hücreler));
        başlangıç.boş = std::uint8_t(tahta.boş);
        başlangıç.önceki = K::HücreSayısı;
        for (int hücre = 0; hücre < K::HücreSayısı; ++hücre) {
            başlangıç.anahtar ^= Anahtarlar[hücreler[hücre]][hücre];
            if (hücreler[hücre] != K::Boşluk)
                başlangıç.manhattan += K::Manhattan[hücreler[hücre]][hücre];
        }
        if (başlangıç.manhattan == 0)
            return true;
        görülenler.Ekle(başlangıç.anahtar);
        katman.assign(1, başlangıç);
        for (int derinlik = 0; derinlik < EnDerin && !katman.empty(); ++derinlik) {
            if (sınır.Vazgeçildi())
                return false;
            if (const std::optional<Aday> ev = AdaylarıBul()) {
                YoluYaz(*ev, hamleler);
                return true;
            }
            Seç();
        }
        return false;
    }

private:
    // Every slide from the kept positions but the one back; the first that brings one home.
    std::optional<Aday> AdaylarıBul()
    {
        adaylar.clear();
        for (std::uint32_t ata = 0; ata < katman.size(); ++ata)
            if (const std::optional<Aday> ev = Ardıllar(ata))
                return ev;
        return std::nullopt;
    }

    // The slides from kept position `ata`, judged by the estimate they give, added to the
    // candidates; the first that brings it home.
    std::optional<Aday> Ardıllar(std::uint32_t ata)
    {
        const Konum &konum = katman[ata];
        for (const std::int8_t *komşu = K::Komşular[konum.boş].data(); *komşu >= 0; ++komşu) {
            const int hücre = *komşu;
            if (hücre == konum.önceki)
                continue;
            const int taş = konum.düz.hücreler[hücre], yTaş = K::Yansıma[taş];
            const int g = dizin.Grup(taş), yg = dizin.Grup(yTaş);
            Aday aday;
            aday.ata = ata;
            aday.hücre = std::uint8_t(hücre);
            aday.düzSıra = konum.düz.sıralar[g] + std::uint32_t(dizin.Fark(konum.düz.hücreler, taş, hücre, konum.boş));
            aday.yansıSıra = konum.yansı.sıralar[yg] +
                             std::uint32_t(dizin.Fark(konum.yansı.hücreler, yTaş, K::Yansıma[hücre], K::Yansıma[konum.boş]));
            aday.anahtar = konum.anahtar ^ Anahtarlar[taş][hücre] ^ Anahtarlar[taş][konum.boş] ^
                           Anahtarlar[K::Boşluk][konum.boş] ^ Anahtarlar[K::Boşluk][hücre];
            const int manhattan = konum.manhattan + K::Manhattan[taş][konum.boş] - K::Manhattan[taş][hücre];
            const int düz = konum.düz.fazlaToplamı - konum.düz.fazlalar[g] + SıkıFazla(takım.tablolar[g], aday.düzSıra);
            const int yansı =
                konum.yansı.fazlaToplamı - konum.yansı.fazlalar[yg] + SıkıFazla(takım.tablolar[yg], aday.yansıSıra);
            aday.sıra = std::uint64_t(manhattan + 2 * std::max(düz, yansı)) << 32 | adaylar.size();
            if (manhattan == 0)
                return aday;
            adaylar.push_back(aday);
        }
        return std::nullopt;
    }

    // The best Genişlik of the candidates not kept before become the next layer, best first.
    void Seç()
    {
        const auto önce = [](const Aday &a, const Aday &b) { return a.sıra < b.sıra; };
        if (adaylar.size() > Genişlik) {
            std::nth_element(adaylar.begin(), adaylar.begin() + Genişlik, adaylar.end(), önce);
            adaylar.resize(Genişlik);
        }
        std::sort(adaylar.begin(), adaylar.end(), önce);
        std::erase_if(adaylar, [this](const Aday &aday) { return !görülenler.Ekle(aday.anahtar); });
        sonraki.clear();
        izler.emplace_back();
        for (const Aday &aday : adaylar) {
            sonraki.push_back(Kaydırılmış(aday));
            izler.back().push_back(aday.ata << 8 | aday.hücre);
        }
        std::swap(katman, sonraki);
    }

    Konum Kaydırılmış(const Aday &aday) const
    {
        const Konum &konum = katman[aday.ata];
        Konum yeni = konum;
        const int taş = konum.düz.hücreler[aday.hücre], yTaş = K::Yansıma[taş];
        const int g = dizin.Grup(taş), yg = dizin.Grup(yTaş);
        yeni.düz.Kaydır(g, aday.hücre, konum.boş, aday.düzSıra, std::uint8_t(SıkıFazla(takım.tablolar[g], aday.düzSıra)));
        yeni.yansı.Kaydır(yg, K::Yansıma[aday.hücre], K::Yansıma[konum.boş], aday.yansıSıra,
                          std::uint8_t(SıkıFazla(takım.tablolar[yg], aday.yansıSıra)));
        yeni.manhattan = std::uint8_t(konum.manhattan + K::Manhattan[taş][konum.boş] - K::Manhattan[taş][aday.hücre]);
        yeni.anahtar = aday.anahtar;
        yeni.önceki = konum.boş;
        yeni.boş = aday.hücre;
        return yeni;
    }

    // The slides from the start to `ev`, read back through the kept positions' ancestors.
    void YoluYaz(const Aday &ev, std::vector<int> &hamleler) const
    {
        std::vector<int> yol{ev.hücre};
        for (std::uint32_t ata = ev.ata, katmanNo = std::uint32_t(izler.size()); katmanNo-- > 0;) {
            yol.push_back(int(izler[katmanNo][ata] & 0xFF));
            ata = izler[katmanNo][ata] >> 8;
        }
        hamleler.insert(hamleler.end(), yol.rbegin(), yol.rend());
    }

    const DesenTakımı &takım;
    const DesenDizini<5> dizin;
    const AramaSınırı &sınır;
    std::vector<Konum> katman, sonraki;
    std::vector<Aday> adaylar;
    // For each layer after the first, each kept position's ancestor in the layer before and its slide.
    std::vector<std::vector<std::uint32_t>> izler;
    Görülenler görülenler;
};

}  // namespace

bool BeşlikÇöz(const KareTahta &tahta, const DesenTakımı &takım, const AramaSınırı &sınır, std::vector<int> &hamleler)
{
    std::vector<int> yol;
    if (Demet(takım, sınır).Ara(tahta, yol) || (!sınır.Vazgeçildi() && KademeliÇöz(tahta, sınır, yol))) {
        hamleler.insert(hamleler.end(), yol.begin(), yol.end());
        return true;
    }
    return false;
}
