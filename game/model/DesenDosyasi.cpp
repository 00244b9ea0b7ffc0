#include "DesenDosyasi.h"

#include "CalismaHatasi.h"
#include "DuzenliDosya.h"
#include "GuvenliYazim.h"
#include "SikiDesen.h"

#include <QCryptographicHash>
#include <QDir>

#include <future>

namespace {

// Raised whenever the layout of the file or of the tables changes.
constexpr char Başlık[8] = {'T', 'L', 'R', 'D', 'E', 'S', 'N', '2'};
// Fast enough to check 43 MB well within a first hint's time, the groups side by side on the
// cores; a guard against damage, not malice.
constexpr auto Özet = QCryptographicHash::Blake2b_256;

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
        baytlar.append(QCryptographicHash::hash(görünüm, Özet));
    }
    return baytlar;
}

bool DesenDosyasınıYaz(const QString &klasör, int n, const QByteArray &baytlar)
{
    try {
        DosyayıBütünYaz(QDir(klasör).filePath(DesenDosyasıAdı(n)), baytlar);
        return true;
    } catch (const ÇalışmaHatası &) {
        return false;
    }
}

std::vector<const std::uint8_t *> DesenTabloları(const uchar *baytlar, qint64 boyut, int n, const DesenBölümü &bölüm)
{
    const QByteArray başlık = BaşlıkBaytları(n, bölüm);
    const qint64 özetBoyu = QCryptographicHash::hashLength(Özet);
    std::vector<const std::uint8_t *> tablolar;
    qint64 yer = başlık.size();
    for (const std::vector<int> &grup : bölüm) {
        tablolar.push_back(baytlar + yer);
        yer += TabloBoyu(n, grup) + özetBoyu;
    }
    if (boyut != yer || !QByteArrayView(baytlar, boyut).startsWith(başlık))
        return {};
    const auto sağlam = [&](std::size_t g) {
        const QByteArrayView tablo(tablolar[g], TabloBoyu(n, bölüm[g]));
        return QCryptographicHash::hash(tablo, Özet) == QByteArrayView(tablolar[g] + tablo.size(), özetBoyu);
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
