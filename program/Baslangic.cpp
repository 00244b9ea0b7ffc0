#include "Baslangic.h"

#include "AnaForm.h"
#include "AyarDeposu.h"
#include "Ceviriler.h"
#include "Dizgeler.h"
#include "HataBildir.h"
#include "Kimlik.h"
#include "KomutSatiri.h"
#include "MesajKutusu.h"
#include "OrtakDegiskenler.h"
#include "OturumIstekleri.h"
#include "Sinyaller.h"
#include "SistemKapanisi.h"
#include "SistemSurumuDenetimi.h"
#include "TekKopya.h"
#include "Uygulama.h"
#include "Yollar.h"

#include <QApplication>
#include <QFile>
#include <QPointer>

#include <cstdio>
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

QStringList Argümanlar(int argc, char *argv[])
{
    QStringList argümanlar;
    for (int sıra = 0; sıra < argc; ++sıra)
        argümanlar << QString::fromLocal8Bit(argv[sıra]);
    return argümanlar;
}

// The help and the version go to the terminal in the player's language, with no display needed.
int KomutSatırınaYanıtVer(int argc, char *argv[])
{
    const QCoreApplication uygulama(argc, argv);
    ÇevirileriYükle();
    std::fputs(qPrintable(KomutSatırınıOku(QCoreApplication::arguments()).metin), stdout);
    return 0;
}

// Checks that drive the real program wait for it, never for a fixed time: when TILORA_READY_FILE
// names a file, the program makes it once the window is shown and its event loop runs, and when
// a game was laid back, once the game's clock has ticked.
void HazırOlduğunuBildir(AnaForm &anaForm)
{
    const QString yol = qEnvironmentVariable("TILORA_READY_FILE");
    if (yol.isEmpty())
        return;
    anaForm.Hazırken([yol] { QFile(yol).open(QIODevice::WriteOnly); });
}

}  // namespace

int Main(int argc, char *argv[])
{
    SonlandırmaSinyalleriniYakala();
    using enum KomutSatırı::İstek;
    if (const auto istek = KomutSatırınıOku(Argümanlar(argc, argv)).istek; istek == Yardım || istek == Sürüm)
        return KomutSatırınaYanıtVer(argc, argv);

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
    ÇevirileriYükle();
    // Read again without the options the application object has taken for itself.
    const KomutSatırı komut = KomutSatırınıOku(QCoreApplication::arguments());
    if (komut.istek == Hata) {
        std::fprintf(stderr, "tilora: %s\n", qPrintable(komut.metin));
        return 1;
    }

    QString başlık;
    Adım(HataTarzı::Bildir, [&] { başlık = PencereBaşlığı(); });

    TekKopya tekKopya(başlık);
    if (!tekKopya.İlkKopyaMı()) {
        tekKopya.ÇalışanKopyayıÖneGetir(komut.fotoğraf);
        return 0;
    }

    Adım(HataTarzı::Bildir, SistemSürümünüDenetle);
    Adım(HataTarzı::Bildir, [] { ProgramKlasörü = AyırıcıylaBiten(QCoreApplication::applicationDirPath()); });
    Adım(HataTarzı::Bildir, [] { AyarUygulaması = AyarUygulamasıAdı(QString::fromUtf8(Kimlik::ÜrünAdı)); });
    Adım(HataTarzı::Bildir, AyarDosyasınıDenetle);

    AnaForm anaForm;
    pencere = &anaForm;
    QObject::connect(&tekKopya, &TekKopya::frontRequested, &anaForm, [&anaForm](const QByteArray &belirteç, const QString &fotoğraf) {
        anaForm.ÖneGel(belirteç);
        if (!fotoğraf.isEmpty())
            KutularKapanınca([pencere = QPointer(&anaForm), fotoğraf] {
                if (pencere)
                    pencere->FotoğrafBırakıldı(fotoğraf);
            });
    });
    Oturumİstekleriniİşle(anaForm, [&anaForm] { anaForm.KapatmadanKaydet(); },
                          [&anaForm] { anaForm.Kapat(KapanmaNedeni::OturumSonu); });
    anaForm.Form_Load();
    // A photo given at the start replaces the remembered one, as the photo dialog's OK would.
    if (!komut.fotoğraf.isEmpty())
        anaForm.FotoğrafBırakıldı(komut.fotoğraf);
    if (SistemKapanışı::İstendi())
        QMetaObject::invokeMethod(&anaForm, [&anaForm] { anaForm.Kapat(KapanmaNedeni::GörevYöneticisi); }, Qt::QueuedConnection);
    HazırOlduğunuBildir(anaForm);
    return uygulama->exec();
}
