#include "TabloHazirligi.h"

#include "CalismaHatasi.h"
#include "DesenDosyasi.h"
#include "DesenKurulumu.h"

#include <QDir>
#include <QFile>

#include <chrono>

// Tables ready, and the memory they lie in: a mapped file, or bytes built here.
struct TabloHazırlığı::Hazırlanan {
    DesenTakımı takım;
    std::unique_ptr<EşlenmişDesenDosyası> dosya;
    QByteArray baytlar;
    // The cache copy they were read from, if they were.
    QString önbellekDosyası;
};

TabloHazırlığı::TabloHazırlığı(const QString &kurulumKlasörü, const QString &önbellekKlasörü, int n, DesenBölümü bölüm)
    : kurulumKlasörü(kurulumKlasörü), önbellekKlasörü(önbellekKlasörü), n(n), bölüm(std::move(bölüm))
{
}

TabloHazırlığı::~TabloHazırlığı()
{
    dur = true;
    if (işçi.joinable())
        işçi.join();
}

void TabloHazırlığı::Başlat()
{
    std::unique_lock<std::mutex> kilitli(kilit);
    BaşlatKilitli(kilitli);
}

void TabloHazırlığı::BaşlatKilitli(std::unique_lock<std::mutex> &)
{
    if (hazır || çalışıyor)
        return;
    // A worker that has ended before is done with; one runs at a time.
    if (işçi.joinable())
        işçi.join();
    çalışıyor = true;
    işçi = std::thread([this, güven = dosyalaraGüven] { Hazırla(güven); });
}

std::shared_ptr<const DesenTakımı> TabloHazırlığı::Bekle(const std::atomic<bool> &vazgeç)
{
    std::unique_lock<std::mutex> kilitli(kilit);
    BaşlatKilitli(kilitli);
    // Short naps, so that giving up is seen within a few milliseconds.
    while (!hazır) {
        if (vazgeç.load(std::memory_order_relaxed))
            return nullptr;
        bitti.wait_for(kilitli, std::chrono::milliseconds(2));
    }
    return std::shared_ptr<const DesenTakımı>(hazır, &hazır->takım);
}

void TabloHazırlığı::Güvenme(const std::shared_ptr<const DesenTakımı> &takım)
{
    std::unique_lock<std::mutex> kilitli(kilit);
    if (!hazır || &hazır->takım != takım.get())
        return;  // distrusted already, and made afresh or being made
    if (!hazır->önbellekDosyası.isEmpty())
        QFile::remove(hazır->önbellekDosyası);
    hazır = nullptr;
    dosyalaraGüven = false;
    BaşlatKilitli(kilitli);
}

std::shared_ptr<TabloHazırlığı::Hazırlanan> TabloHazırlığı::DosyadanAl(const QString &yol) const
{
    auto hazırlanan = std::make_shared<Hazırlanan>();
    hazırlanan->dosya = EşlenmişDesenDosyası::Aç(yol, n, bölüm);
    if (!hazırlanan->dosya)
        return nullptr;
    hazırlanan->takım = {n, bölüm, hazırlanan->dosya->Tablolar()};
    return hazırlanan;
}

std::shared_ptr<TabloHazırlığı::Hazırlanan> TabloHazırlığı::Kur()
{
    auto kurulan = std::make_shared<Hazırlanan>();
    kurulan->baytlar = DesenDosyasıKur(n, bölüm, dur);
    if (dur)
        return nullptr;
    const auto *baytlar = reinterpret_cast<const uchar *>(kurulan->baytlar.constData());
    kurulan->takım = {n, bölüm, DesenTabloları(baytlar, kurulan->baytlar.size(), n, bölüm)};
    // A folder that cannot take them only means they are built again next time.
    if (!önbellekKlasörü.isEmpty()) {
        try {
            DesenDosyasınıYaz(önbellekKlasörü, n, kurulan->baytlar);
        } catch (const ÇalışmaHatası &) {
        }
    }
    return kurulan;
}

void TabloHazırlığı::Hazırla(bool dosyalaraGüven)
{
    const auto yolu = [this](const QString &klasör) {
        return klasör.isEmpty() ? QString() : QDir(klasör).filePath(DesenDosyasıAdı(n));
    };
    const QString önbellekYolu = yolu(önbellekKlasörü);
    std::shared_ptr<Hazırlanan> hazırlanan;
    if (dosyalaraGüven) {
        if ((hazırlanan = DosyadanAl(önbellekYolu)))
            hazırlanan->önbellekDosyası = önbellekYolu;
        else
            hazırlanan = DosyadanAl(yolu(kurulumKlasörü));
    }
    if (!hazırlanan && !(hazırlanan = Kur()))
        return;  // stopped
    {
        const std::lock_guard<std::mutex> kilitli(kilit);
        hazır = std::move(hazırlanan);
        çalışıyor = false;
    }
    bitti.notify_all();
}
