#include "Baslangic.h"

#include "AnaForm.h"
#include "AyarDeposu.h"
#include "Dizgeler.h"
#include "HataBildir.h"
#include "Kimlik.h"
#include "MesajKutusu.h"
#include "OrtakDegiskenler.h"
#include "Sinyaller.h"
#include "SistemKapanisi.h"
#include "SistemSurumuDenetimi.h"
#include "TekKopya.h"
#include "Uygulama.h"
#include "Yollar.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTimer>

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

// Checks that drive the real program wait for it, never for a fixed time: when TILORA_READY_FILE
// names a file, the program makes it once the window is shown and its event loop runs, and when
// a game was laid back, once the game's clock has ticked.
void HazırOlduğunuBildir(AnaForm &anaForm)
{
    const QString yol = qEnvironmentVariable("TILORA_READY_FILE");
    if (yol.isEmpty())
        return;
    const auto bildir = [yol] { QFile(yol).open(QIODevice::WriteOnly); };
    if (anaForm.OyunSürüyor())
        QObject::connect(&anaForm.SüreHesapla, &QTimer::timeout, &anaForm, bildir, Qt::SingleShotConnection);
    else
        QTimer::singleShot(0, &anaForm, bildir);
}

}  // namespace

int Main(int argc, char *argv[])
{
    SonlandırmaSinyalleriniYakala();
    // Told to end before the main window exists, the program closes any box and makes no other;
    // the window, once loaded, closes at once and saves as every close does.
    QPointer<AnaForm> pencere;
    const std::unique_ptr<QApplication> uygulama = UygulamayıBaşlat(argc, argv);
    if (!uygulama)
        return 1;
    SonlandırmaSinyalleriniBağla([&pencere] {
        if (pencere)
            pencere->Kapat(KapanmaNedeni::GörevYöneticisi);
        else
            SistemKapanışı::İste(nullptr);
    });

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
    pencere = &anaForm;
    QObject::connect(&tekKopya, &TekKopya::frontRequested, &anaForm, &AnaForm::ÖneGel);
    QObject::connect(uygulama.get(), &QGuiApplication::commitDataRequest, &anaForm,
                     [&anaForm] { anaForm.Kapat(KapanmaNedeni::OturumSonu); });
    anaForm.Form_Load();
    if (SistemKapanışı::İstendi())
        QMetaObject::invokeMethod(&anaForm, [&anaForm] { anaForm.Kapat(KapanmaNedeni::GörevYöneticisi); }, Qt::QueuedConnection);
    HazırOlduğunuBildir(anaForm);
    return uygulama->exec();
}
