#include "DesenTablosu.h"

#include <array>
#include <bit>
#include <type_traits>

namespace {

constexpr std::uint8_t Bilinmiyor = 0xFF;

// The cells of an N x N board as bit masks: a cell's neighbours, and how a set of cells spreads.
template <int N>
struct Izgara {
    static constexpr int HücreSayısı = N * N;
    // Cell sets fit the smallest word, so that the search's record of reached cells stays small.
    using Maske = std::conditional_t<(HücreSayısı <= 16), std::uint16_t, std::uint32_t>;
    static constexpr int HücreBiti = N <= 4 ? 4 : 5;

    static constexpr std::uint32_t Tümü = (1u << HücreSayısı) - 1;
    static constexpr std::uint32_t SağSütunsuz = [] {
        std::uint32_t maske = 0;
        for (int hücre = 0; hücre < HücreSayısı; ++hücre)
            maske |= std::uint32_t(hücre % N != N - 1) << hücre;
        return maske;
    }();
    static constexpr std::uint32_t SolSütunsuz = [] {
        std::uint32_t maske = 0;
        for (int hücre = 0; hücre < HücreSayısı; ++hücre)
            maske |= std::uint32_t(hücre % N != 0) << hücre;
        return maske;
    }();

    static constexpr std::uint32_t Komşular(std::uint32_t hücreler)
    {
        return ((hücreler << N) | (hücreler >> N) | ((hücreler << 1) & SolSütunsuz) | ((hücreler >> 1) & SağSütunsuz)) &
               Tümü;
    }

    // The cells the gap reaches from `hücre` over the cells in `serbest` (those of other tiles):
    // sliding those tiles costs nothing in this group's count.
    static std::uint32_t Bölge(int hücre, std::uint32_t serbest)
    {
        std::uint32_t bölge = 1u << hücre;
        for (;;) {
            const std::uint32_t büyük = bölge | (Komşular(bölge) & serbest);
            if (büyük == bölge)
                return bölge;
            bölge = büyük;
        }
    }
};

// A breadth-first search by layers over placements and the gap's region.
template <int N>
class DesenArayışı {
    using Ağ = Izgara<N>;

public:
    DesenArayışı(const std::vector<int> &taşlar, std::vector<std::uint8_t> &uzaklıklar)
        : taşlar(taşlar), uzaklıklar(uzaklıklar), taşSayısı(int(taşlar.size())),
          ulaşılan(YerleşimSayısı(N, taşSayısı), 0)
    {
        for (int yuva = 0; yuva < taşSayısı; ++yuva)
            çarpanlar[yuva] = SıraÇarpanı(N, taşSayısı, yuva);
        uzaklıklar.assign(ulaşılan.size(), Bilinmiyor);
    }

