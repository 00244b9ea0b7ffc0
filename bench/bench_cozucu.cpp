// The solver: its tables mapped from beside the program, cold (out of the page cache) and warm,
// and the first 4 x 4 answer with them; 1,000 random 4 x 4 deals, every answer replayed home and
// its length checked against a reference search of the benchmark's own (6-6-3 tables of plain
// bytes, plain IDA*) and against Korf's 100 published instances; every solvable 3 x 3
// arrangement against a breadth-first search; random 5 x 5 deals against lower bounds, asked
// twice, and the 50 published 5 x 5 instances with their known fewest slides; the peak memory;
// last the tables built from nothing, as a player whose files are missing or damaged waits.
// Usage: bench_cozucu [PHOTO_FOLDER]   (the folder is not used)

#include "CozucuOlcumu.h"
#include "Olcum.h"
#include "YayinlanmisOrnekler.h"

#include "Cozucu.h"
#include "Dagitim.h"
#include "DesenKurulumu.h"
#include "Tahta.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <array>
#include <climits>
#include <cmath>
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
    return tahta.TamamlandıMı() && tahta.BoşParçaNo() == tahta.KonumSayısı() - 1;
}

QList<int> RastgeleDağıtım(int n, std::mt19937 &üreteç)
{
    return Dağıtım(n, [&] { return (üreteç() >> 8) / float(1 << 24); });
}

// A published instance as a board of the game: turned half a turn, the papers' home is ours.
QList<int> YayınlanmışTahta(const YayınlanmışÖrnek &örnek, int n)
{
    const int k = n * n;
    QList<int> etiketler(k);
    for (int hücre = 0; hücre < k; ++hücre)
        etiketler[k - 1 - hücre] = k - 1 - örnek.hücreler[std::size_t(hücre)];
    return etiketler;
}

// The gap as N² - 1 at the empty place.
QList<int> Hücreler(QList<int> etiketler, int boşKonum)
{
    etiketler[boşKonum] = int(etiketler.size()) - 1;
    return etiketler;
}

// The reference: IDA* on 4 x 4 boards with 6-6-3 tables of plain bytes (the benchmark's own,
// from the breadth-first search alone) and their reflection; the moved tile's group ranked afresh.
class ReferansArayıcı {
public:
    ReferansArayıcı()
    {
        for (std::size_t g = 0; g < Bölüm.size(); ++g) {
            tablolar.emplace_back();
            DesenUzaklıklarınıBul(4, Bölüm[g], tablolar.back(), vazgeçilmez);
            for (const int taş : Bölüm[g])
                grubu[std::size_t(taş)] = int(g);
        }
    }

    // The fewest slides home.
    int Çöz(const QList<int> &başlangıç)
    {
        for (int hücre = 0; hücre < 16; ++hücre) {
            yüzler[0][std::size_t(hücre)] = başlangıç[hücre];
            yüzler[1][std::size_t(Yansıma(hücre))] = Yansıma(başlangıç[hücre]);
        }
        for (int yüz = 0; yüz < 2; ++yüz)
            for (std::size_t g = 0; g < Bölüm.size(); ++g)
                değerler[yüz][g] = Değer(yüz, int(g));
        const int boş = int(başlangıç.indexOf(15));
        for (eşik = 0;; eşik = sonrakiEşik) {
            sonrakiEşik = INT_MAX;
            if (Ara(0, boş, -1))
                return uzunluk;
        }
    }

private:
    static inline const DesenBölümü Bölüm{{0, 1, 4, 5, 8, 9}, {2, 3, 6, 7, 10, 11}, {12, 13, 14}};
    static int Yansıma(int x) { return x % 4 * 4 + x / 4; }

    int Değer(int yüz, int g) const
    {
        std::uint8_t yerler[6];
        for (std::size_t s = 0; s < Bölüm[std::size_t(g)].size(); ++s)
            yerler[s] = std::uint8_t(std::find(yüzler[yüz].begin(), yüzler[yüz].end(), Bölüm[std::size_t(g)][s]) - yüzler[yüz].begin());
        return tablolar[std::size_t(g)][YerleşimSırası(4, yerler, int(Bölüm[std::size_t(g)].size()))];
    }

    int Tahmin() const
    {
        return std::max(std::accumulate(değerler[0].begin(), değerler[0].end(), 0),
                        std::accumulate(değerler[1].begin(), değerler[1].end(), 0));
    }

