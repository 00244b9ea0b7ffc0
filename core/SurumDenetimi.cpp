#include "SurumDenetimi.h"

#include <QString>
#include <QSysInfo>

SürümKararı SürümüDeğerlendir(const std::optional<SürümKaydı> &kayıt)
{
    if (!kayıt)
        return {false, false};
    SürümKararı karar{kayıt->platformKimliği == NTAilesi, true};
    if (!karar.ntMi)
        return karar;
    if (kayıt->anaSürüm < 4) {
        karar.kabul = false;
    } else if (kayıt->anaSürüm == 4) {
        const qsizetype son = kayıt->servisPaketi.indexOf('\0');
        const QByteArray paket = son < 0 ? kayıt->servisPaketi : kayıt->servisPaketi.left(son);
        karar.kabul = paket != "Service Pack 1" && paket != "Service Pack 2";
    }
    return karar;
}

std::optional<SürümKaydı> ÇalışanSistemSürümü()
{
    bool sayıMı = false;
    const uint ana = QSysInfo::kernelVersion().section(QLatin1Char('.'), 0, 0).toUInt(&sayıMı);
    if (!sayıMı)
        return std::nullopt;
    SürümKaydı kayıt;
    kayıt.anaSürüm = ana;
    kayıt.platformKimliği = NTAilesi;
    return kayıt;
}
