// Log-out and hand-overs: the session's save request saves and closes nothing, the session's end
// closes without a question, and what another start hands over waits for an open box.
#include "AnaForm.h"
#include "AyarDeposu.h"
#include "OturumIstekleri.h"
#include "SahteOrtam.h"
#include "SistemKapanisi.h"
#include "TestFormu.h"

#include <QCheckBox>
#include <QTest>

class TestSession : public QObject {
    Q_OBJECT

    std::optional<SahteOrtam> ortam;

private slots:
    void init() { ortam.emplace(); }
    void cleanup() { ortam.reset(); }

    // The player may still cancel the log-out: the game is saved and goes on as it was.
    void saveRequestKeepsTheGame()
    {
        auto form = AçılmışForm();
        Bul<QCheckBox>(*form, QStringLiteral("OyunuKaydetOnayı"))->setChecked(true);
        form->YeniOyunDüğmesi_Click();
        form->SüreHesapla_Timer();
        form->KapatmadanKaydet();
        QVERIFY(form->isVisible());
        QCOMPARE(Ayarlar().Oku(QStringLiteral("Oyun\\Bilgiler"), QStringLiteral("Saniye Bilgisi")),
                 QStringLiteral("1"));
        form->SüreHesapla_Timer();
        QCOMPARE(Değer(*form, 1), QStringLiteral("00:00:02"));
        QVERIFY(ortam->mesajlar.isEmpty());
    }

    // The session's end closes the window without the close box's question, and saves.
    void sessionEndClosesWithoutAQuestion()
    {
        auto form = AçılmışForm();
        int kayıtlar = 0;
        Oturumİstekleriniİşle(*form, [&] { ++kayıtlar; }, [&] { form->Kapat(KapanmaNedeni::OturumSonu); });
        QEvent son(QEvent::Quit);
        QVERIFY(QCoreApplication::sendEvent(qApp, &son));
        QVERIFY(!form->isVisible());
        QVERIFY(ortam->mesajlar.isEmpty());
        QCOMPARE(Ayarlar().Oku(QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme")), QStringLiteral("0"));
        QCOMPARE(kayıtlar, 0);
    }

    // Hand-overs run in order once the open box has closed, from the event loop; once the system
    // has asked for the end, none is taken.
    void handOverWaitsForOpenBoxes()
    {
        QStringList yapılan;
        {
            const AçıkKutu kutu;
            KutularKapanınca([&] { yapılan << "first"; });
            KutularKapanınca([&] { yapılan << "second"; });
        }
        QCOMPARE(yapılan, QStringList());
        QTRY_COMPARE(yapılan, (QStringList{"first", "second"}));
        KutularKapanınca([&] { yapılan << "at once"; });
        QCOMPARE(yapılan.size(), 3);
        SistemKapanışı::İste([] {});
        KutularKapanınca([&] { yapılan << "too late"; });
        QCOMPARE(yapılan.size(), 3);
    }
};

QTEST_MAIN(TestSession)
#include "tst_oturum.moc"
