#include "EnIyiSonuclar.h"

#include "BozukDosya.h"
#include "CalismaHatasi.h"
#include "Dizgeler.h"
#include "DuzenliDosya.h"
#include "GuvenliYazim.h"
#include "OyunSaati.h"
#include "Yollar.h"

#include <QCollator>
#include <QFile>
#include <QFileInfo>
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

QJsonObject Nesne(const SonuçSatırı &kayıt)
{
    QJsonObject girdi{{u"division"_s, kayıt.anahtar.bölmeSayısı},
                      {u"photo"_s, kayıt.anahtar.fotoğrafYolu},
                      {u"width"_s, kayıt.anahtar.fotoğrafBoyutu.width()},
                      {u"height"_s, kayıt.anahtar.fotoğrafBoyutu.height()},
                      {u"seconds"_s, kayıt.sonuç.saniye},
                      {u"clicks"_s, kayıt.sonuç.hamle}};
    if (kayıt.sonuç.tarih.isValid())
        girdi.insert(u"date"_s, kayıt.sonuç.tarih.toString(Qt::ISODate));
    return girdi;
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
        // The day is an extra: one that does not read as a day is simply not shown.
        kayıtlar.append({{int(*bölme), girdi[u"photo"].toString(), QSize(int(*genişlik), int(*yükseklik))},
                         {*saniye, qint32(*hamle), QDate::fromString(girdi[u"date"].toString(), Qt::ISODate)}});
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
    for (const SonuçSatırı &kayıt : kayıtlar)
        if (kayıt.anahtar == anahtar)
            return kayıt.sonuç;
    return std::nullopt;
}

Yenilik EnİyiSonuçlar::Ekle(const SonuçAnahtarı &anahtar, qint64 saniye, qint32 hamle, QDate gün)
{
    const auto bulunan = std::find_if(kayıtlar.begin(), kayıtlar.end(),
                                      [&](const SonuçSatırı &kayıt) { return kayıt.anahtar == anahtar; });
    SonuçSatırı yeni{anahtar, {saniye, hamle, gün}};
    Yenilik yenilik{true, true};
    if (bulunan != kayıtlar.end()) {
        const EnİyiSonuç &önceki = bulunan->sonuç;
        yenilik = {saniye < önceki.saniye, hamle < önceki.hamle};
        yeni.sonuç = {std::min(saniye, önceki.saniye), std::min(hamle, önceki.hamle),
                      yenilik.süre || yenilik.hamle ? gün : önceki.tarih};
        kayıtlar.erase(bulunan);
    }
    // The photo played last goes last: the one left longest unplayed is the first to go.
    kayıtlar.append(yeni);
    return yenilik;
}

QList<SonuçSatırı> EnİyiSonuçlar::Tümü() const
{
    // The C locale compares code points whatever is asked of it; English words sort as people do.
    const QLocale yerel = QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale();
    QCollator sözlük(yerel);
    sözlük.setCaseSensitivity(Qt::CaseInsensitive);
    sözlük.setNumericMode(true);
    QList<SonuçSatırı> sıralı = kayıtlar;
    std::stable_sort(sıralı.begin(), sıralı.end(), [&](const SonuçSatırı &a, const SonuçSatırı &b) {
        const QFileInfo birinci(a.anahtar.fotoğrafYolu), ikinci(b.anahtar.fotoğrafYolu);
        if (const int ad = sözlük.compare(birinci.fileName(), ikinci.fileName()))
            return ad < 0;
        if (const int klasör = sözlük.compare(birinci.path(), ikinci.path()))
            return klasör < 0;
        return a.anahtar.bölmeSayısı < b.anahtar.bölmeSayısı;
    });
    return sıralı;
}

void EnİyiSonuçlar::Temizle()
{
    Yaz({});
    kayıtlar.clear();
}

void EnİyiSonuçlar::Kaydet() const
{
    Yaz(kayıtlar);
}

void EnİyiSonuçlar::Yaz(const QList<SonuçSatırı> &yazılacak) const
{
    if (yazmaKapalı)
        throw ÇalışmaHatası(HataNo::DosyaErişimHatası);
    DosyayıBütünYaz(dosyaYolu, Yazıya(yazılacak));
}

QByteArray EnİyiSonuçlar::Yazıya(const QList<SonuçSatırı> &yazılacak)
{
    // Compact, as the reader's limit counts bytes; from the latest back, as many as it takes.
    const QByteArray baş = R"({"results":[)", son = "]}";
    QList<QByteArray> girdiler;
    qint64 boyut = baş.size() + son.size();
    for (auto kayıt = yazılacak.crbegin(); kayıt != yazılacak.crend(); ++kayıt) {
        QByteArray girdi = QJsonDocument(Nesne(*kayıt)).toJson(QJsonDocument::Compact);
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
    const QString metin = sonuç ? Dizge(3109).arg(bölmeSayısı).arg(OkunanSüre(sonuç->saniye)).arg(sonuç->hamle)
                                : Dizge(3110).arg(bölmeSayısı);
    return metin + QLatin1Char('\n') + Dizge(3419);
}
