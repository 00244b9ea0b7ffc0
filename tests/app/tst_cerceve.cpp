// The application frame: strings, error report, centring, version rules, paths, session requests, palette.
#include "AnaForm.h"
#include "AyarDeposu.h"
#include "Dizgeler.h"
#include "HataBildir.h"
#include "Kimlik.h"
#include "MesajKutusu.h"
#include "OrtakDegiskenler.h"
#include "OrtakYordamlar.h"
#include "OturumIstekleri.h"
#include "PaletRengi.h"
#include "SahteOrtam.h"
#include "SistemKapanisi.h"
#include "SistemSurumuDenetimi.h"
#include "SurumDenetimi.h"
#include "TestFormu.h"
#include "Yollar.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

Q_DECLARE_METATYPE(std::optional<SürümKaydı>)

namespace {

// Frame captions, values, the gap, the About dialog's name and links, and a pure blue.
const QList<QColor> SabitRenkler{{128, 0, 0}, {192, 64, 0}, {255, 255, 192}, {0, 0, 128}, {0, 0, 255}, {128, 128, 128}};

int TonFarkı(const QColor &a, const QColor &b)
{
    const int fark = std::abs(a.hslHue() - b.hslHue()) % 360;
    return std::min(fark, 360 - fark);
}

}  // namespace

class TestFrame : public QObject {
    Q_OBJECT

    std::optional<SahteOrtam> ortam;

private slots:
    void init() { ortam.emplace(); }
    void cleanup() { ortam.reset(); }

    // The captions no other test reads; the window's title follows string 10; only a caption that is
    // a string's id changes, and an unknown id stays as it is.
    void stringTable()
    {
        const QList<std::pair<int, const char *>> tablo{
            {30, "In order for the program to work, it is important that, your computer is installed with NT 4.0 "
                 "and \"Servis Pack 3\" or with a higher version."},
            {200, "Dividing Photo "}, {220, "&4 x 4 Blocks "}, {230, "&5 x 5 Blocks "}, {300, "Photo Sample "},
            {400, "Show ph&oto sample "}, {410, "&Save on exit "}, {420, "Sound o&ff "}, {500, "Game Information "},
            {510, "Remaining Time :"}, {520, "Click Counts :"}, {700, "New &Photo..."}, {800, "&About"},
            {900, "Exit (Esc)"}, {1550, "Select Photo..."}, {1600, "Dri&ver(s)"}, {1700, "&Directory(s)"},
            {1800, "&Photos (*.bmp, *.jpg)"}, {1900, "Preview "}, {2100, "Cancel"}};
        for (const auto &[kimlik, metin] : tablo)
            QCOMPARE(Dizge(kimlik), QString::fromLatin1(metin));
        QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, Dizge(11));
        QCOMPARE(PencereBaşlığı(), QStringLiteral("Orvane - Tilora 1.21"));
        QHash<int, QString> değişik = DizgeTablosu();
        değişik[10] = QStringLiteral("Tiles");
        DizgeTablosunuDeğiştir(değişik);
        QCOMPARE(PencereBaşlığı(), QStringLiteral("Tiles 1.21"));
        DizgeTablosunuDeğiştir({});

