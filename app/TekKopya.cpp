#include "TekKopya.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr QByteArrayView İstekBaşı = "tilora-front\n";
// A request is the header, a token line and a photo line; anything longer is not ours and is
// dropped. The photo travels as a file address, every byte of its path printable ASCII.
constexpr qsizetype EnUzunBelirteç = 500;
constexpr qsizetype EnUzunYol = 4096;  // the longest path the system opens
constexpr qsizetype EnUzunAdres = 3 * EnUzunYol + 8;
constexpr qsizetype EnUzunİstek = İstekBaşı.size() + EnUzunBelirteç + 1 + EnUzunAdres + 1;
constexpr int YanıtSüresiMs = 2000;
constexpr int SahipYazmaSüresiMs = 1000;

struct İstek {
    QByteArray belirteç;
    QString fotoğraf;
};
enum class İstekDurumu { Eksik, Geçersiz, Tamam };

bool YazdırılabilirMi(QByteArrayView metin, char ilk)
{
    return std::all_of(metin.begin(), metin.end(), [ilk](char harf) { return harf >= ilk && harf <= '~'; });
}

// The photo of a photo line: an absolute local path from a file address without host, query or
// fragment, or none when the line is empty; nothing when the line is no such address.
std::optional<QString> İstenenFotoğraf(const QByteArray &satır)
{
    if (satır.isEmpty())
        return QString();
    if (satır.size() > EnUzunAdres || !YazdırılabilirMi(satır, '!'))
        return std::nullopt;
    const QUrl adres(QString::fromLatin1(satır), QUrl::StrictMode);
    if (!adres.isValid() || !adres.isLocalFile() || !adres.host().isEmpty() || adres.hasQuery() || adres.hasFragment())
        return std::nullopt;
    const QString yol = adres.toLocalFile();
    if (!QDir::isAbsolutePath(yol) || yol.contains(QChar(0)) || QFile::encodeName(yol).size() > EnUzunYol)
        return std::nullopt;
    return yol;
}

// Reads a request from what has arrived of it so far.
std::pair<İstekDurumu, İstek> İsteğiOku(const QByteArray &gelen)
{
    using enum İstekDurumu;
    if (!gelen.startsWith(İstekBaşı))
        return {İstekBaşı.startsWith(gelen) ? Eksik : Geçersiz, {}};
    const qsizetype belirteçBaşı = İstekBaşı.size();
    const qsizetype belirteçSonu = gelen.indexOf('\n', belirteçBaşı);
    if (belirteçSonu < 0 || belirteçSonu - belirteçBaşı > EnUzunBelirteç)
        return {belirteçSonu < 0 && gelen.size() - belirteçBaşı <= EnUzunBelirteç ? Eksik : Geçersiz, {}};
    const qsizetype adresSonu = gelen.indexOf('\n', belirteçSonu + 1);
    if (adresSonu < 0)
        return {gelen.size() - belirteçSonu - 1 <= EnUzunAdres ? Eksik : Geçersiz, {}};
    const QByteArray belirteç = gelen.sliced(belirteçBaşı, belirteçSonu - belirteçBaşı);
    const std::optional<QString> fotoğraf = İstenenFotoğraf(gelen.sliced(belirteçSonu + 1, adresSonu - belirteçSonu - 1));
    // Nothing may follow the request.
    if (adresSonu + 1 != gelen.size() || !YazdırılabilirMi(belirteç, ' ') || !fotoğraf)
        return {Geçersiz, {}};
    return {Tamam, {belirteç, *fotoğraf}};
}

// A folder the lock and the socket may live in: a real folder, not a link, of this user's own,
// closed to everyone else, inside a parent that nobody else can write to (who can write there can
// swap the folder).
bool KendiKlasörüMü(const QString &klasör)
{
    struct stat bilgi = {};
    struct stat üst = {};
    return ::lstat(QFile::encodeName(klasör).constData(), &bilgi) == 0 && S_ISDIR(bilgi.st_mode)
           && bilgi.st_uid == ::geteuid() && (bilgi.st_mode & 077) == 0
           && ::stat(QFile::encodeName(QFileInfo(klasör).absolutePath()).constData(), &üst) == 0
           && (üst.st_uid == ::geteuid() || üst.st_uid == 0) && ((üst.st_mode & 022) == 0 || (üst.st_mode & S_ISVTX));
}

// A copy makes its lock file, then writes its process into it: one killed in between leaves a
// file that names no process, which would block every later start. The lock is the running
// copy's once it names it; one that names none after the moment a writer needs is stale.
bool SahipsizKilit(const QLockFile &kilit, const QString &yol)
{
    QElapsedTimer süre;
    süre.start();
    qint64 süreç = 0;
    QString makine, uygulama;
    while (!kilit.getLockInfo(&süreç, &makine, &uygulama)) {
        if (!QFileInfo::exists(yol) || süre.elapsed() > SahipYazmaSüresiMs)
            return QFileInfo::exists(yol);
        QThread::msleep(20);
    }
    return false;
}

