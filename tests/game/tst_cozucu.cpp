// The solver: the fewest slides on 3 x 3 and 4 x 4 boards, against a breadth-first search of the
// test's own; a 5 x 5 answer that plays home; unsolvable boards; giving up; a damaged cache.
#include "Cozucu.h"
#include "Tahta.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>
#include <random>
#include <unordered_map>

namespace {

const std::atomic<bool> sürsün{false};

// Smaller groups than the game's: the tables build in a moment even under the sanitizers, and
// the answers must be just as short.
const QList<QList<int>> TestDesenleri{{0, 1, 2, 3, 4}, {5, 6, 7, 8, 9}, {10, 11, 12, 13, 14}};

QList<int> Etiketler(const Tahta &tahta)
{
    QList<int> etiketler;
    for (int konum = 0; konum < tahta.KonumSayısı(); ++konum)
        etiketler.append(tahta.Etiket(konum));
    return etiketler;
}

// Home, then `adım` random slides, never straight back.
Tahta Karıştırılmış(int n, int adım, std::mt19937 &üreteç)
{
    Tahta tahta(n);
    QList<int> ev(n * n);
    std::iota(ev.begin(), ev.end(), 0);
    tahta.Yerleştir(ev, n * n - 1);
    for (int önceki = -1; adım > 0;) {
        const int konum = int(üreteç() % (n * n));
        const int boş = tahta.BoşParçaNo();
        if (konum != önceki && tahta.Kaydır(konum)) {
            önceki = boş;
            --adım;
        }
    }
    return tahta;
}

// The fewest slides home on a board of up to 4 x 4, by a breadth-first search over the
// positions as nibbles.
int EnAzKayma(const Tahta &başlangıç)
{
    const int n = başlangıç.BölmeSayısı(), k = n * n;
    const auto kod = [&](const Tahta &t) {
        quint64 sonuç = 0;
        for (int konum = 0; konum < k; ++konum)
            sonuç = sonuç << 4 | quint64(konum == t.BoşParçaNo() ? k - 1 : t.Etiket(konum));
        return sonuç;
    };
    std::unordered_map<quint64, int> görülen{{kod(başlangıç), 0}};
    QList<Tahta> kuyruk{başlangıç};
    for (qsizetype baş = 0; baş < kuyruk.size(); ++baş) {
        const Tahta tahta = kuyruk[baş];
        const int uzaklık = görülen[kod(tahta)];
        if (tahta.TamamlandıMı() && tahta.BoşParçaNo() == k - 1)
            return uzaklık;
        for (const int adım : {-n, -1, 1, n}) {
            Tahta sonraki = tahta;
            if (sonraki.Kaydır(tahta.BoşParçaNo() + adım) && görülen.emplace(kod(sonraki), uzaklık + 1).second)
                kuyruk.append(sonraki);
        }
    }
    return -1;
}

// True when the slides are taken one by one and leave every piece home, the gap bottom-right.
bool EveGötürür(Tahta tahta, const QList<int> &hamleler)
{
    for (const int konum : hamleler)
        if (!tahta.Kaydır(konum))
            return false;
    return tahta.TamamlandıMı() && tahta.BoşParçaNo() == tahta.KonumSayısı() - 1;
}

}  // namespace

class TestSolver : public QObject {
    Q_OBJECT

    QTemporaryDir önbellek;
    std::optional<Çözücü> çözücü;

private slots:
    void initTestCase() { çözücü.emplace(önbellek.path(), TestDesenleri); }

