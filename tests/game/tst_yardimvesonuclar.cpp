// The player's side of help and records: a helped game gives no best result across a restart, the
// records window, numbers on the tiles, the focus after a deal, the pause, and a damaged results file.
#include "AnaForm.h"
#include "AyarDeposu.h"
#include "EnIyiSonuclar.h"
#include "ResimKutusu.h"
#include "SahteOrtam.h"
#include "TestFormu.h"
#include "TestFotografi.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

QStringList Numaralar(const AnaForm &form)
{
    QStringList numaralar;
    for (int konum = 0; konum < Resimler(form).size(); ++konum)
        numaralar.append(Parça(form, konum)->Numara());
    return numaralar;
}

// The rows of the records window, opened by the R key or its handler, as text; Clear pressed
// when `temizle`.
QStringList KayıtPenceresi(AnaForm &form, bool tuşla, bool temizle = false)
{
    QStringList satırlar;
    QTimer::singleShot(0, [&] {
        auto *pencere = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!pencere)
            qFatal("the records window did not open");
        const auto *liste = pencere->findChild<QTreeWidget *>(QStringLiteral("Liste"));
        for (int sıra = 0; sıra < liste->topLevelItemCount(); ++sıra) {
            QStringList sütunlar;
            for (int sütun = 0; sütun < liste->columnCount(); ++sütun)
                sütunlar.append(liste->topLevelItem(sıra)->text(sütun));
            satırlar.append(sütunlar.join(QLatin1Char('|')));
        }
        if (temizle)
            pencere->findChild<QPushButton *>(QStringLiteral("TemizleDüğmesi"))->click();
        pencere->reject();
    });
    if (tuşla)
        Tuş(form, Qt::Key_R);
    else
        form.EnİyiSonuçlar_Click();
    return satırlar;
}

}  // namespace

class TestHelpAndRecords : public QObject {
    Q_OBJECT

    std::optional<SahteOrtam> ortam;

private slots:
    void init() { ortam.emplace(); }

    // The loophole that once was: a hint given, the game saved and restored, then finished by
    // hand, gives no best result. One finished without help is listed; clearing asks first.
    void helpAndRecords()
    {
        Ayarlar().Yaz(QStringLiteral("Ayarlar"), QStringLiteral("Oyunu Kaydet"), QStringLiteral("1"));
        KayıtlıOyunYaz({0, 5, 7, 4, 8, 6, 1, 3, 2}, 4);
        auto form = AçılmışForm(true, true);
        Tuş(*form, Qt::Key_H);
        QTRY_VERIFY(İşaretli(*form) >= 0);
        form->ÇıkışDüğmesi_Click();
        form = AçılmışForm(true, true);
        for (const int konum : ÇözümHamleleri(*form, ortam->AyarKlasörü()))
            form->DağınıkParçalar_Click(konum);
        QCOMPARE(ortam->mesajlar.size(), 1);
        QCOMPARE(ortam->mesajlar[0].ekMetin,
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
        QCOMPARE(KayıtPenceresi(*form, false, true), satırlar);
        QCOMPARE(KayıtPenceresi(*form, false), hiç);
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

    // After every kind of deal the arrows play at once: the focus is on the board, and Tab and
    // Shift+Tab go to the division and back.
    void focusAfterADeal_data()
    {
        QTest::addColumn<int>("deal");
        QTest::newRow("New Game button") << 0;
        QTest::newRow("Space on the button") << 1;
        QTest::newRow("division") << 2;
        QTest::newRow("dropped photo") << 3;
        QTest::newRow("undo to the deal") << 4;
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
        const QList<int> önce = Gösterilen(*form);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(Gösterilen(*form) != önce);
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

    // A damaged results file is told of once (kept as it was, the file test says).
    void damagedResultsToldOnce()
    {
        QFile dosya(EnİyiSonuçlarDosyası());
        QVERIFY(QDir().mkpath(QFileInfo(dosya).path()) && dosya.open(QIODevice::WriteOnly));
        dosya.write("{\"results\": 7}");
        dosya.close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("best results file was damaged"));
        auto form = AçılmışForm(true, true);
        QCOMPARE(ortam->mesajlar.size(), 1);
        QVERIFY(ortam->mesajlar[0].metin.startsWith(
            QStringLiteral("The best results file could not be read. It was kept as \"")));
    }
};

QTEST_MAIN(TestHelpAndRecords)
#include "tst_yardimvesonuclar.moc"
