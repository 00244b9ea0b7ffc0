#include "Sinyaller.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int SinyalÇifti[2] = {-1, -1};

void SinyalGeldi(int)
{
    const char işaret = 1;
    [[maybe_unused]] const auto yazılan = ::write(SinyalÇifti[0], &işaret, 1);
}

}  // namespace

void SonlandırmaSinyalleriniYakala()
{
    if (SinyalÇifti[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, SinyalÇifti) != 0)
        return;
    struct sigaction eylem = {};
    eylem.sa_handler = SinyalGeldi;
    sigemptyset(&eylem.sa_mask);
    eylem.sa_flags = SA_RESTART;
    for (const int sinyal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sinyal, &eylem, nullptr);
}

void SonlandırmaSinyalleriniBağla(std::function<void()> kapat)
{
    SonlandırmaSinyalleriniYakala();
    if (SinyalÇifti[1] < 0)
        return;
    auto *bildirici = new QSocketNotifier(SinyalÇifti[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(bildirici, &QSocketNotifier::activated, bildirici, [kapat = std::move(kapat)] {
        char işaret;
        [[maybe_unused]] const auto okunan = ::read(SinyalÇifti[1], &işaret, 1);
        kapat();
    });
}
