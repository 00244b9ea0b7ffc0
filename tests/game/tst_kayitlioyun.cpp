// What the next start brings back of the last exit: options, window, photo, and the saved game.
#include "AnaForm.h"
#include "AyarDeposu.h"
#include "OrtakDegiskenler.h"
#include "ResimKutusu.h"
#include "SahteOrtam.h"
#include "TestFormu.h"
#include "TestFotografi.h"

#include <QFile>
#include <QTest>

#include <memory>

namespace {

const QString Ayar = QStringLiteral("Ayarlar");
const QString Oyun = QStringLiteral("Oyun");
const QString Bilgiler = QStringLiteral("Oyun\\Bilgiler");

std::unique_ptr<AnaForm> Başlat()
{
    AyarlarıKapat();  // a new start reads the file anew
    auto form = std::make_unique<AnaForm>();
    form->Form_Load();
    return form;
}

void KayıtlıOyunYaz(const QStringList &değerler, const QStringList &bilgiler = {"0", "0", "0", "0"})
{
    for (int konum = 0; konum < değerler.size(); ++konum)
        Ayarlar().Yaz(Oyun, QStringLiteral("Foto-%1").arg(konum), değerler[konum]);
    const char *anahtarlar[] = {"Saniye Bilgisi", "Dakika Bilgisi", "Saat Bilgisi", "Hamle Bilgisi"};
    for (int sıra = 0; sıra < 4; ++sıra)
        Ayarlar().Yaz(Bilgiler, QLatin1String(anahtarlar[sıra]), bilgiler[sıra]);
}

// Centred on the screen, give or take the window frame the system adds once it is shown.
bool Ortada(const AnaForm &form)
{
    return (form.geometry().center() - form.screen()->geometry().center()).manhattanLength() <= 4;
}

}  // namespace