    // The tile at `nereden` slides into the gap at `nereye`, on both faces.
    void Kaydır(int nereden, int nereye)
    {
        for (int yüz = 0; yüz < 2; ++yüz) {
            const int a = yüz ? Yansıma(nereden) : nereden, b = yüz ? Yansıma(nereye) : nereye;
            std::swap(yüzler[yüz][std::size_t(a)], yüzler[yüz][std::size_t(b)]);
            const int g = grubu[std::size_t(yüzler[yüz][std::size_t(b)])];
            değerler[yüz][std::size_t(g)] = Değer(yüz, g);
        }
    }

    bool Ara(int derinlik, int boş, int önceki)
    {
        const int h = Tahmin();
        if (h == 0) {
            uzunluk = derinlik;
            return true;
        }
        if (derinlik + h > eşik) {
            sonrakiEşik = std::min(sonrakiEşik, derinlik + h);
            return false;
        }
        for (const int adım : {-4, -1, 1, 4}) {
            const int hücre = boş + adım;
            if (hücre < 0 || hücre > 15 || hücre == önceki || ((adım == 1 || adım == -1) && hücre / 4 != boş / 4))
                continue;
            Kaydır(hücre, boş);
            const bool bulundu = Ara(derinlik + 1, hücre, boş);
            Kaydır(boş, hücre);
            if (bulundu)
                return true;
        }
        return false;
    }

