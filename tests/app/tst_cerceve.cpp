// The application frame: string table, captions, error report, centring, version rules, paths.
#include "Dizgeler.h"
#include "HataBildir.h"
#include "Kimlik.h"
#include "MesajKutusu.h"
#include "OrtakYordamlar.h"
#include "SahteOrtam.h"
#include "SistemSurumuDenetimi.h"
#include "SurumDenetimi.h"
#include "Yollar.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(std::optional<SürümKaydı>)

class TestFrame : public QObject {
    Q_OBJECT

    std::optional<SahteOrtam> ortam;

private slots:
    void init() { ortam.emplace(); }
    void cleanup() { ortam.reset(); }

    void stringTable()
    {
        // The captions no other test reads: the messages, the dialogs' texts and the window's title
        // are checked where they are shown.
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
        // The parts of the time text follow their number, with the same English for every number.
        for (const qint64 sayı : {1, 2})
            for (const auto &[kimlik, metin] : {std::pair{1100, " hour, "}, {1200, " minute, "}, {1250, " second"}})
                QCOMPARE(DizgeSayılı(kimlik, sayı), QString::number(sayı) + QLatin1String(metin));
        QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, Dizge(11));
    }

    void windowTitleFollowsString10()
    {
        QCOMPARE(PencereBaşlığı(), QStringLiteral("Orvane - Tilora 1.21"));
        QHash<int, QString> tablo = DizgeTablosu();
        tablo[10] = QStringLiteral("Tiles");
        DizgeTablosunuDeğiştir(tablo);
        QCOMPARE(PencereBaşlığı(), QStringLiteral("Tiles 1.21"));
        DizgeTablosunuDeğiştir({});
    }

    void captionsFromTheTable()
    {
        QWidget form;
        auto *çerçeve = new QGroupBox(QStringLiteral("100"), &form);
        auto *düğme = new QPushButton(QStringLiteral("2000"), çerçeve);
        auto *seçenek = new QRadioButton(QStringLiteral(" 210 "), &form);
        const QStringList dokunulmaz{"", "0", "OK", "99999"};
        QList<QLabel *> etiketler;
        for (const QString &başlık : dokunulmaz)
            etiketler.append(new QLabel(başlık, çerçeve));
        auto *liste = new QListWidget(&form);
        liste->addItem(QStringLiteral("2000"));

        BaşlıklarıYükle(&form);
        QCOMPARE(çerçeve->title(), QStringLiteral("Completing Photo "));
        QCOMPARE(düğme->text(), QStringLiteral("OK"));
        QCOMPARE(seçenek->text(), QStringLiteral("&3 x 3 Blocks "));
        for (int sıra = 0; sıra < etiketler.size(); ++sıra)
            QCOMPARE(etiketler[sıra]->text(), dokunulmaz[sıra]);
        QCOMPARE(liste->item(0)->text(), QStringLiteral("2000"));
    }

    void errorReportText_data()
    {
        QTest::addColumn<int>("numara");
        QTest::addColumn<QString>("açıklama");
        QTest::newRow("type mismatch") << 13 << "Type mismatch";
        QTest::newRow("negative, no description") << -2147217900 << "";
    }

    void errorReportText()
    {
        QFETCH(int, numara);
        QFETCH(QString, açıklama);
        HataBildir(ÇalışmaHatası(numara, açıklama));
        const MesajKutusuİsteği &kutu = ortam->mesajlar.value(0);
        QCOMPARE(kutu.metin.split('\n'),
                 (QStringList{"Due to the error occured below, the program may not work! ", "Are you sure you want to continue?",
                              "", "Error Code : " + QString::number(numara), "", "Error Message : " + açıklama}));
        QCOMPARE(kutu.başlık, QStringLiteral("Error Occured!"));
        QCOMPARE(kutu.düğmeler, MesajDüğmeleri::EvetHayır);
        QCOMPARE(kutu.simge, MesajSimgesi::Kritik);
        QVERIFY(kutu.ortalanacağıPencere.has_value());
        QCOMPARE(ortam->sonlandırmalar, 0);
    }

    void reportedStepsGoOnOrEnd()
    {
        QStringList adımlar;
        Adım(HataTarzı::Bildir, [] { throw std::bad_alloc(); });
        Adım(HataTarzı::Sessiz, [] { throw ÇalışmaHatası(HataNo::DosyaBulunamadı); });
        Adım(HataTarzı::Bildir, [&] { adımlar << "after the failures"; });
        QCOMPARE(adımlar, QStringList{"after the failures"});
        QCOMPARE(ortam->mesajlar.size(), 1);
        QVERIFY(ortam->mesajlar[0].metin.contains(QStringLiteral("Error Code : 7\n")));

        // No ends the program at once: no later step runs and nothing is written.
        ortam->yanıtlar = {MesajYanıtı::Hayır};
        QVERIFY_THROWS_EXCEPTION(ProgramSonlandı, {
            Adım(HataTarzı::Bildir, [] { throw ÇalışmaHatası(HataNo::Taşma); });
            adımlar << "after No";
        });
        QCOMPARE(ortam->sonlandırmalar, 1);
        QCOMPARE(adımlar.size(), 1);
        QCOMPARE(ortam->AyarMetni(), QString());
    }

    void centring_data()
    {
        QTest::addColumn<QRect>("sahip");
        QTest::addColumn<QPoint>("konum");
        QTest::newRow("25.5 goes to 26") << QRect(0, 0, 101, 100) << QPoint(26, 30);
        QTest::newRow("26.5 goes to 26") << QRect(1, 0, 101, 101) << QPoint(26, 30);
        QTest::newRow("box larger than owner") << QRect(20, 20, 40, 20) << QPoint(15, 10);
        QTest::newRow("owner off the left edge") << QRect(-4, 10, 300, 200) << QPoint(-1, -1);
        QTest::newRow("owner off the top edge") << QRect(10, -1, 300, 200) << QPoint(-1, -1);
    }

    void centring()
    {
        QFETCH(QRect, sahip);
        QFETCH(QPoint, konum);
        QCOMPARE(OrtalanmışKonum(sahip, QSize(50, 40)).value_or(QPoint(-1, -1)), konum);
    }

    void centringIsOneShot()
    {
        MesajKutusunuOrtala();
        MesajGöster(QStringLiteral("first"), MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi);
        MesajGöster(QStringLiteral("second"), MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi);
        // No window is active: the first box goes to the middle of the screen, the next where the system puts it.
        QCOMPARE(ortam->mesajlar[0].ortalanacağıPencere, QGuiApplication::primaryScreen()->geometry());
        QVERIFY(!ortam->mesajlar[1].ortalanacağıPencere);
        QCOMPARE(ortam->mesajlar[1].başlık, QStringLiteral("Tilora"));

        QWidget pencere;
        pencere.setGeometry(200, 150, 300, 200);
        pencere.show();
        pencere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&pencere));
        MesajKutusunuOrtala();
        MesajGöster(QStringLiteral("third"), MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi);
        QCOMPARE(ortam->mesajlar[2].ortalanacağıPencere, pencere.frameGeometry());
    }

    void versionRules_data()
    {
        QTest::addColumn<std::optional<SürümKaydı>>("kayıt");
        QTest::addColumn<bool>("kabul");
        const auto kayıt = [](quint32 platform, quint32 ana, const QByteArray &paket) {
            return std::optional(SürümKaydı{148, ana, 0, 0, platform, paket});
        };
        QTest::newRow("NT 3") << kayıt(NTAilesi, 3, "") << false;
        QTest::newRow("NT 4, Service Pack 2") << kayıt(NTAilesi, 4, "Service Pack 2") << false;
        QTest::newRow("NT 4, Service Pack 1, NUL-padded") << kayıt(NTAilesi, 4, QByteArray("Service Pack 1\0\0x", 17)) << false;
        QTest::newRow("NT 4, Service Pack 3") << kayıt(NTAilesi, 4, "Service Pack 3") << true;
        QTest::newRow("NT 4, no text") << kayıt(NTAilesi, 4, "") << true;
        QTest::newRow("NT 5, Service Pack 1") << kayıt(NTAilesi, 5, "Service Pack 1") << true;
        QTest::newRow("older family") << kayıt(1, 4, "Service Pack 2") << true;
        QTest::newRow("query failed") << std::optional<SürümKaydı>() << false;
    }

    void versionRules()
    {
        QFETCH(std::optional<SürümKaydı>, kayıt);
        QFETCH(bool, kabul);
        const SürümKararı karar = SürümüDeğerlendir(kayıt);
        QCOMPARE(karar.kabul, kabul);
        QCOMPARE(karar.ntMi, kayıt && kayıt->platformKimliği == NTAilesi);
    }

    void refusedPlatformShowsMessage30()
    {
        ortam->sürüm.reset();
        QVERIFY_THROWS_EXCEPTION(ProgramSonlandı, SistemSürümünüDenetle());
        QCOMPARE(ortam->mesajlar.size(), 1);
        QCOMPARE(ortam->mesajlar[0].metin, Dizge(30));
        QCOMPARE(ortam->mesajlar[0].simge, MesajSimgesi::Kritik);
        QCOMPARE(ortam->mesajlar[0].düğmeler, MesajDüğmeleri::Tamam);
    }

    void paths()
    {
        QCOMPARE(AyırıcıylaBiten(QStringLiteral("/")), QStringLiteral("/"));
        QCOMPARE(AyırıcıylaBiten(QStringLiteral("/usr/games")), QStringLiteral("/usr/games/"));
        QCOMPARE(KlasördekiDosya(QStringLiteral("/"), QStringLiteral("a.jpg")), QStringLiteral("/a.jpg"));
        QCOMPARE(VarsayılanFotoğrafYolu(QStringLiteral("/t/"), QStringLiteral("Velbor-Tr")), QStringLiteral("/t/Sample-1.jpg"));
        QCOMPARE(VarsayılanFotoğrafYolu(QStringLiteral("/t/"), QStringLiteral("Velbor-Eng")), QStringLiteral("/t/Sample-2.jpg"));
        QTemporaryDir klasör;
        QVERIFY(DosyaVarMı(klasör.path()));
        QVERIFY(!DosyaVarMı(klasör.filePath(QStringLiteral("gone.jpg"))));
        QVERIFY(!DosyaVarMı(QString()));
    }
};

QTEST_MAIN(TestFrame)
#include "tst_cerceve.moc"
