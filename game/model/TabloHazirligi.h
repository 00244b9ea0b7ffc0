#pragma once

#include "DesenYuzu.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

// The pattern tables of one partition of an n x n board, made ready in a worker thread of their
// own: mapped from the cache folder's copy when there is a sound one, else from the file made
// when the program was built, beside it, else built into the cache (DesenDosyasıKur). The cache
// holds a copy only when the installed file was missing, damaged or distrusted, so a sound one
// is the one to trust. Tables handed out stay valid while anyone holds them.
class TabloHazırlığı {
public:
    TabloHazırlığı(const QString &kurulumKlasörü, const QString &önbellekKlasörü, int n, DesenBölümü bölüm);
    // Stops a build still running and waits for its thread.
    ~TabloHazırlığı();
    TabloHazırlığı(const TabloHazırlığı &) = delete;
    TabloHazırlığı &operator=(const TabloHazırlığı &) = delete;

    // Starts the worker unless it runs or the tables are ready; returns at once.
    void Başlat();
    // Starts the worker if need be and waits for the tables; nothing when `vazgeç` was set first.
    std::shared_ptr<const DesenTakımı> Bekle(const std::atomic<bool> &vazgeç);
    // The tables `takım` gave an answer that is not one: their cache copy is deleted, no file is
    // used again, and the tables are built afresh into the cache.
    void Güvenme(const std::shared_ptr<const DesenTakımı> &takım);

private:
    struct Hazırlanan;
    void Hazırla(bool dosyalaraGüven);
    std::shared_ptr<Hazırlanan> DosyadanAl(const QString &yol) const;
    std::shared_ptr<Hazırlanan> Kur();
    void BaşlatKilitli(std::unique_lock<std::mutex> &kilitli);

    const QString kurulumKlasörü, önbellekKlasörü;
    const int n;
    const DesenBölümü bölüm;
    std::atomic<bool> dur{false};
    std::mutex kilit;
    std::condition_variable bitti;
    // Guarded by `kilit`.
    std::shared_ptr<const Hazırlanan> hazır;
    bool çalışıyor = false;
    bool dosyalaraGüven = true;
    std::thread işçi;
};
