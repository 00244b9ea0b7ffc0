// The photo loader and the pieces cut from a photo.
#include "CalismaHatasi.h"
#include "Fotograf.h"
#include "FotografOnbellegi.h"
#include "FotografYukleyici.h"
#include "TestFotografi.h"
#include "Yerlesim.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sys/stat.h>

namespace {

// An EXIF block saying the stored picture must be turned 90 degrees clockwise to stand upright.
QByteArray YanYatırılmış(QByteArray jpeg)
{
    const QByteArray tiff = QByteArray::fromHex("4d4d002a00000008" "0001" "011200030000000100060000" "00000000");
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray blok = QByteArray::fromHex("ffe1");
    blok.append(char((exif.size() + 2) >> 8)).append(char((exif.size() + 2) & 0xFF)).append(exif);
    return jpeg.insert(2, blok);
}

// The picture claiming another size in its frame header.
QByteArray BoyutuDeğişmiş(QByteArray jpeg, QSize boyut)
{
    const qsizetype çerçeve = jpeg.indexOf(QByteArray::fromHex("ffc0"));
    qToBigEndian<quint16>(quint16(boyut.height()), jpeg.data() + çerçeve + 5);
    qToBigEndian<quint16>(quint16(boyut.width()), jpeg.data() + çerçeve + 7);
    return jpeg;
}

// The picture as a BMP stored top-down: rows from the top, the height written negative.
QByteArray YukarıdanAşağı(const QImage &resim)
{
    QByteArray bmp;
    QBuffer tampon(&bmp);
    tampon.open(QIODevice::WriteOnly);
    resim.convertToFormat(QImage::Format_RGB888).save(&tampon, "BMP");
    const auto tamsayı = [&](int yer) { return qFromLittleEndian<qint32>(bmp.constData() + yer); };
    const int veri = tamsayı(10), yükseklik = tamsayı(22), satır = (tamsayı(18) * 3 + 3) & ~3;
    QByteArray satırlar;
    for (int y = yükseklik - 1; y >= 0; --y)
        satırlar += bmp.mid(veri + y * satır, satır);
    bmp.replace(veri, satırlar.size(), satırlar);
    qToLittleEndian<qint32>(-yükseklik, bmp.data() + 22);
    return bmp;
}

int HataNumarası(const QString &yol)
{
    try {
        FotoğrafıYükle(yol);
    } catch (const ÇalışmaHatası &hata) {
        return hata.Numara();
    }
    return 0;
}

}  // namespace

class TestPhoto : public QObject {
    Q_OBJECT

private slots:
    void largePhotoDecodesAtWorkingSize()
    {
        const Fotoğraf fotoğraf = FotoğrafıYükle(Yaz(QStringLiteral("large.jpg"), ResimBaytları(QSize(3200, 2400))), QSize(383, 299));
        QCOMPARE(fotoğraf.Boyut(), QSize(3200, 2400));
        // The least eighth-step reduction that still covers the board: 1/8 gives 400 x 300.
        QCOMPARE(fotoğraf.ÇalışmaResmi().size(), QSize(400, 300));
        QCOMPARE(fotoğraf.Tamamı(QSize(169, 125)).size(), QSize(169, 125));
    }

    void exifOrientationStandsUpright()
    {
        const Fotoğraf fotoğraf = FotoğrafıYükle(Yaz(QStringLiteral("portrait.jpg"), YanYatırılmış(ResimBaytları(QSize(400, 300)))));
        QCOMPARE(fotoğraf.Boyut(), QSize(300, 400));
        QCOMPARE(fotoğraf.ÇalışmaResmi().width() < fotoğraf.ÇalışmaResmi().height(), true);
        // Upright, the top-left corner was the stored picture's bottom-left, x 0 and y 299.
        const QRgb köşe = fotoğraf.Parça(QRect(0, 0, 2, 2), QSize(1, 1)).pixel(0, 0);
        QVERIFY2(qRed(köşe) < 12 && qAbs(qGreen(köşe) - (299 & 0xFF)) < 12, qPrintable(QString::number(köşe, 16)));
    }

