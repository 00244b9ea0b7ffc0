#include "OzellikTorbasi.h"

#include "CalismaHatasi.h"

#include <QFile>
#include <QFontInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace {

[[noreturn]] void TürUyuşmuyor()
{
    throw ÇalışmaHatası(HataNo::TürUyuşmazlığı);
}

[[noreturn]] void GeçersizDeğer()
{
    throw ÇalışmaHatası(HataNo::GeçersizÖzellikDeğeri);
}

[[noreturn]] void BozukTorba(const QString &neden)
{
    throw ÇalışmaHatası(HataNo::GeçersizÖzellikDeğeri, QStringLiteral("The property bag is damaged: %1").arg(neden));
}

QString RenkMetni(quint32 renk)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(renk, 8, 16, QLatin1Char('0')).toUpper();
}

// A stored value of the kind asked for; throws 13 for a value of another kind.
const QJsonValue &Türünden(const QJsonValue &değer, bool (QJsonValue::*türMü)() const)
{
    if (!(değer.*türMü)())
        TürUyuşmuyor();
    return değer;
}

// A font's attribute, or `varsayılan` when the stored font leaves it out.
QJsonValue Alan(const QJsonObject &nesne, const char *ad, bool (QJsonValue::*türMü)() const, const QJsonValue &varsayılan)
{
    const QJsonValue değer = nesne.value(QLatin1String(ad));
    return değer.isUndefined() ? varsayılan : Türünden(değer, türMü);
}

// A numeric attribute within [enAz, enÇok], whole when asked; none when the font leaves it out.
std::optional<double> SayıAlanı(const QJsonObject &nesne, const char *ad, double enAz, double enÇok, bool tam)
{
    const QJsonValue alan = nesne.value(QLatin1String(ad));
    if (alan.isUndefined())
        return std::nullopt;
    const double değer = Türünden(alan, &QJsonValue::isDouble).toDouble();
    if (tam && değer != std::floor(değer))
        TürUyuşmuyor();
    if (!(değer >= enAz && değer <= enÇok))
        GeçersizDeğer();
    return değer;
}

}  // namespace

const QJsonValue *ÖzellikTorbası::Bul(const QString &anahtar) const
{
    for (const auto &[ad, değer] : girdiler) {
        if (ad.compare(anahtar, Qt::CaseInsensitive) == 0)
            return &değer;
    }
    return nullptr;
}

void ÖzellikTorbası::Ata(const QString &anahtar, const QJsonValue &değer)
{
    for (auto &[ad, eski] : girdiler) {
        if (ad.compare(anahtar, Qt::CaseInsensitive) == 0) {
            eski = değer;
            return;
        }
    }
    girdiler.append({anahtar.toLower(), değer});
}

void ÖzellikTorbası::Sil(const QString &anahtar)
{
    girdiler.removeIf([&](const auto &girdi) { return girdi.first.compare(anahtar, Qt::CaseInsensitive) == 0; });
}

QString ÖzellikTorbası::MetinOku(const QString &anahtar, const QString &varsayılan) const
{
    const QJsonValue *değer = Bul(anahtar);
    return değer ? Türünden(*değer, &QJsonValue::isString).toString() : varsayılan;
}

bool ÖzellikTorbası::MantıksalOku(const QString &anahtar, bool varsayılan) const
{
    const QJsonValue *değer = Bul(anahtar);
    return değer ? Türünden(*değer, &QJsonValue::isBool).toBool() : varsayılan;
}

quint32 ÖzellikTorbası::RenkOku(const QString &anahtar, quint32 varsayılan) const
{
    const QJsonValue *değer = Bul(anahtar);
    if (!değer)
        return varsayılan;
    static const QRegularExpression biçim(QStringLiteral("^0x([0-9A-Fa-f]{1,8})$"));
    const QRegularExpressionMatch eşleşme = biçim.match(Türünden(*değer, &QJsonValue::isString).toString());
    if (!eşleşme.hasMatch())
        TürUyuşmuyor();
    return eşleşme.captured(1).toUInt(nullptr, 16);
}

