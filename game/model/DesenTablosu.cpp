#include "DesenTablosu.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {

constexpr std::uint8_t Bilinmiyor = 0xFF;

// The cells next to each cell, as a mask.
constexpr std::array<std::uint32_t, 16> KomşuMaskeleri = [] {
    std::array<std::uint32_t, 16> maskeler{};
    for (int hücre = 0; hücre < 16; ++hücre) {
        const int satır = hücre / 4, sütun = hücre % 4;
        if (satır > 0) maskeler[hücre] |= 1u << (hücre - 4);
        if (satır < 3) maskeler[hücre] |= 1u << (hücre + 4);
        if (sütun > 0) maskeler[hücre] |= 1u << (hücre - 1);
        if (sütun < 3) maskeler[hücre] |= 1u << (hücre + 1);
    }
    return maskeler;
}();

// The cells the gap reaches from `hücre` over the cells in `serbest` (those of other tiles):
// sliding those tiles costs nothing in this group's count.
std::uint32_t Bölge(int hücre, std::uint32_t serbest)
{
    std::uint32_t bölge = 1u << hücre;
    serbest &= 0xFFFFu;
    for (;;) {
        const std::uint32_t büyük = bölge | (((bölge << 4) | (bölge >> 4) | ((bölge << 1) & 0xEEEEu) |
                                             ((bölge >> 1) & 0x7777u)) & serbest);
        if (büyük == bölge)
            return bölge;
        bölge = büyük;
    }
}

// A queue entry: the cell of each slot in four bits, then the gap's cell.
std::uint32_t Paketle(const std::uint8_t *hücreler, int taşSayısı, int boş)
{
    std::uint32_t paket = std::uint32_t(boş) << (4 * taşSayısı);
    for (int sıra = 0; sıra < taşSayısı; ++sıra)
        paket |= std::uint32_t(hücreler[sıra]) << (4 * sıra);
    return paket;
}

// A breadth-first search by layers over placements and the gap's region.
class DesenArayışı {
public:
    explicit DesenArayışı(DesenTablosu &tablo)
        : tablo(tablo), taşSayısı(int(tablo.taşlar.size())), ulaşılan(YerleşimSayısı(taşSayısı), 0)
    {
        for (int yuva = 0; yuva < taşSayısı; ++yuva)
            çarpanlar[yuva] = SıraÇarpanı(taşSayısı, yuva);
        tablo.uzaklıklar.assign(ulaşılan.size(), Bilinmiyor);
    }

    bool Ara(const std::atomic<bool> &dur)
    {
        std::uint8_t hücreler[DesenEnÇokTaş];
        std::uint32_t dolu = 0;
        for (int yuva = 0; yuva < taşSayısı; ++yuva) {
            hücreler[yuva] = std::uint8_t(tablo.taşlar[yuva]);
            dolu |= 1u << hücreler[yuva];
        }
        const Ardıl ev{YerleşimSırası(hücreler, taşSayısı), Paketle(hücreler, taşSayısı, DörtlüBoşluk), dolu,
                       DörtlüBoşluk};
        Ekle(ev, 0);
        std::swap(katman, sonrakiKatman);
        for (std::uint8_t uzaklık = 1; !katman.empty(); ++uzaklık) {
            sonrakiKatman.clear();
            // Each entry's successors are checked after the next entry's have been found, so
            // that the memory of their entries is on its way meanwhile.
            for (std::size_t sıra = 0; sıra < katman.size(); ++sıra) {
                if ((sıra & 0xFFF) == 0 && dur.load(std::memory_order_relaxed))
                    return false;
                ArdıllarıBul(katman[sıra], bekleyenler[sıra & 1]);
                if (sıra > 0)
                    Denetle(bekleyenler[~sıra & 1], uzaklık);
            }
            Denetle(bekleyenler[~katman.size() & 1], uzaklık);
            std::swap(katman, sonrakiKatman);
        }
        return true;
    }

private:
    // A placement one slide of a group tile away, the gap on the cell the tile left.
    struct Ardıl {
        std::uint32_t sıra, paket, dolu;
        std::uint8_t boş;
    };
    struct ArdılDizisi {
        Ardıl ardıllar[DesenEnÇokTaş * 4];
        int sayı = 0;
    };

    void Ekle(const Ardıl &ardıl, std::uint8_t uzaklık)
    {
        ulaşılan[ardıl.sıra] |= std::uint16_t(Bölge(ardıl.boş, ~ardıl.dolu));
        tablo.uzaklıklar[ardıl.sıra] = std::min(tablo.uzaklıklar[ardıl.sıra], uzaklık);
        sonrakiKatman.push_back(ardıl.paket);
    }

