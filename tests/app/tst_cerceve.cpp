// The application frame: string table, captions, error report, centring, version rules, paths.
#include "Baslangic.h"
#include "Dizgeler.h"
#include "HataBildir.h"
#include "Kimlik.h"
#include "MesajKutusu.h"
#include "OrtakDegiskenler.h"
#include "OrtakYordamlar.h"
#include "ResimKutusu.h"
#include "SahteOrtam.h"
#include "SurumDenetimi.h"
#include "Yollar.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(std::optional<SürümKaydı>)

class TestFrame : public QObject {
    Q_OBJECT

private slots:
    void init() { ortam = std::make_unique<SahteOrtam>(); }
    void cleanup() { ortam.reset(); }

    void stringTable_data();
    void stringTable();
    void windowTitle();
    void captionsFromTheTable();
    void errorReportText_data();
    void errorReportText();
    void errorReportNoEndsAtOnce();
    void stepsGoOnAfterAFailure();
    void centring_data();
    void centring();
    void centringIsOneShot();
    void versionRules_data();
    void versionRules();
    void refusedPlatformShowsMessage30();
    void paths();

private:
    std::unique_ptr<SahteOrtam> ortam;
};

void TestFrame::stringTable_data()
{
    QTest::addColumn<int>("kimlik");
    QTest::addColumn<QString>("metin");
    const QList<std::pair<int, const char *>> tablo{
        {10, "Orvane - Tilora"},
        {30, "In order for the program to work, it is important that, your computer is installed with NT 4.0 and "
             "\"Servis Pack 3\" or with a higher version."},
        {40, "Due to the error occured below, the program may not work! \nAre you sure you want to continue?"},
        {50, "Error Code :"}, {60, "Error Message :"}, {70, "Error Occured!"}, {100, "Completing Photo "},
        {200, "Dividing Photo "}, {210, "&3 x 3 Blocks "}, {220, "&4 x 4 Blocks "}, {230, "&5 x 5 Blocks "},
        {300, "Photo Sample "}, {400, "Show ph&oto sample "}, {410, "&Save on exit "}, {420, "Sound o&ff "},
        {500, "Game Information "}, {510, "Remaining Time :"}, {520, "Click Counts :"}, {600, "&New Game"},
        {700, "New &Photo..."}, {800, "&About"}, {900, "Exit (Esc)"}, {1000, "Firstly, please select a photo!"},
        {1100, " hour, "}, {1200, " minute, "}, {1250, " second"},
        {1300, "Congratulations! You have completed the photo!"}, {1320, "Completing Time : "},
        {1340, "Click Counts : "}, {1400, "Resetting the counter, for games not completed within 24 hours!"},
        {1500, "Do you want to exit the program?"}, {1550, "Select Photo..."}, {1600, "Dri&ver(s)"},
        {1700, "&Directory(s)"}, {1800, "&Photos (*.bmp, *.jpg)"}, {1900, "Preview "}, {2000, "OK"},
        {2100, "Cancel"}, {2200, "Cannot read drive!"}, {2300, "Please, select photo file from the list!"},
        {2400, "About Program"}, {2450, "Version "}, {2500, "Send Message"}, {2600, "Send E-Mail"}};
    QCOMPARE(tablo.size(), 44);
    for (const auto &[kimlik, metin] : tablo)
        QTest::addRow("%d", kimlik) << kimlik << QString::fromLatin1(metin);
}

void TestFrame::stringTable()
{
    QFETCH(int, kimlik);
    QFETCH(QString, metin);
    QCOMPARE(Dizge(kimlik), metin);
}

void TestFrame::windowTitle()
{
    QCOMPARE(PencereBaşlığı(), QStringLiteral("Orvane - Tilora 1.21"));
    QCOMPARE(AyarUygulamasıAdı(QStringLiteral("Velbor-Eng")), QStringLiteral("Orvane\\Velbor-Eng"));
    QHash<int, QString> tablo = DizgeTablosu();
    tablo[10] = QStringLiteral("Tiles");
    DizgeTablosunuDeğiştir(tablo);
    QCOMPARE(PencereBaşlığı(), QStringLiteral("Tiles 1.21"));
    tablo.remove(10);
    DizgeTablosunuDeğiştir(tablo);
    QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, Dizge(10));
    DizgeTablosunuDeğiştir({});
    QCOMPARE(Dizge(10), QStringLiteral("Orvane - Tilora"));
}

