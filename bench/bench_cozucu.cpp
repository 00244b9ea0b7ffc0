// The solver: building the 4 x 4 tables and loading them from the cache; 100 random 4 x 4 deals,
// every answer replayed home and its length checked against plain IDA* with the Manhattan
// distance where that ends in reasonable time; every solvable 3 x 3 arrangement against a
// breadth-first search; 100 random 5 x 5 deals against the Manhattan and linear-conflict bound.
// Usage: bench_cozucu [PHOTO_FOLDER]   (the folder is not used)

#include "Olcum.h"

#include "Cozucu.h"
#include "Dagitim.h"
#include "Tahta.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <numeric>
#include <random>
#include <unordered_map>

namespace {

const std::atomic<bool> vazgeçilmez{false};

struct Sonuç {
    Çözüm çözüm;
    double süre;
};

Sonuç Çöz(const Çözücü &çözücü, const QList<int> &etiketler, int boşKonum)
{
    Sonuç sonuç;
    sonuç.süre = Süre([&] { sonuç.çözüm = çözücü.Çöz(etiketler, boşKonum, vazgeçilmez); });
    return sonuç;
}

// True when the slides are accepted one by one and leave the board home.
bool EveGötürür(const QList<int> &etiketler, int boşKonum, const QList<int> &hamleler)
{
    Tahta tahta(int(std::lround(std::sqrt(double(etiketler.size())))));
    tahta.Yerleştir(etiketler, boşKonum);
    for (const int konum : hamleler)
        if (!tahta.Kaydır(konum))
            return false;
    return tahta.TamamlandıMı();
}

QList<int> RastgeleDağıtım(int n, std::mt19937 &üreteç)
{
    return Dağıtım(n, [&] { return (üreteç() >> 8) / float(1 << 24); });
}

int Manhattan(const QList<int> &hücreler, int n)
{
    int toplam = 0;
    for (int hücre = 0; hücre < n * n; ++hücre)
        if (hücreler[hücre] != n * n - 1)
            toplam += std::abs(hücre / n - hücreler[hücre] / n) + std::abs(hücre % n - hücreler[hücre] % n);
    return toplam;
}

// Two slides more for every tile that must leave its row (or column) for another tile of the
// same home row (column) to pass: the fewest tiles whose removal leaves the rest in order.
int DoğrusalÇatışma(const QList<int> &hücreler, int n)
{
    int toplam = 0;
    for (const bool satırda : {true, false}) {
        for (int çizgi = 0; çizgi < n; ++çizgi) {
            QList<int> sıra;  // the home places along the line of its tiles at home in it, in order
            for (int adım = 0; adım < n; ++adım) {
                const int taş = hücreler[satırda ? çizgi * n + adım : adım * n + çizgi];
                if (taş != n * n - 1 && (satırda ? taş / n : taş % n) == çizgi)
                    sıra.append(satırda ? taş % n : taş / n);
            }
            QList<int> enUzun(sıra.size(), 1);
            for (int i = 0; i < sıra.size(); ++i)
                for (int j = 0; j < i; ++j)
                    if (sıra[j] < sıra[i])
                        enUzun[i] = std::max(enUzun[i], enUzun[j] + 1);
            toplam += 2 * (int(sıra.size()) - (sıra.isEmpty() ? 0 : *std::max_element(enUzun.begin(), enUzun.end())));
        }
    }
    return toplam;
}

// The gap as N² - 1 at the empty place.
QList<int> Hücreler(QList<int> etiketler, int boşKonum)
{
    etiketler[boşKonum] = int(etiketler.size()) - 1;
    return etiketler;
}

// Plain IDA* with the Manhattan distance on a 4 x 4 board: slow, and plainly right. The fewest
// slides, or -1 once it has looked at `düğümSınırı` positions.
class ManhattanArayıcı {
public:
    int Çöz(const QList<int> &başlangıç, std::int64_t düğümSınırı)
    {
        std::copy(başlangıç.begin(), başlangıç.end(), hücreler.begin());
        sınır = düğümSınırı;
        const int boş = int(std::find(hücreler.begin(), hücreler.end(), 15) - hücreler.begin());
        const int h = Manhattan(başlangıç, 4);
        for (eşik = h;; eşik += 2) {  // every slide changes the distance by one
            if (Ara(0, h, boş, -1))
                return eşik;
            if (düğümler > sınır)
                return -1;
        }
    }

private:
    bool Ara(int g, int h, int boş, int önceki)
    {
        if (h == 0)
            return true;
        if (++düğümler > sınır)
            return false;
        for (const int adım : {-4, -1, 1, 4}) {
            const int hücre = boş + adım;
            if (hücre < 0 || hücre > 15 || hücre == önceki || ((adım == 1 || adım == -1) && hücre / 4 != boş / 4))
                continue;
            const int taş = hücreler[hücre];
            const int eski = std::abs(hücre / 4 - taş / 4) + std::abs(hücre % 4 - taş % 4);
            const int yeni = std::abs(boş / 4 - taş / 4) + std::abs(boş % 4 - taş % 4);
            if (g + 1 + h - eski + yeni > eşik)
                continue;
            std::swap(hücreler[hücre], hücreler[boş]);
            const bool bulundu = Ara(g + 1, h - eski + yeni, hücre, boş);
            std::swap(hücreler[hücre], hücreler[boş]);
            if (bulundu)
                return true;
        }
        return false;
    }