    bool Ara(const std::atomic<bool> &dur)
    {
        std::uint8_t hücreler[EnÇokTaş];
        std::uint32_t dolu = 0;
        for (int yuva = 0; yuva < taşSayısı; ++yuva) {
            hücreler[yuva] = std::uint8_t(taşlar[yuva]);
            dolu |= 1u << hücreler[yuva];
        }
        const int evBoşluğu = Ağ::HücreSayısı - 1;
        Ekle({YerleşimSırası(N, hücreler, taşSayısı), Paketle(hücreler, evBoşluğu), dolu, std::uint8_t(evBoşluğu)}, 0);
        std::swap(katman, sonrakiKatman);
        for (std::uint8_t uzaklık = 1; !katman.empty(); ++uzaklık) {
            sonrakiKatman.clear();
            // Each entry's successors are checked after the next entry's have been found, so
            // that the memory of their entries, fetched ahead, is on its way meanwhile.
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
    static constexpr int EnÇokTaş = 7;
    static constexpr std::uint32_t HücreMaskesi = (1u << Ağ::HücreBiti) - 1;

    // A placement one slide of a group tile away, the gap on the cell the tile left.
    struct Ardıl {
        std::uint32_t sıra, paket, dolu;
        std::uint8_t boş;
    };
    struct ArdılDizisi {
        Ardıl ardıllar[EnÇokTaş * 4];
        int sayı = 0;
    };

    // A queue entry: the cell of each slot, then the gap's cell.
    std::uint32_t Paketle(const std::uint8_t *hücreler, int boş) const
    {
        std::uint32_t paket = std::uint32_t(boş) << (Ağ::HücreBiti * taşSayısı);
        for (int yuva = 0; yuva < taşSayısı; ++yuva)
            paket |= std::uint32_t(hücreler[yuva]) << (Ağ::HücreBiti * yuva);
        return paket;
    }

    void Ekle(const Ardıl &ardıl, std::uint8_t uzaklık)
    {
        ulaşılan[ardıl.sıra] |= typename Ağ::Maske(Ağ::Bölge(ardıl.boş, ~ardıl.dolu & Ağ::Tümü));
        uzaklıklar[ardıl.sıra] = std::min(uzaklıklar[ardıl.sıra], uzaklık);
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
        std::uint8_t hücreler[EnÇokTaş];
        std::int8_t yuvası[Ağ::HücreSayısı];
        std::fill(std::begin(yuvası), std::end(yuvası), std::int8_t(-1));
        std::uint32_t dolu = 0;
        for (int yuva = 0; yuva < taşSayısı; ++yuva) {
            hücreler[yuva] = std::uint8_t(paket >> (Ağ::HücreBiti * yuva) & HücreMaskesi);
            yuvası[hücreler[yuva]] = std::int8_t(yuva);
            dolu |= 1u << hücreler[yuva];
        }
        const std::uint32_t sıra = YerleşimSırası(N, hücreler, taşSayısı);
        const int boşBiti = Ağ::HücreBiti * taşSayısı;
        const std::uint32_t bölge = Ağ::Bölge(int(paket >> boşBiti), ~dolu & Ağ::Tümü);
        const std::uint32_t boşsuz = paket & ~(HücreMaskesi << boşBiti);
        for (int yuva = 0; yuva < taşSayısı; ++yuva) {
            const int eski = hücreler[yuva];
            // The tile slides into any cell of the gap's region next to it; the gap takes its cell.
            for (std::uint32_t hedefler = Ağ::Komşular(1u << eski) & bölge; hedefler != 0; hedefler &= hedefler - 1) {
                const int yeni = std::countr_zero(hedefler);
                Ardıl &ardıl = bekleyen.ardıllar[bekleyen.sayı++];
                ardıl.sıra = sıra + std::uint32_t(SıraFarkı<N>(çarpanlar, yuva, eski, yeni, [&](int h) { return yuvası[h]; }));
                ardıl.paket = (boşsuz & ~(HücreMaskesi << (Ağ::HücreBiti * yuva))) |
                              std::uint32_t(yeni) << (Ağ::HücreBiti * yuva) | std::uint32_t(eski) << boşBiti;
                ardıl.dolu = dolu ^ (1u << eski) ^ (1u << yeni);
                ardıl.boş = std::uint8_t(eski);
                __builtin_prefetch(&ulaşılan[ardıl.sıra]);
                __builtin_prefetch(&uzaklıklar[ardıl.sıra]);
            }
        }
    }

    const std::vector<int> &taşlar;
    std::vector<std::uint8_t> &uzaklıklar;
    const int taşSayısı;
    std::uint32_t çarpanlar[EnÇokTaş] = {};
    // For each placement, the gap cells reached so far: a cell is reached with its whole region.
    std::vector<typename Ağ::Maske> ulaşılan;
    std::vector<std::uint32_t> katman, sonrakiKatman;
    ArdılDizisi bekleyenler[2];
};

}  // namespace

int DesenEnÇokTaş(int n)
{
    return n == 4 ? 7 : 5;
}

DesenBölümü VarsayılanBölüm(int n)
{
    if (n == 4)
        return {{0, 1, 2, 3, 4, 5, 6}, {8, 9, 10, 11, 12, 13, 14}, {7}};
    return {{0, 1, 2, 5, 6}, {3, 4, 7, 8, 9}, {10, 11, 15, 16, 20}, {13, 14, 18, 19, 23}, {12, 17, 21, 22}};
}

bool GeçerliBölüm(int n, const DesenBölümü &bölüm)
{
    if ((n != 4 && n != 5) || bölüm.size() > std::size_t(DesenEnÇokGrup))
        return false;
    const int taşSayısı = n * n - 1;
    std::uint32_t görülen = 0;
    for (const std::vector<int> &grup : bölüm) {
        if (grup.empty() || int(grup.size()) > DesenEnÇokTaş(n))
            return false;
        for (const int taş : grup) {
            if (taş < 0 || taş >= taşSayısı || (görülen >> taş & 1))
                return false;
            görülen |= 1u << taş;
        }
    }
    return görülen == (1u << taşSayısı) - 1;
}

std::size_t YerleşimSayısı(int n, int taşSayısı)
{
    std::size_t sayı = 1;
    for (int sıra = 0; sıra < taşSayısı; ++sıra)
        sayı *= std::size_t(n * n - sıra);
    return sayı;
}

std::uint32_t SıraÇarpanı(int n, int taşSayısı, int sıra)
{
    std::uint32_t çarpan = 1;
    for (int sonraki = sıra + 1; sonraki < taşSayısı; ++sonraki)
        çarpan *= std::uint32_t(n * n - sonraki);
    return çarpan;
}

std::uint32_t YerleşimSırası(int n, const std::uint8_t *hücreler, int taşSayısı)
{
    // A slot's digit is its cell among the cells the slots before it leave free.
    std::uint32_t sıra = 0;
    for (int yuva = 0; yuva < taşSayısı; ++yuva) {
        std::uint32_t basamak = hücreler[yuva];
        for (int önceki = 0; önceki < yuva; ++önceki)
            basamak -= hücreler[önceki] < hücreler[yuva];
        sıra = sıra * std::uint32_t(n * n - yuva) + basamak;
    }
    return sıra;
}

bool DesenUzaklıklarınıBul(int n, const std::vector<int> &taşlar, std::vector<std::uint8_t> &uzaklıklar,
                           const std::atomic<bool> &dur)
{
    if (n == 4)
        return DesenArayışı<4>(taşlar, uzaklıklar).Ara(dur);
    return DesenArayışı<5>(taşlar, uzaklıklar).Ara(dur);
}
