// The photo loader and the pieces cut from a photo.
#include "CalismaHatasi.h"
#include "Fotograf.h"
#include "FotografOnbellegi.h"
#include "FotografYukleyici.h"
#include "TestFotografi.h"
#include "Yerlesim.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

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

}  // namespace

class TestPhoto : public QObject {
    Q_OBJECT

private slots:
    // Decoded upright at the least eighth step covering the board, which 1/8 does only once turned.
    void uprightAtWorkingSize()
    {
        const QByteArray yan = YanYatırılmış(ResimBaytları(QSize(3200, 2400)));
        const Fotoğraf fotoğraf = FotoğrafıYükle(Yaz("portrait.jpg", yan), QSize(250, 350));
        QCOMPARE(fotoğraf.Boyut(), QSize(2400, 3200));
        QCOMPARE(fotoğraf.ÇalışmaResmi().size(), QSize(300, 400));
        // Upright, the top-left corner was the stored picture's bottom-left, x 0 and y 2399.
        const QRgb köşe = fotoğraf.ÇalışmaResmi().pixel(0, 0);
        QVERIFY2(qRed(köşe) < 12 && qAbs(qGreen(köşe) - (2399 & 0xFF)) < 12, qPrintable(QString::number(köşe, 16)));
    }

    // Refused before decoding: a FIFO never waited on, claims beyond any camera, more bytes than pixels fill.
    void unreadableFilesAreRefused_data()
    {
        QTest::addColumn<QString>("yol");
        QTest::addColumn<int>("numara");
        const QByteArray jpeg = ResimBaytları(QSize(320, 240));
        QByteArray dev = jpeg;
        const qsizetype çerçeve = dev.indexOf(QByteArray::fromHex("ffc0"));
        qToBigEndian<quint16>(15000, dev.data() + çerçeve + 5);
        qToBigEndian<quint16>(20000, dev.data() + çerçeve + 7);
        const QString fifo = klasör.filePath("pipe.jpg");
        QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QTest::newRow("missing") << klasör.filePath("missing.jpg") << int(HataNo::DosyaBulunamadı);
        QTest::newRow("FIFO") << fifo << int(HataNo::DosyaErişimHatası);
        QTest::newRow("truncated") << Yaz("cut.jpg", jpeg.left(jpeg.size() / 2)) << int(HataNo::GeçersizResim);
        QTest::newRow("text named .jpg") << Yaz("notes.jpg", "shopping list\n") << int(HataNo::GeçersizResim);
        QTest::newRow("claims 20000 x 15000") << Yaz("camera.jpg", dev) << int(HataNo::GeçersizResim);
        QTest::newRow("progressive, claims 22000 x 22000")
            << Yaz("scans.jpg", ResimBaytları(QSize(64, 48), "jpeg", true).replace(
                   QByteArray::fromHex("ffc2 0011 08 0030 0040"), QByteArray::fromHex("ffc2 0011 08 55f0 55f0")))
            << int(HataNo::GeçersizResim);
        // A camera's thumbnail with a scan and an end marker of its own before the cut.
        QTest::newRow("truncated behind a thumbnail")
            << Yaz("thumb.jpg", jpeg.chopped(1000).insert(2, QByteArray::fromHex("ffe1 0006 ffda ffd9")))
            << int(HataNo::GeçersizResim);
        for (const qint64 bayt : {qint64(40) << 20, qint64(4) << 30}) {
            QFile dosya(klasör.filePath(u"sparse-%1.jpg"_s.arg(bayt)));
            QVERIFY(dosya.open(QIODevice::WriteOnly) && dosya.resize(bayt) && dosya.write(jpeg.chopped(2)) > 0);
            QVERIFY(dosya.seek(bayt - 2) && dosya.write("\xFF\xD9") == 2);
            QTest::addRow("a small picture in %lld MB", bayt >> 20) << dosya.fileName() << int(HataNo::GeçersizResim);
        }
    }
    void unreadableFilesAreRefused()
    {
        QFETCH(QString, yol);
        QFETCH(int, numara);
        try {
            FotoğrafıYükle(yol);
            QFAIL("loaded");
        } catch (const ÇalışmaHatası &hata) {
            QCOMPARE(hata.Numara(), numara);
        }
    }

