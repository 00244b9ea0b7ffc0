#include "EnIyiSonuclar.h"

#include "BozukDosya.h"
#include "CalismaHatasi.h"
#include "Dizgeler.h"
#include "DuzenliDosya.h"
#include "GuvenliYazim.h"
#include "OyunSaati.h"
#include "Yollar.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

// A result takes about a hundred bytes: the file holds those of some 150,000 photos, and anything
// larger is not one the game wrote.
constexpr qint64 EnBüyükDosya = 16 * 1024 * 1024;
constexpr qint64 EnUzunSüre = 24 * 3600;

std::optional<QList<QJsonObject>> Girdiler(const QByteArray &bayt)
{
    QJsonParseError hata{};
    const QJsonDocument belge = QJsonDocument::fromJson(bayt, &hata);
    if (hata.error != QJsonParseError::NoError || !belge.isObject() || !belge[u"results"].isArray())
        return std::nullopt;
    QList<QJsonObject> girdiler;
    for (const QJsonValue &değer : belge[u"results"].toArray()) {
        if (!değer.isObject())
            return std::nullopt;
        girdiler.append(değer.toObject());
    }
    return girdiler;
}

// A whole number in [en, enÇok] stored in `alan`, or nothing.
std::optional<qint64> Sayı(const QJsonObject &girdi, QStringView alan, qint64 en, qint64 enÇok)
{
    const QJsonValue değer = girdi[alan];
    const double sayı = değer.toDouble(-1);
    if (!değer.isDouble() || sayı != qint64(sayı) || sayı < en || sayı > enÇok)
        return std::nullopt;
    return qint64(sayı);
}

QJsonObject Nesne(const SonuçAnahtarı &anahtar, const EnİyiSonuç &sonuç)
{
    return QJsonObject{{u"division"_s, anahtar.bölmeSayısı},
                       {u"photo"_s, anahtar.fotoğrafYolu},
                       {u"width"_s, anahtar.fotoğrafBoyutu.width()},
                       {u"height"_s, anahtar.fotoğrafBoyutu.height()},
                       {u"seconds"_s, sonuç.saniye},
                       {u"clicks"_s, sonuç.hamle}};
}

QString &Klasör()
{
    static QString klasör;
    return klasör;
}

}  // namespace

EnİyiSonuçlar::EnİyiSonuçlar(QString yol) : dosyaYolu(std::move(yol))
{
    QFile dosya;
    const AçılışSonucu açılış = DüzenliDosyayıAç(dosya, dosyaYolu);
    if (açılış == AçılışSonucu::Yok)
        return;
    // Something that is no regular file (a folder, a pipe) is not ours to read or replace.
    if (açılış != AçılışSonucu::Açıldı) {
        yazmaKapalı = true;
        return;
    }
    std::optional<QList<QJsonObject>> girdiler;
    if (dosya.size() <= EnBüyükDosya)
        girdiler = Girdiler(dosya.readAll());
    dosya.close();
    for (const QJsonObject &girdi : girdiler.value_or(QList<QJsonObject>())) {
        const auto bölme = Sayı(girdi, u"division", 3, 5);
        const auto genişlik = Sayı(girdi, u"width", 1, std::numeric_limits<qint32>::max());
        const auto yükseklik = Sayı(girdi, u"height", 1, std::numeric_limits<qint32>::max());
        const auto saniye = Sayı(girdi, u"seconds", 0, EnUzunSüre);
        const auto hamle = Sayı(girdi, u"clicks", 1, std::numeric_limits<qint32>::max());
        if (!bölme || !genişlik || !yükseklik || !saniye || !hamle || !girdi[u"photo"].isString()) {
            girdiler.reset();
            break;
        }
        kayıtlar.append({{int(*bölme), girdi[u"photo"].toString(), QSize(int(*genişlik), int(*yükseklik))},
                         {*saniye, qint32(*hamle)}});
    }
    if (girdiler)
        return;
    kayıtlar.clear();
    bozukDosyaKopyası = BozukDosyayıKenaraKoy(dosyaYolu);
    yazmaKapalı = bozukDosyaKopyası.isEmpty();
    if (!yazmaKapalı)
        qWarning("tilora: the best results file was damaged and was kept as %s", qPrintable(bozukDosyaKopyası));
}