void TestFrame::captionsFromTheTable()
{
    QWidget form;
    auto *çerçeve = new QGroupBox(QStringLiteral("100"), &form);
    auto *düğme = new QPushButton(QStringLiteral("2000"), çerçeve);
    auto *onay = new QCheckBox(QStringLiteral("400"), &form);
    auto *seçenek = new QRadioButton(QStringLiteral(" 210 "), &form);
    const QStringList dokunulmaz{"", "0", "OK", "99999", "12.5x"};
    QList<QLabel *> etiketler;
    for (const QString &başlık : dokunulmaz)
        etiketler.append(new QLabel(başlık, çerçeve));
    auto *liste = new QListWidget(&form);
    liste->addItem(QStringLiteral("2000"));
    auto *kutu = new ResimKutusu(ResimKutusu::Kenar::Yok, &form);
    kutu->setObjectName(QStringLiteral("2000"));

    BaşlıklarıYükle(&form);
    QCOMPARE(çerçeve->title(), QStringLiteral("Completing Photo "));
    QCOMPARE(düğme->text(), QStringLiteral("OK"));
    QCOMPARE(onay->text(), QStringLiteral("Show ph&oto sample "));
    QCOMPARE(seçenek->text(), QStringLiteral("&3 x 3 Blocks "));
    for (int sıra = 0; sıra < etiketler.size(); ++sıra)
        QCOMPARE(etiketler[sıra]->text(), dokunulmaz[sıra]);
    QCOMPARE(liste->item(0)->text(), QStringLiteral("2000"));
}

void TestFrame::errorReportText_data()
{
    QTest::addColumn<int>("numara");
    QTest::addColumn<QString>("açıklama");
    QTest::addColumn<QString>("satır4");
    QTest::addColumn<QString>("satır6");
    QTest::newRow("type mismatch") << 13 << "Type mismatch" << "Error Code : 13" << "Error Message : Type mismatch";
    QTest::newRow("negative, no description") << -2147217900 << "" << "Error Code : -2147217900" << "Error Message : ";
}

void TestFrame::errorReportText()
{
    QFETCH(int, numara);
    QFETCH(QString, açıklama);
    QFETCH(QString, satır4);
    QFETCH(QString, satır6);
    HataBildir(ÇalışmaHatası(numara, açıklama));
    QCOMPARE(ortam->mesajlar.size(), 1);
    const MesajKutusuİsteği &kutu = ortam->mesajlar[0];
    QCOMPARE(kutu.metin.split('\n'), (QStringList{"Due to the error occured below, the program may not work! ",
                                                  "Are you sure you want to continue?", "", satır4, "", satır6}));
    QCOMPARE(kutu.başlık, QStringLiteral("Error Occured!"));
    QCOMPARE(kutu.düğmeler, MesajDüğmeleri::EvetHayır);
    QCOMPARE(kutu.simge, MesajSimgesi::Kritik);
    QVERIFY(kutu.ortalanacağıPencere.has_value());
    QCOMPARE(ortam->sonlandırmalar, 0);
}

void TestFrame::errorReportNoEndsAtOnce()
{
    ortam->yanıtlar = {MesajYanıtı::Hayır};
    bool sonrakiAdım = false;
    QVERIFY_THROWS_EXCEPTION(ProgramSonlandı, {
        Adım(HataTarzı::Bildir, [] { throw ÇalışmaHatası(HataNo::Taşma); });
        sonrakiAdım = true;
    });
    QCOMPARE(ortam->sonlandırmalar, 1);
    QVERIFY(!sonrakiAdım);
    QCOMPARE(ortam->mesajlar[0].metin.section('\n', 5), QStringLiteral("Error Message : Overflow"));
    QCOMPARE(ortam->AyarMetni(), QString());
}

void TestFrame::stepsGoOnAfterAFailure()
{
    QStringList adımlar;
    Adım(HataTarzı::Bildir, [] { throw std::bad_alloc(); });
    Adım(HataTarzı::Bildir, [&] { adımlar << "after a reported failure"; });
    Adım(HataTarzı::Sessiz, [] { throw ÇalışmaHatası(HataNo::DosyaBulunamadı); });
    Adım(HataTarzı::Sessiz, [&] { adımlar << "after a quiet failure"; });
    QCOMPARE(adımlar, (QStringList{"after a reported failure", "after a quiet failure"}));
    QCOMPARE(ortam->mesajlar.size(), 1);
    QVERIFY(ortam->mesajlar[0].metin.contains(QStringLiteral("Error Code : 7\n")));
}

void TestFrame::centring_data()
{
    QTest::addColumn<QRect>("sahip");
    QTest::addColumn<QSize>("kutu");
    QTest::addColumn<QPoint>("konum");
    QTest::newRow("25.5 goes to 26") << QRect(0, 0, 101, 100) << QSize(50, 40) << QPoint(26, 30);
    QTest::newRow("26.5 goes to 26") << QRect(1, 0, 101, 101) << QSize(50, 40) << QPoint(26, 30);
    QTest::newRow("owner off the left edge") << QRect(-4, 10, 300, 200) << QSize(50, 40) << QPoint(-1, -1);
    QTest::newRow("owner off the top edge") << QRect(10, -1, 300, 200) << QSize(50, 40) << QPoint(-1, -1);
    QTest::newRow("box larger than owner") << QRect(100, 100, 200, 100) << QSize(300, 150) << QPoint(50, 75);
}

