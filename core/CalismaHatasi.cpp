#include "CalismaHatasi.h"

ÇalışmaHatası::ÇalışmaHatası(int numara) : ÇalışmaHatası(numara, StandartAçıklama(numara)) {}

ÇalışmaHatası::ÇalışmaHatası(int numara, QString açıklama)
    : numara(numara), açıklama(std::move(açıklama))
{
}

QString StandartAçıklama(int numara)
{
    switch (numara) {
    case HataNo::GeçersizÇağrı: return QStringLiteral("Invalid procedure call or argument");
    case HataNo::Taşma: return QStringLiteral("Overflow");
    case HataNo::BellekYetersiz: return QStringLiteral("Out of memory");
    case HataNo::AltSimgeAralıkDışı: return QStringLiteral("Subscript out of range");
    case HataNo::TürUyuşmazlığı: return QStringLiteral("Type mismatch");
    case HataNo::KaynakBulunamadı: return QStringLiteral("Resource not found");
    case HataNo::DosyaBulunamadı: return QStringLiteral("File not found");
    case HataNo::DosyaErişimHatası: return QStringLiteral("Path/File access error");
    case HataNo::DenetimDizisiÖğesiYok: return QStringLiteral("Control array element does not exist");
    case HataNo::GeçersizÖzellikDeğeri: return QStringLiteral("Invalid property value");
    case HataNo::GeçersizResim: return QStringLiteral("Invalid picture");
    default: return {};
    }
}
