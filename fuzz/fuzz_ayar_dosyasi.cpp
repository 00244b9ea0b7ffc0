// The settings file's reader, on any bytes: it never crashes, leaks or hangs, and what it
// accepts, written out again, reads back as the same sections, keys and values.
#include "AyarDeposu.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *veri, std::size_t boyut)
{
    const QByteArray bayt = QByteArray::fromRawData(reinterpret_cast<const char *>(veri), qsizetype(boyut));
    const std::optional<QList<AyarDeposu::Bölüm>> bölümler = AyarDeposu::Ayrıştır(bayt);
    if (!bölümler)
        return 0;
    const std::optional<QList<AyarDeposu::Bölüm>> yeniden = AyarDeposu::Ayrıştır(AyarDeposu::Yazıya(*bölümler));
    if (yeniden != bölümler)
        std::abort();
    return 0;
}
