#include "BozukDosya.h"

#include "DuzenliDosya.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <sys/stat.h>

namespace {

QStringList KopyaAdları(const QString &yol)
{
    const QString kök = yol + QStringLiteral(".damaged-")
                        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QStringList adlar{kök};
    for (int sıra = 2; sıra <= 100; ++sıra)
        adlar.append(kök + QLatin1Char('-') + QString::number(sıra));
    return adlar;
}

// Something, even a dangling link, has this name.
bool AdKullanılıyor(const QString &ad)
{
    struct stat bilgi = {};
    return ::lstat(QFile::encodeName(ad).constData(), &bilgi) == 0;
}

bool AynıBaytlar(const QString &birinci, const QString &ikinci)
{
    QFile a, b;
    if (DüzenliDosyayıAç(a, birinci) != AçılışSonucu::Açıldı || DüzenliDosyayıAç(b, ikinci) != AçılışSonucu::Açıldı
        || a.size() != b.size())
        return false;
    constexpr qint64 Parça = 1 << 20;
    while (!a.atEnd()) {
        const QByteArray parça = a.read(Parça);
        if (parça.isEmpty() || parça != b.read(Parça))
            return false;
    }
    return true;
}

// An earlier copy of the file at `yol` holding the same bytes; empty when there is none.
QString AynıKopya(const QString &yol)
{
    const QFileInfo dosya(yol);
    const QDir klasör = dosya.dir();
    const qint64 boyut = dosya.size();
    const QStringList adlar = klasör.entryList({dosya.fileName() + QStringLiteral(".damaged-*")}, QDir::Files | QDir::Hidden);
    for (const QString &ad : adlar) {
        const QString kopya = klasör.filePath(ad);
        if (QFileInfo(kopya).size() == boyut && AynıBaytlar(yol, kopya))
            return kopya;
    }
    return {};
}

}  // namespace

QString BozukDosyayıKenaraKoy(const QString &yol)
{
    if (const QString kopya = AynıKopya(yol); !kopya.isEmpty())
        return QFile::remove(yol) ? kopya : QString();
    for (const QString &ad : KopyaAdları(yol)) {
        if (!AdKullanılıyor(ad))
            return std::rename(QFile::encodeName(yol).constData(), QFile::encodeName(ad).constData()) == 0 ? ad : QString();
    }
    return {};
}
