#include "YerelSoket.h"

#include <QDeadlineTimer>
#include <QFile>

#include <cerrno>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The address of the socket file at `yol`; nothing when the path does not fit in one.
std::optional<sockaddr_un> Adres(const QString &yol)
{
    const QByteArray ad = QFile::encodeName(yol);
    sockaddr_un adres{};
    adres.sun_family = AF_UNIX;
    if (ad.isEmpty() || size_t(ad.size()) >= sizeof adres.sun_path) {
        errno = ENAMETOOLONG;
        return std::nullopt;
    }
    std::copy(ad.begin(), ad.end(), adres.sun_path);
    return adres;
}

// Closes the descriptor it holds when it goes.
struct Tanıtıcı {
    int no;
    ~Tanıtıcı()
    {
        if (no >= 0)
            ::close(no);
    }
};

}  // namespace

YerelBaglanti::YerelBaglanti(int tanıtıcı, QObject *üst)
    : QObject(üst), tanıtıcı(tanıtıcı), okunabilir(tanıtıcı, QSocketNotifier::Read)
{
    connect(&okunabilir, &QSocketNotifier::activated, this, &YerelBaglanti::Oku);
}

YerelBaglanti::~YerelBaglanti()
{
    if (tanıtıcı >= 0)
        ::close(tanıtıcı);
}

void YerelBaglanti::Oku()
{
    char parça[4096];
    const ssize_t okunan = ::read(tanıtıcı, parça, sizeof parça);
    if (okunan < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (okunan <= 0) {
        Kapat();
        return;
    }
    gelen.append(parça, okunan);
    emit received();
}

void YerelBaglanti::YanıtlaVeKapat(QByteArrayView yanıt)
{
    if (tanıtıcı >= 0)
        ::send(tanıtıcı, yanıt.data(), size_t(yanıt.size()), MSG_NOSIGNAL);
    Kapat();
}

void YerelBaglanti::Kapat()
{
    if (tanıtıcı < 0)
        return;
    okunabilir.setEnabled(false);
    ::close(tanıtıcı);
    tanıtıcı = -1;
    deleteLater();
}

YerelSunucu::~YerelSunucu()
{
    if (!bağlantıGeldi)
        return;
    const int tanıtıcı = int(bağlantıGeldi->socket());
    bağlantıGeldi.reset();
    ::close(tanıtıcı);
    ::unlink(QFile::encodeName(yol).constData());
}

bool YerelSunucu::Dinle(const QString &yeniYol)
{
    const std::optional<sockaddr_un> adres = Adres(yeniYol);
    const int yeni = adres ? ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0) : -1;
    if (yeni >= 0) {
        ::unlink(adres->sun_path);
        if (::bind(yeni, reinterpret_cast<const sockaddr *>(&*adres), sizeof *adres) == 0
            && ::chmod(adres->sun_path, S_IRUSR | S_IWUSR) == 0 && ::listen(yeni, SOMAXCONN) == 0) {
            yol = yeniYol;
            bağlantıGeldi = std::make_unique<QSocketNotifier>(yeni, QSocketNotifier::Read);
            connect(bağlantıGeldi.get(), &QSocketNotifier::activated, this, &YerelSunucu::Karşıla);
            return true;
        }
    }
    hata = qt_error_string(errno);
    if (yeni >= 0)
        ::close(yeni);
    return false;
}

void YerelSunucu::Karşıla()
{
    for (;;) {
        const int bağlantı = ::accept4(int(bağlantıGeldi->socket()), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (bağlantı >= 0)
            emit newConnection(new YerelBaglanti(bağlantı, this));
        else if (errno != EINTR && errno != ECONNABORTED)
            return;
    }
}

std::optional<QByteArray> YerelSoketeSor(const QString &yol, QByteArrayView istek, qsizetype enÇok, int süreMs)
{
    const std::optional<sockaddr_un> adres = Adres(yol);
    const Tanıtıcı soket{adres ? ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0) : -1};
    if (soket.no < 0 || ::connect(soket.no, reinterpret_cast<const sockaddr *>(&*adres), sizeof *adres) != 0)
        return std::nullopt;
    const QDeadlineTimer son(süreMs);
    // Waits for `olay` on the socket until the time is up.
    const auto bekle = [&](short olay) {
        pollfd beklenen{soket.no, olay, 0};
        int sonuç;
        do
            sonuç = ::poll(&beklenen, 1, int(son.remainingTime()));
        while (sonuç < 0 && errno == EINTR);
        return sonuç > 0;
    };
    for (qsizetype gönderilen = 0; gönderilen < istek.size();) {
        const ssize_t giden = ::send(soket.no, istek.data() + gönderilen, size_t(istek.size() - gönderilen), MSG_NOSIGNAL);
        if (giden > 0)
            gönderilen += giden;
        else if (errno != EINTR && !(errno == EAGAIN && bekle(POLLOUT)))
            break;
    }
    QByteArray yanıt;
    while (yanıt.size() < enÇok && bekle(POLLIN)) {
        char parça[256];
        const ssize_t gelen = ::read(soket.no, parça, size_t(std::min<qsizetype>(sizeof parça, enÇok - yanıt.size())));
        if (gelen > 0)
            yanıt.append(parça, gelen);
        else if (gelen == 0 || (errno != EINTR && errno != EAGAIN))
            break;
    }
    return yanıt;
}
