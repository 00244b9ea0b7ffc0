// The window across starts and at play: what the next start brings back of the last exit (options,
// window, photo, saved game, help), the records window, numbers on the tiles, focus after a deal, the pause.
#include "AnaForm.h"
#include "AyarDeposu.h"
#include "EnIyiSonuclar.h"
#include "ResimKutusu.h"
#include "SahteOrtam.h"
#include "TestFormu.h"
#include "TestFotografi.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <optional>

namespace {

const QString Ayar = QStringLiteral("Ayarlar");

std::unique_ptr<AnaForm> Başlat()
{
    AyarlarıKapat();  // a new start reads the file anew
    return AçılmışForm();
}

QList<AyarGirdisi> KayıtlıOyun()
{
    return Ayarlar().BölümüOku(QStringLiteral("Oyun")) + Ayarlar().BölümüOku(QStringLiteral("Oyun\\Bilgiler"));
}

QStringList Numaralar(const AnaForm &form)
{
    QStringList numaralar;
    for (int konum = 0; konum < Resimler(form).size(); ++konum)
        numaralar.append(Parça(form, konum)->Numara());
    return numaralar;
}

// The rows of the records window, opened by the R key or its handler, as text: after Clear when `temizle`.
QStringList KayıtPenceresi(AnaForm &form, bool tuşla, bool temizle = false)
{
    QStringList satırlar;
    QTimer::singleShot(0, [&] {
        auto *pencere = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!pencere)
            qFatal("the records window did not open");
        if (temizle)
            pencere->findChild<QPushButton *>(QStringLiteral("TemizleDüğmesi"))->click();
        const auto *liste = pencere->findChild<QTreeWidget *>(QStringLiteral("Liste"));
        for (int sıra = 0; sıra < liste->topLevelItemCount(); ++sıra) {
            QStringList sütunlar;
            for (int sütun = 0; sütun < liste->columnCount(); ++sütun)
                sütunlar.append(liste->topLevelItem(sıra)->text(sütun));
            satırlar.append(sütunlar.join(QLatin1Char('|')));
        }
        pencere->reject();
    });
    if (tuşla)
        Tuş(form, Qt::Key_R);
    else
        form.EnİyiSonuçlar_Click();
    return satırlar;
}

}  // namespace

