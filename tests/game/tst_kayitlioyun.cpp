// What the next start brings back of the last exit: options, window, photo, and the saved game.
#include "AnaForm.h"
#include "AyarDeposu.h"
#include "OrtakDegiskenler.h"
#include "ResimKutusu.h"
#include "SahteOrtam.h"
#include "TestFormu.h"
#include "TestFotografi.h"

#include <QCheckBox>
#include <QRadioButton>
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

Qt::CheckState Onay(const AnaForm &form, const char *ad)
{
    return Bul<QCheckBox>(form, QString::fromUtf8(ad))->checkState();
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
        QCOMPARE(Onay(*form, "OyunuKaydetOnayı"), Qt::Unchecked);
        QCOMPARE(Onay(*form, "FotoğrafınÖrneğiniGöster"), Qt::Checked);
        QCOMPARE(Onay(*form, "SesleriKapatOnayı"), Qt::Unchecked);
        QVERIFY(Bul<QRadioButton>(*form, QStringLiteral("ParçalaraBölSeçeneği(0)"))->isChecked());
        QCOMPARE(FotoğrafYolu, ProgramKlasörü + QStringLiteral("Sample-2.jpg"));
        QVERIFY(!Bul<ResimKutusu>(*form, QStringLiteral("ÖrnekKutusu"))->Resim().isNull());
        QVERIFY(!OyunVar(*form));
        QCOMPARE(Değer(*form, 1), QString());
        QCOMPARE(Değer(*form, 3), QString());
        QVERIFY(Ortada(*form));
        QCOMPARE(ortam->AyarMetni(), QString());
    }

    // At 4 x 4, so that the division comes back too; each size's saved game is the session's.
    void runningGameComesBack()
    {
        const int bölme = 1, n = 4;
        auto form = Başlat();
        Bul<QCheckBox>(*form, QStringLiteral("OyunuKaydetOnayı"))->setChecked(true);
        form->ParçalaraBölSeçeneği_Click(bölme);
        const QList<QImage> bütün = Resimler(*form);
        form->YeniOyunDüğmesi_Click();
        form->DağınıkParçalar_Click(n * n - 2);
        form->DağınıkParçalar_Click(n * n - 2 - n);
        for (int saniye = 0; saniye < 3787; ++saniye)
            form->SüreHesapla_Timer();
        const QList<int> gösterilen = Gösterilen(*form);
        const int boş = gösterilen.indexOf(-1);
        form->Kapat(KapanmaNedeni::Program);

        QCOMPARE(Ayarlar().BölümüOku(Oyun).size(), n * n);
        QCOMPARE(Ayarlar().Oku(Oyun, QStringLiteral("Foto-%1").arg(boş)), QString::number(boş) + QLatin1Char('B'));

        auto sonraki = Başlat();
        QVERIFY(ortam->mesajlar.isEmpty());
        QVERIFY(Bul<QRadioButton>(*sonraki, QStringLiteral("ParçalaraBölSeçeneği(%1)").arg(bölme))->isChecked());
        QCOMPARE(Gösterilen(*sonraki), gösterilen);
        for (int konum = 0; konum < n * n; ++konum)
            QCOMPARE(Parça(*sonraki, konum)->Resim(), konum == boş ? QImage() : bütün[gösterilen[konum]]);
        QCOMPARE(Değer(*sonraki, 1), QStringLiteral("01:03:07"));
        QCOMPARE(Değer(*sonraki, 3), QStringLiteral("2"));
        sonraki->SüreHesapla_Timer();
        QCOMPARE(Değer(*sonraki, 1), QStringLiteral("01:03:08"));
    }

    void noGameOrClearBoxSavesNoGame()
    {
        BirKaymaKalaYaz();
        const auto kayıt = [] { return Ayarlar().BölümüOku(Oyun) + Ayarlar().BölümüOku(Bilgiler); };
        const QList<AyarGirdisi> önce = kayıt();
        {
            auto form = Başlat();  // resumes the game; the box is clear
            QVERIFY(OyunVar(*form));
            form->DağınıkParçalar_Click(4);
            form->Kapat(KapanmaNedeni::Program);
        }
        AyarlarıKapat();
        QCOMPARE(kayıt(), önce);
        Ayarlar().BölümüSil(Oyun);
        {
            auto form = Başlat();  // the box ticked, but no game started
            Bul<QCheckBox>(*form, QStringLiteral("OyunuKaydetOnayı"))->setChecked(true);
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
        QVERIFY(!Resimler(*form).isEmpty());
        for (const QImage &resim : Resimler(*form))
            QVERIFY(resim.isNull());
        QVERIFY(Bul<ResimKutusu>(*form, QStringLiteral("ÖrnekKutusu"))->Resim().isNull());
        form->Kapat(KapanmaNedeni::Program);
        QCOMPARE(Ayarlar().Oku(Ayar, QStringLiteral("Son Fotograf")), kayıp);
    }

    void untickingDeletesOnlyAGameReadAtStart()
    {
        Ayarlar().Yaz(Ayar, QStringLiteral("Oyunu Kaydet"), QStringLiteral("1"));
        auto form = Başlat();
        BirKaymaKalaYaz();
        Bul<QCheckBox>(*form, QStringLiteral("OyunuKaydetOnayı"))->setChecked(false);
        QCOMPARE(Ayarlar().BölümüOku(Oyun).size(), 9);

        form = Başlat();  // this run starts with the saved game
        QVERIFY(OyunVar(*form));
        QCOMPARE(Onay(*form, "OyunuKaydetOnayı"), Qt::Checked);
        Bul<QCheckBox>(*form, QStringLiteral("OyunuKaydetOnayı"))->setChecked(false);
        QVERIFY(Ayarlar().BölümüOku(Oyun).isEmpty());
        QVERIFY(Ayarlar().BölümüOku(Bilgiler).isEmpty());
    }

    // The player hears why, the start goes on as one without a saved game, and nothing the
    // player had is touched.
    void damagedSavedGameIsReported()
    {
        KayıtlıOyunYaz({1, 0, 2, 3, 4, 5, 6, 7, 8}, 8);  // two pieces exchanged
        const QString önce = ortam->AyarMetni();

        auto form = Başlat();
        QCOMPARE(ortam->mesajlar.size(), 1);
        QCOMPARE(ortam->mesajlar[0].başlık, QStringLiteral("Error Occured!"));
        QVERIFY2(ortam->mesajlar[0].metin.contains(QStringLiteral("no slides can bring")), qPrintable(ortam->mesajlar[0].metin));
        QVERIFY(!OyunVar(*form));
        QCOMPARE(Gösterilen(*form), QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8}));
        form->YeniOyunDüğmesi_Click();
        form->DağınıkParçalar_Click(7);
        QCOMPARE(Değer(*form, 3), QStringLiteral("1"));
        Bul<QCheckBox>(*form, QStringLiteral("OyunuKaydetOnayı"))->setChecked(true);
        Bul<QCheckBox>(*form, QStringLiteral("OyunuKaydetOnayı"))->setChecked(false);
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
        QCOMPARE(Resimler(*form).size(), 9);
        QVERIFY(Bul<QRadioButton>(*form, QStringLiteral("ParçalaraBölSeçeneği(0)"))->isChecked());
        QCOMPARE(Onay(*form, "FotoğrafınÖrneğiniGöster"), Qt::Checked);
        QVERIFY(Ortada(*form));
    }

    // A stored place that leaves any of the window off its screen is brought back whole (where to,
    // the placement test says); one wholly on a screen is the player's own.
    void windowStaysWithinReach_data()
    {
        QTest::addColumn<QString>("sol");
        QTest::addColumn<QString>("üst");
        QTest::addColumn<bool>("taşınır");
        QTest::newRow("half off the left") << "-4500" << "1500" << true;
        QTest::newRow("on the screen") << "1500" << "2250" << false;
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
