#include "TabloHazirligi.h"

#include "DesenOnbellegi.h"

#include <chrono>

TabloHazırlığı::TabloHazırlığı(const QString &önbellekKlasörü, std::vector<std::vector<int>> bölüm)
    : klasör(önbellekKlasörü)
{
    for (std::vector<int> &taşlar : bölüm)
        takım.push_back(DesenTablosu{std::move(taşlar), {}});
}

TabloHazırlığı::~TabloHazırlığı()
{
    dur = true;
    if (işçi.joinable())
        işçi.join();
}

void TabloHazırlığı::Başlat()
{
    std::call_once(başlatıldı, [this] { işçi = std::thread([this] { Hazırla(); }); });
}

const DesenTakımı *TabloHazırlığı::Hazırsa() const
{
    return hazır.load(std::memory_order_acquire) ? &takım : nullptr;
}

const DesenTakımı *TabloHazırlığı::Bekle(const std::atomic<bool> &vazgeç)
{
    Başlat();
    std::unique_lock<std::mutex> kilitli(kilit);
    // Short naps, so that giving up is seen within a few milliseconds.
    while (!hazır.load(std::memory_order_acquire)) {
        if (vazgeç.load(std::memory_order_relaxed))
            return nullptr;
        bitti.wait_for(kilitli, std::chrono::milliseconds(2));
    }
    return &takım;
}

void TabloHazırlığı::Hazırla()
{
    std::vector<DesenTablosu *> kurulacaklar;
    for (DesenTablosu &tablo : takım)
        if (!DesenTablosunuYükle(klasör, tablo))
            kurulacaklar.push_back(&tablo);

    // The tables to build are shared out among the cores, one table a thread at a time.
    std::atomic<std::size_t> sıradaki{0};
    const auto kur = [&] {
        for (std::size_t sıra; (sıra = sıradaki++) < kurulacaklar.size();)
            if (DesenTablosuKur(*kurulacaklar[sıra], dur))
                DesenTablosunuYaz(klasör, *kurulacaklar[sıra]);
    };
    std::vector<std::thread> yardımcılar;
    const std::size_t çekirdekler = std::max(1u, std::thread::hardware_concurrency());
    for (std::size_t sayı = 1; sayı < std::min(çekirdekler, kurulacaklar.size()); ++sayı)
        yardımcılar.emplace_back(kur);
    kur();
    for (std::thread &yardımcı : yardımcılar)
        yardımcı.join();
    if (dur)
        return;

    {
        const std::lock_guard<std::mutex> kilitli(kilit);
        hazır.store(true, std::memory_order_release);
    }
    bitti.notify_all();
}
