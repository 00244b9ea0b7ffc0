// The game's rules without widgets (moves, completion, deals, the clock, its texts, cutting) and the solver:
// the fewest slides, answers that play home whatever the tables beside it, the solution kept for hints.
#include "Cozucu.h"
#include "CozumBellegi.h"
#include "Dagitim.h"
#include "DesenDosyasi.h"
#include "OyunSaati.h"
#include "Rastgele.h"
#include "SikiDesen.h"
#include "Tahta.h"
#include "Yerlesim.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

QList<int> Sıralı(int n)
{
    QList<int> etiketler(n * n);
    std::iota(etiketler.begin(), etiketler.end(), 0);
    return etiketler;
}

const std::atomic<bool> sürsün{false};

// Smaller groups than the game's: the tables build in a moment even under the sanitizers.
const QList<QList<int>> DörtlüDesenler{{0, 1, 2, 3, 4}, {5, 6, 7, 8, 9}, {10, 11, 12, 13, 14}};
const QList<QList<int>> BeşliDesenler{{0, 1, 2}, {3, 4, 9}, {5, 6, 7}, {8, 13, 14},
                                      {10, 11, 12}, {15, 16, 17}, {18, 19, 23}, {20, 21, 22}};

// Home, then `adım` random slides: no more than that many from home.
Tahta Karıştırılmış(int n, int adım, std::mt19937 &üreteç)
{
    Tahta tahta(n);
    tahta.Dağıt(Sıralı(n));
    while (adım > 0)
        if (tahta.Kaydır(int(üreteç() % (n * n))))
            --adım;
    return tahta;
}

QList<int> Etiketler(const Tahta &tahta)
{
    QList<int> etiketler;
    for (int konum = 0; konum < tahta.KonumSayısı(); ++konum)
        etiketler.append(tahta.Etiket(konum));
    return etiketler;
}

// True for a solution whose slides, taken one by one, leave every piece home, the gap bottom-right.
bool EveGötürür(Tahta tahta, const Çözüm &çözüm)
{
    for (const int konum : çözüm.hamleler)
        if (!tahta.Kaydır(konum))
            return false;
    return çözüm.durum == Çözüm::Durum::Çözüldü && tahta.TamamlandıMı()
        && tahta.BoşParçaNo() == tahta.KonumSayısı() - 1;
}

QByteArray Oku(const QString &yol)
{
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray();
}

QString TabloDosyası(const QTemporaryDir &klasör, int n)
{
    return klasör.filePath(DesenDosyasıAdı(n));
}

}  // namespace

class TestRulesAndSolver : public QObject {
    Q_OBJECT

    // The tables as the build makes them beside the program, made once here.
    QTemporaryDir kurulum;
    std::optional<Çözücü> çözücü;

private slots:
    void initTestCase()
    {
        çözücü.emplace(kurulum.path(), QString(), DörtlüDesenler, BeşliDesenler);
        QVERIFY(çözücü->TablolarıBekle(sürsün));
    }

    // Completion and the Tag an empty place keeps; beside the gap only within a row or column.
    void slidesAndCompletion()
    {
        Tahta tahta(3);
        tahta.Dağıt({0, 1, 2, 3, 4, 5, 6, 8, 7});
        QVERIFY(tahta.Kaydır(7));
        QCOMPARE(tahta.Etiket(7), 8);  // the new empty place keeps the Tag it had as a tile
        QVERIFY(!tahta.TamamlandıMı());
        // Solved whatever the corner's Tag; a stale Tag at an empty place inside never counts.
        tahta.Yerleştir({0, 1, 2, 3, 4, 5, 6, 7, 3}, 8);
        QVERIFY(tahta.TamamlandıMı());
        tahta.Yerleştir({0, 1, 2, 3, 4, 7, 6, 7, 8}, 7);
        QVERIFY(!tahta.TamamlandıMı());
        tahta.Böl(3);
        QVERIFY(!tahta.TamamlandıMı());
        // A row's end and the next row's start are no neighbours; nor is the top row's end above.
        for (const auto &[n, boş, tıklanan] : {std::tuple{3, 3, 2}, {5, 9, 10}, {3, 8, 2}}) {
            tahta.Böl(n);
            tahta.Yerleştir(Sıralı(n), boş);
            QVERIFY(!tahta.Kaydır(tıklanan));
        }
    }

