// The photo selection dialog: opening on a folder of 10,000 photos, and selecting a camera photo
// until its preview is drawn, timed side by side with libjpeg's own tool decoding at 1/8.
// Usage: bench_fotografsec PHOTO_FOLDER (made by make-photos)

#include "Hazirlik.h"
#include "Olcum.h"

#include "AyarDeposu.h"
#include "DosyaListeKutusu.h"
#include "FotografSecFormu.h"
#include "ResimKutusu.h"
#include "Yollar.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

constexpr int DosyaSayısı = 10'000;
constexpr int AçılışTekrarı = 10;
constexpr int SeçimTekrarı = 15;

void KlasörüHatırlat(const QString &klasör)
{
    Ayarlar().Yaz(QStringLiteral("Ayarlar"), QStringLiteral("Son Klasor"), klasör);
}

// A folder of small but real photos, nine JPEG files to one BMP file.
void KalabalıkKlasörYap(const QString &klasör)
{
    QImage resim(64, 48, QImage::Format_RGB32);
    resim.fill(Qt::darkCyan);
    QByteArray jpeg, bmp;
    QBuffer jpegYazıcı(&jpeg), bmpYazıcı(&bmp);
    resim.save(&jpegYazıcı, "JPG");
    resim.save(&bmpYazıcı, "BMP");
    for (int i = 0; i < DosyaSayısı; ++i) {
        const bool bmpMi = i % 10 == 9;
        QFile dosya(QStringLiteral("%1/photo-%2.%3").arg(klasör).arg(i, 5, 10, QLatin1Char('0')).arg(bmpMi ? "bmp" : "jpg"));
        if (!dosya.open(QIODevice::WriteOnly) || dosya.write(bmpMi ? bmp : jpeg) < 0)
            qFatal("cannot write %s", qPrintable(dosya.fileName()));
    }
}

// Runs the event loop until `hazır` holds; false after a minute. It sleeps between events, so
// that a load in another thread has the processor to itself.
bool Bekle(const std::function<bool()> &hazır)
{
    QElapsedTimer saat;
    saat.start();
    QTimer uyandır;
    uyandır.start(50);
    while (!hazır()) {
        if (saat.elapsed() > 60'000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

int ListedekiSayı(const FotoğrafSeçFormu &form)
{
    return form.DosyaListesi->model()->rowCount(form.DosyaListesi->rootIndex());
}

void AçılışıÖlç(const QString &klasör)
{
    KlasörüHatırlat(klasör);
    Ölçüm açılış{QStringLiteral("open on 10,000 photos until listed"), {}};
    Ölçüm kurulum{QStringLiteral("  of which building the dialog"), {}};
    Ölçüm duraklama{QStringLiteral("longest pause of the event loop meanwhile"), {}};
    for (int tekrar = 0; tekrar < AçılışTekrarı; ++tekrar) {
        QElapsedTimer saat;
        saat.start();
        FotoğrafSeçFormu form(nullptr, [](const Fotoğraf &) {});
        kurulum.süreler.append(saat.nsecsElapsed() / 1e6);
        form.show();
        const Duraklama ölçer;
        const QString ilk = QStringLiteral("photo-00000.jpg");
        const bool listelendi = Bekle([&] {
            const QModelIndex kök = form.DosyaListesi->rootIndex();
            return ListedekiSayı(form) == DosyaSayısı && form.DosyaListesi->model()->index(0, 0, kök).data().toString() == ilk;
        });
        if (!listelendi)
            qFatal("the folder was not listed within a minute");
        form.DosyaListesi->viewport()->repaint();
        açılış.süreler.append(saat.nsecsElapsed() / 1e6);
        duraklama.süreler.append(ölçer.EnUzun());
    }
    açılış.Yazdır();
    kurulum.Yazdır();
    duraklama.Yazdır();
}

void SeçimiÖlç(const QString &klasör, const QString &ad)
{
    const QString yol = KlasördekiDosya(klasör, ad);
    if (!QFile::exists(yol))
        qFatal("%s is missing: run make-photos first", qPrintable(yol));
    KlasörüHatırlat(klasör);
    const Fotoğraf *teslimEdilen = nullptr;
    Fotoğraf teslim;
    FotoğrafSeçFormu form(nullptr, [&](const Fotoğraf &fotoğraf) {
        teslim = fotoğraf;
        teslimEdilen = &fotoğraf;
    });
    form.show();
    auto *dosyalar = form.DosyaListesi->Dosyalar();
    if (!Bekle([&] { return dosyalar->index(yol).isValid(); }))
        qFatal("%s was not listed", qPrintable(yol));
    const QModelIndex foto = dosyalar->index(yol);

    Ölçüm djpeg{QStringLiteral("djpeg -scale 1/8 ") + ad, {}};
    Ölçüm seçim{QStringLiteral("select ") + ad + QStringLiteral(" until previewed"), {}};
    for (int tekrar = 0; tekrar < SeçimTekrarı; ++tekrar) {
        djpeg.süreler.append(KomutSüresi(QStringLiteral("djpeg"), {QStringLiteral("-scale"), QStringLiteral("1/8"),
                                                                   QStringLiteral("-outfile"), QStringLiteral("/dev/null"), yol}));
        form.DosyaListesi->selectionModel()->clear();
        form.OrjinalFotoğrafKutusu = {};
        seçim.süreler.append(Süre([&] {
            form.DosyaListesi->setCurrentIndex(foto);
            if (!Bekle([&] { return form.OrjinalFotoğrafKutusu.yol == yol; }))
                qFatal("%s was not previewed", qPrintable(yol));
            form.ÖnizlemeKutusu->repaint();
        }));
    }
    djpeg.Yazdır();
    seçim.Yazdır();
    std::printf("  ratio of medians: %.2f (goal: at most 1.25)\n", seçim.Ortanca() / djpeg.Ortanca());

    const qint64 önizlenen = form.OrjinalFotoğrafKutusu.fotoğraf.ÇalışmaResmi().cacheKey();
    const double tamam = Süre([&] { form.TamamDüğmesi->click(); });
    const bool aynı = teslimEdilen == &form.OrjinalFotoğrafKutusu.fotoğraf && teslim.ÇalışmaResmi().cacheKey() == önizlenen;
    std::printf("  OK: %.2f ms, hands over the previewed photo itself (no new read): %s\n", tamam, aynı ? "yes" : "NO");
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication uygulama(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PHOTO_FOLDER\n", argv[0]);
        return 2;
    }
    const QString fotoğraflar = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    QTemporaryDir geçici;
    PencereİçinHazırla(geçici.filePath(QStringLiteral("ayarlar")));

    const QString kalabalık = geçici.filePath(QStringLiteral("kalabalik"));
    QDir().mkpath(kalabalık);
    KalabalıkKlasörYap(kalabalık);

    std::printf("bench_fotografsec\n");
    AçılışıÖlç(kalabalık);
    SeçimiÖlç(fotoğraflar, QStringLiteral("photo-24mp.jpg"));
    SeçimiÖlç(fotoğraflar, QStringLiteral("photo-96mp.jpg"));
    return 0;
}
