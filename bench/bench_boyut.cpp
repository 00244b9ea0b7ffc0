// The main window at a new size with a 24-megapixel photo on a 5 x 5 board. For each step of a
// drag of the window's corner from the design's size to twice it and back, and for the jump to
// twice the size and back that maximising makes: the interface thread's CPU time and the wall
// time of the window's own work (the design laid out again, the pieces and the sample cut anew),
// and of the whole step up to the repainted window. Then the one decode of the photo at the
// larger working size that follows once the size stands still.
// Usage: bench_boyut PHOTO_FOLDER (made by make-photos; offscreen: QT_QPA_PLATFORM=offscreen)

#include "Hazirlik.h"
#include "Olcum.h"

#include "AnaForm.h"
#include "ResimKutusu.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <cstdlib>

namespace {

// Times of one kind of step: the window's own work, and the whole step.
struct Adımlar {
    Ölçüm işlemci, duvar, bütünİşlemci, bütünDuvar;

    explicit Adımlar(const QString &ad)
        : işlemci{ad + QStringLiteral(": layout and cut, UI-thread CPU"), {}},
          duvar{ad + QStringLiteral(": layout and cut, wall"), {}},
          bütünİşlemci{ad + QStringLiteral(": whole step, UI-thread CPU"), {}},
          bütünDuvar{ad + QStringLiteral(": whole step, wall"), {}}
    {
    }
    void Yazdır() const
    {
        for (const Ölçüm *ölçüm : {&işlemci, &duvar, &bütünİşlemci, &bütünDuvar})
            ölçüm->Yazdır();
    }
};

// The main window, its handling of a new size timed.
class ÖlçülenForm : public AnaForm {
public:
    Adımlar *adımlar = nullptr;

protected:
    void resizeEvent(QResizeEvent *olay) override
    {
        const double önce = İşParçacığıSüresi();
        const double süre = Süre([&] { AnaForm::resizeEvent(olay); });
        if (adımlar) {
            adımlar->işlemci.süreler.append(İşParçacığıSüresi() - önce);
            adımlar->duvar.süreler.append(süre);
        }
    }
};

ResimKutusu *Parça(const AnaForm &form, int konum)
{
    return form.findChild<ResimKutusu *>(QStringLiteral("DağınıkParçalar(%1)").arg(konum));
}

// Until the window has its new size and has painted it.
void BoyutaGetir(AnaForm &form, const QSize &boyut)
{
    form.resize(boyut);
    while (form.size() != boyut)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();
}

void Ölç(ÖlçülenForm &form, const QSize &boyut, Adımlar &adımlar)
{
    form.adımlar = &adımlar;
    const double önce = İşParçacığıSüresi();
    adımlar.bütünDuvar.süreler.append(Süre([&] { BoyutaGetir(form, boyut); }));
    adımlar.bütünİşlemci.süreler.append(İşParçacığıSüresi() - önce);
    form.adımlar = nullptr;
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication uygulama(argc, argv);
    if (argc < 2)
        qFatal("usage: bench_boyut PHOTO_FOLDER");
    const QString foto24 = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/photo-24mp.jpg");

    QTemporaryDir klasör;
    PencereİçinHazırla(klasör.path());

    ÖlçülenForm form;
    form.Form_Load();
    form.ParçalaraBölSeçeneği_Click(2);
    form.FotoğrafBırakıldı(foto24);
    form.YeniOyunDüğmesi_Click();
    BoyutaGetir(form, QSize(634, 413));

    // A drag: 4 pixels across and about 2.6 down a step, out to twice the size and back, twice;
    // the steps come faster than the photo is decoded again, as a player's drag does.
    QList<QSize> adımlar;
    for (int adım = 1; adım <= 158; ++adım)
        adımlar.append(QSize(634 + 4 * adım, 413 + adım * 413 / 158));
    QList<QSize> geri(adımlar.crbegin() + 1, adımlar.crend());
    geri.append(QSize(634, 413));
    Adımlar sürükleme(QStringLiteral("drag step"));
    for (int tur = 0; tur < 2; ++tur)
        for (const QList<QSize> &yön : {adımlar, geri})
            for (const QSize &boyut : yön)
                Ölç(form, boyut, sürükleme);
    sürükleme.Yazdır();

    // The size stands still at twice the design: the photo is decoded again, once.
    BoyutaGetir(form, QSize(1268, 826));
    const qint64 önceki = Parça(form, 0)->Resim().cacheKey();
    const double önce = İşParçacığıSüresi();
    QElapsedTimer saat;
    saat.start();
    while (Parça(form, 0)->Resim().cacheKey() == önceki && saat.elapsed() < 10'000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("%-56s %8.2f ms UI-thread CPU, %s\n", "decoded again at twice the size, once:", İşParçacığıSüresi() - önce,
                Parça(form, 0)->Resim().cacheKey() == önceki ? "NOT done" : "done");

    // Maximising and back: the design's size and twice it, the photo already large enough.
    Adımlar sıçrama(QStringLiteral("634x413 <-> 1268x826"));
    for (int tekrar = 0; tekrar < 40; ++tekrar)
        Ölç(form, tekrar % 2 == 0 ? QSize(634, 413) : QSize(1268, 826), sıçrama);
    sıçrama.Yazdır();

    double yük[3] = {};
    getloadavg(yük, 3);
    std::printf("load average %.2f %.2f %.2f on %d cores\n", yük[0], yük[1], yük[2], QThread::idealThreadCount());
    std::printf("goal: layout and cut under 16 ms of UI-thread CPU a new size: %s\n",
                std::max(sürükleme.işlemci.EnÇok(), sıçrama.işlemci.EnÇok()) < 16.0 ? "met" : "NOT met");
    return 0;
}
