// The game in play without a window: what each input does, the count, the history, completion,
// the help given and its mark kept with the saved game, the pause, and the saved game the
// settings store keeps; the main window's options; the best results as the records window lists
// them.
#include "AnaFormAyarlari.h"
#include "AyarDeposu.h"
#include "CalismaHatasi.h"
#include "EnIyiSonuclar.h"
#include "OyunOturumu.h"
#include "OyunSaati.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

const QString Oyun = QStringLiteral("Oyun");
const QString Bilgiler = QStringLiteral("Oyun\\Bilgiler");

// A saved game as the store holds it: each place's value, then the counters.
void KayıtYaz(AyarDeposu &depo, const QStringList &değerler, const QStringList &bilgiler = {})
{
    for (int konum = 0; konum < değerler.size(); ++konum)
        depo.Yaz(Oyun, QStringLiteral("Foto-%1").arg(konum), değerler[konum]);
    const char *anahtarlar[] = {"Saniye Bilgisi", "Dakika Bilgisi", "Saat Bilgisi", "Hamle Bilgisi"};
    for (int sıra = 0; sıra < bilgiler.size(); ++sıra)
        depo.Yaz(Bilgiler, QLatin1String(anahtarlar[sıra]), bilgiler[sıra]);
}

// The next start's session, the saved game found and laid back.
OyunOturumu Sonraki(const AyarDeposu &depo, int n = 3, const QString &yardımDosyası = YardımDosyası())
{
    OyunOturumu oturum(n);
    oturum.KayıtlıOyunuBul(depo);
    oturum.KayıtlıOyunuGeriYükle(depo, yardımDosyası);
    return oturum;
}

// A running game laid out as `etiketler` with the gap at `boş`, the counters as stored.
OyunOturumu Oyunda(AyarDeposu &depo, const QList<int> &etiketler, int boş, const QStringList &bilgiler = {})
{
    QStringList değerler;
    for (int konum = 0; konum < etiketler.size(); ++konum)
        değerler << (konum == boş ? QStringLiteral("%1B").arg(boş) : QString::number(etiketler[konum]));
    KayıtYaz(depo, değerler, bilgiler);
    return Sonraki(depo, int(std::lround(std::sqrt(etiketler.size()))));
}

QList<int> Etiketler(const OyunOturumu &oturum)
{
    QList<int> etiketler;
    for (int konum = 0; konum < oturum.Tahtası().KonumSayısı(); ++konum)
        etiketler.append(oturum.Tahtası().Etiket(konum));
    return etiketler;
}

// Piece 7 waits at position 8, the gap at 7: one slide from home.
const QList<int> BirKaymaKala{0, 1, 2, 3, 4, 5, 6, 7, 7};

}  // namespace

class TestGameSession : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> klasör;
    std::optional<AyarDeposu> depo;

