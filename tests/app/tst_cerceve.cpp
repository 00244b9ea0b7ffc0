// The application frame: string table, captions, error report, centring, version rules, paths.
#include "Dizgeler.h"
#include "HataBildir.h"
#include "Kimlik.h"
#include "MesajKutusu.h"
#include "OrtakDegiskenler.h"
#include "OrtakYordamlar.h"
#include "SahteOrtam.h"
#include "SistemSurumuDenetimi.h"
#include "SurumDenetimi.h"
#include "Yollar.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

Q_DECLARE_METATYPE(std::optional<SürümKaydı>)

class TestFrame : public QObject {
    Q_OBJECT

    std::optional<SahteOrtam> ortam;

private slots:
    void init() { ortam.emplace(); }
    void cleanup() { ortam.reset(); }

    // The captions no other test reads, the time text's parts (the same English for every number)
    // and the window's title, which follows string 10.
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
        for (const qint64 sayı : {1, 2})
            for (const auto &[kimlik, metin] : {std::pair{1100, " hour, "}, {1200, " minute, "}, {1250, " second"}})
                QCOMPARE(DizgeSayılı(kimlik, sayı), QString::number(sayı) + QLatin1String(metin));
        QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, Dizge(11));
        QCOMPARE(PencereBaşlığı(), QStringLiteral("Orvane - Tilora 1.21"));
        QHash<int, QString> değişik = DizgeTablosu();
        değişik[10] = QStringLiteral("Tiles");
        DizgeTablosunuDeğiştir(değişik);
        QCOMPARE(PencereBaşlığı(), QStringLiteral("Tiles 1.21"));
        DizgeTablosunuDeğiştir({});
    }

    // Only a caption that is a string's id changes.
    void captionsFromTheTable()
    {
        QWidget form;
        auto *çerçeve = new QGroupBox(QStringLiteral("100"), &form);
        auto *seçenek = new QRadioButton(QStringLiteral(" 210 "), çerçeve);
        auto *metin = new QLabel(QStringLiteral("OK"), çerçeve);
        auto *eksik = new QLabel(QStringLiteral("99999"), çerçeve);
        BaşlıklarıYükle(&form);
        QCOMPARE(çerçeve->title(), QStringLiteral("Completing Photo "));
        QCOMPARE(seçenek->text(), QStringLiteral("&3 x 3 Blocks "));
        QCOMPARE(metin->text(), QStringLiteral("OK"));
        QCOMPARE(eksik->text(), QStringLiteral("99999"));
    }

    // A reported failure asks whether to go on. Yes goes on with the next step; No ends the program
    // at once, running and writing nothing more.
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
        QVERIFY_THROWS_EXCEPTION(ProgramSonlandı, {
            Adım(HataTarzı::Bildir, [] { throw ÇalışmaHatası(HataNo::Taşma); });
            adımlar << "after No";
        });
        QCOMPARE(ortam->sonlandırmalar, 1);
        QCOMPARE(adımlar.size(), 1);
        QCOMPARE(ortam->AyarMetni(), QString());
    }

    // A box is centred on its owner, half pixels rounded to even; not over an owner partly off the
    // screen's top or left, where the system places it.
    void centring_data()
    {
        QTest::addColumn<QRect>("sahip");
        QTest::addColumn<QPoint>("konum");
        QTest::newRow("25.5 goes to 26") << QRect(0, 0, 101, 100) << QPoint(26, 30);
        QTest::newRow("26.5 goes to 26") << QRect(1, 0, 101, 101) << QPoint(26, 30);
        QTest::newRow("box larger than owner") << QRect(20, 20, 40, 20) << QPoint(15, 10);
        QTest::newRow("owner off the left edge") << QRect(-4, 10, 300, 200) << QPoint(-1, -1);
    }
    void centring()
    {
        QFETCH(QRect, sahip);
        QFETCH(QPoint, konum);
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
        QCOMPARE(NTMi, kayıt && kayıt->platformKimliği == NTAilesi);
        QCOMPARE(ortam->mesajlar.size(), kabul ? 0 : 1);
        if (!kabul)
            QCOMPARE(ortam->mesajlar[0].metin, Dizge(30));
    }

    void paths()
    {
        QCOMPARE(KlasördekiDosya(QStringLiteral("/"), QStringLiteral("a.jpg")), QStringLiteral("/a.jpg"));
        QCOMPARE(VarsayılanFotoğrafYolu(QStringLiteral("/t/"), QStringLiteral("Velbor-Tr")),
                 QStringLiteral("/t/Sample-1.jpg"));
    }
};

QTEST_MAIN(TestFrame)
#include "tst_cerceve.moc"
