#include "GuvenliYazim.h"

#include "CalismaHatasi.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

void DosyayıBütünYaz(const QString &yol, const QByteArray &bayt)
{
    QDir().mkpath(QFileInfo(yol).absolutePath());
    QSaveFile dosya(yol);
    // Unbuffered, a short write is seen here: commit() alone would rename a file whose last
    // buffer never reached the disk over the good one.
    const bool yazıldı = dosya.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
                         && dosya.write(bayt) == bayt.size() && dosya.flush() && dosya.commit();
    if (!yazıldı) {
        const QString neden = dosya.errorString();
        dosya.cancelWriting();
        throw ÇalışmaHatası(HataNo::DosyaErişimHatası, neden);
    }
}
