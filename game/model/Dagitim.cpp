#include "Dagitim.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// After this many deals in order the source cannot be random; turn three pieces instead.
constexpr int EnÇokDeneme = 100;

QList<int> ÇekerekDağıt(int konumSayısı, const std::function<float()> &rastgele)
{
    QList<int> işListesi(konumSayısı);
    std::iota(işListesi.begin(), işListesi.end(), 0);
    QList<int> dağıtım;
    dağıtım.reserve(konumSayısı);
    while (!işListesi.isEmpty()) {
        const float kalan = float(işListesi.size() - 1);
        const int seçilenSıra = int(std::floor(kalan * rastgele() + 1.0f));
        const int sıra = std::clamp(seçilenSıra, 1, std::max(1, int(işListesi.size()) - 1)) - 1;
        dağıtım.append(işListesi.takeAt(sıra));
    }
    return dağıtım;
}

bool SıralıMı(const QList<int> &dağıtım)
{
    for (int konum = 0; konum < dağıtım.size(); ++konum)
        if (dağıtım[konum] != konum)
            return false;
    return true;
}

}  // namespace

bool ÇözülebilirMi(const QList<int> &dağıtım)
{
    // A permutation of n elements with c cycles is even exactly when n - c is.
    const int parçaSayısı = int(dağıtım.size()) - 1;
    QList<bool> görüldü(parçaSayısı, false);
    int döngüler = 0;
    for (int baş = 0; baş < parçaSayısı; ++baş) {
        if (görüldü[baş])
            continue;
        ++döngüler;
        for (int konum = baş; !görüldü[konum]; konum = dağıtım[konum])
            görüldü[konum] = true;
    }
    return (parçaSayısı - döngüler) % 2 == 0;
}

QList<int> Dağıtım(int bölmeSayısı, const std::function<float()> &rastgele)
{
    const int konumSayısı = bölmeSayısı * bölmeSayısı;
    for (int deneme = 0;; ++deneme) {
        QList<int> dağıtım = ÇekerekDağıt(konumSayısı, rastgele);
        if (!ÇözülebilirMi(dağıtım))
            std::swap(dağıtım[konumSayısı - 3], dağıtım[konumSayısı - 2]);
        if (!SıralıMı(dağıtım))
            return dağıtım;
        if (deneme == EnÇokDeneme) {
            std::rotate(dağıtım.begin(), dağıtım.begin() + 1, dağıtım.begin() + 3);
            return dağıtım;
        }
    }
}
