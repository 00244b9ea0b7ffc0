#include "FotografYukleyici.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// Abandoned loads may still be ending here: they must not hold up the next one, nor the solver.
QThreadPool &Havuz()
{
    static QThreadPool havuz;
    return havuz;
}

}  // namespace

FotoğrafYükleyici::FotoğrafYükleyici()
{
    QObject::connect(&izleyici, &QFutureWatcher<Sonuç>::finished, [this] {
        if (!vazgeç || *vazgeç)
            return;
        vazgeç = nullptr;
        const Sonuç sonuç = izleyici.result();
        const auto bildir = std::exchange(yüklendi, nullptr);
        const auto hatayıBildir = std::exchange(yüklenemedi, nullptr);
        if (sonuç.hata)
            hatayıBildir(*sonuç.hata);
        else
            bildir(sonuç.fotoğraf);
    });
}

FotoğrafYükleyici::~FotoğrafYükleyici()
{
    Bırak();
}

void FotoğrafYükleyici::Başlat(const QString &yol, std::function<void(const Fotoğraf &)> yüklendi,
                               std::function<void(const ÇalışmaHatası &)> yüklenemedi, QSize enKüçük)
{
    Bırak();
    vazgeç = std::make_shared<std::atomic<bool>>(false);
    this->yüklendi = std::move(yüklendi);
    this->yüklenemedi = std::move(yüklenemedi);
    izleyici.setFuture(QtConcurrent::run(&Havuz(), [yol, enKüçük, bayrak = vazgeç]() -> Sonuç {
        try {
            return {FotoğrafıYükle(yol, enKüçük, bayrak.get()), std::nullopt};
        } catch (const ÇalışmaHatası &hata) {
            return {Fotoğraf(), hata};
        } catch (const std::bad_alloc &) {
            return {Fotoğraf(), ÇalışmaHatası(HataNo::BellekYetersiz)};
        }
    }));
}

void FotoğrafYükleyici::Bırak()
{
    if (!vazgeç)
        return;
    *vazgeç = true;
    vazgeç = nullptr;
    yüklendi = nullptr;
    yüklenemedi = nullptr;
}