    void unreadableFilesAreRefused_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QByteArray>("baytlar");
        QTest::addColumn<int>("numara");
        const QByteArray jpeg = ResimBaytları(QSize(320, 240));
        QTest::newRow("truncated") << "cut.jpg" << jpeg.left(jpeg.size() / 2) << HataNo::GeçersizResim;
        QTest::newRow("empty") << "empty.jpg" << QByteArray() << HataNo::GeçersizResim;
        QTest::newRow("text named .jpg") << "notes.jpg" << QByteArray("shopping list\n") << HataNo::GeçersizResim;
        QTest::newRow("claims 60000 x 60000") << "huge.jpg" << BoyutuDeğişmiş(jpeg, {60000, 60000}) << HataNo::GeçersizResim;
        QTest::newRow("claims 20000 x 15000, beyond any camera") << "camera.jpg" << BoyutuDeğişmiş(jpeg, {20000, 15000})
                                                                 << HataNo::GeçersizResim;
    }

    void unreadableFilesAreRefused()
    {
        QFETCH(QString, ad);
        QFETCH(QByteArray, baytlar);
        QFETCH(int, numara);
        QCOMPARE(HataNumarası(Yaz(ad, baytlar)), numara);
        QCOMPARE(HataNumarası(klasör.filePath(QStringLiteral("missing.jpg"))), HataNo::DosyaBulunamadı);
        // Not a file to read at all: a FIFO would wait for a writer for ever, a folder holds no picture.
        const QString fifo = klasör.filePath(QStringLiteral("pipe.jpg")), dizin = klasör.filePath(QStringLiteral("album.jpg"));
        QVERIFY(QFileInfo::exists(fifo) || mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QVERIFY(QDir().mkpath(dizin));
        QCOMPARE(HataNumarası(fifo), HataNo::DosyaErişimHatası);
        QCOMPARE(HataNumarası(dizin), HataNo::DosyaErişimHatası);
    }

    // Zeros behind a picture's header, the disk holding none of them, then its end marker: more
    // bytes than its pixels could fill are refused before a byte of them is read.
    void oversizedFilesAreRefused_data()
    {
        QTest::addColumn<qint64>("bayt");
        QTest::newRow("a small picture in 40 MB") << (qint64(40) << 20);
        QTest::newRow("4 GiB") << (qint64(4) << 30);
    }
    void oversizedFilesAreRefused()
    {
        QFETCH(qint64, bayt);
        QFile dosya(klasör.filePath(QStringLiteral("sparse.jpg")));
        QVERIFY(dosya.open(QIODevice::WriteOnly) && dosya.resize(bayt));
        const QByteArray jpeg = ResimBaytları(QSize(320, 240));
        QVERIFY(dosya.write(jpeg.chopped(2)) > 0 && dosya.seek(bayt - 2) && dosya.write("\xFF\xD9") == 2);
        dosya.close();
        QCOMPARE(HataNumarası(dosya.fileName()), HataNo::GeçersizResim);
    }

    // Off the interface thread, each load's photo or error arrives later, on the thread that
    // started it; a load abandoned by a newer one never arrives, and reads no further.
    void backgroundLoads()
    {
        const QString iyi = Yaz(QStringLiteral("good.jpg"), ResimBaytları(QSize(320, 240)));
        const QString kötü = Yaz(QStringLiteral("cut.jpg"), ResimBaytları(QSize(320, 240)).left(900));
        QStringList gelenler;
        FotoğrafYükleyici yükleyici;
        const auto başlat = [&](const QString &yol) {
            yükleyici.Başlat(
                yol, [&, yol](const Fotoğraf &f) { gelenler << QFileInfo(yol).fileName() + QStringLiteral(" %1").arg(f.Boyut().width()); },
                [&, yol](const ÇalışmaHatası &h) { gelenler << QFileInfo(yol).fileName() + QStringLiteral(" %1").arg(h.Numara()); });
            QVERIFY(yükleyici.Yüklüyor());
        };
        başlat(klasör.filePath(QStringLiteral("missing.jpg")));
        QTRY_COMPARE(gelenler, QStringList{QStringLiteral("missing.jpg 53")});
        başlat(iyi);
        başlat(kötü);
        QTRY_COMPARE(gelenler.size(), 2);
        başlat(kötü);
        başlat(iyi);
        QTRY_VERIFY(!yükleyici.Yüklüyor());
        QCOMPARE(gelenler, (QStringList{QStringLiteral("missing.jpg 53"), QStringLiteral("cut.jpg 481"), QStringLiteral("good.jpg 320")}));

        const std::atomic<bool> vazgeçildi{true};
        QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, FotoğrafıYükle(iyi, QSize(100, 100), &vazgeçildi));
    }

    void topDownBitmapLoads()
    {
        const QImage kaynak = RenkliResim(QSize(7, 5));
        const Fotoğraf fotoğraf = FotoğrafıYükle(Yaz(QStringLiteral("topdown.bmp"), YukarıdanAşağı(kaynak)), QSize(7, 5));
        QCOMPARE(fotoğraf.Boyut(), QSize(7, 5));
        QCOMPARE(fotoğraf.ÇalışmaResmi(), kaynak);
    }

    void piecesAreTheirSourceRectangles()
    {
        const QImage kaynak = RenkliResim(QSize(640, 480));
        const QString yol = klasör.filePath(QStringLiteral("exact.bmp"));
        kaynak.save(yol);
        const Fotoğraf fotoğraf = FotoğrafıYükle(yol, QSize(640, 480));
        QCOMPARE(fotoğraf.ÇalışmaResmi().size(), QSize(640, 480));
        for (const auto &[n, parça] : {std::pair{3, 2}, {3, 4}, {4, 5}, {4, 15}}) {
            const QRect alan = ParçaKaynağı(parça, n, fotoğraf.Boyut());
            QCOMPARE(fotoğraf.Parça(alan, alan.size()), kaynak.copy(alan));
        }
        // A bitmap larger than the working size is reduced once.
        const Fotoğraf küçültülmüş = FotoğrafıYükle(yol, QSize(100, 100));
        QCOMPARE(küçültülmüş.Boyut(), QSize(640, 480));
        QCOMPARE(küçültülmüş.ÇalışmaResmi().size(), QSize(160, 120));
    }

    // The working image kept for the next start serves only the same file, unchanged, at a
    // working size no larger than it was made for; a damaged cache file is simply not used.
    void keptWorkingImage()
    {
        FotoğrafÖnbelleğiKlasörünüBelirle(klasör.filePath(QStringLiteral("cache")));
        const QString yol = Yaz(QStringLiteral("kept.jpg"), ResimBaytları(QSize(800, 600)));
        const Fotoğraf fotoğraf = FotoğrafıYükle(yol, QSize(200, 150));
        QVERIFY(!ÖnbellektekiFotoğraf(yol, QSize(200, 150)));
        FotoğrafıÖnbelleğeYaz(yol, fotoğraf, QSize(200, 150)).waitForFinished();

        const std::optional<Fotoğraf> kayıtlı = ÖnbellektekiFotoğraf(yol, QSize(200, 150));
        QVERIFY(kayıtlı);
        QCOMPARE(kayıtlı->Boyut(), QSize(800, 600));
        QCOMPARE(kayıtlı->ÇalışmaResmi(), fotoğraf.ÇalışmaResmi().convertToFormat(kayıtlı->ÇalışmaResmi().format()));
        QVERIFY(!ÖnbellektekiFotoğraf(yol, QSize(400, 300)));
        QVERIFY(!ÖnbellektekiFotoğraf(Yaz(QStringLiteral("other.jpg"), ResimBaytları(QSize(800, 600))), QSize(200, 150)));

        QFile önbellek(FotoğrafÖnbelleğiDosyası());
        QVERIFY(önbellek.open(QIODevice::ReadWrite) && önbellek.resize(önbellek.size() - 1));
        önbellek.close();
        QVERIFY(!ÖnbellektekiFotoğraf(yol, QSize(200, 150)));

        FotoğrafıÖnbelleğeYaz(yol, fotoğraf, QSize(200, 150)).waitForFinished();
        Yaz(QStringLiteral("kept.jpg"), ResimBaytları(QSize(640, 480)));
        QVERIFY(!ÖnbellektekiFotoğraf(yol, QSize(200, 150)));
    }

private:
    QString Yaz(const QString &ad, const QByteArray &baytlar)
    {
        QFile dosya(klasör.filePath(ad));
        dosya.open(QIODevice::WriteOnly);
        dosya.write(baytlar);
        return dosya.fileName();
    }
    QTemporaryDir klasör;
};

QTEST_MAIN(TestPhoto)
#include "tst_fotograf.moc"