    void fewestSlides_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("adım");
        for (const int n : {3, 4})
            for (const int adım : {0, 1, 6, 12, n == 3 ? 30 : 16})
                QTest::addRow("%dx%d, %d slides from home", n, n, adım) << n << adım;
    }
    void fewestSlides()
    {
        QFETCH(int, n);
        QFETCH(int, adım);
        std::mt19937 üreteç(n * 100 + adım);
        for (int deneme = 0; deneme < 5; ++deneme) {
            const Tahta tahta = Karıştırılmış(n, adım, üreteç);
            const Çözüm çözüm = çözücü->Çöz(Etiketler(tahta), tahta.BoşParçaNo(), sürsün);
            QCOMPARE(çözüm.durum, Çözüm::Durum::Çözüldü);
            QVERIFY(çözüm.enKısa);
            QVERIFY(EveGötürür(tahta, çözüm.hamleler));
            QCOMPARE(int(çözüm.hamleler.size()), EnAzKayma(tahta));
        }
    }

    void largeBoardPlaysHome()
    {
        std::mt19937 üreteç(5);
        const Tahta tahta = Karıştırılmış(5, 400, üreteç);
        const Çözüm çözüm = çözücü->Çöz(Etiketler(tahta), tahta.BoşParçaNo(), sürsün);
        QCOMPARE(çözüm.durum, Çözüm::Durum::Çözüldü);
        QVERIFY(EveGötürür(tahta, çözüm.hamleler));
    }

    // Told at once, whatever the size: two pieces exchanged, a piece twice, no square board.
    void unsolvableBoards_data()
    {
        QTest::addColumn<QList<int>>("etiketler");
        QTest::addColumn<int>("boş");
        QTest::newRow("3x3, two exchanged") << QList<int>{1, 0, 2, 3, 4, 5, 6, 7, 8} << 8;
        QTest::newRow("4x4, two exchanged, gap inside") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 13, 15} << 5;
        QTest::newRow("a piece twice") << QList<int>{0, 0, 2, 3, 4, 5, 6, 7, 8} << 8;
        QTest::newRow("no square board") << QList<int>{0, 1, 2, 3, 4, 5} << 5;
    }
    void unsolvableBoards()
    {
        QFETCH(QList<int>, etiketler);
        QFETCH(int, boş);
        QCOMPARE(çözücü->Çöz(etiketler, boş, sürsün).durum, Çözüm::Durum::Çözülemez);
    }

    // Given up before it starts, or while the tables are still being built, a search answers so.
    void givingUp()
    {
        const std::atomic<bool> vazgeç{true};
        std::mt19937 üreteç(4);
        const Tahta tahta = Karıştırılmış(4, 80, üreteç);
        QCOMPARE(çözücü->Çöz(Etiketler(tahta), tahta.BoşParçaNo(), vazgeç).durum, Çözüm::Durum::Vazgeçildi);
        const QTemporaryDir boşKlasör;
        const Çözücü yeni(boşKlasör.path(), TestDesenleri);
        QCOMPARE(yeni.Çöz(Etiketler(tahta), tahta.BoşParçaNo(), vazgeç).durum, Çözüm::Durum::Vazgeçildi);
    }

    // A table file cut short or with one entry changed is built again and written back whole.
    void damagedCacheIsRebuilt()
    {
        QVERIFY(çözücü->TablolarıBekle(sürsün));
        const QStringList dosyalar = QDir(önbellek.path()).entryList({QStringLiteral("*.bin")}, QDir::Files, QDir::Name);
        QCOMPARE(dosyalar.size(), 3);
        const QString yol = QDir(önbellek.path()).filePath(dosyalar[0]);
        QFile dosya(yol);
        QVERIFY(dosya.open(QIODevice::ReadOnly));
        const QByteArray sağlam = dosya.readAll();
        dosya.close();
        for (const QByteArray &bozuk : {sağlam.left(sağlam.size() / 2), QByteArray(sağlam).replace(100, 1, "\x01")}) {
            QVERIFY(dosya.open(QIODevice::WriteOnly) && dosya.write(bozuk) == bozuk.size());
            dosya.close();
            QVERIFY(Çözücü(önbellek.path(), TestDesenleri).TablolarıBekle(sürsün));
            QVERIFY(dosya.open(QIODevice::ReadOnly));
            QCOMPARE(dosya.readAll(), sağlam);
            dosya.close();
        }
    }
};

QTEST_GUILESS_MAIN(TestSolver)
#include "tst_cozucu.moc"
