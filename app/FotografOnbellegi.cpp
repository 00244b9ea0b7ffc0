#include "FotografOnbellegi.h"

#include "CalismaHatasi.h"
#include "DuzenliDosya.h"
#include "GuvenliYazim.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>

#include <sys/stat.h>

namespace {

constexpr char Başlık[] = "tilora working photo 1\n";
// Larger than any working image a screen asks for, and the bytes one may hold.
constexpr int EnBüyükKenar = 16384;
constexpr qint64 EnBüyükDosya = 512LL * 1024 * 1024;

// What tells the same file unchanged: its path, inode, size and modification time to the nanosecond.
struct Kimlik {
    QString yol;
    qint64 düğüm = 0, boyut = 0, saniye = 0, nanosaniye = 0;
    bool operator==(const Kimlik &) const = default;
};

std::optional<Kimlik> DosyanınKimliği(const QString &yol)
{
    struct stat bilgi = {};
    if (::stat(QFile::encodeName(yol).constData(), &bilgi) != 0 || !S_ISREG(bilgi.st_mode))
        return std::nullopt;
    return Kimlik{yol, qint64(bilgi.st_ino), qint64(bilgi.st_size), qint64(bilgi.st_mtim.tv_sec),
                  qint64(bilgi.st_mtim.tv_nsec)};
}

QDataStream &operator<<(QDataStream &akış, const Kimlik &kimlik)
{
    return akış << kimlik.yol << kimlik.düğüm << kimlik.boyut << kimlik.saniye << kimlik.nanosaniye;
}

QDataStream &operator>>(QDataStream &akış, Kimlik &kimlik)
{
    return akış >> kimlik.yol >> kimlik.düğüm >> kimlik.boyut >> kimlik.saniye >> kimlik.nanosaniye;
}

QString &Klasör()
{
    static QString klasör;
    return klasör;
}

}  // namespace

std::optional<Fotoğraf> ÖnbellektekiFotoğraf(const QString &yol, QSize enKüçük)
{
    const std::optional<Kimlik> şimdiki = DosyanınKimliği(yol);
    QFile dosya;
    if (!şimdiki || DüzenliDosyayıAç(dosya, FotoğrafÖnbelleğiDosyası()) != AçılışSonucu::Açıldı
        || dosya.size() > EnBüyükDosya || dosya.read(sizeof Başlık - 1) != Başlık)
        return std::nullopt;
    QDataStream akış(&dosya);
    akış.setVersion(QDataStream::Qt_6_4);
    Kimlik kayıtlı;
    QSize boyut, yapıldığıBoyut, resimBoyutu;
    qint32 biçim = 0;
    akış >> kayıtlı >> boyut >> yapıldığıBoyut >> resimBoyutu >> biçim;
    const bool uygun = akış.status() == QDataStream::Ok && kayıtlı == *şimdiki && yapıldığıBoyut.width() >= enKüçük.width()
                       && yapıldığıBoyut.height() >= enKüçük.height() && !resimBoyutu.isEmpty()
                       && resimBoyutu.width() <= EnBüyükKenar && resimBoyutu.height() <= EnBüyükKenar
                       && !boyut.isEmpty() && (biçim == QImage::Format_RGB32 || biçim == QImage::Format_ARGB32);
    if (!uygun)
        return std::nullopt;
    QImage resim(resimBoyutu, QImage::Format(biçim));
    const qint64 bayt = resim.sizeInBytes();
    if (resim.isNull() || dosya.bytesAvailable() != bayt
        || akış.readRawData(reinterpret_cast<char *>(resim.bits()), int(bayt)) != bayt)
        return std::nullopt;
    return Fotoğraf(boyut, resim);
}

QFuture<void> FotoğrafıÖnbelleğeYaz(const QString &yol, const Fotoğraf &fotoğraf, QSize enKüçük)
{
    const std::optional<Kimlik> kimlik = DosyanınKimliği(yol);
    if (!kimlik || fotoğraf.BoşMu())
        return QtFuture::makeReadyFuture();
    return QtConcurrent::run([kimlik = *kimlik, boyut = fotoğraf.Boyut(), resim = fotoğraf.ÇalışmaResmi(), enKüçük,
                              hedef = FotoğrafÖnbelleğiDosyası()]() mutable {
        if (resim.format() != QImage::Format_RGB32 && resim.format() != QImage::Format_ARGB32)
            resim = resim.convertToFormat(resim.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        // Kept at the least size that still covers the boxes: a camera file decodes no smaller than
        // an eighth, and the next start would read and cut every pixel of that.
        const QSize yeter = resim.size().scaled(enKüçük, Qt::KeepAspectRatioByExpanding);
        if (!enKüçük.isEmpty() && yeter.width() < resim.width())
            resim = resim.scaled(yeter, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QByteArray bayt;
        QBuffer tampon(&bayt);
        tampon.open(QIODevice::WriteOnly);
        tampon.write(Başlık, sizeof Başlık - 1);
        QDataStream akış(&tampon);
        akış.setVersion(QDataStream::Qt_6_4);
        akış << kimlik << boyut << enKüçük << resim.size() << qint32(resim.format());
        akış.writeRawData(reinterpret_cast<const char *>(resim.constBits()), int(resim.sizeInBytes()));
        try {
            DosyayıBütünYaz(hedef, bayt);
        } catch (const ÇalışmaHatası &) {
        }
    });
}

QString FotoğrafÖnbelleğiDosyası()
{
    const QString klasör =
        Klasör().isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::CacheLocation) : Klasör();
    return QDir(klasör).filePath(QStringLiteral("son-fotograf.bin"));
}

void FotoğrafÖnbelleğiKlasörünüBelirle(const QString &klasör)
{
    Klasör() = klasör;
}
