#include "DesenDosyasi.h"

#include "DuzenliDosya.h"
#include "GuvenliYazim.h"
#include "SikiDesen.h"

#include <QDir>

#include <cstring>

#include <future>

namespace {

// Raised whenever the layout of the file or of the tables changes.
constexpr char Başlık[8] = {'T', 'L', 'R', 'D', 'E', 'S', 'N', '3'};

// A 64-bit checksum of a table: four lanes of 64-bit words, each word multiplied in and turned.
// Some twenty times faster than a cryptographic hash, so that checking 43 MB costs a first hint
// a few milliseconds; a guard against damage, not malice.
constexpr qint64 ÖzetBoyu = 8;

QByteArray Özet(QByteArrayView baytlar)
{
    constexpr std::uint64_t P1 = 0x9E3779B185EBCA87u, P2 = 0xC2B2AE3D27D4EB4Fu;
    const auto karıştır = [](std::uint64_t şerit, std::uint64_t sözcük) {
        const std::uint64_t x = şerit ^ (sözcük * P2);
        return (x << 31 | x >> 33) * P1;
    };
    std::uint64_t şeritler[4] = {P1, P2, ~P1, ~P2};
    const auto *bayt = reinterpret_cast<const unsigned char *>(baytlar.data());
    const std::size_t boyut = std::size_t(baytlar.size());
    std::size_t yer = 0;
    for (; yer + 32 <= boyut; yer += 32) {
        for (int şerit = 0; şerit < 4; ++şerit) {
            std::uint64_t sözcük;
            std::memcpy(&sözcük, bayt + yer + 8 * şerit, 8);
            şeritler[şerit] = karıştır(şeritler[şerit], sözcük);
        }
    }
    std::uint64_t özet = boyut;
    for (; yer < boyut; ++yer)
        özet = karıştır(özet, bayt[yer]);
    for (const std::uint64_t şerit : şeritler)
        özet = karıştır(özet, şerit);
    özet ^= özet >> 29;
    QByteArray sonuç(ÖzetBoyu, Qt::Uninitialized);
    std::memcpy(sonuç.data(), &özet, ÖzetBoyu);
    return sonuç;
}

QByteArray BaşlıkBaytları(int n, const DesenBölümü &bölüm)
{
    QByteArray baytlar(Başlık, sizeof Başlık);
    baytlar.append(char(n));
    baytlar.append(char(bölüm.size()));
    for (const std::vector<int> &grup : bölüm) {
        baytlar.append(char(grup.size()));
        for (const int taş : grup)
            baytlar.append(char(taş));
    }
    return baytlar;
}

qint64 TabloBoyu(int n, const std::vector<int> &grup)
{
    return qint64(SıkıBoyut(YerleşimSayısı(n, int(grup.size()))));
}

}  // namespace

QString DesenDosyasıAdı(int n)
{
    return QStringLiteral("desen-%1x%1.bin").arg(n);
}

QByteArray DesenDosyasıBaytları(int n, const DesenBölümü &bölüm, const std::vector<std::vector<std::uint8_t>> &tablolar)
{
    QByteArray baytlar = BaşlıkBaytları(n, bölüm);
    for (const std::vector<std::uint8_t> &tablo : tablolar) {
        const QByteArrayView görünüm(tablo.data(), qsizetype(tablo.size()));
        baytlar.append(görünüm);
        baytlar.append(Özet(görünüm));
    }
    return baytlar;
}

void DesenDosyasınıYaz(const QString &klasör, int n, const QByteArray &baytlar)
{
    DosyayıBütünYaz(QDir(klasör).filePath(DesenDosyasıAdı(n)), baytlar);
}

std::vector<const std::uint8_t *> DesenTabloları(const uchar *baytlar, qint64 boyut, int n, const DesenBölümü &bölüm)
{
    const QByteArray başlık = BaşlıkBaytları(n, bölüm);
    std::vector<const std::uint8_t *> tablolar;
    qint64 yer = başlık.size();
    for (const std::vector<int> &grup : bölüm) {
        tablolar.push_back(baytlar + yer);
        yer += TabloBoyu(n, grup) + ÖzetBoyu;
    }
    if (boyut != yer || !QByteArrayView(baytlar, boyut).startsWith(başlık))
        return {};
    const auto sağlam = [&](std::size_t g) {
        const QByteArrayView tablo(tablolar[g], TabloBoyu(n, bölüm[g]));
        return Özet(tablo) == QByteArrayView(tablolar[g] + tablo.size(), ÖzetBoyu);
    };
    std::vector<std::future<bool>> denetimler;
    for (std::size_t g = 1; g < bölüm.size(); ++g)
        denetimler.push_back(std::async(std::launch::async, sağlam, g));
    bool hepsi = sağlam(0);
    for (std::future<bool> &denetim : denetimler)
        hepsi = denetim.get() && hepsi;
    return hepsi ? tablolar : std::vector<const std::uint8_t *>();
}
std::unique_ptr<EşlenmişDesenDosyası> EşlenmişDesenDosyası::Aç(const QString &yol, int n, const DesenBölümü &bölüm)
{
    // A FIFO in its place would hold the worker, and the program's end with it, for ever.
    auto eşlenmiş = std::unique_ptr<EşlenmişDesenDosyası>(new EşlenmişDesenDosyası);
    if (DüzenliDosyayıAç(eşlenmiş->dosya, yol) != AçılışSonucu::Açıldı)
        return nullptr;
    const qint64 boyut = eşlenmiş->dosya.size();
    const uchar *baytlar = boyut > 0 ? eşlenmiş->dosya.map(0, boyut) : nullptr;
    if (!baytlar)
        return nullptr;
    eşlenmiş->tablolar = DesenTabloları(baytlar, boyut, n, bölüm);
    if (eşlenmiş->tablolar.empty())
        return nullptr;
    return eşlenmiş;
}
