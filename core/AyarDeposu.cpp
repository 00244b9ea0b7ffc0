#include "AyarDeposu.h"

#include "BozukDosya.h"
#include "CalismaHatasi.h"
#include "DuzenliDosya.h"
#include "GuvenliYazim.h"
#include "OrtakDegiskenler.h"
#include "Yollar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>
#include <memory>

namespace {

// A real settings file holds a few kilobytes; one far larger is not read, but set aside as damaged.
constexpr qint64 EnBüyükDosya = 16 * 1024 * 1024;

enum class Alan { Anahtar, Değer };

bool DenetimKarakteri(QChar c)
{
    return c.category() == QChar::Other_Control;
}

// A surrogate without its partner cannot be written as UTF-8.
bool YalnızVekil(QStringView metin, qsizetype i)
{
    const QChar c = metin[i];
    if (c.isHighSurrogate())
        return i + 1 == metin.size() || !metin[i + 1].isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !metin[i - 1].isHighSurrogate();
    return false;
}

// The escaped form of a key or a value: one line that the reader turns back into `metin`.
QString Kaçır(QStringView metin, Alan alan)
{
    QString sonuç;
    sonuç.reserve(metin.size() + 8);
    for (qsizetype i = 0; i < metin.size(); ++i) {
        const QChar c = metin[i];
        const bool kenarda = i == 0 || i == metin.size() - 1;
        if (c == u'\\')
            sonuç += u"\\\\";
        else if (c == u'\n')
            sonuç += u"\\n";
        else if (c == u'\r')
            sonuç += u"\\r";
        else if (c == u'\t')
            sonuç += u"\\t";
        else if (kenarda && c == u' ')
            sonuç += u"\\s";
        else if (DenetimKarakteri(c) || YalnızVekil(metin, i) || (kenarda && c.isSpace()))
            sonuç += QStringLiteral("\\u%1").arg(uint(c.unicode()), 4, 16, QLatin1Char('0'));
        else if (alan == Alan::Anahtar && (c == u'=' || (i == 0 && (c == u'[' || c == u';' || c == u'#'))))
            sonuç.append(u'\\').append(c);
        else
            sonuç += c;
    }
    return sonuç;
}

int OnAltılıRakam(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

// Undoes Kaçır; nothing on a bad escape or a bare control character (a damaged line).
std::optional<QString> Çöz(QStringView ham)
{
    QString sonuç;
    sonuç.reserve(ham.size());
    for (qsizetype i = 0; i < ham.size(); ++i) {
        const QChar c = ham[i];
        if (c != u'\\') {
            if (DenetimKarakteri(c) && c != u'\t')
                return std::nullopt;
            sonuç += c;
            continue;
        }
        if (++i == ham.size())
            return std::nullopt;
        switch (ham[i].unicode()) {
        case u'\\': case u'=': case u'[': case u';': case u'#': sonuç += ham[i]; break;
        case u'n': sonuç += u'\n'; break;
        case u'r': sonuç += u'\r'; break;
        case u't': sonuç += u'\t'; break;
        case u's': sonuç += u' '; break;
        case u'u': {
            if (ham.size() - i <= 4)
                return std::nullopt;
            char16_t kod = 0;
            for (int k = 1; k <= 4; ++k) {
                const int rakam = OnAltılıRakam(ham[i + k]);
                if (rakam < 0)
                    return std::nullopt;
                kod = char16_t(kod * 16 + rakam);
            }
            sonuç += QChar(kod);
            i += 4;
            break;
        }
        default: return std::nullopt;
        }
    }
    return sonuç;
}

// Section names are written verbatim, so they must fit on their header line.
bool BölümAdıGeçerli(const QString &ad)
{
    return ad.isValidUtf16() && !ad.contains(u']')
           && std::none_of(ad.cbegin(), ad.cend(), DenetimKarakteri);
}

// `ad` is `bölüm` itself or a section nested in it.
bool BölümünİçindeMi(const QString &ad, const QString &bölüm)
{
    return ad.startsWith(bölüm) && (ad.size() == bölüm.size() || ad[bölüm.size()] == u'\\');
}

}  // namespace

AyarDeposu::AyarDeposu(QString yol) : dosyaYolu(std::move(yol))
{
    QFile dosya;
    const AçılışSonucu açılış = DüzenliDosyayıAç(dosya, dosyaYolu);
    if (açılış == AçılışSonucu::Yok)
        return;
    const bool okunacak = açılış == AçılışSonucu::Açıldı && dosya.size() <= EnBüyükDosya;
    const QByteArray bayt = okunacak ? dosya.readAll() : QByteArray();
    if (açılış != AçılışSonucu::Açıldı || dosya.error() != QFileDevice::NoError) {
        yazmaKapalı = true;
        return;
    }
    dosya.close();
    if (std::optional<QList<Bölüm>> okunan = okunacak ? Ayrıştır(bayt) : std::nullopt) {
        bölümler = std::move(*okunan);
        return;
    }
    bozukDosyaKopyası = BozukDosyayıKenaraKoy(dosyaYolu);
    yazmaKapalı = bozukDosyaKopyası.isEmpty();
}

QString AyarDeposu::Oku(const QString &bölüm, const QString &anahtar, const QString &varsayılan) const
{
    for (const AyarGirdisi &g : BölümüOku(bölüm))
        if (g.first == anahtar)
            return g.second;
    return varsayılan;
}

void AyarDeposu::Yaz(const QString &bölüm, const QString &anahtar, const QString &değer)
{
    if (!BölümAdıGeçerli(bölüm))
        throw ÇalışmaHatası(HataNo::GeçersizÇağrı);
    QList<Bölüm> yeni = bölümler;
    const auto bulunan = std::find_if(yeni.begin(), yeni.end(), [&](const Bölüm &x) { return x.ad == bölüm; });
    Bölüm &b = bulunan != yeni.end() ? *bulunan : yeni.emplace_back(Bölüm{bölüm, {}});
    const auto g = std::find_if(b.girdiler.begin(), b.girdiler.end(),
                                [&](const AyarGirdisi &x) { return x.first == anahtar; });
    if (g == b.girdiler.end())
        b.girdiler.append({anahtar, değer});
    else if (g->second == değer)
        return;
    else
        g->second = değer;
    Kaydet(yeni);
}

void AyarDeposu::BölümüSil(const QString &bölüm)
{
    QList<Bölüm> yeni = bölümler;
    if (yeni.removeIf([&](const Bölüm &b) { return BölümünİçindeMi(b.ad, bölüm); }) == 0)
        throw ÇalışmaHatası(HataNo::GeçersizÇağrı);
    Kaydet(yeni);
}

QList<AyarGirdisi> AyarDeposu::BölümüOku(const QString &bölüm) const
{
    for (const Bölüm &b : bölümler)
        if (b.ad == bölüm)
            return b.girdiler;
    return {};
}

void AyarDeposu::TekYazımda(const std::function<void()> &değişiklikler)
{
    if (tekYazım) {
        değişiklikler();
        return;
    }
    // Each change would fail, and a caller that skips failing changes would never hear of it.
    if (yazmaKapalı)
        throw ÇalışmaHatası(HataNo::DosyaErişimHatası);
    const QList<Bölüm> önceki = bölümler;
    tekYazım = true;
    bekleyenDeğişiklik = false;
    try {
        değişiklikler();
    } catch (...) {
        tekYazım = false;
        bölümler = önceki;
        throw;
    }
    tekYazım = false;
    if (!bekleyenDeğişiklik)
        return;
    try {
        DosyayaYaz(bölümler);
    } catch (...) {
        bölümler = önceki;
        throw;
    }
}

void AyarDeposu::Kaydet(const QList<Bölüm> &yeni)
{
    if (yazmaKapalı)
        throw ÇalışmaHatası(HataNo::DosyaErişimHatası);
    if (!tekYazım)
        DosyayaYaz(yeni);
    bekleyenDeğişiklik = true;
    bölümler = yeni;
}

void AyarDeposu::DosyayaYaz(const QList<Bölüm> &yeni) const
{
    DosyayıBütünYaz(dosyaYolu, Yazıya(yeni));
}

QByteArray AyarDeposu::Yazıya(const QList<Bölüm> &bölümler)
{
    QString metin;
    for (const Bölüm &b : bölümler) {
        if (!metin.isEmpty())
            metin += u'\n';
        metin += u'[' + b.ad + QStringLiteral("]\n");
        for (const AyarGirdisi &g : b.girdiler)
            metin += Kaçır(g.first, Alan::Anahtar) + u'=' + Kaçır(g.second, Alan::Değer) + u'\n';
    }
    return metin.toUtf8();
}

std::optional<QList<AyarDeposu::Bölüm>> AyarDeposu::Ayrıştır(const QByteArray &bayt)
{
    QStringDecoder çözücü(QStringDecoder::Utf8);
    const QString metin = çözücü.decode(bayt);
    if (çözücü.hasError())
        return std::nullopt;

    QList<Bölüm> sonuç;
    // Where each section and, within the current one, each key stands: a hand-edited file may
    // repeat both, and looking them up one by one would take time in the square of their number.
    QHash<QString, qsizetype> bölümSırası;
    QList<QHash<QString, qsizetype>> anahtarSırası;
    qsizetype bölüm = -1;
    for (QStringView satır : QStringView(metin).split(u'\n')) {
        satır = satır.trimmed();
        if (satır.isEmpty() || satır.startsWith(u';') || satır.startsWith(u'#'))
            continue;
        if (satır.startsWith(u'[')) {
            if (satır.size() < 2 || !satır.endsWith(u']'))
                return std::nullopt;
            const QString ad = satır.sliced(1, satır.size() - 2).toString();
            if (!BölümAdıGeçerli(ad))
                return std::nullopt;
            const auto bulunan = bölümSırası.constFind(ad);
            if (bulunan != bölümSırası.cend()) {
                bölüm = *bulunan;
                continue;
            }
            bölüm = sonuç.size();
            bölümSırası.insert(ad, bölüm);
            sonuç.append(Bölüm{ad, {}});
            anahtarSırası.emplace_back();
            continue;
        }
        qsizetype eşittir = 0;
        while (eşittir < satır.size() && satır[eşittir] != u'=')
            eşittir += satır[eşittir] == u'\\' ? 2 : 1;
        if (bölüm < 0 || eşittir >= satır.size())
            return std::nullopt;
        std::optional<QString> anahtar = Çöz(satır.first(eşittir).trimmed());
        std::optional<QString> değer = Çöz(satır.sliced(eşittir + 1).trimmed());
        if (!anahtar || !değer)
            return std::nullopt;
        QList<AyarGirdisi> &girdiler = sonuç[bölüm].girdiler;
        QHash<QString, qsizetype> &sıra = anahtarSırası[bölüm];
        if (const auto bulunan = sıra.constFind(*anahtar); bulunan != sıra.cend()) {
            girdiler[*bulunan].second = std::move(*değer);
        } else {
            sıra.insert(*anahtar, girdiler.size());
            girdiler.append(AyarGirdisi(std::move(*anahtar), std::move(*değer)));
        }
    }
    return sonuç;
}

namespace {
QString &Klasör()
{
    static QString klasör;
    return klasör;
}
std::unique_ptr<AyarDeposu> &Depo()
{
    static std::unique_ptr<AyarDeposu> depo;
    return depo;
}
std::unique_ptr<AyarDeposu> &SeçenekDeposu()
{
    static std::unique_ptr<AyarDeposu> depo;
    return depo;
}
}  // namespace

QString AyarKlasörü()
{
    return Klasör().isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                              : Klasör();
}

void AyarKlasörünüBelirle(const QString &klasör)
{
    Klasör() = klasör;
    AyarlarıKapat();
}

AyarDeposu &Ayarlar()
{
    if (!Depo()) {
        QString ad = AyarUygulaması;
        ad.replace(QLatin1Char('\\'), QLatin1Char('/'));
        Depo() = std::make_unique<AyarDeposu>(KlasördekiDosya(AyarKlasörü(), ad + QStringLiteral(".ini")));
    }
    return *Depo();
}

AyarDeposu &OyunSeçenekleri()
{
    if (!SeçenekDeposu())
        SeçenekDeposu() = std::make_unique<AyarDeposu>(KlasördekiDosya(AyarKlasörü(), QStringLiteral("tilora/tilora.ini")));
    return *SeçenekDeposu();
}

void AyarlarıKapat()
{
    Depo().reset();
    SeçenekDeposu().reset();
}
