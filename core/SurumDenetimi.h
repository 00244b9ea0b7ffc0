#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

// The platform's version record, as the version query fills it.
struct SürümKaydı {
    quint32 kayıtBoyutu = 148;
    quint32 anaSürüm = 0;
    quint32 altSürüm = 0;
    quint32 yapıNumarası = 0;
    quint32 platformKimliği = 0;
    QByteArray servisPaketi;  // up to 128 characters, NUL-padded
};

// Platform id of the modern family.
inline constexpr quint32 NTAilesi = 2;

struct SürümKararı {
    bool ntMi = false;
    bool kabul = false;
};

// The acceptance rules: a failed query refuses; the older family is always accepted; the
// modern family needs version 4 without the first two service packs, or any later version.
SürümKararı SürümüDeğerlendir(const std::optional<SürümKaydı> &kayıt);

// The running system's record: the modern family, the kernel's major version, no service pack.
std::optional<SürümKaydı> ÇalışanSistemSürümü();
