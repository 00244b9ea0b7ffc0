// Hostile picture files, made here: a 4 GiB sparse file named .jpg (a JPEG header, then zeros),
// the same with an end marker at its end, a JPEG header claiming 192 megapixels over 1 GiB of
// zeros with an end marker, PNG bombs of 20000 x 20000 and 22000 x 22000 pixels, and a real but
// slow 15000 x 15000 PNG, the PNG files named .jpg so that the photo dialog lists them. For each: how long the loader takes to refuse or accept it and the
// memory it holds meanwhile; then, in the photo dialog, the longest pause of the interface while
// a click on its row loads it; and a slow load abandoned for a camera photo. Goal: no pause of
// the interface over 500 ms.
// Usage: bench_dusmanca PHOTO_FOLDER (made by make-photos; photo-24mp.jpg is the camera photo)

#include "Hazirlik.h"
#include "Olcum.h"

#include "AyarDeposu.h"
#include "CalismaHatasi.h"
#include "DosyaListeKutusu.h"
#include "FotografSecFormu.h"
#include "FotografYukleyici.h"
#include "ResimKutusu.h"
#include "Yollar.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>

#include <zlib.h>

namespace {

constexpr int Tekrar = 3;
constexpr qint64 GiB = qint64(1) << 30;

void Yaz(QFile &dosya, const QByteArray &bayt)
{
    if (dosya.write(bayt) != bayt.size())
        qFatal("cannot write %s", qPrintable(dosya.fileName()));
}

// A small baseline JPEG up to the start of its scan data, claiming `boyut` pixels.
QByteArray JpegBaşı(QSize boyut)
{
    QBuffer tampon;
    QImageWriter(&tampon, "jpeg").write(QImage(64, 48, QImage::Format_RGB32));
    QByteArray jpeg = tampon.data();
    const qsizetype çerçeve = jpeg.indexOf("\xFF\xC0");
    qToBigEndian<quint16>(quint16(boyut.height()), jpeg.data() + çerçeve + 5);
    qToBigEndian<quint16>(quint16(boyut.width()), jpeg.data() + çerçeve + 7);
    const qsizetype tarama = jpeg.indexOf("\xFF\xDA");
    return jpeg.left(tarama + 2 + qFromBigEndian<quint16>(jpeg.constData() + tarama + 2));
}

// The header, then zeros up to `boyut` bytes, the disk holding none of them; an end marker last.
void SeyrekJpeg(const QString &yol, QSize piksel, qint64 boyut, bool sonİşareti)
{
    QFile dosya(yol);
    if (!dosya.open(QIODevice::WriteOnly) || !dosya.resize(boyut))
        qFatal("cannot make %s", qPrintable(yol));
    Yaz(dosya, JpegBaşı(piksel));
    if (sonİşareti && dosya.seek(boyut - 2))
        Yaz(dosya, "\xFF\xD9");
}

QByteArray Parça(const char *tür, const QByteArray &veri)
{
    QByteArray parça(4, '\0');
    qToBigEndian<quint32>(quint32(veri.size()), parça.data());
    parça += tür + veri;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(quint32(crc32(0, reinterpret_cast<const Bytef *>(parça.constData() + 4), uInt(parça.size() - 4))),
                          crc.data());
    return parça + crc;
}

// An RGB PNG of `kenar` x `kenar` black pixels: gigabytes of rows, deflated to about a megabyte.
void PngBombası(const QString &yol, int kenar)
{
    QFile dosya(yol);
    if (!dosya.open(QIODevice::WriteOnly))
        qFatal("cannot make %s", qPrintable(yol));
    QByteArray başlık(13, '\0');
    qToBigEndian<quint32>(quint32(kenar), başlık.data());
    qToBigEndian<quint32>(quint32(kenar), başlık.data() + 4);
    başlık[8] = 8;
    başlık[9] = 2;
    Yaz(dosya, QByteArray("\x89PNG\r\n\x1a\n", 8) + Parça("IHDR", başlık));
    z_stream akış{};
    deflateInit(&akış, 9);
    QByteArray satır(1 + 3 * qsizetype(kenar), '\0'), çıktı(1 << 20, '\0');
    for (int y = 0; y < kenar; ++y) {
        akış.next_in = reinterpret_cast<Bytef *>(satır.data());
        akış.avail_in = uInt(satır.size());
        const int son = y + 1 == kenar ? Z_FINISH : Z_NO_FLUSH;
        int durum = Z_OK;
        do {
            akış.next_out = reinterpret_cast<Bytef *>(çıktı.data());
            akış.avail_out = uInt(çıktı.size());
            durum = deflate(&akış, son);
            if (const qsizetype dolu = çıktı.size() - akış.avail_out)
                Yaz(dosya, Parça("IDAT", çıktı.left(dolu)));
        } while (akış.avail_out == 0 || (son == Z_FINISH && durum != Z_STREAM_END));
    }
    deflateEnd(&akış);
    Yaz(dosya, Parça("IEND", {}));
}

// The peak of resident memory since the last call, in MB.
double EnÇokBellek()
{
    QFile durum(QStringLiteral("/proc/self/status"));
    durum.open(QIODevice::ReadOnly);
    double mb = 0;
    for (const QByteArray &satır : durum.readAll().split('\n'))
        if (satır.startsWith("VmHWM:"))
            mb = satır.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    QFile sıfırla(QStringLiteral("/proc/self/clear_refs"));
    if (sıfırla.open(QIODevice::WriteOnly))
        sıfırla.write("5");
    return mb;
}

// Runs the event loop until `bitti` holds; the longest gap between two turns of it, in ms.
double EnUzunDuraklama(const std::function<bool()> &bitti)
{
    QElapsedTimer saat;
    saat.start();
    const Duraklama ölçer;
    while (!bitti()) {
        if (saat.elapsed() > 120'000)
            qFatal("a load did not end within two minutes");
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return ölçer.EnUzun();
}

void YüklemeyiÖlç(const QString &yol)
{
    const QString ad = QFileInfo(yol).fileName();
    Ölçüm süre{QStringLiteral("load ") + ad, {}};
    QString sonuç;
    double bellek = 0;
    EnÇokBellek();
    for (int tekrar = 0; tekrar < Tekrar; ++tekrar) {
        süre.süreler.append(Süre([&] {
            try {
                const Fotoğraf fotoğraf = FotoğrafıYükle(yol);
                sonuç = QStringLiteral("accepted, %1 x %2").arg(fotoğraf.Boyut().width()).arg(fotoğraf.Boyut().height());
            } catch (const ÇalışmaHatası &hata) {
                sonuç = QStringLiteral("refused with %1").arg(hata.Numara());
            }
        }));
        bellek = std::max(bellek, EnÇokBellek());
    }
    süre.Yazdır();
    std::printf("  %s, peak resident memory %.0f MB\n", qPrintable(sonuç), bellek);
}

// Clicks each row of the dialog's list in turn, measuring the interface until its load ended.
void DiyaloğuÖlç(const QString &klasör, const QStringList &adlar, const QString &kameraFotoğrafı)
{
    Ayarlar().Yaz(QStringLiteral("Ayarlar"), QStringLiteral("Son Klasor"), klasör);
    FotoğrafSeçFormu form(nullptr, [](const Fotoğraf &) {});
    form.show();
    auto *dosyalar = form.DosyaListesi->Dosyalar();
    const auto yüklüyor = [&] { return form.ÖnizlemeKutusu->cursor().shape() == Qt::BusyCursor; };
    const auto tıkla = [&](const QString &ad) {
        const QModelIndex satır = dosyalar->index(KlasördekiDosya(klasör, ad));
        if (!satır.isValid())
            qFatal("%s was not listed", qPrintable(ad));
        return Süre([&] { form.DosyaListesi->setCurrentIndex(satır); });
    };
    EnUzunDuraklama([&] { return dosyalar->rowCount(form.DosyaListesi->rootIndex()) == adlar.size() + 1; });
    Ölçüm enUzun{QStringLiteral("longest pause of the dialog, any hostile row"), {}};
    for (const QString &ad : adlar) {
        for (int tekrar = 0; tekrar < Tekrar; ++tekrar) {
            form.DosyaListesi->selectionModel()->clear();
            const double tık = tıkla(ad);
            enUzun.süreler.append(std::max(tık, EnUzunDuraklama([&] { return !yüklüyor(); })));
        }
    }
    enUzun.Yazdır();

    Ölçüm yalnız{QStringLiteral("camera photo alone, until previewed"), {}};
    Ölçüm vazgeçilen{QStringLiteral("  after a click on the slow PNG, until previewed"), {}};
    Ölçüm duraklama{QStringLiteral("  longest pause of the dialog meanwhile"), {}};
    for (int tekrar = 0; tekrar < Tekrar; ++tekrar) {
        for (const bool önce : {false, true}) {
            form.DosyaListesi->selectionModel()->clear();
            form.OrjinalFotoğrafKutusu = {};
            QElapsedTimer saat;
            saat.start();
            double tık = önce ? tıkla(QStringLiteral("slow-15000x15000-png.jpg")) : 0;
            tık = std::max(tık, tıkla(kameraFotoğrafı));
            const double enUzunu = std::max(tık, EnUzunDuraklama([&] { return !form.OrjinalFotoğrafKutusu.fotoğraf.BoşMu(); }));
            (önce ? vazgeçilen : yalnız).süreler.append(saat.nsecsElapsed() / 1e6);
            if (önce)
                duraklama.süreler.append(enUzunu);
        }
    }
    yalnız.Yazdır();
    vazgeçilen.Yazdır();
    duraklama.Yazdır();
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication uygulama(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PHOTO_FOLDER\n", argv[0]);
        return 2;
    }
    const QString kamera = QFileInfo(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/photo-24mp.jpg")).absoluteFilePath();
    QTemporaryDir geçici;
    PencereİçinHazırla(geçici.filePath(QStringLiteral("ayarlar")));

    const QString klasör = geçici.filePath(QStringLiteral("dusmanca"));
    QDir().mkpath(klasör);
    const auto yol = [&](const char *ad) { return KlasördekiDosya(klasör, QString::fromLatin1(ad)); };
    SeyrekJpeg(yol("sparse-4gib.jpg"), QSize(4000, 3000), 4 * GiB, false);
    SeyrekJpeg(yol("sparse-4gib-end.jpg"), QSize(4000, 3000), 4 * GiB, true);
    SeyrekJpeg(yol("sparse-1gib-192mp.jpg"), QSize(16000, 12000), GiB, true);
    PngBombası(yol("bomb-20000x20000-png.jpg"), 20'000);
    PngBombası(yol("bomb-22000x22000-png.jpg"), 22'000);
    PngBombası(yol("slow-15000x15000-png.jpg"), 15'000);
    if (!QFile::copy(kamera, yol("photo-24mp.jpg")))
        qFatal("%s is missing: run make-photos first", qPrintable(kamera));

    std::printf("bench_dusmanca\n");
    const QStringList düşmanca{QStringLiteral("sparse-4gib.jpg"), QStringLiteral("sparse-4gib-end.jpg"),
                               QStringLiteral("sparse-1gib-192mp.jpg"), QStringLiteral("bomb-20000x20000-png.jpg"),
                               QStringLiteral("bomb-22000x22000-png.jpg"), QStringLiteral("slow-15000x15000-png.jpg")};
    for (const QString &ad : düşmanca)
        YüklemeyiÖlç(KlasördekiDosya(klasör, ad));
    DiyaloğuÖlç(klasör, düşmanca, QStringLiteral("photo-24mp.jpg"));
    std::printf("  goal: no pause of the interface over 500 ms\n");
    return 0;
}
