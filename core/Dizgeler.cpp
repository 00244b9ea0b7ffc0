#include "Dizgeler.h"

#include "CalismaHatasi.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <limits>
#include <optional>

namespace {

struct Tablolar {
    QHash<int, QString> metinler;
    // The forms of the strings whose wording follows a number: one, then other.
    QHash<int, QStringList> sayılılar;
};

Tablolar YerleşikTablolar()
{
    QFile dosya(QStringLiteral(":/dizgeler.json"));
    if (!dosya.open(QIODevice::ReadOnly))
        qFatal("The string table is missing from the program's resources");
    const QJsonObject nesne = QJsonDocument::fromJson(dosya.readAll()).object();
    Tablolar tablolar;
    for (auto it = nesne.begin(); it != nesne.end(); ++it) {
        if (it.value().isObject()) {
            const QJsonObject biçimler = it.value().toObject();
            tablolar.sayılılar.insert(it.key().toInt(), {biçimler[u"one"].toString(), biçimler[u"other"].toString()});
        } else {
            tablolar.metinler.insert(it.key().toInt(), it.value().toString());
        }
    }
    return tablolar;
}

Tablolar &Tablo()
{
    static Tablolar tablolar = YerleşikTablolar();
    return tablolar;
}

[[noreturn]] void Yok(int kimlik)
{
    throw ÇalışmaHatası(HataNo::KaynakBulunamadı, QStringLiteral("Resource with identifier '%1' not found").arg(kimlik));
}

// The installed translation's text for the id, if it has one. The translations are keyed by the
// table's ids; without a text of its own qtTrId hands back the id itself.
std::optional<QString> Çeviri(int kimlik, int sayı = -1)
{
    const QByteArray anahtar = QByteArray::number(kimlik);
    QString çeviri = qtTrId(anahtar.constData(), sayı);
    if (çeviri == QLatin1String(anahtar))
        return std::nullopt;
    return çeviri;
}

}  // namespace

const QHash<int, QString> &DizgeTablosu()
{
    return Tablo().metinler;
}

QString Dizge(int kimlik)
{
    const auto it = Tablo().metinler.constFind(kimlik);
    if (it == Tablo().metinler.cend())
        Yok(kimlik);
    return Çeviri(kimlik).value_or(*it);
}

QString DizgeSayılı(int kimlik, qint64 sayı)
{
    const auto it = Tablo().sayılılar.constFind(kimlik);
    if (it == Tablo().sayılılar.cend())
        Yok(kimlik);
    // A number beyond a translation's reach keeps the English wording.
    if (sayı >= 0 && sayı <= std::numeric_limits<int>::max())
        if (auto çeviri = Çeviri(kimlik, int(sayı)))
            return *std::move(çeviri);
    return it->value(sayı == 1 ? 0 : 1).replace(QStringLiteral("%n"), QString::number(sayı));
}

QList<int> SayılıDizgeler()
{
    return Tablo().sayılılar.keys();
}

void DizgeTablosunuDeğiştir(QHash<int, QString> yeni)
{
    Tablo().metinler = yeni.isEmpty() ? YerleşikTablolar().metinler : std::move(yeni);
}
