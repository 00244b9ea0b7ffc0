#include "Baslangic.h"

#include "AnaForm.h"
#include "AyarDeposu.h"
#include "Dizgeler.h"
#include "HataBildir.h"
#include "Kimlik.h"
#include "MesajKutusu.h"
#include "OrtakDegiskenler.h"
#include "Sinyaller.h"
#include "SistemSurumuDenetimi.h"
#include "TekKopya.h"
#include "Uygulama.h"
#include "Yollar.h"

#include <QApplication>

#include <memory>

namespace {

// A settings file that could not be read was set aside: the player hears of it once.
void AyarDosyasınıDenetle()
{
    const QString kopya = Ayarlar().BozukDosyaKopyası();
    if (kopya.isEmpty())
        return;
    MesajKutusunuOrtala();
    MesajGöster(Dizge(3000).arg(kopya), MesajDüğmeleri::Tamam, MesajSimgesi::Bilgi);
}

}  // namespace

int Main(int argc, char *argv[])
{
    const std::unique_ptr<QApplication> uygulama = UygulamayıBaşlat(argc, argv);
    if (!uygulama)
        return 1;

    QString başlık;
    Adım(HataTarzı::Bildir, [&] { başlık = PencereBaşlığı(); });

    TekKopya tekKopya(başlık);
    if (!tekKopya.İlkKopyaMı()) {
        tekKopya.ÇalışanKopyayıÖneGetir();
        return 0;
    }

    Adım(HataTarzı::Bildir, SistemSürümünüDenetle);
    Adım(HataTarzı::Bildir, [] { ProgramKlasörü = AyırıcıylaBiten(QCoreApplication::applicationDirPath()); });
    Adım(HataTarzı::Bildir, [] { AyarUygulaması = AyarUygulamasıAdı(QString::fromUtf8(Kimlik::ÜrünAdı)); });
    Adım(HataTarzı::Bildir, AyarDosyasınıDenetle);

    AnaForm anaForm;
    QObject::connect(&tekKopya, &TekKopya::frontRequested, &anaForm, &AnaForm::ÖneGel);
    SonlandırmaSinyalleriniBağla([&anaForm] { anaForm.Kapat(KapanmaNedeni::GörevYöneticisi); });
    QObject::connect(uygulama.get(), &QGuiApplication::commitDataRequest, &anaForm,
                     [&anaForm] { anaForm.Kapat(KapanmaNedeni::OturumSonu); });
    anaForm.Form_Load();
    return uygulama->exec();
}
