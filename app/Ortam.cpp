#include "Ortam.h"

#include "MesajKutusu.h"
#include "Rastgele.h"

#include <QAudioDevice>
#include <QDesktopServices>
#include <QHash>
#include <QMediaDevices>
#include <QSoundEffect>

#include <cstdlib>
#include <memory>

namespace {

// The three game sounds, loaded on first use and kept for the life of the process.
void SesiÇal(const QString &ad)
{
    static QHash<QString, std::shared_ptr<QSoundEffect>> sesler;
    for (const auto &çalan : std::as_const(sesler))
        çalan->stop();
    auto &ses = sesler[ad];
    if (!ses) {
        ses = std::make_shared<QSoundEffect>();
        ses->setSource(QUrl(QStringLiteral("qrc:/sesler/%1.wav").arg(ad.toLower())));
    }
    ses->play();
}

Ortam GerçekOrtam()
{
    Ortam o;
    o.mesajKutusu = MesajKutusunuGöster;
    o.sesAygıtıVar = [] { return !QMediaDevices::audioOutputs().isEmpty(); };
    o.sesÇal = SesiÇal;
    o.adresAç = [](const QUrl &adres) { QDesktopServices::openUrl(adres); };
    o.programıSonlandır = [] { std::_Exit(EXIT_FAILURE); };
    o.sürümSorgula = ÇalışanSistemSürümü;
    o.rastgele = SistemRastgelesi;
    return o;
}

}  // namespace

Ortam &ortam()
{
    static Ortam o = GerçekOrtam();
    return o;
}
