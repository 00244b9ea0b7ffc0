#include "KademeliYerlestirme.h"

#include "GrupArama.h"
#include "UcluTablo.h"

#include <algorithm>

namespace {

// Three tiles and the gap keep the fewest-slides search within a few hundred thousand states.
constexpr int GrupEnÇokTaş = 3;

// A line's tiles in groups of at most three; the last holds two or more, as a line's last tile
// can only come home together with the one before it.
std::vector<std::vector<int>> Gruplar(const std::vector<int> &çizgi)
{
    std::vector<std::vector<int>> gruplar;
    std::size_t baş = 0;
    while (baş < çizgi.size()) {
        std::size_t boy = std::min<std::size_t>(GrupEnÇokTaş, çizgi.size() - baş);
        if (çizgi.size() - baş - boy == 1)
            --boy;
        gruplar.emplace_back(çizgi.begin() + baş, çizgi.begin() + baş + boy);
        baş += boy;
    }
    return gruplar;
}

// The tiles of the top row, then those of the left column below it.
std::vector<std::vector<int>> KenarÇizgileri(int n)
{
    std::vector<int> satır, sütun;
    for (int i = 0; i < n; ++i)
        satır.push_back(i);
    for (int i = 1; i < n; ++i)
        sütun.push_back(i * n);
    return {satır, sütun};
}

// The whole board's cell of cell `içHücre` of the inner board of an n x n board.
int DışHücre(int n, int içHücre)
{
    return (içHücre / (n - 1) + 1) * n + içHücre % (n - 1) + 1;
}

// The (n-1) x (n-1) board at the bottom right, its tiles numbered by their homes there.
KareTahta İçTahta(const KareTahta &tahta)
{
    const int n = tahta.n, m = n - 1;
    KareTahta iç{m, std::vector<int>(std::size_t(m * m)), 0};
    for (int hücre = 0; hücre < m * m; ++hücre) {
        const int taş = tahta.hücreler[DışHücre(n, hücre)];
        iç.hücreler[hücre] = (taş / n - 1) * m + taş % n - 1;
    }
    iç.boş = int(std::find(iç.hücreler.begin(), iç.hücreler.end(), m * m - 1) - iç.hücreler.begin());
    return iç;
}

}  // namespace

bool KademeliÇöz(KareTahta tahta, const AramaSınırı &sınır, std::vector<int> &hamleler)
{
    if (tahta.n == 3) {
        ÜçlüHücreler hücreler{};
        std::copy(tahta.hücreler.begin(), tahta.hücreler.end(), hücreler.begin());
        const std::vector<int> üçlü = ÜçlüTablo::Ortak().Çöz(hücreler);
        hamleler.insert(hamleler.end(), üçlü.begin(), üçlü.end());
        return true;
    }
    std::vector<int> yol;
    std::uint64_t sabit = 0;
    for (const std::vector<int> &çizgi : KenarÇizgileri(tahta.n)) {
        for (const std::vector<int> &grup : Gruplar(çizgi)) {
            if (!GrubuYerleştir(tahta, sabit, grup, sınır, yol))
                return false;
            for (const int taş : grup)
                sabit |= std::uint64_t(1) << taş;
        }
    }
    std::vector<int> içHamleler;
    if (!KademeliÇöz(İçTahta(tahta), sınır, içHamleler))
        return false;
    for (const int hücre : içHamleler)
        yol.push_back(DışHücre(tahta.n, hücre));
    hamleler.insert(hamleler.end(), yol.begin(), yol.end());
    return true;
}