    std::vector<std::vector<std::uint8_t>> tablolar;
    std::array<int, 16> grubu{};
    std::array<std::array<int, 16>, 2> yüzler{};
    std::array<std::array<int, 3>, 2> değerler{};
    int eşik = 0, sonrakiEşik = INT_MAX, uzunluk = 0;
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

void Hedef(const char *ad, bool tuttu)
{
    std::printf("goal %-62s %s\n", ad, tuttu ? "met" : "NOT MET");
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication uygulama(argc, argv);
    const QString klasör = QCoreApplication::applicationDirPath();
    const QStringList dosyalar = TabloDosyaları(klasör);
    qint64 tabloBoyu = 0;
    for (const QString &yol : dosyalar)
        tabloBoyu += QFileInfo(yol).size();
    std::printf("machine load (1 min) at the start: %.2f; tables beside the program: %.1f MB\n", Yük(), tabloBoyu / 1e6);
    if (tabloBoyu == 0) {
        std::printf("no tables beside %s: build the bench preset first\n", qPrintable(klasör));
        return 1;
    }

    // The tables mapped and checked, then the first 4 x 4 answer with them, each time by a new
    // solver with an empty cache: cold, the files dropped out of the page cache first, and warm.
    std::mt19937 üreteç(20260410);
    const QList<int> ilkTahta = RastgeleDağıtım(4, üreteç);
    QList<double> soğukYükleme, sıcakYükleme, soğukİlk, sıcakİlk, kalanYüzde;
    for (int tekrar = 0; tekrar < 5; ++tekrar) {
        for (const bool soğuk : {true, false}) {
            if (soğuk)
                kalanYüzde.append(SayfaÖnbelleğindenAt(dosyalar));
            const QTemporaryDir önbellek;
            (soğuk ? soğukYükleme : sıcakYükleme).append(Süre([&] {
                Çözücü(önbellek.path(), klasör, {}, {}).TablolarıBekle(vazgeçilmez);
            }));
            if (soğuk)
                SayfaÖnbelleğindenAt(dosyalar);
            const QTemporaryDir başkaÖnbellek;
            (soğuk ? soğukİlk : sıcakİlk).append(Süre([&] {
                Çözücü(başkaÖnbellek.path(), klasör, {}, {}).Çöz(ilkTahta, 15, vazgeçilmez);
            }));
        }
    }
    Dağılım(stdout, "tables ready, cold", soğukYükleme, "ms");
    Dağılım(stdout, "tables ready, warm", sıcakYükleme, "ms");
    Dağılım(stdout, "first 4 x 4 answer with its tables, cold", soğukİlk, "ms");
    Dağılım(stdout, "first 4 x 4 answer with its tables, warm", sıcakİlk, "ms");
    std::printf("left in the page cache after dropping: at most %.1f %% of the pages\n",
                *std::max_element(kalanYüzde.begin(), kalanYüzde.end()));

    const QTemporaryDir önbellek;
    Çözücü çözücü(önbellek.path(), klasör, {}, {});
    çözücü.TablolarıBekle(vazgeçilmez);

    // 4 x 4: random deals, each answer replayed; lengths checked below against the reference.
    QList<QList<int>> dörtlüTahtalar;
    QList<int> dörtlüUzunluklar;
    QList<double> dörtlüSüreler;
    int dörtlüGeçerli = 0;
    const double dörtlüYük = Yük();
    for (int deneme = 0; deneme < 1000; ++deneme) {
        const QList<int> etiketler = RastgeleDağıtım(4, üreteç);
        const Sonuç sonuç = Çöz(çözücü, etiketler, 15);
        dörtlüTahtalar.append(Hücreler(etiketler, 15));
        dörtlüUzunluklar.append(int(sonuç.çözüm.hamleler.size()));
        dörtlüSüreler.append(sonuç.süre);
        dörtlüGeçerli += sonuç.çözüm.enKısa && EveGötürür(etiketler, 15, sonuç.çözüm.hamleler);
    }
    std::printf("machine load (1 min) before and after the 4 x 4 deals: %.2f, %.2f\n", dörtlüYük, Yük());
    Dağılım(stdout, "4 x 4 random deal solved", dörtlüSüreler, "ms");
    Dağılım(stdout, "4 x 4 random deal, fewest slides", QList<double>(dörtlüUzunluklar.begin(), dörtlüUzunluklar.end()), "");
    int korfDoğru = 0;
    QList<double> korfSüreler;
    for (const YayınlanmışÖrnek &örnek : KorfDörtlü) {
        const QList<int> etiketler = YayınlanmışTahta(örnek, 4);
        const Sonuç sonuç = Çöz(çözücü, etiketler, int(etiketler.indexOf(15)));
        korfSüreler.append(sonuç.süre);
        korfDoğru += int(sonuç.çözüm.hamleler.size()) == örnek.enAz &&
                     EveGötürür(etiketler, int(etiketler.indexOf(15)), sonuç.çözüm.hamleler);
    }
    Dağılım(stdout, "4 x 4 Korf's 100 solved", korfSüreler, "ms");
    const double çözücüBelleği = EnYüksekBellekMB();

    // 5 x 5: random deals against the bounds, each asked again of a solver whose 4 x 4 tables
    // were never loaded; the published instances against their known fewest slides.
    const BeşliSınır tabloSınırı(klasör);
    const QTemporaryDir beşliÖnbellek;
    Çözücü beşliÇözücü(beşliÖnbellek.path(), klasör, {}, {});
    QList<double> beşliSüreler, beşliOranlar, manhattanOranlar, beşliUzunluklar;
    int beşliGeçerli = 0, aynı = 0;
    const int beşliSayısı = 200;
    const double beşliYük = Yük();
    for (int deneme = 0; deneme < beşliSayısı; ++deneme) {
        const QList<int> etiketler = RastgeleDağıtım(5, üreteç);
        const Sonuç sonuç = Çöz(çözücü, etiketler, 24);
        const Sonuç yine = Çöz(beşliÇözücü, etiketler, 24);
        const QList<int> hücreler = Hücreler(etiketler, 24);
        const int sınır = tabloSınırı(hücreler);
        const double uzunluk = double(sonuç.çözüm.hamleler.size());
        beşliSüreler << sonuç.süre << yine.süre;
        beşliUzunluklar.append(uzunluk);
        beşliOranlar.append(uzunluk / sınır);
        manhattanOranlar.append(uzunluk / (Manhattan(hücreler, 5) + DoğrusalÇatışma(hücreler, 5)));
        beşliGeçerli += EveGötürür(etiketler, 24, sonuç.çözüm.hamleler);
        aynı += sonuç.çözüm.hamleler == yine.çözüm.hamleler;
    }
    std::printf("machine load (1 min) before and after the 5 x 5 deals: %.2f, %.2f\n", beşliYük, Yük());
    Dağılım(stdout, "5 x 5 random deal solved", beşliSüreler, "ms");
    Dağılım(stdout, "5 x 5 random deal, slides", beşliUzunluklar, "");
    Dağılım(stdout, "5 x 5 slides / the tables' bound", beşliOranlar, "");
    Dağılım(stdout, "5 x 5 slides / Manhattan + linear conflict", manhattanOranlar, "");
    const double ortalamaOran = std::accumulate(beşliOranlar.begin(), beşliOranlar.end(), 0.0) / beşliSayısı;
    std::printf("5 x 5: %d of %d replayed home, %d the same when asked again; slides / bound on average %.3f\n",
                beşliGeçerli, beşliSayısı, aynı, ortalamaOran);
    QList<double> yayınOranları, yayınSınırOranları, yayınSüreleri;
    int yayınGeçerli = 0;
    for (const YayınlanmışÖrnek &örnek : KorfFelnerBeşli) {
        const QList<int> etiketler = YayınlanmışTahta(örnek, 5);
        const int boş = int(etiketler.indexOf(24));
        const Sonuç sonuç = Çöz(çözücü, etiketler, boş);
        yayınSüreleri.append(sonuç.süre);
        yayınOranları.append(double(sonuç.çözüm.hamleler.size()) / örnek.enAz);
        yayınSınırOranları.append(double(tabloSınırı(etiketler)) / örnek.enAz);
        yayınGeçerli += EveGötürür(etiketler, boş, sonuç.çözüm.hamleler);
    }
    const double yayınOrtalaması = std::accumulate(yayınOranları.begin(), yayınOranları.end(), 0.0) / 50;
    Dağılım(stdout, "5 x 5 Korf-Felner's 50 solved", yayınSüreleri, "ms");
    Dağılım(stdout, "5 x 5 Korf-Felner's 50, slides / fewest", yayınOranları, "");
    Dağılım(stdout, "5 x 5 Korf-Felner's 50, tables' bound / fewest", yayınSınırOranları, "");
    std::printf("5 x 5 Korf-Felner's 50: %d replayed home; slides / fewest on average %.3f\n", yayınGeçerli,
                yayınOrtalaması);
    const double beşliBelleği = EnYüksekBellekMB();
    std::printf("peak memory (VmHWM) with the 4 x 4 tables in use: %.1f MB; with the 5 x 5 too: %.1f MB\n",
                çözücüBelleği, beşliBelleği);

    // The 4 x 4 lengths against the reference.
    ReferansArayıcı referans;
    int referansDoğru = 0;
    const double referansSüresi = Süre([&] {
        for (qsizetype sıra = 0; sıra < dörtlüTahtalar.size(); ++sıra)
            referansDoğru += referans.Çöz(dörtlüTahtalar[sıra]) == dörtlüUzunluklar[sıra];
    });
    std::printf("4 x 4: %d of 1000 replayed home, %d as long as the reference's (%.0f s), %d of 100 of Korf's as "
                "long as published\n",
                dörtlüGeçerli, referansDoğru, referansSüresi / 1000, korfDoğru);

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

    // The tables from nothing, as without their files.
    for (const int n : {5, 4}) {
        const double önceki = EnYüksekBellekMB();
        const double süre = Süre([&] { DesenDosyasıKur(n, VarsayılanBölüm(n), vazgeçilmez); });
        std::printf("%d x %d tables built from nothing: %.1f s; peak memory %.1f MB (%.1f before)\n", n, n,
                    süre / 1000, EnYüksekBellekMB(), önceki);
    }
    std::printf("machine load (1 min) at the end: %.2f\n", Yük());

    Hedef("tables at most 64 MB", tabloBoyu <= 64'000'000);
    Hedef("first 4 x 4 answer with its tables at most 300 ms (slowest, cold)", *std::max_element(soğukİlk.begin(), soğukİlk.end()) <= 300);
    Hedef("4 x 4 95th percentile at most 50 ms", Yüzdelik(dörtlüSüreler, 0.95) <= 50);
    Hedef("4 x 4 slowest at most 1 s", *std::max_element(dörtlüSüreler.begin(), dörtlüSüreler.end()) <= 1000);
    Hedef("4 x 4 all replayed home and as long as the reference's", dörtlüGeçerli == 1000 && referansDoğru == 1000 && korfDoğru == 100);
    Hedef("3 x 3 all 181,440 shortest, at most 1 s in all", üçlüSayısı == 181440 && üçlüDoğru == üçlüSayısı && üçlüSüre <= 1000);
    Hedef("5 x 5 each at most 1 s, all replayed home, the same when asked again",
          *std::max_element(beşliSüreler.begin(), beşliSüreler.end()) <= 1000 && beşliGeçerli == beşliSayısı &&
              aynı == beşliSayısı && yayınGeçerli == 50);
    Hedef("5 x 5 published: mean at most 1.15 x the fewest, none over 1.25",
          yayınOrtalaması <= 1.15 && *std::max_element(yayınOranları.begin(), yayınOranları.end()) <= 1.25);
    return 0;
}
