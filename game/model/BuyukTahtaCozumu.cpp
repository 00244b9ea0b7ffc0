#include "BuyukTahtaCozumu.h"

#include "GrupArama.h"

#include <algorithm>

namespace {

// What each order may spend searching its lines whole and its 4 x 4 rest for the fewest
// slides, so that both fit in a second with room to spare.
constexpr auto SıraPayı = std::chrono::milliseconds(400);
// Trusting the estimate this much, a whole line's search ends in milliseconds, mostly.
constexpr double ÇizgiAğırlığı = 2.5;

// The rest of the board solved with the fewest slides, else border by border. False only when
// the caller gave up.
bool İçiÇöz(const KareTahta &iç, const DesenTakımı *takım, const AramaSınırı &süreli, const AramaSınırı &sınır,
            std::vector<int> &hamleler)
{
    if (takım) {
        DörtlüHücreler hücreler{};
        std::copy(iç.hücreler.begin(), iç.hücreler.end(), hücreler.begin());
        if (DörtlüEnKısaÇözüm(*takım, hücreler, süreli, hamleler))
            return true;
    }
    return !sınır.Vazgeçildi() && KademeliÇöz(iç, sınır, hamleler);
}

// The border in the given order, each line whole, else a few tiles at a time; then the rest.
bool SırayıÇöz(KareTahta tahta, KenarSırası sıra, const DesenTakımı *takım, const AramaSınırı &süreli,
               const AramaSınırı &sınır, std::vector<int> &hamleler)
{
    std::uint64_t sabit = 0;
    for (const std::vector<int> &çizgi : KenarÇizgileri(tahta.n, sıra)) {
        if (GrubuYerleştir(tahta, sabit, çizgi, ÇizgiAğırlığı, süreli, hamleler)) {
            for (const int taş : çizgi)
                sabit |= std::uint64_t(1) << taş;
        } else if (sınır.Vazgeçildi() || !ÇizgiyiYerleştir(tahta, sabit, çizgi, sınır, hamleler)) {
            return false;
        }
    }
    std::vector<int> içHamleler;
    if (!İçiÇöz(İçTahta(tahta), takım, süreli, sınır, içHamleler))
        return false;
    for (const int hücre : içHamleler)
        hamleler.push_back(DışHücre(tahta.n, hücre));
    return true;
}

}  // namespace

bool BeşlikÇöz(const KareTahta &tahta, const DesenTakımı *takım, const AramaSınırı &sınır, std::vector<int> &hamleler)
{
    const auto başlangıç = AramaSınırı::Saat::now();
    std::vector<int> enKısa;
    bool bulundu = false;
    int pay = 0;
    for (const KenarSırası sıra : {KenarSırası::ÖnceSatır, KenarSırası::ÖnceSütun}) {
        std::vector<int> yol;
        if (!SırayıÇöz(tahta, sıra, takım, sınır.Erken(başlangıç + ++pay * SıraPayı), sınır, yol))
            return false;
        if (!bulundu || yol.size() < enKısa.size())
            enKısa = std::move(yol);
        bulundu = true;
    }
    hamleler.insert(hamleler.end(), enKısa.begin(), enKısa.end());
    return true;
}
