#pragma once

#include "DortluArama.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

// The 4 x 4 pattern tables of one partition, loaded from a cache folder or built there in a
// worker thread of their own, then shared read-only.
class TabloHazırlığı {
public:
    TabloHazırlığı(const QString &önbellekKlasörü, std::vector<std::vector<int>> bölüm);
    // Stops a build still running and waits for its thread.
    ~TabloHazırlığı();
    TabloHazırlığı(const TabloHazırlığı &) = delete;
    TabloHazırlığı &operator=(const TabloHazırlığı &) = delete;

    // Starts the worker unless it has been started; returns at once.
    void Başlat();
    // The tables once ready, else nullptr; starts nothing.
    const DesenTakımı *Hazırsa() const;
    // Starts the worker if need be and waits for the tables; nullptr when `vazgeç` was set first.
    const DesenTakımı *Bekle(const std::atomic<bool> &vazgeç);

private:
    void Hazırla();

    const QString klasör;
    DesenTakımı takım;
    std::atomic<bool> hazır{false};
    std::atomic<bool> dur{false};
    std::once_flag başlatıldı;
    std::thread işçi;
    std::mutex kilit;
    std::condition_variable bitti;
};