    void Denetle(ArdılDizisi &bekleyen, std::uint8_t uzaklık)
    {
        for (int sıra = 0; sıra < bekleyen.sayı; ++sıra) {
            const Ardıl &ardıl = bekleyen.ardıllar[sıra];
            if ((ulaşılan[ardıl.sıra] >> ardıl.boş & 1) == 0)
                Ekle(ardıl, uzaklık);
        }
        bekleyen.sayı = 0;
    }

    void ArdıllarıBul(std::uint32_t paket, ArdılDizisi &bekleyen)
    {
        std::uint8_t hücreler[DesenEnÇokTaş];
        std::int8_t yuvası[DörtlüHücreSayısı];
        std::fill(std::begin(yuvası), std::end(yuvası), std::int8_t(-1));
        std::uint32_t dolu = 0;
        for (int yuva = 0; yuva < taşSayısı; ++yuva) {
            hücreler[yuva] = std::uint8_t(paket >> (4 * yuva) & 15);
            yuvası[hücreler[yuva]] = std::int8_t(yuva);
            dolu |= 1u << hücreler[yuva];
        }
        const std::uint32_t sıra = YerleşimSırası(hücreler, taşSayısı);
        const std::uint32_t bölge = Bölge(int(paket >> (4 * taşSayısı)), ~dolu);
        const std::uint32_t boşsuz = paket & ~(15u << (4 * taşSayısı));
        for (int yuva = 0; yuva < taşSayısı; ++yuva) {
            const int eski = hücreler[yuva];
            // The tile slides into any cell of the gap's region next to it; the gap takes its cell.
            for (std::uint32_t hedefler = KomşuMaskeleri[eski] & bölge; hedefler != 0; hedefler &= hedefler - 1) {
                const int yeni = std::countr_zero(hedefler);
                Ardıl &ardıl = bekleyen.ardıllar[bekleyen.sayı++];
                ardıl.sıra = sıra + std::uint32_t(SıraFarkı(çarpanlar, yuva, eski, yeni, [&](int h) { return yuvası[h]; }));
                ardıl.paket = (boşsuz & ~(15u << (4 * yuva))) | std::uint32_t(yeni) << (4 * yuva) |
                              std::uint32_t(eski) << (4 * taşSayısı);
                ardıl.dolu = dolu ^ (1u << eski) ^ (1u << yeni);
                ardıl.boş = std::uint8_t(eski);
                __builtin_prefetch(&ulaşılan[ardıl.sıra]);
            }
        }
    }

    DesenTablosu &tablo;
    const int taşSayısı;
    std::uint32_t çarpanlar[DesenEnÇokTaş] = {};
    // For each placement, the gap cells reached so far: a cell is reached with its whole region.
    std::vector<std::uint16_t> ulaşılan;
    std::vector<std::uint32_t> katman, sonrakiKatman;
    ArdılDizisi bekleyenler[2];
};

}  // namespace

std::size_t YerleşimSayısı(int taşSayısı)
{
    std::size_t sayı = 1;
    for (int sıra = 0; sıra < taşSayısı; ++sıra)
        sayı *= std::size_t(16 - sıra);
    return sayı;
}

std::uint32_t SıraÇarpanı(int taşSayısı, int sıra)
{
    std::uint32_t çarpan = 1;
    for (int sonraki = sıra + 1; sonraki < taşSayısı; ++sonraki)
        çarpan *= std::uint32_t(16 - sonraki);
    return çarpan;
}

std::uint32_t YerleşimSırası(const std::uint8_t *hücreler, int taşSayısı)
{
    // A slot's digit is its cell among the cells the slots before it leave free.
    std::uint32_t sıra = 0;
    for (int yuva = 0; yuva < taşSayısı; ++yuva) {
        std::uint32_t basamak = hücreler[yuva];
        for (int önceki = 0; önceki < yuva; ++önceki)
            basamak -= hücreler[önceki] < hücreler[yuva];
        sıra = sıra * std::uint32_t(16 - yuva) + basamak;
    }
    return sıra;
}

bool GeçerliBölüm(const std::vector<std::vector<int>> &bölüm)
{
    std::uint32_t görülen = 0;
    for (const std::vector<int> &grup : bölüm) {
        if (grup.empty() || int(grup.size()) > DesenEnÇokTaş)
            return false;
        for (const int taş : grup) {
            if (taş < 0 || taş >= DörtlüBoşluk || (görülen >> taş & 1))
                return false;
            görülen |= 1u << taş;
        }
    }
    return görülen == (1u << DörtlüBoşluk) - 1;
}

bool DesenTablosuKur(DesenTablosu &tablo, const std::atomic<bool> &dur)
{
    return DesenArayışı(tablo).Ara(dur);
}
