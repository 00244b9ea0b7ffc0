// What the next start brings back of the last exit: options, window, photo, and the saved game.
#include "AnaForm.h"
#include "AyarDeposu.h"
#include "ResimKutusu.h"
#include "SahteOrtam.h"
#include "TestFormu.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include <optional>

namespace {

const QString Ayar = QStringLiteral("Ayarlar");

std::unique_ptr<AnaForm> Başlat()
{
    AyarlarıKapat();  // a new start reads the file anew
    return AçılmışForm();
}

QCheckBox *Onay(const AnaForm &form, const char *ad)
{
    return Bul<QCheckBox>(form, QString::fromUtf8(ad));
}

QList<AyarGirdisi> KayıtlıOyun()
{
    return Ayarlar().BölümüOku(QStringLiteral("Oyun")) + Ayarlar().BölümüOku(QStringLiteral("Oyun\\Bilgiler"));
}

}  // namespace

class TestSavedGame : public QObject {
    Q_OBJECT

    std::optional<SahteOrtam> ortam;

private slots:
    void init() { ortam.emplace(); }

    // An empty store, or an option that makes no sense (asked about, then the default), starts
    // with the defaults, centred on the screen (give or take the frame added once shown).
    void startOptions_data()
    {
        QTest::addColumn<QString>("anahtar");
        QTest::addColumn<QString>("değer");
        QTest::newRow("empty store") << "" << "";
        QTest::newRow("division 3") << "Son Bolme" << "3";
        QTest::newRow("top edge out of range") << "Ust Bosluk" << "1e30";
        QTest::newRow("check box 7") << "Ornek Goster" << "7";
    }
    void startOptions()
    {
        QFETCH(QString, anahtar);
        QFETCH(QString, değer);
        if (!anahtar.isEmpty())
            Ayarlar().Yaz(Ayar, anahtar, değer);
        auto form = Başlat();
        QCOMPARE(ortam->mesajlar.size(), anahtar.isEmpty() ? 0 : 1);
        QVERIFY(anahtar.isEmpty() || ortam->mesajlar[0].düğmeler == MesajDüğmeleri::EvetHayır);
        QVERIFY(Bul<QRadioButton>(*form, QStringLiteral("ParçalaraBölSeçeneği(0)"))->isChecked());
        QCOMPARE(Onay(*form, "OyunuKaydetOnayı")->isChecked(), false);
        QCOMPARE(Onay(*form, "FotoğrafınÖrneğiniGöster")->isChecked(), true);
        QVERIFY((form->geometry().center() - form->screen()->geometry().center()).manhattanLength() <= 4);
        QVERIFY(!anahtar.isEmpty() || ortam->AyarMetni().isEmpty());
    }

    // At 4 x 4, so that the division comes back too; each size's saved game is the session's.
    void runningGameComesBack()
    {
        auto form = Başlat();
        Onay(*form, "OyunuKaydetOnayı")->setChecked(true);
        form->ParçalaraBölSeçeneği_Click(1);
        const QList<QImage> bütün = Resimler(*form);
        form->YeniOyunDüğmesi_Click();
        form->DağınıkParçalar_Click(14);
        form->DağınıkParçalar_Click(10);
        for (int saniye = 0; saniye < 3787; ++saniye)
            form->SüreHesapla_Timer();
        const QList<int> gösterilen = Gösterilen(*form);
        form->Kapat(KapanmaNedeni::Program);

        form = Başlat();
        QVERIFY(Bul<QRadioButton>(*form, QStringLiteral("ParçalaraBölSeçeneği(1)"))->isChecked());
        QCOMPARE(Gösterilen(*form), gösterilen);
        for (int konum = 0; konum < 16; ++konum)
            QCOMPARE(Parça(*form, konum)->Resim(), gösterilen[konum] < 0 ? QImage() : bütün[gösterilen[konum]]);
        QCOMPARE(Değer(*form, 3), QStringLiteral("2"));
        QCOMPARE(Değer(*form, 1), QStringLiteral("01:03:07"));
    }

    // Clear, the box leaves a saved game as it was; ticked with no game, it saves none; unticked,
    // it deletes the game this run started with.
    void saveBoxDecidesWhatIsKept()
    {
        BirKaymaKalaYaz();
        const QList<AyarGirdisi> önce = KayıtlıOyun();
        auto form = Başlat();
        form->DağınıkParçalar_Click(4);
        form->Kapat(KapanmaNedeni::Program);
        QCOMPARE(KayıtlıOyun(), önce);

        Ayarlar().Yaz(Ayar, QStringLiteral("Oyunu Kaydet"), QStringLiteral("1"));
        form = Başlat();
        QVERIFY(OyunVar(*form));
        Onay(*form, "OyunuKaydetOnayı")->setChecked(false);
        QVERIFY(KayıtlıOyun().isEmpty());

        form = Başlat();
        Onay(*form, "OyunuKaydetOnayı")->setChecked(true);
        form->Kapat(KapanmaNedeni::Program);
        QVERIFY(!ortam->AyarMetni().contains(QStringLiteral("[Oyun")));
        QCOMPARE(Ayarlar().Oku(Ayar, QStringLiteral("Oyunu Kaydet")), QStringLiteral("1"));
    }

    // A stored place wholly on a screen and a photo gone missing (its pieces blank meanwhile) are
    // the player's own and kept; a place that leaves any of the window off its screen is brought
    // back whole (where to, the placement test says).
    void storedPlaceAndPhoto()
    {
        const QString kayıp = ortam->AyarKlasörü() + QStringLiteral("/gone/holiday.jpg");
        Ayarlar().Yaz(Ayar, QStringLiteral("Son Fotograf"), kayıp);
        for (const int sol : {1500, -4500}) {
            Ayarlar().Yaz(Ayar, QStringLiteral("Sol Bosluk"), QString::number(sol));
            Ayarlar().Yaz(Ayar, QStringLiteral("Ust Bosluk"), QStringLiteral("2250"));
            const auto form = Başlat();
            QCOMPARE(Resimler(*form), QList<QImage>(9));
            if (sol > 0)
                QCOMPARE(form->pos(), QPoint(100, 150));
            else  // on the screen, give or take the frame added once shown
                QVERIFY(form->screen()->availableGeometry().adjusted(-4, -4, 4, 4).contains(form->frameGeometry()));
            form->Kapat(KapanmaNedeni::Program);
        }
        QVERIFY(ortam->mesajlar.isEmpty());
        QCOMPARE(Ayarlar().Oku(Ayar, QStringLiteral("Son Fotograf")), kayıp);
    }
};

QTEST_MAIN(TestSavedGame)
#include "tst_kayitlioyun.moc"
