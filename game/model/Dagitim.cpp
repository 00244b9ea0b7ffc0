#include "Dagitim.h"

#include "Tahta.h"

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

QList<int> Dağıtım(int bölmeSayısı, const std::function<float()> &rastgele)
{
    const int konumSayısı = bölmeSayısı * bölmeSayısı;
    for (int deneme = 0;; ++deneme) {
        QList<int> dağıtım = ÇekerekDağıt(konumSayısı, rastgele);
        if (!ÇözülebilirMi(dağıtım, konumSayısı - 1))
            std::swap(dağıtım[konumSayısı - 3], dağıtım[konumSayısı - 2]);
        if (!SıralıMı(dağıtım))
            return dağıtım;
        if (deneme == EnÇokDeneme) {
            std::rotate(dağıtım.begin(), dağıtım.begin() + 1, dağıtım.begin() + 3);
            return dağıtım;
        }
    }
}
