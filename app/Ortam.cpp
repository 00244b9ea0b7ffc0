#include "Ortam.h"

#include "MesajKutusu.h"
#include "Rastgele.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QLibrary>

#include <cstdlib>
#include <memory>

namespace {

// The sound module beside the program, loaded when the first sound is due; without it the
// game is silent, as without an output device.
class SesModülü {
public:
    static SesModülü &Bu()
    {
        static SesModülü modül;
        return modül;
    }
    bool AygıtVar() const { return aygıtVar && aygıtVar(); }
    void Çal(const QString &ad) const
    {
        if (çal)
            çal(ad.toLatin1().constData());
    }

private:
    SesModülü()
    {
        QLibrary kitaplık(QCoreApplication::applicationDirPath() + QStringLiteral("/tilora-ses"));
        aygıtVar = reinterpret_cast<bool (*)()>(kitaplık.resolve("tilora_ses_aygiti_var"));
        çal = reinterpret_cast<void (*)(const char *)>(kitaplık.resolve("tilora_ses_cal"));
    }
    bool (*aygıtVar)() = nullptr;
    void (*çal)(const char *) = nullptr;
};

Ortam GerçekOrtam()
{
    Ortam o;
    o.mesajKutusu = MesajKutusunuGöster;
    o.sesAygıtıVar = [] { return SesModülü::Bu().AygıtVar(); };
    o.sesÇal = [](const QString &ad) { SesModülü::Bu().Çal(ad); };
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
