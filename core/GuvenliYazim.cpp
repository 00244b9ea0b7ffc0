#include "GuvenliYazim.h"

#include "CalismaHatasi.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Unbuffered, every write reaches the file at once. A full disk first takes part of a write
// without a word; only the next one fails with the system's reason, so write until all is
// there or one fails.
bool HepsiniYaz(QSaveFile &dosya, const QByteArray &bayt)
{
    for (qsizetype yazılan = 0; yazılan < bayt.size();) {
        const qint64 bu = dosya.write(bayt.constData() + yazılan, bayt.size() - yazılan);
        if (bu <= 0)
            return false;
        yazılan += bu;
    }
    return true;
}

}  // namespace

void DosyayıBütünYaz(const QString &yol, const QByteArray &bayt)
{
    QDir().mkpath(QFileInfo(yol).absolutePath());
    QSaveFile dosya(yol);
    // commit() alone would rename a file whose last bytes never reached the disk over the good one.
    const bool yazıldı = dosya.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && HepsiniYaz(dosya, bayt)
                         && dosya.commit();
    if (!yazıldı) {
        const QString neden = dosya.errorString();
        dosya.cancelWriting();
        throw ÇalışmaHatası(HataNo::DosyaErişimHatası, neden);
    }
}