void TestFrame::centring()
{
    QFETCH(QRect, sahip);
    QFETCH(QSize, kutu);
    QFETCH(QPoint, konum);
    QCOMPARE(OrtalanmışKonum(sahip, kutu).value_or(QPoint(-1, -1)), konum);
}

void TestFrame::centringIsOneShot()
{
    MesajKutusunuOrtala();
    MesajGöster(QStringLiteral("first"), MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi);
    MesajGöster(QStringLiteral("second"), MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi);
    // No window is active: the first box goes to the middle of the screen, the second where the system puts it.
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

void TestFrame::versionRules_data()
{
    QTest::addColumn<std::optional<SürümKaydı>>("kayıt");
    QTest::addColumn<bool>("kabul");
    QTest::addColumn<bool>("nt");
    const auto nt = [](quint32 ana, const QByteArray &paket) {
        SürümKaydı kayıt;
        kayıt.anaSürüm = ana;
        kayıt.platformKimliği = NTAilesi;
        kayıt.servisPaketi = paket;
        return std::optional(kayıt);
    };
    QTest::newRow("NT 3") << nt(3, "") << false << true;
    QTest::newRow("NT 4, Service Pack 1") << nt(4, "Service Pack 1") << false << true;
    QTest::newRow("NT 4, Service Pack 2") << nt(4, "Service Pack 2") << false << true;
    QTest::newRow("NT 4, Service Pack 2 and padding") << nt(4, QByteArray("Service Pack 2\0\0x", 17)) << false << true;
    QTest::newRow("NT 4, Service Pack 3") << nt(4, "Service Pack 3") << true << true;
    QTest::newRow("NT 4, no text") << nt(4, "") << true << true;
    QTest::newRow("NT 4, other case") << nt(4, "service pack 2") << true << true;
    QTest::newRow("NT 5, Service Pack 1") << nt(5, "Service Pack 1") << true << true;
    SürümKaydı eski;
    eski.anaSürüm = 4;
    eski.platformKimliği = 1;
    QTest::newRow("older family") << std::optional(eski) << true << false;
    QTest::newRow("query failed") << std::optional<SürümKaydı>() << false << false;
}

void TestFrame::versionRules()
{
    QFETCH(std::optional<SürümKaydı>, kayıt);
    QFETCH(bool, kabul);
    QFETCH(bool, nt);
    const SürümKararı karar = SürümüDeğerlendir(kayıt);
    QCOMPARE(karar.kabul, kabul);
    QCOMPARE(karar.ntMi, nt);
}

void TestFrame::refusedPlatformShowsMessage30()
{
    SürümKaydı kayıt;
    kayıt.anaSürüm = 6;
    kayıt.platformKimliği = NTAilesi;
    ortam->sürüm = kayıt;
    SistemSürümünüDenetle();
    QVERIFY(NTMi);
    QVERIFY(ortam->mesajlar.isEmpty());

    ortam->sürüm.reset();
    QVERIFY_THROWS_EXCEPTION(ProgramSonlandı, SistemSürümünüDenetle());
    QCOMPARE(ortam->mesajlar.size(), 1);
    QCOMPARE(ortam->mesajlar[0].metin, Dizge(30));
    QCOMPARE(ortam->mesajlar[0].simge, MesajSimgesi::Kritik);
    QCOMPARE(ortam->mesajlar[0].düğmeler, MesajDüğmeleri::Tamam);
    QCOMPARE(ortam->mesajlar[0].başlık, QStringLiteral("Tilora"));
}

void TestFrame::paths()
{
    QCOMPARE(AyırıcıylaBiten(QStringLiteral("/")), QStringLiteral("/"));
    QCOMPARE(AyırıcıylaBiten(QStringLiteral("/usr/games")), QStringLiteral("/usr/games/"));
    QCOMPARE(KlasördekiDosya(QStringLiteral("/"), QStringLiteral("a.jpg")), QStringLiteral("/a.jpg"));
    QCOMPARE(VarsayılanFotoğrafYolu(QStringLiteral("/opt/t/"), QStringLiteral("Velbor-Tr")), QStringLiteral("/opt/t/Sample-1.jpg"));
    QCOMPARE(VarsayılanFotoğrafYolu(QStringLiteral("/opt/t/"), QStringLiteral("Velbor-Eng")), QStringLiteral("/opt/t/Sample-2.jpg"));

    QTemporaryDir klasör;
    QFile dosya(klasör.filePath(QStringLiteral("photo.jpg")));
    QVERIFY(dosya.open(QIODevice::WriteOnly));
    QVERIFY(DosyaVarMı(dosya.fileName()));
    QVERIFY(DosyaVarMı(klasör.path()));
    QVERIFY(!DosyaVarMı(klasör.filePath(QStringLiteral("gone.jpg"))));
    QVERIFY(!DosyaVarMı(QString()));
}

QTEST_MAIN(TestFrame)
#include "tst_cerceve.moc"