    std::array<int, 16> hücreler{};
    int eşik = 0;
    std::int64_t düğümler = 0, sınır = 0;
};

// The fewest slides of every solvable 3 x 3 arrangement, by the arrangement as a base-9 number.
std::unordered_map<std::uint32_t, int> ÜçlüUzaklıklar()
{
    const auto kod = [](const std::array<int, 9> &h) { return std::accumulate(h.begin(), h.end(), 0u, [](std::uint32_t k, int t) { return k * 9 + std::uint32_t(t); }); };
    std::unordered_map<std::uint32_t, int> uzaklıklar;
    std::vector<std::array<int, 9>> kuyruk{{0, 1, 2, 3, 4, 5, 6, 7, 8}};
    uzaklıklar[kod(kuyruk[0])] = 0;
    for (std::size_t baş = 0; baş < kuyruk.size(); ++baş) {
        const std::array<int, 9> h = kuyruk[baş];
        const int boş = int(std::find(h.begin(), h.end(), 8) - h.begin());
        for (const int hücre : {boş - 3, boş + 3, boş % 3 > 0 ? boş - 1 : -1, boş % 3 < 2 ? boş + 1 : -1}) {
            if (hücre < 0 || hücre > 8)
                continue;
            std::array<int, 9> yeni = h;
            std::swap(yeni[hücre], yeni[boş]);
            if (uzaklıklar.emplace(kod(yeni), uzaklıklar[kod(h)] + 1).second)
                kuyruk.push_back(yeni);
        }
    }
    return uzaklıklar;
}

double EnYüksekBellekMB()
{
    QFile durum(QStringLiteral("/proc/self/status"));
    if (durum.open(QIODevice::ReadOnly))
        for (const QByteArray &satır : durum.readAll().split('\n'))
            if (satır.startsWith("VmHWM:"))
                return satır.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

void Hedef(const char *ad, bool tuttu)
{
    std::printf("goal %-58s %s\n", ad, tuttu ? "met" : "NOT MET");
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication uygulama(argc, argv);

    // The tables from nothing, each time into a new folder, then loaded back from the last one.
    Ölçüm kurma{QStringLiteral("4 x 4 tables built from scratch"), {}};
    Ölçüm yükleme{QStringLiteral("4 x 4 tables loaded from the cache"), {}};
    QTemporaryDir önbellek;
    for (int tekrar = 0; tekrar < 3; ++tekrar) {
        const QTemporaryDir klasör;
        kurma.süreler.append(Süre([&] { Çözücü(klasör.path()).TablolarıBekle(vazgeçilmez); }));
    }
    Çözücü(önbellek.path()).TablolarıBekle(vazgeçilmez);
    for (int tekrar = 0; tekrar < 5; ++tekrar)
        yükleme.süreler.append(Süre([&] { Çözücü(önbellek.path()).TablolarıBekle(vazgeçilmez); }));
    kurma.Yazdır();
    yükleme.Yazdır();
    std::printf("peak memory after the builds: %.1f MB\n", EnYüksekBellekMB());

    Çözücü çözücü(önbellek.path());
    çözücü.TablolarıBekle(vazgeçilmez);

    // 4 x 4: random deals, each answer replayed and, where the plain search ends, measured against it.
    std::mt19937 üreteç(20260410);
    Ölçüm dörtlü{QStringLiteral("4 x 4 random deal solved"), {}};
    QList<double> uzunluklar;
    int dörtlüGeçerli = 0, denetlenen = 0, doğru = 0;
    for (int deneme = 0; deneme < 100; ++deneme) {
        const QList<int> etiketler = RastgeleDağıtım(4, üreteç);
        const Sonuç sonuç = Çöz(çözücü, etiketler, 15);
        dörtlü.süreler.append(sonuç.süre);
        uzunluklar.append(double(sonuç.çözüm.hamleler.size()));
        dörtlüGeçerli += sonuç.çözüm.enKısa && EveGötürür(etiketler, 15, sonuç.çözüm.hamleler);
        const int düz = ManhattanArayıcı().Çöz(etiketler, 100'000'000);
        if (düz >= 0) {
            ++denetlenen;
            doğru += düz == int(sonuç.çözüm.hamleler.size());
        }
    }
    // Easier boards, a random walk from home, where the plain search always ends.
    int kolaySayısı = 0, kolayDoğru = 0;
    for (int deneme = 0; deneme < 50; ++deneme) {
        Tahta tahta(4);
        QList<int> ev(16);
        std::iota(ev.begin(), ev.end(), 0);
        tahta.Yerleştir(ev, 15);
        for (int adım = 0; adım < 30 + deneme % 20; ++adım)
            while (!tahta.Kaydır(int(üreteç() % 16))) {
            }
        QList<int> etiketler;
        for (int konum = 0; konum < 16; ++konum)
            etiketler.append(tahta.Etiket(konum));
        const int boş = tahta.BoşParçaNo();
        const Çözüm çözüm = çözücü.Çöz(etiketler, boş, vazgeçilmez);
        ++kolaySayısı;
        kolayDoğru += EveGötürür(etiketler, boş, çözüm.hamleler) &&
                      ManhattanArayıcı().Çöz(Hücreler(etiketler, boş), INT64_MAX) == int(çözüm.hamleler.size());
    }
    dörtlü.Yazdır();
    Ölçüm dörtlüBoy{QStringLiteral("4 x 4 random deal, fewest slides (count)"), uzunluklar};
    dörtlüBoy.Yazdır();
    std::printf("4 x 4: %d of 100 replayed home; plain search ended on %d and agreed on %d; "
                "%d of %d random walks agreed\n",
                dörtlüGeçerli, denetlenen, doğru, kolayDoğru, kolaySayısı);

    // 3 x 3: every solvable arrangement, the gap anywhere.
    const std::unordered_map<std::uint32_t, int> üçlüUzaklıklar = ÜçlüUzaklıklar();
    QList<int> üçlü(9);
    std::iota(üçlü.begin(), üçlü.end(), 0);
    int üçlüSayısı = 0, üçlüDoğru = 0;
    double üçlüSüre = 0;
    do {
        const int boş = int(üçlü.indexOf(8));
        if (!ÇözülebilirMi(üçlü, boş))
            continue;
        const Sonuç sonuç = Çöz(çözücü, üçlü, boş);
        üçlüSüre += sonuç.süre;
        ++üçlüSayısı;
        const std::uint32_t kod = std::accumulate(üçlü.begin(), üçlü.end(), 0u, [](std::uint32_t k, int t) { return k * 9 + std::uint32_t(t); });
        üçlüDoğru += EveGötürür(üçlü, boş, sonuç.çözüm.hamleler) && üçlüUzaklıklar.at(kod) == int(sonuç.çözüm.hamleler.size());
    } while (std::next_permutation(üçlü.begin(), üçlü.end()));
    std::printf("3 x 3: %d solvable arrangements solved in %.1f ms in all, %d shortest and replayed home\n",
                üçlüSayısı, üçlüSüre, üçlüDoğru);

    // 5 x 5: random deals against the bound.
    Ölçüm beşli{QStringLiteral("5 x 5 random deal solved"), {}};
    QList<double> beşliUzunluklar, sınırlar;
    double oranToplamı = 0;
    int beşliGeçerli = 0;
    for (int deneme = 0; deneme < 100; ++deneme) {
        const QList<int> etiketler = RastgeleDağıtım(5, üreteç);
        const Sonuç sonuç = Çöz(çözücü, etiketler, 24);
        beşli.süreler.append(sonuç.süre);
        const int sınır = Manhattan(etiketler, 5) + DoğrusalÇatışma(etiketler, 5);
        beşliUzunluklar.append(double(sonuç.çözüm.hamleler.size()));
        sınırlar.append(sınır);
        oranToplamı += double(sonuç.çözüm.hamleler.size()) / sınır;
        beşliGeçerli += EveGötürür(etiketler, 24, sonuç.çözüm.hamleler);
    }
    beşli.Yazdır();
    Ölçüm(QStringLiteral("5 x 5 random deal, slides (count)"), beşliUzunluklar).Yazdır();
    Ölçüm(QStringLiteral("5 x 5 Manhattan + linear conflict (count)"), sınırlar).Yazdır();
    std::printf("5 x 5: %d of 100 replayed home; length over the bound on average %.3f\n", beşliGeçerli,
                oranToplamı / 100);

    std::printf("peak memory (VmHWM): %.1f MB\n", EnYüksekBellekMB());
    Hedef("4 x 4 table build at most 10 s (slowest build)", kurma.EnÇok() <= 10000);
    Hedef("4 x 4 median at most 20 ms", dörtlü.Ortanca() <= 20);
    Hedef("4 x 4 slowest at most 2 s", dörtlü.EnÇok() <= 2000);
    Hedef("4 x 4 all replayed home, all checked ones shortest", dörtlüGeçerli == 100 && doğru == denetlenen &&
                                                                   kolayDoğru == kolaySayısı);
    Hedef("3 x 3 all 181,440 shortest, at most 1 s in all", üçlüSayısı == 181440 && üçlüDoğru == üçlüSayısı &&
                                                               üçlüSüre <= 1000);
    Hedef("5 x 5 each at most 1 s, all replayed home", beşli.EnÇok() <= 1000 && beşliGeçerli == 100);
    return 0;
}