private slots:
    void init()
    {
        klasör.emplace();
        depo.emplace(klasör->filePath(QStringLiteral("ayarlar.ini")));
    }

    void clickWithoutAGameMovesNothing()
    {
        OyunOturumu oturum(4);
        QCOMPARE(oturum.Tıkla(14).sonuç, Hamle::Sonuç::OyunYok);
        QCOMPARE(oturum.Ok(Yön::Sol).sonuç, Hamle::Sonuç::OyunYok);
        QVERIFY(!oturum.GeriAl());
        QCOMPARE(oturum.Tahtası().BoşParçaNo(), 15);
        QCOMPARE(oturum.HamleSayısı(), 0);
    }

    // Every class of gap position against each arrow: the tile beside the gap the way the arrow
    // points slides, none beyond the edge.
    void arrowsAndClicks_data()
    {
        QTest::addColumn<int>("boş");
        QTest::addColumn<Yön>("yön");
        QTest::addColumn<int>("kayan");  // -1: refused
        const QList<std::tuple<const char *, int, Yön, int>> satırlar{
            {"top-left corner, Left", 0, Yön::Sol, 1},       {"top-left corner, Up", 0, Yön::Yukarı, 3},
            {"top-left corner, Right", 0, Yön::Sağ, -1},     {"top-left corner, Down", 0, Yön::Aşağı, -1},
            {"top edge, Right", 1, Yön::Sağ, 0},             {"top edge, Down", 1, Yön::Aşağı, -1},
            {"right edge, Down", 5, Yön::Aşağı, 2},          {"right edge, Left", 5, Yön::Sol, -1},
            {"middle, Left", 4, Yön::Sol, 5},                {"middle, Up", 4, Yön::Yukarı, 7},
            {"bottom-right corner, Up", 8, Yön::Yukarı, -1}, {"bottom-right corner, Right", 8, Yön::Sağ, 7},
            {"bottom edge, Down", 7, Yön::Aşağı, 4},         {"left edge, Right", 3, Yön::Sağ, -1}};
        for (const auto &[ad, boş, yön, kayan] : satırlar)
            QTest::newRow(ad) << boş << yön << kayan;
    }
    void arrowsAndClicks()
    {
        QFETCH(int, boş);
        QFETCH(Yön, yön);
        QFETCH(int, kayan);
        // The pieces around the gap, the first three turned so that none is solved; two more
        // exchanged where that alone could not be solved.
        QList<int> etiketler;
        for (int konum = 0, parça = 0; konum < 9; ++konum)
            etiketler.append(konum == boş ? boş : parça++);
        QList<int> taşlar;
        for (int konum = 0; konum < 9; ++konum)
            if (konum != boş)
                taşlar.append(konum);
        const int ilk = etiketler[taşlar[0]];
        etiketler[taşlar[0]] = etiketler[taşlar[1]];
        etiketler[taşlar[1]] = etiketler[taşlar[2]];
        etiketler[taşlar[2]] = ilk;
        if (!ÇözülebilirMi(etiketler, boş))
            std::swap(etiketler[taşlar[6]], etiketler[taşlar[7]]);
        OyunOturumu oturum = Oyunda(*depo, etiketler, boş);

        const Hamle hamle = oturum.Ok(yön);
        if (kayan < 0) {
            QCOMPARE(hamle.sonuç, Hamle::Sonuç::Reddedildi);
            QCOMPARE(oturum.Tahtası().BoşParçaNo(), boş);
            QCOMPARE(oturum.HamleSayısı(), 0);
            return;
        }
        QCOMPARE(hamle.sonuç, Hamle::Sonuç::Kaydı);
        QCOMPARE(hamle.nereden, kayan);
        QCOMPARE(hamle.nereye, boş);
        QVERIFY(hamle.sayıldı);
        QCOMPARE(oturum.Tahtası().Etiket(boş), etiketler[kayan]);
        QCOMPARE(oturum.HamleSayısı(), 1);
        // The click on the gap itself, or on a tile far from it, is refused.
        for (const int uzak : {kayan, (kayan + 4) % 9})
            if (!oturum.Tahtası().KomşuMu(uzak))
                QCOMPARE(oturum.Tıkla(uzak).sonuç, Hamle::Sonuç::Reddedildi);
        QCOMPARE(oturum.HamleSayısı(), 1);
    }

    void undoAndRedoFollowTheCount()
    {
        OyunOturumu oturum(3);
        QList<float> çekilişler{0.5f, 0.0f, 0.9f, 0.3f, 0.0f, 0.6f, 0.2f, 0.0f, 0.0f};
        oturum.Dağıt([&] { return çekilişler.takeFirst(); });
        const QList<int> dağıtım = Etiketler(oturum);
        for (const Yön yön : {Yön::Sağ, Yön::Aşağı, Yön::Sağ, Yön::Yukarı})
            QCOMPARE(oturum.Ok(yön).sonuç, Hamle::Sonuç::Kaydı);
        const QList<int> sonra = Etiketler(oturum);
        QCOMPARE(oturum.HamleSayısı(), 4);

        for (int kalan = 3; kalan >= 0; --kalan) {
            const std::optional<Hamle> geri = oturum.GeriAl();
            QVERIFY(geri && geri->sonuç == Hamle::Sonuç::Kaydı);
            QCOMPARE(oturum.HamleSayısı(), kalan);
        }
        QVERIFY(!oturum.GeriAl());
        QCOMPARE(oturum.Tahtası().BoşParçaNo(), 8);
        QCOMPARE(Etiketler(oturum).first(8), dağıtım.first(8));
        while (oturum.Yinele()) {
        }
        QCOMPARE(Etiketler(oturum), sonra);
        QCOMPARE(oturum.HamleSayısı(), 4);

        // A new slide after taking one back leaves nothing to make again.
        oturum.GeriAl();
        oturum.Ok(oturum.Tahtası().BoşParçaNo() % 3 == 0 ? Yön::Sol : Yön::Sağ);
        QVERIFY(!oturum.Yinelenebilir());
        QVERIFY(oturum.Sürüyor());
        // A new deal leaves nothing to take back.
        oturum.Dağıt([] { return 0.5f; });
        QVERIFY(!oturum.GeriAlınabilir());
    }

    void completionEndsTheGame()
    {
        OyunOturumu oturum = Oyunda(*depo, BirKaymaKala, 7, {"5", "1", "0", "41"});
        oturum.Ok(Yön::Aşağı);  // the gap goes up: 4 slides down and back
        oturum.GeriAl();
        const Hamle hamle = oturum.Tıkla(8);
        QVERIFY(hamle.tamamlandı);
        QVERIFY(!oturum.Sürüyor());
        QVERIFY(!oturum.GeriAlınabilir() && !oturum.Yinelenebilir());
        // The congratulation reads the time and the count before they go back to zero.
        QCOMPARE(oturum.HamleSayısı(), 42);
        QCOMPARE(oturum.Saat().ToplamSaniye(), 65);
        QVERIFY(!oturum.BilgisayarÇözdü());
        oturum.SayaçlarıSıfırla();
        QCOMPARE(oturum.HamleSayısı(), 0);
        QCOMPARE(oturum.Saat().ToplamSaniye(), 0);
        QCOMPARE(oturum.Tıkla(7).sonuç, Hamle::Sonuç::OyunYok);
    }

    void countStopsAtItsLargest()
    {
        const QString enÇok = QString::number(std::numeric_limits<qint32>::max());
        OyunOturumu oturum = Oyunda(*depo, BirKaymaKala, 7, {"0", "0", "0", enÇok});
        const Hamle hamle = oturum.Tıkla(4);
        QCOMPARE(hamle.sonuç, Hamle::Sonuç::Kaydı);
        QVERIFY(!hamle.sayıldı);
        QCOMPARE(oturum.HamleSayısı(), std::numeric_limits<qint32>::max());
    }

    // Saved while the 24-hour notice is open (a log-out), the game resumes at 0:00:00.
    void aDayLongGameSavesTurnedBack()
    {
        OyunOturumu oturum = Oyunda(*depo, BirKaymaKala, 7, {"59", "59", "23", "3"});
        QVERIFY(oturum.Saatiİlerlet());
        const QString yardımDosyası = klasör->filePath(QStringLiteral("yardim.json"));
        oturum.OyunuKaydet(*depo, yardımDosyası);
        const OyunOturumu sonraki = Sonraki(*depo, 3, yardımDosyası);
        QCOMPARE(sonraki.Saat().ToplamSaniye(), 0);
        QCOMPARE(sonraki.HamleSayısı(), 3);
    }

    // Hints and Solve make a helped game, whatever is taken back; the mark goes with the saved
    // game through any number of starts, and only a deal or a division clears it. A saved game
    // edited by hand is another game and carries no mark.
    void helpKeptWithTheSavedGame_data()
    {
        QTest::addColumn<int>("ipucu");
        QTest::addColumn<bool>("çöz");
        QTest::addColumn<bool>("geriAl");
        QTest::newRow("no help") << 0 << false << false;
        QTest::newRow("two hints") << 2 << false << false;
        QTest::newRow("a Solve slide") << 0 << true << false;
        QTest::newRow("a Solve slide taken back") << 0 << true << true;
    }
    void helpKeptWithTheSavedGame()
    {
        QFETCH(int, ipucu);
        QFETCH(bool, çöz);
        QFETCH(bool, geriAl);
        const QString yardımDosyası = klasör->filePath(QStringLiteral("veri/YardimKaydi.json"));
        OyunOturumu oturum = Oyunda(*depo, BirKaymaKala, 7);
        for (int sıra = 0; sıra < ipucu; ++sıra)
            oturum.İpucuGösterildi();
        if (çöz)
            oturum.Tıkla(4, Kaydıran::Çözücü);
        if (geriAl)
            QVERIFY(oturum.GeriAl());
        const Yardım beklenen{ipucu, çöz};
        QCOMPARE(oturum.Yardımı(), beklenen);

        for (int başlangıç = 0; başlangıç < 3; ++başlangıç) {
            oturum.OyunuKaydet(*depo, yardımDosyası);
            QCOMPARE(QFile::exists(yardımDosyası), beklenen.VerildiMi());
            oturum = Sonraki(*depo, 3, yardımDosyası);
            QVERIFY(oturum.Sürüyor());
            QCOMPARE(oturum.Yardımı(), beklenen);
        }
        // Completed, the game is still a helped one.
        if (oturum.Tahtası().BoşParçaNo() == 4)
            oturum.Tıkla(7);
        QVERIFY(oturum.Tıkla(8).tamamlandı);
        QCOMPARE(oturum.Yardımı(), beklenen);

        // The same saved game with one counter changed by hand starts without help.
        depo->Yaz(Bilgiler, QStringLiteral("Hamle Bilgisi"), QStringLiteral("99"));
        QCOMPARE(Sonraki(*depo, 3, yardımDosyası).Yardımı(), Yardım{});

        OyunOturumu dağıtılan = Oyunda(*depo, BirKaymaKala, 7);
        dağıtılan.İpucuGösterildi();
        dağıtılan.Tıkla(4, Kaydıran::Çözücü);
        dağıtılan.Dağıt([] { return 0.5f; });
        QVERIFY(!dağıtılan.Yardımı().VerildiMi());
        dağıtılan.İpucuGösterildi();
        dağıtılan.Tıkla(7, Kaydıran::Çözücü);
        dağıtılan.Böl(4);
        QVERIFY(!dağıtılan.Yardımı().VerildiMi());
        // Deleting the saved game deletes its mark.
        dağıtılan.KayıtlıOyunuSil(*depo, yardımDosyası);
        QVERIFY(!QFile::exists(yardımDosyası));
    }

    // Minimised, the clock stands still; shown again, it goes on from where it stood.
    void pauseStopsTheClock()
    {
        OyunOturumu oturum = Oyunda(*depo, BirKaymaKala, 7, {"58", "0", "0", "0"});
        oturum.Saatiİlerlet();
        oturum.Duraklat(true);
        for (int tık = 0; tık < 100; ++tık)
            QVERIFY(!oturum.Saatiİlerlet());
        QCOMPARE(oturum.Saat().ToplamSaniye(), 59);
        QCOMPARE(oturum.Tıkla(4).sonuç, Hamle::Sonuç::Kaydı);
        oturum.Duraklat(false);
        oturum.Saatiİlerlet();
        QCOMPARE(oturum.Saat().ToplamSaniye(), 60);
    }

    // The records window's list: by file name as people sort words, then folder, then division;
    // each with the day its later best was set. Clearing empties the file too.
    void recordsListedAndCleared()
    {
        const QString dosya = klasör->filePath(QStringLiteral("sonuclar.json"));
        EnİyiSonuçlar sonuçlar(dosya);
        const QSize boyut(640, 480);
        const QDate ilk(2024, 3, 1), sonra(2024, 3, 9);
        sonuçlar.Ekle({4, QStringLiteral("/b/photo10.jpg"), boyut}, 100, 90, ilk);
        sonuçlar.Ekle({3, QStringLiteral("/b/Photo2.jpg"), boyut}, 50, 40, ilk);
        sonuçlar.Ekle({5, QStringLiteral("/b/photo2.jpg"), boyut}, 500, 400, ilk);
        sonuçlar.Ekle({3, QStringLiteral("/a/sky.bmp"), boyut}, 30, 25, ilk);
        sonuçlar.Ekle({4, QStringLiteral("/a/photo10.jpg"), boyut}, 99, 80, ilk);
        // Neither better: the day stays; fewer clicks: the day moves.
        sonuçlar.Ekle({3, QStringLiteral("/a/sky.bmp"), boyut}, 31, 26, sonra);
        sonuçlar.Ekle({4, QStringLiteral("/b/photo10.jpg"), boyut}, 120, 80, sonra);
        sonuçlar.Kaydet();

        const QList<SonuçSatırı> satırlar = EnİyiSonuçlar(dosya).Tümü();
        QStringList sıra;
        for (const SonuçSatırı &satır : satırlar)
            sıra.append(QStringLiteral("%1 %2 %3 %4 %5")
                            .arg(satır.anahtar.fotoğrafYolu)
                            .arg(satır.anahtar.bölmeSayısı)
                            .arg(satır.sonuç.saniye)
                            .arg(satır.sonuç.hamle)
                            .arg(satır.sonuç.tarih.toString(Qt::ISODate)));
        QCOMPARE(sıra, (QStringList{"/b/Photo2.jpg 3 50 40 2024-03-01", "/b/photo2.jpg 5 500 400 2024-03-01",
                                    "/a/photo10.jpg 4 99 80 2024-03-01", "/b/photo10.jpg 4 100 80 2024-03-09",
                                    "/a/sky.bmp 3 30 25 2024-03-01"}));

        sonuçlar.Temizle();
        QVERIFY(sonuçlar.Tümü().isEmpty());
        QVERIFY(EnİyiSonuçlar(dosya).Tümü().isEmpty());
        QVERIFY(EnİyiSonuçlar(dosya).BozukDosyaKopyası().isEmpty());
    }

    void timeAsPeopleWriteIt_data()
    {
        QTest::addColumn<qint64>("saniye");
        QTest::addColumn<QString>("metin");
        const QList<std::pair<qint64, const char *>> satırlar{
            {0, "0 seconds"},         {1, "1 second"},           {30, "30 seconds"},           {60, "1 minute"},
            {65, "1 minute 5 seconds"}, {121, "2 minutes 1 second"}, {3601, "1 hour 1 second"},
            {86399, "23 hours 59 minutes 59 seconds"}};
        for (const auto &[saniye, metin] : satırlar)
            QTest::addRow("%lld", saniye) << saniye << QString::fromLatin1(metin);
    }
    void timeAsPeopleWriteIt()
    {
        QFETCH(qint64, saniye);
        QFETCH(QString, metin);
        QCOMPARE(OkunanSüre(saniye), metin);
    }

    void savedGameRoundTrip_data()
    {
        QTest::addColumn<int>("n");
        for (const int n : {3, 4, 5})
            QTest::addRow("%dx%d", n, n) << n;
    }
    void savedGameRoundTrip()
    {
        QFETCH(int, n);
        // An older, larger game is replaced whole.
        for (int konum = 0; konum < 30; ++konum)
            depo->Yaz(Oyun, QStringLiteral("Foto-%1").arg(konum), QStringLiteral("x"));
        OyunOturumu oturum(n);
        oturum.KayıtlıOyunuBul(*depo);
        oturum.Dağıt([] { return 0.3f; });
        oturum.Ok(Yön::Sağ);
        oturum.Ok(Yön::Aşağı);
        for (int saniye = 0; saniye < 3725; ++saniye)
            oturum.Saatiİlerlet();
        oturum.OyunuKaydet(*depo);

        const QList<AyarGirdisi> girdiler = depo->BölümüOku(Oyun);
        QCOMPARE(girdiler.size(), n * n);
        const int boş = oturum.Tahtası().BoşParçaNo();
        for (int konum = 0; konum < n * n; ++konum) {
            QCOMPARE(girdiler[konum].first, QStringLiteral("Foto-%1").arg(konum));
            QCOMPARE(girdiler[konum].second, konum == boş ? QStringLiteral("%1B").arg(boş)
                                                          : QString::number(oturum.Tahtası().Etiket(konum)));
        }
        QCOMPARE(depo->BölümüOku(Bilgiler),
                 (QList<AyarGirdisi>{{"Saniye Bilgisi", "5"}, {"Dakika Bilgisi", "2"}, {"Saat Bilgisi", "1"}, {"Hamle Bilgisi", "2"}}));

        const OyunOturumu sonraki = Sonraki(*depo, n);
        QVERIFY(sonraki.Sürüyor());
        QCOMPARE(sonraki.Tahtası().BoşParçaNo(), boş);
        QCOMPARE(sonraki.HamleSayısı(), 2);
        QCOMPARE(sonraki.Saat().ToplamSaniye(), 3725);
        for (int konum = 0; konum < n * n; ++konum)
            if (konum != boş)
                QCOMPARE(sonraki.Tahtası().Etiket(konum), oturum.Tahtası().Etiket(konum));
    }

    // The store's order, not the keys, places the entries; a game that makes no sense is
    // forgotten, so nothing later deletes what the player had.
    void restoreTakesTheStoreOrder()
    {
        depo->Yaz(Oyun, QStringLiteral("Foto-1"), QStringLiteral("1"));
        depo->Yaz(Oyun, QStringLiteral("Foto-0"), QStringLiteral("0"));
        for (int konum = 2; konum < 9; ++konum)
            depo->Yaz(Oyun, QStringLiteral("Foto-%1").arg(konum), konum == 8 ? QStringLiteral("8B") : QString::number(9 - konum));
        QCOMPARE(Etiketler(Sonraki(*depo)), (QList<int>{1, 0, 7, 6, 5, 4, 3, 2, 8}));
    }

    void deletionOnlyOfAGameFound()
    {
        OyunOturumu oturum(3);
        QVERIFY(!oturum.KayıtlıOyunuBul(*depo));
        Oyunda(*depo, BirKaymaKala, 7);  // written after this session looked
        oturum.KayıtlıOyunuSil(*depo);
        QCOMPARE(depo->BölümüOku(Oyun).size(), 9);

        oturum.KayıtlıOyunuBul(*depo);
        oturum.KayıtlıOyunuSil(*depo);
        QVERIFY(depo->BölümüOku(Oyun).isEmpty());
        QVERIFY(depo->BölümüOku(Bilgiler).isEmpty());
    }

    void damagedSavedGamesSayWhy_data()
    {
        QTest::addColumn<QStringList>("değerler");
        QTest::addColumn<QStringList>("bilgiler");
        QTest::addColumn<QString>("neden");
        const QStringList sayaçlar{"0", "0", "0", "0"};
        const QStringList iyi{"1", "2", "0", "3", "4", "5", "6", "7", "8B"};
        QTest::newRow("too few places") << QStringList{"1", "0", "2", "3B"} << sayaçlar << "4 places";
        QTest::newRow("a piece twice") << QStringList{"1", "1", "2", "3", "4", "5", "6", "7", "8B"} << sayaçlar << "piece 1 twice";
        QTest::newRow("the corner piece on the board")
            << QStringList{"8", "0", "2", "3", "4", "5", "6", "7", "1B"} << sayaçlar << "\"8\"";
        QTest::newRow("two empty places") << QStringList{"1", "0", "2", "3", "4", "5", "6", "7B", "8B"} << sayaçlar << "more than one";
        QTest::newRow("empty place named elsewhere")
            << QStringList{"1", "0", "2", "3", "4", "5", "6", "7", "3B"} << sayaçlar << "\"3B\"";
        QTest::newRow("lower-case mark") << QStringList{"1", "0", "2", "3", "4", "5", "6", "7", "8b"} << sayaçlar << "\"8b\"";
        QTest::newRow("two pieces exchanged") << QStringList{"1", "0", "2", "3", "4", "5", "6", "7", "8B"} << sayaçlar
                                              << "no slides can bring";
        QTest::newRow("a megabyte in one value") << QStringList{QString(1 << 20, u'7'), "0", "2", "3", "4", "5", "6", "7", "8B"}
                                                 << sayaçlar << "\"777777";
        QTest::newRow("minutes out of range") << iyi << QStringList{"0", "75", "0", "0"} << "minutes \"75\"";
        QTest::newRow("click count no number") << iyi << QStringList{"0", "0", "0", "many"} << "click count";
    }
    void damagedSavedGamesSayWhy()
    {
        QFETCH(QStringList, değerler);
        QFETCH(QStringList, bilgiler);
        QFETCH(QString, neden);
        KayıtYaz(*depo, değerler, bilgiler);
        OyunOturumu oturum(3);
        QVERIFY(oturum.KayıtlıOyunuBul(*depo));
        try {
            oturum.KayıtlıOyunuGeriYükle(*depo);
            QFAIL("a damaged saved game was laid back");
        } catch (const ÇalışmaHatası &hata) {
            QVERIFY2(hata.Açıklama().contains(neden), qPrintable(hata.Açıklama()));
            QVERIFY(hata.Açıklama().size() < 200);
        }
        QVERIFY(!oturum.Sürüyor());
        QVERIFY(!oturum.KayıtlıOyunVar());
    }

    // A value that makes no sense keeps its error for the load step that uses it; the others
    // read as stored or as their defaults.
    void windowOptions()
    {
        depo->Yaz(QStringLiteral("Ayarlar"), QStringLiteral("Ornek Goster"), QStringLiteral("7"));
        depo->Yaz(QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme"), QStringLiteral("3"));
        depo->Yaz(QStringLiteral("Ayarlar"), QStringLiteral("Ust Bosluk"), QStringLiteral("1e30"));
        depo->Yaz(QStringLiteral("Ayarlar"), QStringLiteral("Sesleri Kapat"), QStringLiteral("2"));
        AnaFormAyarları okunan = AnaFormAyarları::Oku(*depo, QStringLiteral("/p/Sample-2.jpg"));
        QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, okunan.örnekGöster.Değer());
        QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, okunan.sonBölme.Değer());
        QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, okunan.yer.Değer());
        QCOMPARE(okunan.sesleriKapat.Değer(), Qt::PartiallyChecked);
        QCOMPARE(okunan.oyunuKaydet.Değer(), Qt::Unchecked);
        QCOMPARE(okunan.sonFotoğraf, QStringLiteral("/p/Sample-2.jpg"));

        AnaFormAyarları yazılan;
        yazılan.yer = PencereYeri{100, -20};
        yazılan.sonBölme = qint16(2);
        yazılan.sonFotoğraf = QStringLiteral("/photos/a=b.jpg");
        yazılan.oyunuKaydet = Qt::Checked;
        QTemporaryDir başka;
        AyarDeposu yeni(başka.filePath(QStringLiteral("ayarlar.ini")));
        yazılan.Yaz(yeni);
        QCOMPARE(yeni.BölümüOku(QStringLiteral("Ayarlar")),
                 (QList<AyarGirdisi>{{"Sol Bosluk", "1500"}, {"Ust Bosluk", "-300"}, {"Son Bolme", "2"},
                                     {"Son Fotograf", "/photos/a=b.jpg"}, {"Ornek Goster", "1"},
                                     {"Oyunu Kaydet", "1"}, {"Sesleri Kapat", "0"}}));
        // A minimised window keeps the place stored before.
        yazılan.yer = PencereYeri{};
        yazılan.Yaz(*depo);
        QCOMPARE(depo->Oku(QStringLiteral("Ayarlar"), QStringLiteral("Ust Bosluk")), QStringLiteral("1e30"));
    }
};

QTEST_MAIN(TestGameSession)
#include "tst_oyunoturumu.moc"
