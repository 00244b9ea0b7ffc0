// The main window's game through its handlers: division, deal, slides, sounds, completion,
// clock and the ways it closes.
#include "AnaForm.h"
#include "AyarDeposu.h"
#include "HataBildir.h"
#include "OrtakDegiskenler.h"
#include "ResimKutusu.h"
#include "SahteOrtam.h"
#include "Sinyaller.h"
#include "TestFormu.h"
#include "Yuvarlama.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <memory>

namespace {

QString Ayar(const char *anahtar)
{
    return Ayarlar().Oku(QStringLiteral("Ayarlar"), QLatin1String(anahtar));
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    std::optional<SahteOrtam> ortam;
    // The window that a termination signal to this process closes.
    AnaForm *sinyalinFormu = nullptr;

private slots:
    void initTestCase()
    {
        SonlandırmaSinyalleriniBağla([this] {
            if (sinyalinFormu)
                sinyalinFormu->Kapat(KapanmaNedeni::GörevYöneticisi);
        });
    }
    void init() { ortam.emplace(); }
    void cleanup()
    {
        sinyalinFormu = nullptr;
        ortam.reset();
    }

    void divisionRebuildsTheBoard()
    {
        auto form = AçılmışForm();
        form->ParçalaraBölSeçeneği_Click(1);
        QCOMPARE(form->DağınıkParçalar.size(), 16);
        QCOMPARE(form->DağınıkParçalar[5]->geometry(), PikselDikdörtgeni(1541, 1301, 1309, 979));
        // No game: the photo is whole, the bottom-right piece included, and nothing runs.
        for (int konum = 0; konum < 16; ++konum)
            QCOMPARE(form->DağınıkParçalar[konum]->Resim(), form->SıralıParçalar[konum]);
        QVERIFY(!form->DağınıkParçalar[15]->Resim().isNull());
        QVERIFY(!form->OyunSürüyor());

        form->ParçalaraBölSeçeneği_Click(2);
        form->ParçalaraBölSeçeneği_Click(0);
        QCOMPARE(form->SıralıParçalar.size(), 9);
        QCOMPARE(form->Çerçeve[0]->findChildren<ResimKutusu *>().size(), 9);

        // A click without a game deals one and slides nothing; a division during a game deals anew.
        form->DağınıkParçalar_Click(7);
        QVERIFY(form->OyunSürüyor());
        QCOMPARE(form->tahta.BoşParçaNo(), 8);
        form->DağınıkParçalar_Click(7);
        form->ParçalaraBölSeçeneği_Click(1);
        QCOMPARE(form->Etiket[1]->text(), QStringLiteral("00:00:00"));
        QCOMPARE(form->Etiket[3]->text(), QStringLiteral("0"));
        QCOMPARE(form->tahta.BoşParçaNo(), 15);
        QVERIFY(form->DağınıkParçalar[15]->Resim().isNull());
    }

    void newGameWithoutPhotoAsksForOne()
    {
        auto form = AçılmışForm(false);
        form->Etiket[1]->setText(QStringLiteral("0:07:00"));
        form->YeniOyunDüğmesi_Click();
        QCOMPARE(ortam->mesajlar.size(), 1);
        QCOMPARE(ortam->mesajlar[0].metin, QStringLiteral("Firstly, please select a photo!"));
        QCOMPARE(ortam->mesajlar[0].simge, MesajSimgesi::Bilgi);
        QCOMPARE(form->focusWidget(), form->YeniFotoğrafDüğmesi);
        QCOMPARE(form->Etiket[1]->text(), QStringLiteral("0:07:00"));
        QVERIFY(!form->OyunSürüyor());
    }

    void slidesAndSounds_data()
    {
        QTest::addColumn<bool>("aygıt");
        QTest::addColumn<Qt::CheckState>("sesKapalı");
        QTest::addColumn<bool>("duyulur");
        QTest::newRow("sound on") << true << Qt::Unchecked << true;
        QTest::newRow("no output device") << false << Qt::Unchecked << false;
        QTest::newRow("sound off ticked") << true << Qt::Checked << false;
        QTest::newRow("sound off grey") << true << Qt::PartiallyChecked << false;
    }

    void slidesAndSounds()
    {
        QFETCH(bool, aygıt);
        QFETCH(Qt::CheckState, sesKapalı);
        QFETCH(bool, duyulur);
        auto form = AçılmışForm();
        ortam->sesAygıtı = aygıt;
        form->SesleriKapatOnayı->setCheckState(sesKapalı);
        form->YeniOyunDüğmesi_Click();
        const QImage kayan = form->DağınıkParçalar[7]->Resim();

        form->DağınıkParçalar_Click(7);
        QCOMPARE(form->DağınıkParçalar[8]->Resim(), kayan);
        QVERIFY(form->DağınıkParçalar[7]->Resim().isNull());
        QCOMPARE(form->DağınıkParçalar[7]->ArkaRengi(), QColor(255, 255, 192));
        QCOMPARE(form->Etiket[3]->text(), QStringLiteral("1"));

        for (const int uzak : {0, 7, 3})  // two away, the gap itself, a diagonal
            form->DağınıkParçalar_Click(uzak);
        QCOMPARE(form->Etiket[3]->text(), QStringLiteral("1"));
        QCOMPARE(form->tahta.BoşParçaNo(), 7);
        const QStringList duyulan{"TAMAM", "DUR", "DUR", "DUR"};
        QCOMPARE(ortam->sesler, duyulur ? duyulan : QStringList());
    }

    void completionCongratulatesAndResets()
    {
        auto form = AçılmışForm();
        BirKaymaKala(*form);
        form->oyunSaati = OyunSaati{5, 1, 0};
        form->HamleSayısı = 41;
        bool köşeGösterildi = false;
        ortam->mesajAçıkken = [&](const MesajKutusuİsteği &) {
            köşeGösterildi = form->DağınıkParçalar[8]->Resim() == form->SıralıParçalar[8];
        };
        form->DağınıkParçalar_Click(8);

        QVERIFY(köşeGösterildi);
        QCOMPARE(ortam->sesler, (QStringList{"TAMAM", "TEBRIK"}));
        QCOMPARE(ortam->mesajlar.size(), 1);
        QCOMPARE(ortam->mesajlar[0].metin.split('\n'),
                 (QStringList{"Congratulations! You have completed the photo!", "", "Completing Time : 1 minute, 5 second",
                              "", "Click Counts : 42"}));
        QCOMPARE(ortam->mesajlar[0].başlık, QStringLiteral("Tilora"));
        QVERIFY(ortam->mesajlar[0].ortalanacağıPencere.has_value());
        QVERIFY(!form->OyunSürüyor());
        QCOMPARE(form->Etiket[1]->text(), QStringLiteral("00:00:00"));
        QCOMPARE(form->Etiket[3]->text(), QStringLiteral("0"));
    }

    void completionDeletesOnlyAGameReadAtStart()
    {
        auto form = AçılmışForm();
        Ayarlar().Yaz(QStringLiteral("Oyun"), QStringLiteral("Foto-0"), QStringLiteral("x"));
        Ayarlar().Yaz(QStringLiteral("Oyun\\Bilgiler"), QStringLiteral("Saniye Bilgisi"), QStringLiteral("1"));
        BirKaymaKala(*form);
        form->DağınıkParçalar_Click(8);
        QCOMPARE(Ayarlar().BölümüOku(QStringLiteral("Oyun")).size(), 1);

        form->KayıtlıOyun = Ayarlar().BölümüOku(QStringLiteral("Oyun"));
        BirKaymaKala(*form);
        form->DağınıkParçalar_Click(8);
        QVERIFY(Ayarlar().BölümüOku(QStringLiteral("Oyun")).isEmpty());
        QVERIFY(Ayarlar().BölümüOku(QStringLiteral("Oyun\\Bilgiler")).isEmpty());
    }

    void dayLongGameShowsOneNotice()
    {
        auto form = AçılmışForm();
        form->YeniOyunDüğmesi_Click();
        form->HamleSayısı = 12;
        form->oyunSaati = OyunSaati{59, 59, 23};
        ortam->mesajAçıkken = [&](const MesajKutusuİsteği &) { form->SüreHesapla_Timer(); };
        form->SüreHesapla_Timer();
        QCOMPARE(ortam->mesajlar.size(), 1);
        QCOMPARE(ortam->mesajlar[0].metin, QStringLiteral("Resetting the counter, for games not completed within 24 hours!"));
        QCOMPARE(form->Etiket[1]->text(), QStringLiteral("00:00:00"));
        QCOMPARE(form->HamleSayısı, 12);
        QVERIFY(form->OyunSürüyor());
        form->SüreHesapla_Timer();
        QCOMPARE(form->Etiket[1]->text(), QStringLiteral("00:00:01"));
    }

    void escapeClosesAndSaves()
    {
        auto form = AçılmışForm();
        form->ParçalaraBölSeçeneği_Click(2);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QVERIFY(!form->isVisible());
        QVERIFY(ortam->mesajlar.isEmpty());
        QStringList anahtarlar;
        for (const AyarGirdisi &girdi : Ayarlar().BölümüOku(QStringLiteral("Ayarlar")))
            anahtarlar.append(girdi.first);
        QCOMPARE(anahtarlar, (QStringList{"Sol Bosluk", "Ust Bosluk", "Son Bolme", "Son Fotograf", "Ornek Goster",
                                          "Oyunu Kaydet", "Sesleri Kapat"}));
        QCOMPARE(Ayar("Son Bolme"), QStringLiteral("2"));
        QCOMPARE(Ayar("Son Fotograf"), ProgramKlasörü + QStringLiteral("Sample-2.jpg"));
        QCOMPARE(Ayar("Sol Bosluk"), QString::number(form->frameGeometry().x() * 15));
    }

    void closeBoxAsksFirst()
    {
        auto form = AçılmışForm();
        form->YeniOyunDüğmesi_Click();
        ortam->yanıtlar = {MesajYanıtı::Hayır};
        // Esc while the question is up belongs to the question, and leaves nothing behind.
        ortam->mesajAçıkken = [&](const MesajKutusuİsteği &) { form->ÇıkışDüğmesi_Click(); };
        form->close();
        QCOMPARE(ortam->mesajlar.value(0).metin, QStringLiteral("Do you want to exit the program?"));
        QCOMPARE(ortam->mesajlar[0].düğmeler, MesajDüğmeleri::EvetHayır);
        QCOMPARE(ortam->mesajlar[0].simge, MesajSimgesi::Soru);
        QVERIFY(ortam->mesajlar[0].ortalanacağıPencere.has_value());
        QVERIFY(form->isVisible());
        QVERIFY(form->OyunSürüyor());
        QCOMPARE(ortam->AyarMetni(), QString());
        form->close();
        QCOMPARE(ortam->mesajlar.size(), 2);
        QVERIFY(!form->isVisible());
        QCOMPARE(Ayar("Son Bolme"), QStringLiteral("0"));

        // Log-off and shutdown close without a question.
        form = AçılmışForm();
        form->Kapat(KapanmaNedeni::OturumSonu);
        QVERIFY(!form->isVisible());
        QCOMPARE(ortam->mesajlar.size(), 2);
    }

    // Told to end while a box is open, the box closes as its No, OK or Cancel would, the handler
    // behind it finishes, and the window closes as for the task manager: everything saved.
    void terminationWithABoxOpen_data()
    {
        QTest::addColumn<QString>("kutu");
        QTest::addColumn<bool>("oyunKaydedilir");
        QTest::newRow("exit question") << "question" << true;
        QTest::newRow("error report") << "error" << true;
        QTest::newRow("congratulation") << "congratulation" << false;
        QTest::newRow("24-hour notice") << "notice" << true;
        QTest::newRow("no photo yet") << "no photo" << false;
        QTest::newRow("photo dialog, two signals") << "photo dialog" << true;
        QTest::newRow("about dialog, a signal") << "about dialog" << true;
    }
    void terminationWithABoxOpen()
    {
        QFETCH(QString, kutu);
        QFETCH(bool, oyunKaydedilir);
        auto form = AçılmışForm(kutu != "no photo");
        sinyalinFormu = form.get();
        form->OyunuKaydetOnayı->setChecked(true);
        if (kutu != "no photo")
            BirKaymaKala(*form);
        ortam->mesajAçıkken = [&](const MesajKutusuİsteği &) { form->Kapat(KapanmaNedeni::GörevYöneticisi); };
        if (kutu.endsWith("dialog")) {
            QTimer::singleShot(50, [&] {
                std::raise(SIGTERM);
                if (kutu == "photo dialog")
                    QTimer::singleShot(0, [] { std::raise(SIGTERM); });
            });
        }

        if (kutu == "question")
            form->close();
        else if (kutu == "error")
            HataBildir(ÇalışmaHatası(HataNo::Taşma));
        else if (kutu == "congratulation")
            form->DağınıkParçalar_Click(8);
        else if (kutu == "notice") {
            form->oyunSaati = OyunSaati{59, 59, 23};
            form->SüreHesapla_Timer();
        } else if (kutu == "no photo")
            form->YeniOyunDüğmesi_Click();
        else if (kutu == "photo dialog")
            form->YeniFotoğrafDüğmesi_Click();
        else
            form->HakkındaDüğmesi_Click();

        QTRY_VERIFY(!form->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(ortam->sonlandırmalar, 0);
        QCOMPARE(ortam->mesajlar.size(), kutu.endsWith("dialog") ? 0 : 1);
        QCOMPARE(Ayar("Oyunu Kaydet"), QStringLiteral("1"));
        QCOMPARE(Ayarlar().BölümüOku(QStringLiteral("Oyun")).size(), oyunKaydedilir ? 9 : 0);
        // The clock as it stands after the notice, not the 24 hours it showed.
        if (kutu == "notice")
            QCOMPARE(Ayarlar().Oku(QStringLiteral("Oyun\\Bilgiler"), QStringLiteral("Saat Bilgisi")), QStringLiteral("0"));
    }

    void closeWhileMinimisedKeepsThePosition()
    {
        Ayarlar().Yaz(QStringLiteral("Ayarlar"), QStringLiteral("Sol Bosluk"), QStringLiteral("1500"));
        auto form = AçılmışForm();
        form->showMinimized();
        form->close();
        QCOMPARE(ortam->mesajlar.size(), 1);
        QVERIFY(!ortam->mesajlar[0].ortalanacağıPencere.has_value());
        QCOMPARE(Ayar("Sol Bosluk"), QStringLiteral("1500"));
        QVERIFY(Ayar("Ust Bosluk").isEmpty());
        QCOMPARE(Ayar("Sesleri Kapat"), QStringLiteral("0"));

        // A second start brings the window back to its normal state.
        form = AçılmışForm();
        form->showMinimized();
        form->ÖneGel(QByteArray());
        QVERIFY(!form->isMinimized());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_anaform.moc"
