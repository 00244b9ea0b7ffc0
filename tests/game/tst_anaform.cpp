// The main window's game through its handlers: division, deal, slides, sounds, completion,
// clock and the ways it closes.
#include "AnaForm.h"
#include "AyarDeposu.h"
#include "CalismaHatasi.h"
#include "HataBildir.h"
#include "OrtakDegiskenler.h"
#include "ResimKutusu.h"
#include "SahteOrtam.h"
#include "Sinyaller.h"
#include "TestFormu.h"
#include "Yuvarlama.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
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
        QCOMPARE(Resimler(*form).size(), 16);
        QCOMPARE(Parça(*form, 5)->geometry(), PikselDikdörtgeni(1541, 1301, 1309, 979));
        // No game: the photo is whole, the bottom-right piece included.
        QVERIFY(!OyunVar(*form) && !Resimler(*form).contains(QImage()));

        form->ParçalaraBölSeçeneği_Click(2);
        form->ParçalaraBölSeçeneği_Click(0);
        QCOMPARE(Bul<QGroupBox>(*form, QStringLiteral("Çerçeve(0)"))->findChildren<ResimKutusu *>().size(), 9);

        // A click without a game deals one and slides nothing; a division during a game deals anew.
        form->DağınıkParçalar_Click(7);
        QCOMPARE(Gösterilen(*form).indexOf(-1), 8);
        form->DağınıkParçalar_Click(7);
        form->ParçalaraBölSeçeneği_Click(1);
        QCOMPARE(Değer(*form, 3), QStringLiteral("0"));
        QVERIFY(Parça(*form, 15)->Resim().isNull());
    }

    void newGameWithoutPhotoAsksForOne()
    {
        BirKaymaKalaYaz(OyunSaati{0, 7, 0});
        auto form = AçılmışForm(false);
        form->YeniOyunDüğmesi_Click();
        QCOMPARE(ortam->mesajlar.size(), 1);
        QCOMPARE(ortam->mesajlar[0].metin, QStringLiteral("Firstly, please select a photo!"));
        QCOMPARE(ortam->mesajlar[0].simge, MesajSimgesi::Bilgi);
        QCOMPARE(form->focusWidget(), Bul(*form, QStringLiteral("YeniFotoğrafDüğmesi")));
        QCOMPARE(Değer(*form, 1), QStringLiteral("00:07:00"));
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
        Bul<QCheckBox>(*form, QStringLiteral("SesleriKapatOnayı"))->setCheckState(sesKapalı);
        form->YeniOyunDüğmesi_Click();
        const QImage kayan = Parça(*form, 7)->Resim();

        form->DağınıkParçalar_Click(7);
        QCOMPARE(Parça(*form, 8)->Resim(), kayan);
        QVERIFY(Parça(*form, 7)->Resim().isNull());
        QCOMPARE(Parça(*form, 7)->ArkaRengi(), QColor(255, 255, 192));
        QCOMPARE(Değer(*form, 3), QStringLiteral("1"));

        form->DağınıkParçalar_Click(3);  // no neighbour of the gap
        QCOMPARE(Değer(*form, 3), QStringLiteral("1"));
        const QStringList duyulan{"TAMAM", "DUR"};
        QCOMPARE(ortam->sesler, duyulur ? duyulan : QStringList());
    }

    void completionCongratulatesAndResets()
    {
        const QList<QImage> bütün = Resimler(*AçılmışForm());
        BirKaymaKalaYaz(OyunSaati{5, 1, 0}, 41);
        auto form = AçılmışForm();
        bool köşeGösterildi = false;
        ortam->mesajAçıkken = [&](const MesajKutusuİsteği &) { köşeGösterildi = Parça(*form, 8)->Resim() == bütün[8]; };
        form->DağınıkParçalar_Click(8);

        QVERIFY(köşeGösterildi);
        QCOMPARE(ortam->sesler, (QStringList{"TAMAM", "TEBRIK"}));
        QCOMPARE(ortam->mesajlar.size(), 1);
        QCOMPARE(ortam->mesajlar[0].metin.split('\n'),
                 (QStringList{"Congratulations! You have completed the photo!", "", "Completing Time : 1 minute, 5 second",
                              "", "Click Counts : 42"}));
        QCOMPARE(ortam->mesajlar[0].başlık, QStringLiteral("Tilora"));
        QCOMPARE(Resimler(*form), bütün);
        QCOMPARE(Değer(*form, 1), QStringLiteral("00:00:00"));
        QCOMPARE(Değer(*form, 3), QStringLiteral("0"));
        // The game read at the start is done with: it is deleted.
        QVERIFY(Ayarlar().BölümüOku(QStringLiteral("Oyun")).isEmpty());
        QVERIFY(Ayarlar().BölümüOku(QStringLiteral("Oyun\\Bilgiler")).isEmpty());
    }

    void dayLongGameShowsOneNotice()
    {
        BirKaymaKalaYaz(OyunSaati{59, 59, 23}, 12);
        auto form = AçılmışForm();
        ortam->mesajAçıkken = [&](const MesajKutusuİsteği &) { form->SüreHesapla_Timer(); };
        form->SüreHesapla_Timer();
        QCOMPARE(ortam->mesajlar.size(), 1);
        QCOMPARE(ortam->mesajlar[0].metin, QStringLiteral("Resetting the counter, for games not completed within 24 hours!"));
        QCOMPARE(Değer(*form, 1), QStringLiteral("00:00:00"));
        QVERIFY(OyunVar(*form));
        form->SüreHesapla_Timer();
        QCOMPARE(Değer(*form, 1), QStringLiteral("00:00:01"));
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
        QVERIFY(OyunVar(*form));
        QCOMPARE(ortam->AyarMetni(), QString());
        form->close();
        QCOMPARE(ortam->mesajlar.size(), 2);
        QVERIFY(!form->isVisible());
        QCOMPARE(Ayar("Son Bolme"), QStringLiteral("0"));
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
        // The notice's game is a second from 24 hours; the others' clock must not reach it meanwhile.
        if (kutu != "no photo")
            BirKaymaKalaYaz(kutu == "notice" ? OyunSaati{59, 59, 23} : OyunSaati{});
        auto form = AçılmışForm(kutu != "no photo");
        sinyalinFormu = form.get();
        Bul<QCheckBox>(*form, QStringLiteral("OyunuKaydetOnayı"))->setChecked(true);
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
        else if (kutu == "notice")
            form->SüreHesapla_Timer();
        else if (kutu == "no photo")
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
    }

    // A save the player started that fails is told once, with the reason; one the system asked
    // for opens no box.
    void aFailedSaveIsTold()
    {
        auto form = AçılmışForm();
        QFile engel(ortam->AyarKlasörü() + QStringLiteral("/engel"));
        QVERIFY(engel.open(QIODevice::WriteOnly));
        // A file stands where the settings' folder would be made.
        AyarKlasörünüBelirle(engel.fileName());
        AyarlarıKapat();
        form->ÇıkışDüğmesi_Click();
        QVERIFY(!form->isVisible());
        QCOMPARE(ortam->mesajlar.size(), 1);
        const QString giriş = QStringLiteral("The game could not be saved: ");
        QVERIFY2(ortam->mesajlar[0].metin.startsWith(giriş) && ortam->mesajlar[0].metin.size() > giriş.size(),
                 qPrintable(ortam->mesajlar[0].metin));

        form = AçılmışForm();
        form->Kapat(KapanmaNedeni::GörevYöneticisi);
        QTRY_VERIFY(!form->isVisible());
        QCOMPARE(ortam->mesajlar.size(), 1);
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
