#include "TekKopya.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr QByteArrayView İstekBaşı = "tilora-front\n";
// A request is the header and a token line; anything longer is not ours and is dropped.
constexpr qsizetype EnUzunİstek = 512;
constexpr int YanıtSüresiMs = 2000;
constexpr int SahipYazmaSüresiMs = 1000;

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
    return belirteç.left(EnUzunİstek - İstekBaşı.size() - 1).replace('\n', ' ');
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
    sunucu.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&sunucu, &QLocalServer::newConnection, this, [this] {
        while (sunucu.hasPendingConnections())
            BağlantıyıKarşıla();
    });
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
    QLocalServer::removeServer(soketYolu);
    if (!sunucu.listen(soketYolu))
        qWarning("tilora: a second start cannot reach this copy: %s", qPrintable(sunucu.errorString()));
    return true;
}

bool TekKopya::ÇalışanKopyayıÖneGetir()
{
    QLocalSocket soket;
    // The running copy may still be starting up and not listening yet.
    for (int deneme = 0; deneme < 20; ++deneme) {
        soket.connectToServer(soketYolu);
        if (soket.waitForConnected(YanıtSüresiMs / 20))
            break;
        QThread::msleep(100);
    }
    if (soket.state() != QLocalSocket::ConnectedState)
        return false;
    soket.write(İstekBaşı.toByteArray() + BaşlatmaBelirteci() + '\n');
    soket.flush();
    while (soket.bytesAvailable() < 3 && soket.waitForReadyRead(YanıtSüresiMs)) {
    }
    return soket.readAll().startsWith("ok\n");
}

void TekKopya::BağlantıyıKarşıla()
{
    QPointer<QLocalSocket> soket = sunucu.nextPendingConnection();
    connect(soket, &QLocalSocket::disconnected, soket, &QObject::deleteLater);
    QTimer::singleShot(YanıtSüresiMs, soket, [soket] { soket->abort(); });
    connect(soket, &QLocalSocket::readyRead, this, [this, soket] {
        if (soket->bytesAvailable() > EnUzunİstek) {
            soket->abort();
            return;
        }
        const QByteArray gelen = soket->peek(EnUzunİstek);
        if (!gelen.startsWith(İstekBaşı)) {
            if (!İstekBaşı.startsWith(gelen))
                soket->abort();
            return;
        }
        const qsizetype satırSonu = gelen.indexOf('\n', İstekBaşı.size());
        if (satırSonu < 0)
            return;
        soket->readAll();
        const QByteArray belirteç = gelen.sliced(İstekBaşı.size(), satırSonu - İstekBaşı.size());
        soket->write("ok\n");
        soket->flush();
        soket->disconnectFromServer();
        emit frontRequested(belirteç);
    });
}