class TestSavedGame : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        ortam = std::make_unique<SahteOrtam>();
        FotoğrafYaz(ProgramKlasörü + QStringLiteral("Sample-2.jpg"), QSize(640, 480));
    }
    void cleanup() { ortam.reset(); }

    void firstStartWithAnEmptyStore()
    {
        auto form = Başlat();
        QVERIFY(ortam->mesajlar.isEmpty());
        QCOMPARE(form->OyunuKaydetOnayı->checkState(), Qt::Unchecked);
        QCOMPARE(form->FotoğrafınÖrneğiniGöster->checkState(), Qt::Checked);
        QCOMPARE(form->SesleriKapatOnayı->checkState(), Qt::Unchecked);
        QVERIFY(form->ParçalaraBölSeçeneği[0]->isChecked());
        QCOMPARE(FotoğrafYolu, ProgramKlasörü + QStringLiteral("Sample-2.jpg"));
        QVERIFY(!form->ÖrnekKutusu->Resim().isNull());
        QVERIFY(!form->OyunSürüyor());
        QCOMPARE(form->Etiket[1]->text(), QString());
        QCOMPARE(form->Etiket[3]->text(), QString());
        QVERIFY(Ortada(*form));
        QCOMPARE(ortam->AyarMetni(), QString());
    }

    void runningGameComesBack_data()
    {
        QTest::addColumn<int>("bölme");
        for (const int bölme : {0, 1, 2})
            QTest::addRow("%dx%d", bölme + 3, bölme + 3) << bölme;
    }

    void runningGameComesBack()
    {
        QFETCH(int, bölme);
        auto form = Başlat();
        form->OyunuKaydetOnayı->setChecked(true);
        form->ParçalaraBölSeçeneği_Click(bölme);
        form->YeniOyunDüğmesi_Click();
        const int n = bölme + 3;
        form->DağınıkParçalar_Click(n * n - 2);
        form->DağınıkParçalar_Click(n * n - 2 - n);
        form->oyunSaati = OyunSaati{7, 3, 1};
        form->HamleSayısı = 2;
        const QList<int> etiketler = Etiketler(form->tahta);
        const int boş = form->tahta.BoşParçaNo();
        form->Kapat(KapanmaNedeni::Program);

        QCOMPARE(Ayarlar().BölümüOku(Oyun).size(), n * n);
        QCOMPARE(Ayarlar().Oku(Oyun, QStringLiteral("Foto-%1").arg(boş)), QString::number(boş) + QLatin1Char('B'));

        auto sonraki = Başlat();
        QVERIFY(ortam->mesajlar.isEmpty());
        QVERIFY(sonraki->OyunSürüyor());
        QVERIFY(sonraki->ParçalaraBölSeçeneği[bölme]->isChecked());
        QCOMPARE(sonraki->tahta.BoşParçaNo(), boş);
        for (int konum = 0; konum < n * n; ++konum) {
            if (konum == boş)
                continue;
            QCOMPARE(sonraki->tahta.Etiket(konum), etiketler[konum]);
            QCOMPARE(sonraki->DağınıkParçalar[konum]->Resim(), sonraki->SıralıParçalar[etiketler[konum]]);
        }
        QVERIFY(sonraki->DağınıkParçalar[boş]->Resim().isNull());
        QCOMPARE(sonraki->Etiket[1]->text(), QStringLiteral("01:03:07"));
        QCOMPARE(sonraki->Etiket[3]->text(), QStringLiteral("2"));
        sonraki->SüreHesapla_Timer();
        QCOMPARE(sonraki->Etiket[1]->text(), QStringLiteral("01:03:08"));

        // Saving a smaller game replaces the whole of the old one.
        sonraki->ParçalaraBölSeçeneği_Click(0);
        sonraki->Kapat(KapanmaNedeni::Program);
        QCOMPARE(Ayarlar().BölümüOku(Oyun).size(), 9);
        QCOMPARE(Ayarlar().BölümüOku(Bilgiler).size(), 4);
    }

    void noGameOrClearBoxSavesNoGame()
    {
        KayıtlıOyunYaz({"1", "2", "0", "3", "4", "5", "6", "7", "8B"});
        const auto kayıt = [] { return Ayarlar().BölümüOku(Oyun) + Ayarlar().BölümüOku(Bilgiler); };
        const QList<AyarGirdisi> önce = kayıt();
        {
            auto form = Başlat();  // resumes the game; the box is clear
            QVERIFY(form->OyunSürüyor());
            form->DağınıkParçalar_Click(7);
            form->Kapat(KapanmaNedeni::Program);
        }
        AyarlarıKapat();
        QCOMPARE(kayıt(), önce);
        Ayarlar().BölümüSil(Oyun);
        {
            auto form = Başlat();  // the box ticked, but no game started
            form->OyunuKaydetOnayı->setChecked(true);
            form->Kapat(KapanmaNedeni::Program);
        }
        QVERIFY(!ortam->AyarMetni().contains(QStringLiteral("[Oyun")));
        QCOMPARE(Ayarlar().Oku(Ayar, QStringLiteral("Oyunu Kaydet")), QStringLiteral("1"));
    }

    void missingPhotoPathIsKept()
    {
        const QString kayıp = ortam->AyarKlasörü() + QStringLiteral("/gone/holiday.jpg");
        Ayarlar().Yaz(Ayar, QStringLiteral("Son Fotograf"), kayıp);
        auto form = Başlat();
        QVERIFY(ortam->mesajlar.isEmpty());
        QVERIFY(form->OrjinalFotoğrafKutusu.BoşMu());
        QVERIFY(form->ÖrnekKutusu->Resim().isNull());
        form->Kapat(KapanmaNedeni::Program);
        QCOMPARE(Ayarlar().Oku(Ayar, QStringLiteral("Son Fotograf")), kayıp);
    }

    void untickingDeletesOnlyAGameReadAtStart()
    {
        Ayarlar().Yaz(Ayar, QStringLiteral("Oyunu Kaydet"), QStringLiteral("1"));
        auto form = Başlat();
        KayıtlıOyunYaz({"1", "2", "0", "3", "4", "5", "6", "7", "8B"});
        form->OyunuKaydetOnayı->setChecked(false);
        QCOMPARE(Ayarlar().BölümüOku(Oyun).size(), 9);

        form = Başlat();  // this run starts with the saved game
        QVERIFY(form->OyunSürüyor());
        QCOMPARE(form->OyunuKaydetOnayı->checkState(), Qt::Checked);
        form->OyunuKaydetOnayı->setChecked(false);
        QVERIFY(Ayarlar().BölümüOku(Oyun).isEmpty());
        QVERIFY(Ayarlar().BölümüOku(Bilgiler).isEmpty());
    }

    void restoreFollowsStoreOrder()
    {
        // Entries are taken by their order, not their keys.
        Ayarlar().Yaz(Oyun, QStringLiteral("Foto-1"), QStringLiteral("1"));
        Ayarlar().Yaz(Oyun, QStringLiteral("Foto-0"), QStringLiteral("0"));
        for (int konum = 2; konum < 9; ++konum)
            Ayarlar().Yaz(Oyun, QStringLiteral("Foto-%1").arg(konum), konum == 8 ? QStringLiteral("8B") : QString::number(9 - konum));
        auto form = Başlat();
        QCOMPARE(Etiketler(form->tahta), (QList<int>{1, 0, 7, 6, 5, 4, 3, 2, 8}));
    }

    void damagedSavedGames_data()
    {
        QTest::addColumn<QStringList>("değerler");
        QTest::addColumn<QStringList>("bilgiler");
        QTest::addColumn<QString>("neden");
        const QStringList sayaçlar{"0", "0", "0", "0"};
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
        QTest::newRow("minutes out of range") << QStringList{"1", "2", "0", "3", "4", "5", "6", "7", "8B"}
                                              << QStringList{"0", "75", "0", "0"} << "minutes \"75\"";
        QTest::newRow("click count no number") << QStringList{"1", "2", "0", "3", "4", "5", "6", "7", "8B"}
                                               << QStringList{"0", "0", "0", "many"} << "click count";
    }

    void damagedSavedGames()
    {
        QFETCH(QStringList, değerler);
        QFETCH(QStringList, bilgiler);
        QFETCH(QString, neden);
        KayıtlıOyunYaz(değerler, bilgiler);
        const QString önce = ortam->AyarMetni();

        auto form = Başlat();
        QCOMPARE(ortam->mesajlar.size(), 1);
        QCOMPARE(ortam->mesajlar[0].başlık, QStringLiteral("Error Occured!"));
        QVERIFY2(ortam->mesajlar[0].metin.contains(neden), qPrintable(ortam->mesajlar[0].metin));
        QVERIFY(ortam->mesajlar[0].metin.size() < 400);
        // A start without a saved game: the photo whole, nothing running, and it plays.
        QVERIFY(!form->OyunSürüyor());
        for (int konum = 0; konum < 9; ++konum)
            QCOMPARE(form->DağınıkParçalar[konum]->Resim(), form->SıralıParçalar[konum]);
        form->YeniOyunDüğmesi_Click();
        QVERIFY(form->OyunSürüyor());
        form->DağınıkParçalar_Click(7);
        QCOMPARE(form->Etiket[3]->text(), QStringLiteral("1"));
        // Nothing the player had is touched, not even by unticking the box.
        form->OyunuKaydetOnayı->setChecked(true);
        form->OyunuKaydetOnayı->setChecked(false);
        QCOMPARE(ortam->AyarMetni(), önce);
    }

    void damagedOptionsFallBack_data()
    {
        QTest::addColumn<QString>("anahtar");
        QTest::addColumn<QString>("değer");
        QTest::newRow("division 3") << "Son Bolme" << "3";
        QTest::newRow("division no number") << "Son Bolme" << "four";
        QTest::newRow("left edge no number") << "Sol Bosluk" << "far left";
        QTest::newRow("top edge out of range") << "Ust Bosluk" << "1e30";
        QTest::newRow("check box 7") << "Ornek Goster" << "7";
    }

    void damagedOptionsFallBack()
    {
        QFETCH(QString, anahtar);
        QFETCH(QString, değer);
        Ayarlar().Yaz(Ayar, anahtar, değer);
        auto form = Başlat();
        QCOMPARE(ortam->mesajlar.size(), 1);
        QCOMPARE(ortam->mesajlar[0].düğmeler, MesajDüğmeleri::EvetHayır);
        QCOMPARE(form->DağınıkParçalar.size(), 9);
        QVERIFY(form->ParçalaraBölSeçeneği[0]->isChecked());
        QCOMPARE(form->FotoğrafınÖrneğiniGöster->checkState(), Qt::Checked);
        QVERIFY(Ortada(*form));
    }

    // A stored place off every screen is brought back; one partly on a screen is the player's own.
    void windowStaysWithinReach_data()
    {
        QTest::addColumn<QString>("sol");
        QTest::addColumn<QString>("üst");
        QTest::addColumn<bool>("taşınır");
        QTest::newRow("far off the left") << "-99999" << "1500" << true;
        QTest::newRow("far below") << "1500" << "400000" << true;
        QTest::newRow("half off the left") << "-4500" << "1500" << false;
    }
    void windowStaysWithinReach()
    {
        QFETCH(QString, sol);
        QFETCH(QString, üst);
        QFETCH(bool, taşınır);
        Ayarlar().Yaz(Ayar, QStringLiteral("Sol Bosluk"), sol);
        Ayarlar().Yaz(Ayar, QStringLiteral("Ust Bosluk"), üst);
        auto form = Başlat();
        QVERIFY(ortam->mesajlar.isEmpty());
        const QRect ekran = form->screen()->availableGeometry();
        if (taşınır)
            // On the screen, give or take the window frame the system adds once it is shown.
            QVERIFY(ekran.adjusted(-4, -4, 4, 4).contains(form->frameGeometry()));
        else
            QCOMPARE(form->pos(), QPoint(sol.toInt() / 15, üst.toInt() / 15));
    }

private:
    std::unique_ptr<SahteOrtam> ortam;
};

QTEST_MAIN(TestSavedGame)
#include "tst_kayitlioyun.moc"
