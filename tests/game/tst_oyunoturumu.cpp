// The game in play without a window: each input, the count, the history, completion, the help
// given, the saved game and the options as stored, the best results as the records window lists them.
#include "AnaFormAyarlari.h"
#include "AyarDeposu.h"
#include "CalismaHatasi.h"
#include "EnIyiSonuclar.h"
#include "OyunOturumu.h"
#include "OyunSaati.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

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

// A running 3 x 3 game one slide from home (piece 7 at position 8, the gap at 7), the counters
// as stored.
OyunOturumu BirKaymaKala(AyarDeposu &depo, const QStringList &bilgiler = {})
{
    KayıtYaz(depo, {"0", "1", "2", "3", "4", "5", "6", "7B", "7"}, bilgiler);
    return Sonraki(depo);
}

QList<int> Etiketler(const Tahta &tahta)
{
    QList<int> etiketler;
    for (int konum = 0; konum < tahta.KonumSayısı(); ++konum)
        etiketler.append(tahta.Etiket(konum));
    return etiketler;
}

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

    // The arrow moves the tile beside the gap the way it points; none beyond an edge, and none
    // from the row above or below at a side edge. Without a game nothing moves.
    void arrowsAndClicks_data()
    {
        QTest::addColumn<int>("boş");
        QTest::addColumn<Yön>("yön");
        QTest::addColumn<int>("kayan");  // -1: refused
        QTest::newRow("top-left corner, Left") << 0 << Yön::Sol << 1;
        QTest::newRow("top-left corner, Up") << 0 << Yön::Yukarı << 3;
        QTest::newRow("top-left corner, Right") << 0 << Yön::Sağ << -1;
        QTest::newRow("right edge, Down") << 5 << Yön::Aşağı << 2;
        QTest::newRow("right edge, Left") << 5 << Yön::Sol << -1;
        QTest::newRow("bottom-right corner, Right") << 8 << Yön::Sağ << 7;
        QTest::newRow("bottom-right corner, Up") << 8 << Yön::Yukarı << -1;
    }
    void arrowsAndClicks()
    {
        QFETCH(int, boş);
        QFETCH(Yön, yön);
        QFETCH(int, kayan);
        OyunOturumu oturum(3);
        QCOMPARE(oturum.Ok(yön).sonuç, Hamle::Sonuç::OyunYok);
        QCOMPARE(oturum.Tıkla(7).sonuç, Hamle::Sonuç::OyunYok);
        oturum.Dağıt([] { return 0.4f; });
        // The gap walks from the bottom-right corner to `boş`, along the row, then up.
        while (oturum.Tahtası().BoşParçaNo() % 3 > boş % 3)
            oturum.Tıkla(oturum.Tahtası().BoşParçaNo() - 1);
        while (oturum.Tahtası().BoşParçaNo() > boş)
            oturum.Tıkla(oturum.Tahtası().BoşParçaNo() - 3);
        QCOMPARE(oturum.Tahtası().BoşParçaNo(), boş);
        const qint32 sayı = oturum.HamleSayısı();
        const int etiket = kayan < 0 ? -1 : oturum.Tahtası().Etiket(kayan);

        const Hamle hamle = oturum.Ok(yön);
        if (kayan < 0) {
            QCOMPARE(hamle.sonuç, Hamle::Sonuç::Reddedildi);
            QCOMPARE(oturum.Tahtası().BoşParçaNo(), boş);
        } else {
            QCOMPARE(hamle.sonuç, Hamle::Sonuç::Kaydı);
            QVERIFY(hamle.nereden == kayan && hamle.nereye == boş && hamle.sayıldı);
            QCOMPARE(oturum.Tahtası().Etiket(boş), etiket);
        }
        // A click on the gap itself, or two places away, is refused.
        const int yeniBoş = oturum.Tahtası().BoşParçaNo();
        QCOMPARE(oturum.Tıkla(yeniBoş).sonuç, Hamle::Sonuç::Reddedildi);
        QCOMPARE(oturum.Tıkla(yeniBoş < 6 ? yeniBoş + 6 : yeniBoş - 6).sonuç, Hamle::Sonuç::Reddedildi);
        QCOMPARE(oturum.HamleSayısı(), sayı + (kayan < 0 ? 0 : 1));
    }

    void undoAndRedoFollowTheCount()
    {
        OyunOturumu oturum(3);
        oturum.Dağıt([] { return 0.4f; });
        const Tahta dağıtım = oturum.Tahtası();
        for (const Yön yön : {Yön::Sağ, Yön::Aşağı, Yön::Sağ, Yön::Yukarı})
            QCOMPARE(oturum.Ok(yön).sonuç, Hamle::Sonuç::Kaydı);
        const QList<int> sonra = Etiketler(oturum.Tahtası());
        for (int kalan = 3; kalan >= 0; --kalan) {
            QVERIFY(oturum.GeriAl());
            QCOMPARE(oturum.HamleSayısı(), kalan);
        }
        QVERIFY(!oturum.GeriAl());
        QCOMPARE(Etiketler(oturum.Tahtası()).first(8), Etiketler(dağıtım).first(8));
        while (oturum.Yinele()) {
        }
        QCOMPARE(Etiketler(oturum.Tahtası()), sonra);
        QCOMPARE(oturum.HamleSayısı(), 4);

        // A new slide after taking one back leaves nothing to make again; a deal or a division
        // nothing to take back.
        oturum.GeriAl();
        oturum.Ok(oturum.Tahtası().BoşParçaNo() % 3 == 0 ? Yön::Sol : Yön::Sağ);
        QVERIFY(!oturum.Yinelenebilir() && oturum.Sürüyor());
        oturum.Dağıt([] { return 0.5f; });
        QVERIFY(!oturum.GeriAlınabilir());
        oturum.Ok(Yön::Sağ);
        oturum.Böl(4);
        QVERIFY(!oturum.GeriAlınabilir());
    }

    void completionEndsTheGame()
    {
        OyunOturumu oturum = BirKaymaKala(*depo, {"5", "1", "0", "41"});
        oturum.Ok(Yön::Aşağı);  // the gap goes up: 4 slides down and back
        oturum.GeriAl();
        const Hamle hamle = oturum.Tıkla(8);
        QVERIFY(hamle.tamamlandı && !oturum.Sürüyor());
        QVERIFY(!oturum.GeriAlınabilir() && !oturum.Yinelenebilir());
        // The congratulation reads the time and the count before they go back to zero.
        QCOMPARE(oturum.HamleSayısı(), 42);
        QCOMPARE(oturum.Saat().ToplamSaniye(), 65);
        QVERIFY(!oturum.BilgisayarÇözdü());
        QCOMPARE(oturum.Tıkla(7).sonuç, Hamle::Sonuç::OyunYok);
    }

    // The count stops at its largest and the tile still slides. Saved while the 24-hour notice is
    // open (a log-out), the game resumes at 0:00:00.
    void countersAtTheirLimits()
    {
        const qint32 enÇok = std::numeric_limits<qint32>::max();
        OyunOturumu oturum = BirKaymaKala(*depo, {"59", "59", "23", QString::number(enÇok)});
        const Hamle hamle = oturum.Tıkla(4);
        QVERIFY(hamle.sonuç == Hamle::Sonuç::Kaydı && !hamle.sayıldı);
        QVERIFY(oturum.Saatiİlerlet());
        const QString yardımDosyası = klasör->filePath(QStringLiteral("yardim.json"));
        oturum.OyunuKaydet(*depo, yardımDosyası);
        const OyunOturumu sonraki = Sonraki(*depo, 3, yardımDosyası);
        QCOMPARE(sonraki.Saat().ToplamSaniye(), 0);
        QCOMPARE(sonraki.HamleSayısı(), enÇok);
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
        OyunOturumu oturum = BirKaymaKala(*depo);
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

        // A deal and a division clear it; deleting the saved game deletes its mark.
        oturum = BirKaymaKala(*depo);
        oturum.İpucuGösterildi();
        oturum.Dağıt([] { return 0.5f; });
        QVERIFY(!oturum.Yardımı().VerildiMi());
        oturum.Tıkla(7, Kaydıran::Çözücü);
        oturum.Böl(4);
        QVERIFY(!oturum.Yardımı().VerildiMi());
        oturum.KayıtlıOyunuSil(*depo, yardımDosyası);
        QVERIFY(!QFile::exists(yardımDosyası));
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
        for (const auto &[anahtar, sonuç] : satırlar)
            sıra.append(QStringLiteral("%1 %2 %3 %4 ").arg(anahtar.fotoğrafYolu).arg(anahtar.bölmeSayısı).arg(sonuç.saniye)
                            .arg(sonuç.hamle) + sonuç.tarih.toString(Qt::ISODate));
        QCOMPARE(sıra, (QStringList{"/b/Photo2.jpg 3 50 40 2024-03-01", "/b/photo2.jpg 5 500 400 2024-03-01",
                                    "/a/photo10.jpg 4 99 80 2024-03-01", "/b/photo10.jpg 4 100 80 2024-03-09",
                                    "/a/sky.bmp 3 30 25 2024-03-01"}));

        sonuçlar.Temizle();
        QVERIFY(EnİyiSonuçlar(dosya).Tümü().isEmpty());
        QVERIFY(EnİyiSonuçlar(dosya).BozukDosyaKopyası().isEmpty());
    }

    // As people write it, in each language the game speaks.
    void timeAsPeopleWriteIt()
    {
        const QList<std::pair<qint64, const char *>> satırlar{
            {0, "0 seconds"}, {60, "1 minute"}, {121, "2 minutes 1 second"}, {3601, "1 hour 1 second"},
            {86399, "23 hours 59 minutes 59 seconds"}};
        for (const auto &[saniye, metin] : satırlar)
            QCOMPARE(OkunanSüre(saniye), QString::fromLatin1(metin));
        for (const auto &[dil, metin] : {std::pair{"de", "1 Stunde 2 Minuten"}, {"tr", "1 saat 2 dakika"}}) {
            QTranslator çeviri;
            QVERIFY(çeviri.load(QStringLiteral(":/ceviriler/tilora_") + QLatin1String(dil)));
            QCoreApplication::installTranslator(&çeviri);
            QCOMPARE(OkunanSüre(3720), QString::fromUtf8(metin));
            QCoreApplication::removeTranslator(&çeviri);
        }
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

        const int boş = oturum.Tahtası().BoşParçaNo();
        QList<AyarGirdisi> girdiler;
        for (int konum = 0; konum < n * n; ++konum) {
            const QString değer = QString::number(oturum.Tahtası().Etiket(konum));
            girdiler.append({QStringLiteral("Foto-%1").arg(konum), konum == boş ? QStringLiteral("%1B").arg(boş) : değer});
        }
        QCOMPARE(depo->BölümüOku(Oyun), girdiler);
        QCOMPARE(depo->BölümüOku(Bilgiler),
                 (QList<AyarGirdisi>{{"Saniye Bilgisi", "5"}, {"Dakika Bilgisi", "2"}, {"Saat Bilgisi", "1"}, {"Hamle Bilgisi", "2"}}));

        const OyunOturumu sonraki = Sonraki(*depo, n);
        QVERIFY(sonraki.Sürüyor() && sonraki.HamleSayısı() == 2 && sonraki.Saat().ToplamSaniye() == 3725);
        QCOMPARE(sonraki.Tahtası().BoşParçaNo(), boş);
        QList<int> taşlar = Etiketler(oturum.Tahtası()), geriGelen = Etiketler(sonraki.Tahtası());
        taşlar.remove(boş);
        geriGelen.remove(boş);
        QCOMPARE(geriGelen, taşlar);
    }

    // The store's order, not the keys, places the entries; a game that makes no sense is
    // forgotten, so nothing later deletes what the player had.
    void restoreTakesTheStoreOrder()
    {
        depo->Yaz(Oyun, QStringLiteral("Foto-1"), QStringLiteral("1"));
        depo->Yaz(Oyun, QStringLiteral("Foto-0"), QStringLiteral("0"));
        for (int konum = 2; konum < 9; ++konum)
            depo->Yaz(Oyun, QStringLiteral("Foto-%1").arg(konum), konum == 8 ? QStringLiteral("8B") : QString::number(9 - konum));
        QCOMPARE(Etiketler(Sonraki(*depo).Tahtası()), (QList<int>{1, 0, 7, 6, 5, 4, 3, 2, 8}));
    }

    void deletionOnlyOfAGameFound()
    {
        OyunOturumu oturum(3);
        QVERIFY(!oturum.KayıtlıOyunuBul(*depo));
        BirKaymaKala(*depo);  // written after this session looked
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
        QTest::newRow("lower-case mark") << QStringList{"1", "0", "2", "3", "4", "5", "6", "7", "8b"} << sayaçlar << "\"8b\"";
        QTest::newRow("two pieces exchanged") << QStringList{"1", "0", "2", "3", "4", "5", "6", "7", "8B"} << sayaçlar
                                              << "no slides can bring";
        QTest::newRow("a megabyte in one value") << QStringList{QString(1 << 20, u'7'), "0", "2", "3", "4", "5", "6", "7", "8B"}
                                                 << sayaçlar << "\"777777";
        QTest::newRow("minutes out of range") << iyi << QStringList{"0", "75", "0", "0"} << "minutes \"75\"";
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

    // The options in the order and form the store has always kept them; the greyed sound box
    // reads back grey.
    void windowOptions()
    {
        depo->Yaz(QStringLiteral("Ayarlar"), QStringLiteral("Sesleri Kapat"), QStringLiteral("2"));
        QCOMPARE(AnaFormAyarları::Oku(*depo, {}).sesleriKapat.Değer(), Qt::PartiallyChecked);
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
    }
};

QTEST_MAIN(TestGameSession)
#include "tst_oyunoturumu.moc"
