#include "DesenKurulumu.h"

#include "DesenDosyasi.h"
#include "SikiDesen.h"

#include <thread>

QByteArray DesenDosyasıKur(int n, const DesenBölümü &bölüm, const std::atomic<bool> &dur)
{
    std::vector<std::vector<std::uint8_t>> tablolar(bölüm.size());
    std::atomic<std::size_t> sıradaki{0};
    std::atomic<bool> tamam{true};
    const auto kur = [&] {
        for (std::size_t sıra; (sıra = sıradaki++) < bölüm.size();) {
            std::vector<std::uint8_t> uzaklıklar;
            if (!DesenUzaklıklarınıBul(n, bölüm[sıra], uzaklıklar, dur)) {
                tamam = false;
                return;
            }
            tablolar[sıra] = Sıkıştır(n, bölüm[sıra], uzaklıklar);
        }
    };
    std::vector<std::thread> yardımcılar;
    const std::size_t çekirdekler = std::max(1u, std::thread::hardware_concurrency());
    for (std::size_t sayı = 1; sayı < std::min(çekirdekler, bölüm.size()); ++sayı)
        yardımcılar.emplace_back(kur);
    kur();
    for (std::thread &yardımcı : yardımcılar)
        yardımcı.join();
    return tamam ? DesenDosyasıBaytları(n, bölüm, tablolar) : QByteArray();
}
