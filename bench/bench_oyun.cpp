// The game: from a camera photo on disk to the divided 5 x 5 board with its sample, side by side
// with libjpeg's own tool decoding at 1/8; the peak memory of a 96-megapixel photo; the CPU
// time of one slide from the click to the repainted tiles.
// Usage: bench_oyun PHOTO_FOLDER (made by make-photos)

#include "Hazirlik.h"
#include "Olcum.h"

#include "AnaForm.h"
#include "Fotograf.h"
#include "ResimKutusu.h"

#include <QApplication>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <time.h>

namespace {

double İşlemciSüresi(const std::function<void()> &iş)
{
    timespec önce{}, sonra{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &önce);
    iş();
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &sonra);
    return (sonra.tv_sec - önce.tv_sec) * 1e3 + (sonra.tv_nsec - önce.tv_nsec) / 1e6;
}

double EnYüksekBellekMB()
{
    rusage kullanım{};
    getrusage(RUSAGE_SELF, &kullanım);
    return kullanım.ru_maxrss / 1024.0;
}

// A dropped photo is loaded off the interface thread and cut at the division in force (5 x 5
// here); done when the sample shows it.
void FotoğrafıBöl(AnaForm &form, const QString &yol)
{
    const auto *örnek = form.findChild<ResimKutusu *>(QStringLiteral("ÖrnekKutusu"));
    const qint64 önceki = örnek->Resim().cacheKey();
    form.FotoğrafBırakıldı(yol);
    while (örnek->Resim().cacheKey() == önceki)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication uygulama(argc, argv);
    if (argc < 2)
        qFatal("usage: bench_oyun PHOTO_FOLDER");
    const QString klasör = QString::fromLocal8Bit(argv[1]);
    const QString foto24 = klasör + QStringLiteral("/photo-24mp.jpg");
    const QString foto96 = klasör + QStringLiteral("/photo-96mp.jpg");

    QTemporaryDir ayarlar;
    PencereİçinHazırla(ayarlar.path());

    AnaForm form;
    form.Form_Load();
    form.ParçalaraBölSeçeneği_Click(2);

    // The largest photo first, so the peak belongs to it: load, divide and play a few slides.
    const double öncekiBellek = EnYüksekBellekMB();
    FotoğrafıBöl(form, foto96);
    form.YeniOyunDüğmesi_Click();
    for (const int konum : {23, 22, 17, 18, 23})
        form.DağınıkParçalar_Click(konum);
    QApplication::processEvents();
    std::printf("photo-96mp.jpg loaded and played: peak memory %.1f MB (%.1f MB before)\n", EnYüksekBellekMB(),
                öncekiBellek);

    Ölçüm tahta{QStringLiteral("photo-24mp.jpg to a 5 x 5 board and sample"), {}};
    Ölçüm djpeg{QStringLiteral("djpeg -scale 1/8 -outfile /dev/null"), {}};
    for (int tekrar = 0; tekrar < 15; ++tekrar) {
        djpeg.süreler.append(KomutSüresi(QStringLiteral("djpeg"), {QStringLiteral("-scale"), QStringLiteral("1/8"),
                                                                   QStringLiteral("-outfile"), QStringLiteral("/dev/null"), foto24}));
        tahta.süreler.append(Süre([&] { FotoğrafıBöl(form, foto24); }));
    }
    tahta.Yazdır();
    djpeg.Yazdır();
    std::printf("board / djpeg, medians: %.2f (goal at most 1.25)\n", tahta.Ortanca() / djpeg.Ortanca());

    // Slides back and forth between the two places left of the bottom-right corner.
    form.YeniOyunDüğmesi_Click();
    Ölçüm kayma{QStringLiteral("one 5 x 5 slide, CPU from click to repaint"), {}};
    for (int tekrar = 0; tekrar < 400; ++tekrar) {
        const int konum = tekrar % 2 == 0 ? 23 : 24;
        kayma.süreler.append(İşlemciSüresi([&] {
            form.DağınıkParçalar_Click(konum);
            QApplication::processEvents();
        }));
    }
    kayma.Yazdır();
    return 0;
}