QByteArray BaşlatmaBelirteci()
{
    QByteArray belirteç = qgetenv("XDG_ACTIVATION_TOKEN");
    if (belirteç.isEmpty())
        belirteç = qgetenv("DESKTOP_STARTUP_ID");
    belirteç = belirteç.left(EnUzunBelirteç);
    std::replace_if(belirteç.begin(), belirteç.end(), [](char harf) { return harf < ' ' || harf > '~'; }, ' ');
    return belirteç;
}

QByteArray FotoğrafAdresi(const QString &fotoğraf)
{
    if (fotoğraf.isEmpty())
        return {};
    const QByteArray adres = QUrl::fromLocalFile(fotoğraf).toEncoded();
    if (adres.size() <= EnUzunAdres)
        return adres;
    qWarning("tilora: the photo's path is too long to hand to the running copy");
    return {};
}

}  // namespace

TekKopya::TekKopya(const QString &pencereBaşlığı, const QString &klasör)
{
    if (!klasör.isEmpty()) {
        const QByteArray anahtar =
            QCryptographicHash::hash(pencereBaşlığı.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
        const QString kök = QDir(klasör).filePath(QStringLiteral("tilora-") + QString::fromLatin1(anahtar));
        kilitYolu = kök + QStringLiteral(".lock");
        soketYolu = kök + QStringLiteral(".socket");
    }
    connect(&sunucu, &YerelSunucu::newConnection, this, &TekKopya::BağlantıyıKarşıla);
}

QString TekKopya::ÇalışmaKlasörü()
{
    const QString çalışma = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!çalışma.isEmpty() && KendiKlasörüMü(çalışma))
        return QDir::cleanPath(çalışma);
    // Without a runtime folder of the user's own, one in the user's cache; never a shared one.
    const QString önbellek = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString klasör = QDir::cleanPath(önbellek + QStringLiteral("/tilora-run"));
    if (önbellek.isEmpty() || !QDir().mkpath(önbellek))
        return {};
    ::mkdir(QFile::encodeName(klasör).constData(), 0700);
    return KendiKlasörüMü(klasör) ? klasör : QString();
}

bool TekKopya::İlkKopyaMı()
{
    if (kilitYolu.isEmpty()) {
        qWarning("tilora: no private folder for the single-copy lock; a second start may open a second window");
        return true;
    }
    kilit = std::make_unique<QLockFile>(kilitYolu);
    // A lock is stale only when its process is gone, never because it is old.
    kilit->setStaleLockTime(0);
    if (!kilit->tryLock(0) && kilit->error() == QLockFile::LockFailedError && SahipsizKilit(*kilit, kilitYolu)
        && kilit->removeStaleLockFile())
        kilit->tryLock(0);
    if (!kilit->isLocked()) {
        if (kilit->error() == QLockFile::LockFailedError)
            return false;
        // The folder is unusable: better two copies than none.
        qWarning("tilora: cannot keep a single copy: %s is not writable", qPrintable(kilitYolu));
        return true;
    }
    if (!sunucu.Dinle(soketYolu))
        qWarning("tilora: a second start cannot reach this copy: %s", qPrintable(sunucu.Hata()));
    return true;
}

bool TekKopya::ÇalışanKopyayıÖneGetir(const QString &fotoğraf)
{
    const QByteArray istek = İstekBaşı.toByteArray() + BaşlatmaBelirteci() + '\n' + FotoğrafAdresi(fotoğraf) + '\n';
    // The running copy may still be starting up and not listening yet.
    for (int deneme = 0; deneme < 20; ++deneme) {
        if (const std::optional<QByteArray> yanıt = YerelSoketeSor(soketYolu, istek, 3, YanıtSüresiMs))
            return yanıt->startsWith("ok\n");
        QThread::msleep(100);
    }
    return false;
}

void TekKopya::BağlantıyıKarşıla(YerelBaglanti *bağlantı)
{
    QTimer::singleShot(YanıtSüresiMs, bağlantı, &YerelBaglanti::Kapat);
    connect(bağlantı, &YerelBaglanti::received, bağlantı, [this, bağlantı] {
        if (bağlantı->Gelen().size() > EnUzunİstek) {
            bağlantı->Kapat();
            return;
        }
        const auto [durum, istek] = İsteğiOku(bağlantı->Gelen());
        if (durum == İstekDurumu::Eksik)
            return;
        if (durum == İstekDurumu::Geçersiz) {
            bağlantı->Kapat();
            return;
        }
        bağlantı->YanıtlaVeKapat("ok\n");
        emit frontRequested(istek.belirteç, istek.fotoğraf);
    });
}
