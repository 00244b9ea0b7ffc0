#pragma once

#include "CalismaHatasi.h"
#include "Fotograf.h"

#include <QFutureWatcher>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

// Loads photos off the interface thread, so that no picture, however slow to decode, holds up
// a window. One load at a time: a new one, Bırak or the end of the object abandons the load
// under way, whose file then reads no further and whose result never arrives. The result
// arrives on the thread that started the load.
class FotoğrafYükleyici {
public:
    FotoğrafYükleyici();
    ~FotoğrafYükleyici();
    FotoğrafYükleyici(const FotoğrafYükleyici &) = delete;
    FotoğrafYükleyici &operator=(const FotoğrafYükleyici &) = delete;

    // Loads `yol` as FotoğrafıYükle does: later, `yüklendi` receives the photo, or `yüklenemedi`
    // the error FotoğrafıYükle would have thrown.
    void Başlat(const QString &yol, std::function<void(const Fotoğraf &)> yüklendi,
                std::function<void(const ÇalışmaHatası &)> yüklenemedi, QSize enKüçük = EnKüçükÇalışmaBoyutu());
    void Bırak();
    bool Yüklüyor() const { return vazgeç != nullptr; }

private:
    struct Sonuç {
        Fotoğraf fotoğraf;
        std::optional<ÇalışmaHatası> hata;
    };
    QFutureWatcher<Sonuç> izleyici;
    // The running load's own flag; empty while none runs.
    std::shared_ptr<std::atomic<bool>> vazgeç;
    std::function<void(const Fotoğraf &)> yüklendi;
    std::function<void(const ÇalışmaHatası &)> yüklenemedi;
};
