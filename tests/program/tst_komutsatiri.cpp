// The command line: `tilora [PHOTO]`, --help and --version.
#include "KomutSatiri.h"

#include <QTest>

Q_DECLARE_METATYPE(KomutSatırı::İstek)

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void arguments_data()
    {
        using enum KomutSatırı::İstek;
        QTest::addColumn<QStringList>("argümanlar");
        QTest::addColumn<KomutSatırı::İstek>("istek");
        QTest::addColumn<QString>("fotoğraf");
        QTest::addColumn<QString>("metinde");
        QTest::newRow("nothing") << QStringList{} << Oyna << "" << "";
        QTest::newRow("a photo elsewhere") << QStringList{"/srv/Fotoğraflar/deniz kenarı.png"} << Oyna
                                           << "/srv/Fotoğraflar/deniz kenarı.png" << "";
        QTest::newRow("a photo up and down") << QStringList{"../x/./y.bmp"} << Oyna << "/home/x/y.bmp" << "";
        QTest::newRow("a photo like an option") << QStringList{"--", "-v.jpg"} << Oyna << "/home/oyuncu/-v.jpg" << "";
        QTest::newRow("a launcher's empty %f") << QStringList{""} << Oyna << "" << "";
        QTest::newRow("help") << QStringList{"--help"} << Yardım << "" << "[PHOTO]";
        QTest::newRow("short help among errors") << QStringList{"--colour", "-h", "a", "b"} << Yardım << "" << "PHOTO";
        QTest::newRow("version") << QStringList{"--version"} << Sürüm << "" << "tilora 1.21\n";
        QTest::newRow("version, short") << QStringList{"-v", "a.jpg"} << Sürüm << "" << "tilora 1.21\n";
        QTest::newRow("an unknown option") << QStringList{"--colour", "a.jpg"} << Hata << "" << "colour";
        QTest::newRow("two photos") << QStringList{"a.jpg", "b.jpg"} << Hata << "" << "Only one photo can be given.";
    }

    void arguments()
    {
        QFETCH(QStringList, argümanlar);
        QFETCH(KomutSatırı::İstek, istek);
        QFETCH(QString, fotoğraf);
        QFETCH(QString, metinde);
        const KomutSatırı komut = KomutSatırınıOku(QStringList{"tilora"} + argümanlar, QStringLiteral("/home/oyuncu"));
        QCOMPARE(komut.istek, istek);
        QCOMPARE(komut.fotoğraf, fotoğraf);
        QVERIFY2(komut.metin.contains(metinde), qPrintable(komut.metin));
        QCOMPARE(komut.metin.isEmpty(), metinde.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_komutsatiri.moc"