    // Every deal a shuffle that slides can solve, also from a source stuck at 0 (the work list
    // drawn in order) or just below 1 (the entry before the last each time). With the gap away from
    // the corner its distance counts: one slide from home is solvable, two exchanged are not.
    void deals()
    {
        for (const int n : {3, 4, 5}) {
            const QList<int> ev = Sıralı(n);
            std::mt19937 üreteç(n);
            QList<std::function<float()>> kaynaklar(3000, [&] { return (üreteç() >> 8) / float(1 << 24); });
            for (const float sabit : {0.0f, 0.99999994f, 0.5f})
                kaynaklar.append([sabit] { return sabit; });
            for (const auto &kaynak : kaynaklar) {
                const QList<int> dağıtım = Dağıtım(n, kaynak);
                QVERIFY(std::is_permutation(dağıtım.begin(), dağıtım.end(), ev.begin(), ev.end()));
                QCOMPARE(dağıtım.last(), n * n - 1);
                QVERIFY(ÇözülebilirMi(dağıtım, n * n - 1));
                QVERIFY(dağıtım != ev);
            }
            // The real source, seeded once per process, does not repeat itself either.
            QVERIFY(Dağıtım(n, SistemRastgelesi) != Dağıtım(n, SistemRastgelesi));
        }
        // floor((count - 1) * r + 1) draws 4, 0, 7, 2, 1, 5, 3, 6: odd, so the last two are exchanged.
        QList<float> çekilişler{0.5f, 0.0f, 0.9f, 0.3f, 0.0f, 0.6f, 0.2f, 0.0f, 0.0f};
        QCOMPARE(Dağıtım(3, [&] { return çekilişler.takeFirst(); }), (QList<int>{4, 0, 7, 2, 1, 5, 6, 3, 8}));
        QVERIFY(ÇözülebilirMi({0, 1, 2, 3, 4, 5, 6, 0, 7}, 7));
        QVERIFY(!ÇözülebilirMi({1, 0, 2, 3, 4, 5, 6, 0, 7}, 7));
    }