    // A load abandoned by a newer one never arrives, however soon it ends, and its file reads no further.
    void abandonedLoadNeverArrives()
    {
        const QString iyi = Yaz("good.jpg", ResimBaytları(QSize(320, 240)));
        QStringList gelenler;
        FotoğrafYükleyici yükleyici;
        for (const QString &yol : {klasör.filePath("missing.jpg"), iyi})
            yükleyici.Başlat(yol, [&](const Fotoğraf &f) { gelenler << QString::number(f.Boyut().width()); },
                             [&](const ÇalışmaHatası &h) { gelenler << QString::number(h.Numara()); });
        QTRY_VERIFY(!yükleyici.Yüklüyor());
        QCOMPARE(gelenler, QStringList{"320"});
        const std::atomic<bool> vazgeçildi{true};
        QVERIFY_THROWS_EXCEPTION(ÇalışmaHatası, FotoğrafıYükle(iyi, QSize(100, 100), &vazgeçildi));
    }

    // A top-down bitmap with padded rows loads; pieces are their sources; a larger one is reduced once.
    void topDownBitmapPieces()
    {
        const QImage kaynak = RenkliResim(QSize(642, 481));
        const QString yol = Yaz("topdown.bmp", YukarıdanAşağı(kaynak));
        const Fotoğraf fotoğraf = FotoğrafıYükle(yol, kaynak.size());
        QCOMPARE(fotoğraf.ÇalışmaResmi(), kaynak);
        for (const auto &[n, parça] : {std::pair{3, 2}, {4, 5}, {4, 15}}) {
            const QRect alan = ParçaKaynağı(parça, n, fotoğraf.Boyut());
            QCOMPARE(fotoğraf.Parça(alan, alan.size()), kaynak.copy(alan));
        }
        QCOMPARE(FotoğrafıYükle(yol, QSize(100, 100)).ÇalışmaResmi().size(), QSize(160, 120));
    }

    // The kept working image is the least that covers the boxes (an eighth of this photo, 200 x 150,
    // is more than 150 x 100 needs); it serves only the same file, unchanged, at no larger a size,
    // and not damaged.
    void keptWorkingImage()
    {
        FotoğrafÖnbelleğiKlasörünüBelirle(klasör.filePath("cache"));
        const QString yol = Yaz("kept.jpg", ResimBaytları(QSize(800, 600)));
        const Fotoğraf fotoğraf = FotoğrafıYükle(yol, QSize(150, 100));
        FotoğrafıÖnbelleğeYaz(yol, fotoğraf, QSize(150, 100)).waitForFinished();
        const std::optional<Fotoğraf> kayıtlı = ÖnbellektekiFotoğraf(yol, QSize(150, 100));
        QCOMPARE(kayıtlı.value().Boyut(), QSize(800, 600));
        const QImage &resim = kayıtlı->ÇalışmaResmi();
        QCOMPARE(resim, fotoğraf.ÇalışmaResmi().convertToFormat(resim.format()).scaled(
                            QSize(150, 112), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QVERIFY(!ÖnbellektekiFotoğraf(yol, QSize(200, 150)));
        QFile önbellek(FotoğrafÖnbelleğiDosyası());
        QVERIFY(önbellek.open(QIODevice::ReadWrite) && önbellek.resize(önbellek.size() - 1));
        önbellek.close();
        QVERIFY(!ÖnbellektekiFotoğraf(yol, QSize(150, 100)));
        FotoğrafıÖnbelleğeYaz(yol, fotoğraf, QSize(150, 100)).waitForFinished();
        Yaz("kept.jpg", ResimBaytları(QSize(640, 480)));
        QVERIFY(!ÖnbellektekiFotoğraf(yol, QSize(150, 100)));
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