class TestWindowAcrossStarts : public QObject {
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
        QCOMPARE(Bul<QCheckBox>(*form, QStringLiteral("OyunuKaydetOnayı"))->isChecked(), false);
        QCOMPARE(Bul<QCheckBox>(*form, QStringLiteral("FotoğrafınÖrneğiniGöster"))->isChecked(), true);
        QVERIFY((form->geometry().center() - form->screen()->geometry().center()).manhattanLength() <= 4);
        QVERIFY(!anahtar.isEmpty() || ortam->AyarMetni().isEmpty());
    }

    // At 4 x 4, so that the division comes back too; each size's saved game is the session's.
    void runningGameComesBack()
    {
        auto form = Başlat();
        Bul<QCheckBox>(*form, QStringLiteral("OyunuKaydetOnayı"))->setChecked(true);
        form->ParçalaraBölSeçeneği_Click(1);
        const QList<QImage> bütün = Resimler(*form);
        form->YeniOyunDüğmesi_Click();
        form->DağınıkParçalar_Click(14);
        form->DağınıkParçalar_Click(10);
        const QList<int> gösterilen = Gösterilen(*form);
        form->Kapat(KapanmaNedeni::Program);

        form = Başlat();
        QVERIFY(Bul<QRadioButton>(*form, QStringLiteral("ParçalaraBölSeçeneği(1)"))->isChecked());
        for (int konum = 0; konum < 16; ++konum)
            QCOMPARE(Parça(*form, konum)->Resim(), gösterilen[konum] < 0 ? QImage() : bütün[gösterilen[konum]]);
    }

    // Clear, the box leaves a saved game as it was; unticked, it deletes the game this run started with.
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
        Bul<QCheckBox>(*form, QStringLiteral("OyunuKaydetOnayı"))->setChecked(false);
        QVERIFY(KayıtlıOyun().isEmpty());
    }

    // A stored place wholly on a screen and a photo gone missing (its pieces blank meanwhile) are kept;
    // a place partly off its screen is brought back whole (where to, the placement test says).
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

    // The loophole that once was: a hint given, the game saved and restored, then finished by
    // hand, gives no best result. One finished without help is listed; clearing asks first.
    void helpAndRecords()
    {
        Ayarlar().Yaz(Ayar, QStringLiteral("Oyunu Kaydet"), QStringLiteral("1"));
        KayıtlıOyunYaz({0, 5, 7, 4, 8, 6, 1, 3, 2}, 4);
        auto form = AçılmışForm(true, true);
        Tuş(*form, Qt::Key_H);
        QTRY_VERIFY(İşaretli(*form) >= 0);
        form->ÇıkışDüğmesi_Click();
        form = AçılmışForm(true, true);
        for (const int konum : ÇözümHamleleri(*form, ortam->AyarKlasörü()))
            form->DağınıkParçalar_Click(konum);
        QCOMPARE(ortam->mesajlar.value(0).ekMetin,
                 QStringLiteral("You used 1 hint, so this game does not enter the best results."));
        const QStringList hiç{"No game completed yet.||||"};
        QCOMPARE(KayıtPenceresi(*form, true), hiç);

        form.reset();
        BirKaymaKalaYaz(OyunSaati{5, 1, 0}, 41);
        form = AçılmışForm(true, true);
        Tuş(*form, Qt::Key_Left);
        const QString gün = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
        const QStringList satırlar{QStringLiteral("Sample-2.jpg|3 x 3|1 minute 5 seconds|42|") + gün};
        ortam->yanıtlar = {MesajYanıtı::Hayır};
        QCOMPARE(KayıtPenceresi(*form, false, true), satırlar);
        QCOMPARE(ortam->mesajlar.constLast().düğmeler, MesajDüğmeleri::EvetHayır);
        QCOMPARE(KayıtPenceresi(*form, false, true), hiç);
    }

    // N draws each piece's number during a game, never on the whole photo, and is remembered in
    // the game's own options, not in the classic settings file.
    void numbersOnTiles()
    {
        auto form = AçılmışForm(true, true);
        Tuş(*form, Qt::Key_N);
        form->ÇıkışDüğmesi_Click();
        QVERIFY(!ortam->AyarMetni().contains(QStringLiteral("Numara")));

        BirKaymaKalaYaz();
        form = AçılmışForm(true, true);
        QCOMPARE(Numaralar(*form), (QStringList{"1", "2", "3", "4", "5", "6", "7", "", "8"}));
        Tuş(*form, Qt::Key_Left);
        QCOMPARE(Numaralar(*form), QStringList(9));
        Tuş(*form, Qt::Key_Space);
        Tuş(*form, Qt::Key_N);
        QCOMPARE(Numaralar(*form), QStringList(9));
    }

    // After every kind of deal the focus is on the board, so the arrows play at once; Tab and
    // Shift+Tab go to the division and back.
    void focusAfterADeal_data()
    {
        QTest::addColumn<int>("deal");
        int sıra = 0;
        for (const char *deal : {"button clicked", "button by Space", "division", "photo dropped", "undo to the deal"})
            QTest::newRow(deal) << sıra++;
    }
    void focusAfterADeal()
    {
        QFETCH(int, deal);
        auto form = AçılmışForm(true, true);
        auto *yeniOyun = Bul<QPushButton>(*form, QStringLiteral("YeniOyunDüğmesi"));
        Tuş(*form, Qt::Key_Space);
        if (deal == 4)
            Tuş(*form, Qt::Key_Right);
        yeniOyun->setFocus();
        if (deal == 0)
            QTest::mouseClick(yeniOyun, Qt::LeftButton);
        else if (deal == 1)
            QTest::keyClick(yeniOyun, Qt::Key_Space);
        else if (deal == 2)
            QTest::mouseClick(Bul(*form, QStringLiteral("ParçalaraBölSeçeneği(1)")), Qt::LeftButton);
        else if (deal == 3)
            form->FotoğrafBırakıldı(FotoğrafYaz(ortam->AyarKlasörü() + QStringLiteral("/b.png"), QSize(90, 60)));
        else
            form->GeriAl();
        QTRY_COMPARE(QApplication::focusWidget(), Pano(*form));
        QTest::keyClick(Pano(*form), Qt::Key_Tab);
        auto *seçili = qobject_cast<QRadioButton *>(QApplication::focusWidget());
        QVERIFY(seçili && seçili->isChecked());
        QTest::keyClick(seçili, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), Pano(*form));
    }

    // Minimised, the clock stands still.
    void pauseWhileMinimised()
    {
        BirKaymaKalaYaz(OyunSaati{10, 0, 0});
        auto form = AçılmışForm(true, true);
        form->showMinimized();
        form->SüreHesapla_Timer();
        QCOMPARE(Değer(*form, 1), QStringLiteral("00:00:10"));
        form->showNormal();
        form->SüreHesapla_Timer();
        QCOMPARE(Değer(*form, 1), QStringLiteral("00:00:11"));
    }

    // A results file with a result the game never writes, of no such division, is told of once and
    // set aside byte for byte.
    void damagedResultsToldOnce()
    {
        const QByteArray bozuk =
            R"({"results":[{"division":7,"photo":"/a.jpg","width":4,"height":3,"seconds":6,"clicks":4}]})";
        QFile dosya(EnİyiSonuçlarDosyası());
        QVERIFY(QDir().mkpath(QFileInfo(dosya).path()) && dosya.open(QIODevice::WriteOnly));
        QVERIFY(dosya.write(bozuk) == bozuk.size());
        dosya.close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("best results file was damaged"));
        auto form = AçılmışForm(true, true);
        QCOMPARE(ortam->mesajlar.size(), 1);
        const QString metin = ortam->mesajlar[0].metin;
        QVERIFY(metin.startsWith(QStringLiteral("The best results file could not be read. It was kept as \"")));
        QFile kopya(metin.section(u'"', 1, 1));
        QVERIFY(kopya.open(QIODevice::ReadOnly) && kopya.readAll() == bozuk);
    }
};

QTEST_MAIN(TestWindowAcrossStarts)
#include "tst_kayitlioyun.moc"
