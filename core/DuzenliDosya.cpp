#include "DuzenliDosya.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

AçılışSonucu DüzenliDosyayıAç(QFile &dosya, const QString &yol)
{
    if (yol.isEmpty())
        return AçılışSonucu::Yok;
    const int tanıtıcı = ::open(QFile::encodeName(yol).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (tanıtıcı < 0)
        return errno == ENOENT || errno == ENOTDIR ? AçılışSonucu::Yok : AçılışSonucu::Okunamıyor;
    struct stat bilgi = {};
    if (::fstat(tanıtıcı, &bilgi) != 0 || !S_ISREG(bilgi.st_mode)) {
        ::close(tanıtıcı);
        return AçılışSonucu::DüzenliDosyaDeğil;
    }
    // A regular file reads the same either way; blocking reads keep QFile's usual behaviour.
    ::fcntl(tanıtıcı, F_SETFL, ::fcntl(tanıtıcı, F_GETFL) & ~O_NONBLOCK);
    if (!dosya.open(tanıtıcı, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(tanıtıcı);
        return AçılışSonucu::Okunamıyor;
    }
    return AçılışSonucu::Açıldı;
}