std::optional<EnİyiSonuç> EnİyiSonuçlar::Bul(const SonuçAnahtarı &anahtar) const
{
    for (const Kayıt &kayıt : kayıtlar)
        if (kayıt.anahtar == anahtar)
            return kayıt.sonuç;
    return std::nullopt;
}

Yenilik EnİyiSonuçlar::Ekle(const SonuçAnahtarı &anahtar, qint64 saniye, qint32 hamle)
{
    const auto bulunan = std::find_if(kayıtlar.begin(), kayıtlar.end(),
                                      [&](const Kayıt &kayıt) { return kayıt.anahtar == anahtar; });
    Kayıt yeni{anahtar, {saniye, hamle}};
    Yenilik yenilik{true, true};
    if (bulunan != kayıtlar.end()) {
        yenilik = {saniye < bulunan->sonuç.saniye, hamle < bulunan->sonuç.hamle};
        yeni.sonuç = {std::min(saniye, bulunan->sonuç.saniye), std::min(hamle, bulunan->sonuç.hamle)};
        kayıtlar.erase(bulunan);
    }
    // The photo played last goes last: the one left longest unplayed is the first to go.
    kayıtlar.append(yeni);
    return yenilik;
}

void EnİyiSonuçlar::Kaydet() const
{
    if (yazmaKapalı)
        throw ÇalışmaHatası(HataNo::DosyaErişimHatası);
    DosyayıBütünYaz(dosyaYolu, Yazıya(kayıtlar));
}

QByteArray EnİyiSonuçlar::Yazıya(const QList<Kayıt> &kayıtlar)
{
    // Compact, as the reader's limit counts bytes; from the latest back, as many as it takes.
    const QByteArray baş = R"({"results":[)", son = "]}";
    QList<QByteArray> girdiler;
    qint64 boyut = baş.size() + son.size();
    for (auto kayıt = kayıtlar.crbegin(); kayıt != kayıtlar.crend(); ++kayıt) {
        QByteArray girdi = QJsonDocument(Nesne(kayıt->anahtar, kayıt->sonuç)).toJson(QJsonDocument::Compact);
        boyut += girdi.size() + (girdiler.isEmpty() ? 0 : 1);
        if (boyut > EnBüyükDosya)
            break;
        girdiler.append(std::move(girdi));
    }
    std::reverse(girdiler.begin(), girdiler.end());
    return baş + girdiler.join(',') + son;
}

QString EnİyiSonuçlarDosyası()
{
    const QString klasör =
        Klasör().isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : Klasör();
    return KlasördekiDosya(klasör, QStringLiteral("EnIyiSonuclar.json"));
}

void EnİyiSonuçlarKlasörünüBelirle(const QString &klasör)
{
    Klasör() = klasör;
}

QString YenilikMetni(const Yenilik &yenilik, int bölmeSayısı)
{
    if (!yenilik.süre && !yenilik.hamle)
        return {};
    const int dizge = yenilik.süre && yenilik.hamle ? 3108 : yenilik.süre ? 3106 : 3107;
    return Dizge(dizge).arg(bölmeSayısı);
}

QString EnİyiSonuçMetni(const std::optional<EnİyiSonuç> &sonuç, int bölmeSayısı)
{
    if (!sonuç)
        return Dizge(3110).arg(bölmeSayısı);
    const OyunSaati süre{quint8(sonuç->saniye % 60), quint8(sonuç->saniye / 60 % 60), quint8(sonuç->saniye / 3600)};
    const QString süreMetni = SüreMetni(süre);
    return Dizge(3109).arg(bölmeSayısı).arg(süreMetni.isEmpty() ? QStringLiteral("0") + Dizge(1250) : süreMetni).arg(sonuç->hamle);
}