YazıTipi ÖzellikTorbası::YazıTipiOku(const QString &anahtar, const YazıTipi &varsayılan) const
{
    const QJsonValue *değer = Bul(anahtar);
    if (!değer)
        return varsayılan;
    const QJsonObject nesne = Türünden(*değer, &QJsonValue::isObject).toObject();
    YazıTipi sonuç = varsayılan;
    QFont &yazı = sonuç.yazı;
    yazı.setFamily(Alan(nesne, "name", &QJsonValue::isString, yazı.family()).toString());
    // Up to sizes larger than any screen shows, which keeps the layout arithmetic within range.
    if (const auto boyut = SayıAlanı(nesne, "size", 1, 2048, false))
        yazı.setPointSizeF(*boyut);
    yazı.setWeight(QFont::Weight(SayıAlanı(nesne, "weight", 1, 1000, true).value_or(yazı.weight())));
    yazı.setItalic(Alan(nesne, "italic", &QJsonValue::isBool, yazı.italic()).toBool());
    yazı.setUnderline(Alan(nesne, "underline", &QJsonValue::isBool, yazı.underline()).toBool());
    yazı.setStrikeOut(Alan(nesne, "strikethrough", &QJsonValue::isBool, yazı.strikeOut()).toBool());
    sonuç.karakterKümesi = int(SayıAlanı(nesne, "charset", 0, 255, true).value_or(sonuç.karakterKümesi));
    return sonuç;
}

void ÖzellikTorbası::Yaz(const QString &anahtar, const QJsonValue &değer, bool varsayılanMı)
{
    if (varsayılanMı)
        Sil(anahtar);
    else
        Ata(anahtar, değer);
}

void ÖzellikTorbası::MetinYaz(const QString &anahtar, const QString &değer, const QString &varsayılan)
{
    Yaz(anahtar, değer, değer == varsayılan);
}

void ÖzellikTorbası::MantıksalYaz(const QString &anahtar, bool değer, bool varsayılan)
{
    Yaz(anahtar, değer, değer == varsayılan);
}

void ÖzellikTorbası::RenkYaz(const QString &anahtar, quint32 değer, quint32 varsayılan)
{
    Yaz(anahtar, RenkMetni(değer), değer == varsayılan);
}

void ÖzellikTorbası::YazıTipiYaz(const QString &anahtar, const YazıTipi &değer, const YazıTipi &varsayılan)
{
    const QFont &yazı = değer.yazı;
    const double boyut = yazı.pointSizeF() > 0 ? yazı.pointSizeF() : QFontInfo(yazı).pointSizeF();
    Yaz(anahtar, QJsonObject{{QStringLiteral("name"), yazı.family()},
                             {QStringLiteral("size"), boyut},
                             {QStringLiteral("weight"), int(yazı.weight())},
                             {QStringLiteral("italic"), yazı.italic()},
                             {QStringLiteral("underline"), yazı.underline()},
                             {QStringLiteral("strikethrough"), yazı.strikeOut()},
                             {QStringLiteral("charset"), değer.karakterKümesi}},
        değer == varsayılan);
}

QStringList ÖzellikTorbası::Anahtarlar() const
{
    QStringList anahtarlar;
    for (const auto &girdi : girdiler)
        anahtarlar.append(girdi.first);
    return anahtarlar;
}

QByteArray ÖzellikTorbası::Metin() const
{
    QJsonArray dizi;
    for (const auto &[ad, değer] : girdiler)
        dizi.append(QJsonArray{ad, değer});
    return QJsonDocument(dizi).toJson(QJsonDocument::Indented);
}

ÖzellikTorbası ÖzellikTorbası::Çözümle(const QByteArray &metin)
{
    QJsonParseError hata;
    const QJsonDocument belge = QJsonDocument::fromJson(metin, &hata);
    if (hata.error != QJsonParseError::NoError)
        BozukTorba(hata.errorString());
    if (!belge.isArray())
        BozukTorba(QStringLiteral("not a list of pairs"));
    ÖzellikTorbası torba;
    for (const QJsonValue &girdi : belge.array()) {
        const QJsonArray çift = girdi.toArray();
        if (çift.size() != 2 || !çift[0].isString())
            BozukTorba(QStringLiteral("an entry is not a [key, value] pair"));
        torba.Ata(çift[0].toString(), çift[1]);
    }
    return torba;
}

ÖzellikTorbası ÖzellikTorbası::Yükle(const QString &dosyaYolu)
{
    QFile dosya(dosyaYolu);
    if (!dosya.open(QIODevice::ReadOnly))
        throw ÇalışmaHatası(HataNo::DosyaBulunamadı, QStringLiteral("File not found: %1").arg(dosyaYolu));
    return Çözümle(dosya.readAll());
}