    // Shown as the locale writes a time, without a time zone (the US puts a narrow no-break space before AM).
    void clock()
    {
        OyunSaati saat{59, 59, 0};
        QVERIFY(!saat.İlerle());
        QCOMPARE(SaatMetni(saat, QLocale(QLocale::German)), QStringLiteral("01:00:00"));
        const QLocale abd(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(SaatMetni(OyunSaati{5, 1, 0}, abd).replace(QChar(0x202F), u' '), QStringLiteral("12:01:05 AM"));
        QVERIFY(!UzunSaatBiçimi(abd).contains(QLatin1Char('t')));
    }

    // The congratulation as the game words it: no "0 hour", and a comma after minutes even alone.
    void congratulationText()
    {
        const QString başlık = QStringLiteral("Congratulations! You have completed the photo!");
        for (const auto &[saat, süre] : {std::pair{OyunSaati{0, 2, 0}, "2 minute, "}, {OyunSaati{}, ""},
                                         {OyunSaati{7, 0, 1}, "1 hour, 7 second"}}) {
            QCOMPARE(TebrikMetni(saat, 42).split('\n'),
                     (QStringList{başlık, "", QStringLiteral("Completing Time : ") + süre, "", "Click Counts : 42"}));
        }
    }

    // Cut as the design rounds; a photo narrower than the board still gives every piece a pixel.
    void cutting()
    {
        QCOMPARE(ParçaKaynağı(8, 3, QSize(640, 480)), QRect(427, 320, 213, 160));
        for (int parça = 0; parça < 25; ++parça)
            QVERIFY(QRect(0, 0, 2, 1).contains(ParçaKaynağı(parça, 5, QSize(2, 1))));
    }

    // Boards whose fewest slides a search of their own counted; -1 for those no slides bring home.
    void fewestSlides_data()
    {
        QTest::addColumn<QList<int>>("etiketler");
        QTest::addColumn<int>("boş");
        QTest::addColumn<int>("enAz");
        QTest::newRow("3x3, home") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8} << 8 << 0;
        QTest::newRow("3x3, one of the farthest") << QList<int>{7, 5, 6, 1, 4, 3, 2, 8, 0} << 7 << 31;
        QTest::newRow("4x4, 32 slides") << QList<int>{0, 2, 11, 3, 4, 6, 1, 14, 8, 12, 7, 13, 5, 15, 10, 9} << 13 << 32;
        QTest::newRow("two exchanged") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 13, 15} << 5 << -1;
        QTest::newRow("a piece twice") << QList<int>{0, 0, 2, 3, 4, 5, 6, 7, 8} << 8 << -1;
        QTest::newRow("no square board") << QList<int>{0, 1, 2, 3, 4, 5} << 5 << -1;
    }
    void fewestSlides()
    {
        QFETCH(QList<int>, etiketler);
        QFETCH(int, boş);
        QFETCH(int, enAz);
        const Çözüm çözüm = çözücü->Çöz(etiketler, boş, sürsün);
        QCOMPARE(çözüm.durum, enAz < 0 ? Çözüm::Durum::Çözülemez : Çözüm::Durum::Çözüldü);
        if (enAz < 0)
            return;
        Tahta tahta(etiketler.size() == 9 ? 3 : 4);
        tahta.Yerleştir(etiketler, boş);
        QVERIFY(çözüm.enKısa && EveGötürür(tahta, çözüm));
        QCOMPARE(int(çözüm.hamleler.size()), enAz);
    }

    // Tables beside the program, sound or not, never give an answer that fails to play home. Damaged
    // ones, and 4 x 4 ones claiming more slides than an answer leaves, are built anew into the cache.
    void installedTables_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QByteArray>("yanındaki");
        QTest::addColumn<bool>("yenilenir");
        const QByteArray sağlam = Oku(TabloDosyası(kurulum, 4));
        QByteArray değişik = sağlam;
        değişik[değişik.size() / 2] ^= 0x10;
        QTest::newRow("sound") << 4 << sağlam << false;
        QTest::newRow("missing") << 4 << QByteArray() << true;
        QTest::newRow("cut short") << 4 << sağlam.chopped(1000) << true;
        QTest::newRow("one byte changed") << 4 << değişik << true;
        for (const int n : {4, 5}) {
            for (const int değer : {0x00, 0xFF, 0x5A}) {
                DesenBölümü bölüm;
                std::vector<std::vector<std::uint8_t>> tablolar;
                for (const QList<int> &desen : n == 4 ? DörtlüDesenler : BeşliDesenler) {
                    bölüm.emplace_back(desen.begin(), desen.end());
                    tablolar.emplace_back(SıkıBoyut(YerleşimSayısı(n, int(desen.size()))), std::uint8_t(değer));
                }
                QTest::addRow("%dx%d, every byte 0x%02X", n, n, değer)
                    << n << DesenDosyasıBaytları(n, bölüm, tablolar) << (n == 4 && değer != 0);
            }
        }
    }
    void installedTables()
    {
        QFETCH(int, n);
        QFETCH(QByteArray, yanındaki);
        QFETCH(bool, yenilenir);
        const bool uzakTahta = QTest::currentDataTag() == QByteArray("4x4, every byte 0xFF");  // all bounds highest
        const QTemporaryDir yanında, önbellek;
        if (!yanındaki.isEmpty())
            DesenDosyasınıYaz(yanında.path(), n, yanındaki);
        QVERIFY(QFile::copy(TabloDosyası(kurulum, 9 - n), TabloDosyası(yanında, 9 - n)));  // the other size, sound

        Çözücü yanılan(önbellek.path(), yanında.path(), DörtlüDesenler, BeşliDesenler);
        std::mt19937 üreteç(n * 1000 + int(yanındaki.size()));
        // Each board with the slides it was dealt by: an answer called the fewest has no more.
        for (const int adım : {uzakTahta ? 80 : 1, 10, 25}) {
            Tahta tahta = Karıştırılmış(n, adım, üreteç);
            if (adım == 80)  // every tile far from home, the first two exchanged for the parity
                tahta.Yerleştir({13, 14, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 15}, 15);
            const Çözüm çözüm = yanılan.Çöz(Etiketler(tahta), tahta.BoşParçaNo(), sürsün);
            QVERIFY(EveGötürür(tahta, çözüm));
            QVERIFY(!çözüm.enKısa || çözüm.hamleler.size() <= adım);
        }
        QVERIFY(yanılan.TablolarıBekle(sürsün));
        const QStringList yenilenen = yenilenir ? QStringList{DesenDosyasıAdı(4)} : QStringList{};
        QCOMPARE(QDir(önbellek.path()).entryList(QDir::Files), yenilenen);
        QCOMPARE(Oku(TabloDosyası(önbellek, 4)), yenilenir ? Oku(TabloDosyası(kurulum, 4)) : QByteArray());
        QCOMPARE(Oku(TabloDosyası(yanında, n)), yanındaki);
    }

    // A hint's solution is kept: the rest of it answers a board on its path, nothing answers a board
    // the player slid off it, and an abandoned search forgets it.
    void solutionMemory()
    {
        // Home, after the gap walked 8, 7, 4, 3, 0, 1, 4: the solution walks it back.
        const QList<int> çözüm{1, 0, 3, 4, 7, 8};
        ÇözümBelleği bellek;
        for (const auto &[izlenen, sapma] : {std::pair{2, QList<int>{}}, {6, QList<int>{}}, {3, QList<int>{6}}}) {
            Tahta tahta(3);
            tahta.Yerleştir({1, 3, 2, 0, 3, 5, 6, 4, 7}, 4);
            bellek.Hatırla(Etiketler(tahta), tahta.BoşParçaNo(), {Çözüm::Durum::Çözüldü, çözüm, true});
            for (const int konum : çözüm.first(izlenen) + sapma)
                QVERIFY(tahta.Kaydır(konum));
            const std::optional<Çözüm> yanıt = bellek.Sor(Etiketler(tahta), tahta.BoşParçaNo());
            QCOMPARE(yanıt.has_value(), sapma.isEmpty());
            QCOMPARE(yanıt.value_or(Çözüm{}).hamleler, sapma.isEmpty() ? çözüm.mid(izlenen) : QList<int>{});
            bellek.Hatırla(Etiketler(tahta), tahta.BoşParçaNo(), Çözüm{});
            QVERIFY(!bellek.Sor(Etiketler(tahta), tahta.BoşParçaNo()));
        }
    }
};

QTEST_GUILESS_MAIN(TestRulesAndSolver)
#include "tst_oyunkurallari.moc"
