#include "DesenOnbellegi.h"

#include "CalismaHatasi.h"
#include "DuzenliDosya.h"
#include "GuvenliYazim.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStringList>

namespace {

// Raised whenever the layout of the file or of the tables changes.
constexpr char Başlık[8] = {'T', 'L', 'R', 'D', 'E', 'S', 'N', '1'};
constexpr auto Özet = QCryptographicHash::Sha256;

QString DosyaYolu(const QString &klasör, const std::vector<int> &taşlar)
{
    QStringList adlar;
    for (const int taş : taşlar)
        adlar.append(QString::number(taş));
    return QDir(klasör).filePath(QStringLiteral("desen-4x4-%1.bin").arg(adlar.join(QLatin1Char('-'))));
}

QByteArray BaşlıkBaytları(const std::vector<int> &taşlar)
{
    QByteArray baytlar(Başlık, sizeof Başlık);
    baytlar.append(char(taşlar.size()));
    for (const int taş : taşlar)
        baytlar.append(char(taş));
    return baytlar;
}

QByteArray Özeti(const QByteArray &başlık, const std::vector<std::uint8_t> &uzaklıklar)
{
    QCryptographicHash özet(Özet);
    özet.addData(başlık);
    özet.addData(QByteArrayView(reinterpret_cast<const char *>(uzaklıklar.data()), qsizetype(uzaklıklar.size())));
    return özet.result();
}

}  // namespace

bool DesenTablosunuYükle(const QString &klasör, DesenTablosu &tablo)
{
    // A FIFO in its place would hold the worker, and the program's end with it, for ever.
    QFile dosya;
    const QByteArray başlık = BaşlıkBaytları(tablo.taşlar);
    const qint64 girdiSayısı = qint64(YerleşimSayısı(int(tablo.taşlar.size())));
    const qint64 özetBoyu = QCryptographicHash::hashLength(Özet);
    if (DüzenliDosyayıAç(dosya, DosyaYolu(klasör, tablo.taşlar)) != AçılışSonucu::Açıldı
        || dosya.size() != başlık.size() + girdiSayısı + özetBoyu)
        return false;
    if (dosya.read(başlık.size()) != başlık)
        return false;
    std::vector<std::uint8_t> uzaklıklar(static_cast<std::size_t>(girdiSayısı));
    if (dosya.read(reinterpret_cast<char *>(uzaklıklar.data()), girdiSayısı) != girdiSayısı)
        return false;
    if (dosya.read(özetBoyu) != Özeti(başlık, uzaklıklar))
        return false;
    tablo.uzaklıklar = std::move(uzaklıklar);
    return true;
}

bool DesenTablosunuYaz(const QString &klasör, const DesenTablosu &tablo)
{
    const QByteArray başlık = BaşlıkBaytları(tablo.taşlar);
    const QByteArray uzaklıklar = QByteArray::fromRawData(reinterpret_cast<const char *>(tablo.uzaklıklar.data()),
                                                         qsizetype(tablo.uzaklıklar.size()));
    try {
        DosyayıBütünYaz(DosyaYolu(klasör, tablo.taşlar), başlık + uzaklıklar + Özeti(başlık, tablo.uzaklıklar));
    } catch (const ÇalışmaHatası &) {
        return false;
    }
    return true;
}