        QWidget form;
        auto *çerçeve = new QGroupBox(QStringLiteral("100"), &form);
        auto *seçenek = new QRadioButton(QStringLiteral(" 210 "), çerçeve);
        auto *eksik = new QLabel(QStringLiteral("99999"), çerçeve);
        BaşlıklarıYükle(&form);
        QCOMPARE(çerçeve->title(), QStringLiteral("Completing Photo "));
        QCOMPARE(seçenek->text(), QStringLiteral("&3 x 3 Blocks "));
        QCOMPARE(eksik->text(), QStringLiteral("99999"));
    }

    // A reported failure asks whether to go on: Yes runs the next step, No ends at once, writing nothing.
    void reportedStepsGoOnOrEnd()
    {
        QStringList adımlar;
        Adım(HataTarzı::Bildir, [] { throw ÇalışmaHatası(13, QStringLiteral("Type mismatch")); });
        Adım(HataTarzı::Sessiz, [] { throw ÇalışmaHatası(HataNo::DosyaBulunamadı); });
        Adım(HataTarzı::Bildir, [] { throw std::bad_alloc(); });
        Adım(HataTarzı::Bildir, [&] { adımlar << "after the failures"; });
        QCOMPARE(adımlar, QStringList{"after the failures"});
        QCOMPARE(ortam->mesajlar.size(), 2);
        const MesajKutusuİsteği kutu = ortam->mesajlar[0];
        QCOMPARE(kutu.metin.split('\n'), (QStringList{"Due to the error occured below, the program may not work! ",
                                                      "Are you sure you want to continue?", "", "Error Code : 13", "",
                                                      "Error Message : Type mismatch"}));
        QCOMPARE(kutu.başlık, QStringLiteral("Error Occured!"));
        QCOMPARE(kutu.düğmeler, MesajDüğmeleri::EvetHayır);
        QCOMPARE(kutu.simge, MesajSimgesi::Kritik);
        QVERIFY(kutu.ortalanacağıPencere.has_value());
        QVERIFY(ortam->mesajlar[1].metin.contains(QStringLiteral("Error Code : 7\n")));

        ortam->yanıtlar = {MesajYanıtı::Hayır};
        QVERIFY_THROWS_EXCEPTION(ProgramSonlandı, Adım(HataTarzı::Bildir, [] { throw ÇalışmaHatası(HataNo::Taşma); }));
        QCOMPARE(ortam->sonlandırmalar, 1);
        QCOMPARE(ortam->AyarMetni(), QString());
    }

    // A box is centred on its owner, half pixels rounded to even (25.5 and 26.5 both to 26); over an owner
    // partly off the screen's top or left, the system places it (none given).
    void centring()
    {
        for (const auto &[sahip, konum] : {std::pair{QRect(0, 0, 101, 100), QPoint(26, 30)},
                                           {QRect(1, 0, 101, 101), QPoint(26, 30)},
                                           {QRect(-4, 10, 300, 200), QPoint(-1, -1)}})
            QCOMPARE(OrtalanmışKonum(sahip, QSize(50, 40)).value_or(QPoint(-1, -1)), konum);
    }

    void versionRules_data()
    {
        QTest::addColumn<std::optional<SürümKaydı>>("kayıt");
        QTest::addColumn<bool>("kabul");
        const auto kayıt = [](quint32 platform, quint32 ana, const QByteArray &paket) {
            return std::optional(SürümKaydı{148, ana, 0, 0, platform, paket});
        };
        QTest::newRow("NT 3") << kayıt(NTAilesi, 3, "") << false;
        QTest::newRow("NT 4, SP 1, NUL-padded") << kayıt(NTAilesi, 4, QByteArray("Service Pack 1\0\0x", 17)) << false;
        QTest::newRow("NT 4, Service Pack 3") << kayıt(NTAilesi, 4, "Service Pack 3") << true;
        QTest::newRow("older family") << kayıt(1, 4, "Service Pack 2") << true;
        QTest::newRow("query failed") << std::optional<SürümKaydı>() << false;
    }
    // An older system is refused with message 30, and the program ends.
    void versionRules()
    {
        QFETCH(std::optional<SürümKaydı>, kayıt);
        QFETCH(bool, kabul);
        ortam->sürüm = kayıt;
        if (kabul)
            SistemSürümünüDenetle();
        else
            QVERIFY_THROWS_EXCEPTION(ProgramSonlandı, SistemSürümünüDenetle());
        QCOMPARE(ortam->mesajlar.size(), kabul ? 0 : 1);
        QCOMPARE(ortam->mesajlar.value(0).metin, kabul ? QString() : Dizge(30));
    }

    void paths()
    {
        QCOMPARE(KlasördekiDosya(QStringLiteral("/"), QStringLiteral("a.jpg")), QStringLiteral("/a.jpg"));
        QCOMPARE(VarsayılanFotoğrafYolu(QStringLiteral("/t/"), QStringLiteral("Velbor-Tr")),
                 QStringLiteral("/t/Sample-1.jpg"));
    }

    // The session's save request comes while the player may still cancel the log-out: the game is
    // saved and goes on as it was. The session's end closes without the close box's question, and saves.
    void sessionSaveAndEnd()
    {
        auto form = AçılmışForm();
        Bul<QCheckBox>(*form, QStringLiteral("OyunuKaydetOnayı"))->setChecked(true);
        form->YeniOyunDüğmesi_Click();
        form->SüreHesapla_Timer();
        form->KapatmadanKaydet();
        QVERIFY(form->isVisible());
        QCOMPARE(Ayarlar().Oku(QStringLiteral("Oyun\\Bilgiler"), QStringLiteral("Saniye Bilgisi")),
                 QStringLiteral("1"));
        form->SüreHesapla_Timer();  // the game goes on: the end saves its second second

        int kayıtlar = 0;
        Oturumİstekleriniİşle(*form, [&] { ++kayıtlar; }, [&] { form->Kapat(KapanmaNedeni::OturumSonu); });
        QEvent son(QEvent::Quit);
        QVERIFY(QCoreApplication::sendEvent(qApp, &son));
        QVERIFY(!form->isVisible());
        QVERIFY(ortam->mesajlar.isEmpty());
        QCOMPARE(Ayarlar().Oku(QStringLiteral("Oyun\\Bilgiler"), QStringLiteral("Saniye Bilgisi")),
                 QStringLiteral("2"));
        QCOMPARE(kayıtlar, 0);
    }

    // What another start hands over runs in order once the open box has closed, from the event
    // loop; once the system has asked for the end, none is taken.
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

    // As the accessibility guidelines compute it, with the colours' light linearised, either way round.
    void contrastRatio()
    {
        QCOMPARE(Karşıtlık(Qt::white, Qt::black), 21.0);
        QCOMPARE(std::round(Karşıtlık(QColor(42, 46, 50), QColor(192, 64, 0)) * 100) / 100, 2.59);
    }

    void darkOrLight_data()
    {
        QTest::addColumn<QColor>("pencere");
        QTest::addColumn<bool>("koyu");
        QTest::newRow("a dark scheme") << QColor(42, 46, 50) << true;
        QTest::newRow("just below one half") << QColor(127, 127, 127) << true;
        QTest::newRow("just above one half") << QColor(128, 128, 128) << false;
        QTest::newRow("saturated blue, dark to the eye, lightness one half") << QColor(0, 0, 255) << false;
    }

    // On a light palette the design's colours; on a dark one each of its own hue, at 4.5 : 1 to the window.
    void darkOrLight()
    {
        QFETCH(QColor, pencere);
        QFETCH(bool, koyu);
        QPalette palet;
        palet.setColor(QPalette::Window, pencere);
        QCOMPARE(KoyuMu(palet), koyu);
        for (const QColor &renk : SabitRenkler) {
            const QColor uygun = PaleteUygunRenk(renk, palet);
            const QByteArray ne = QStringLiteral("%1 became %2").arg(renk.name(), uygun.name()).toUtf8();
            QVERIFY2(koyu || uygun == renk, ne);
            QVERIFY2(!koyu || Karşıtlık(uygun, pencere) >= EnAzKarşıtlık, ne);
            QVERIFY2(!koyu || renk.hslSaturation() == 0 || TonFarkı(uygun, renk) <= 2, ne);
            // On a really dark window dark colours turn light and the pale gap darker.
            if (pencere.lightness() < 80 && (renk.lightness() < 100 || renk.lightness() > 200))
                QCOMPARE(uygun.lightness() > renk.lightness(), renk.lightness() < 100);
        }
    }
};

QTEST_MAIN(TestFrame)
#include "tst_cerceve.moc"
