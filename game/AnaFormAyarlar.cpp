// The main window's settings: what its load restores and its close saves, and the saved game.
#include "AnaForm.h"

#include "AyarDeposu.h"
#include "CalismaHatasi.h"
#include "Donusumler.h"
#include "HataBildir.h"
#include "KayitliOyun.h"
#include "Kimlik.h"
#include "OrtakDegiskenler.h"
#include "OrtakYordamlar.h"
#include "ResimKutusu.h"
#include "Yuvarlama.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

#include <cmath>

namespace {

const QString AyarlarBölümü = QStringLiteral("Ayarlar");
const QString OyunBölümü = QStringLiteral("Oyun");
const QString BilgilerBölümü = QStringLiteral("Oyun\\Bilgiler");

QString Oku(const QString &bölüm, const char *anahtar, const QString &varsayılan)
{
    return Ayarlar().Oku(bölüm, QLatin1String(anahtar), varsayılan);
}

void Yaz(const QString &bölüm, const QString &anahtar, const QString &değer)
{
    Adım(HataTarzı::Sessiz, [&] { Ayarlar().Yaz(bölüm, anahtar, değer); });
}

// A check box's stored value: 0 clear, 1 ticked, 2 grey.
Qt::CheckState OnayDurumu(const QString &metin)
{
    switch (Tamsayıya(metin)) {
    case 0: return Qt::Unchecked;
    case 1: return Qt::Checked;
    case 2: return Qt::PartiallyChecked;
    default: throw ÇalışmaHatası(HataNo::GeçersizÖzellikDeğeri);
    }
}

QString OnayDeğeri(const QCheckBox *onay)
{
    switch (onay->checkState()) {
    case Qt::Unchecked: return QStringLiteral("0");
    case Qt::Checked: return QStringLiteral("1");
    case Qt::PartiallyChecked: return QStringLiteral("2");
    }
    return QStringLiteral("0");
}

// A stored window edge in twips, within what a window system can place.
int KenarPikseli(const QString &metin)
{
    const float twip = TekDuyarlığa(metin);
    if (std::abs(twip) > 32767.0f * TwipBaşınaPiksel)
        throw ÇalışmaHatası(HataNo::Taşma);
    return Piksel(twip);
}

// Where a window stored at `pencere` goes: there, when enough of it lies on a screen to be seen
// and dragged; else onto the nearest screen, as close to its stored place as fits.
QPoint GörünürYer(const QRect &pencere)
{
    constexpr int TutulacakKenar = 48;
    const QList<QScreen *> ekranlar = QGuiApplication::screens();
    const QSize görünmesiGereken(std::min(TutulacakKenar, pencere.width()), std::min(TutulacakKenar, pencere.height()));
    const auto görünürMü = [&](const QScreen *ekran) {
        const QSize ortak = ekran->availableGeometry().intersected(pencere).size();
        return ortak.width() >= görünmesiGereken.width() && ortak.height() >= görünmesiGereken.height();
    };
    if (ekranlar.isEmpty() || std::any_of(ekranlar.cbegin(), ekranlar.cend(), görünürMü))
        return pencere.topLeft();
    const auto uzaklık = [&](const QScreen *ekran) {
        return (ekran->availableGeometry().center() - pencere.center()).manhattanLength();
    };
    const QRect alan = (*std::min_element(ekranlar.cbegin(), ekranlar.cend(), [&](const QScreen *a, const QScreen *b) {
                           return uzaklık(a) < uzaklık(b);
                       }))->availableGeometry();
    return QPoint(std::clamp(pencere.x(), alan.left(), std::max(alan.left(), alan.right() + 1 - pencere.width())),
                  std::clamp(pencere.y(), alan.top(), std::max(alan.top(), alan.bottom() + 1 - pencere.height())));
}

}  // namespace

// Load steps 7 to 12: check boxes, photo, saved game, division, saved positions, window place.
void AnaForm::AyarlarıGeriYükle()
{
    const std::pair<QCheckBox *, const char *> onaylar[] = {{FotoğrafınÖrneğiniGöster, "Ornek Goster"},
                                                           {SesleriKapatOnayı, "Sesleri Kapat"},
                                                           {OyunuKaydetOnayı, "Oyunu Kaydet"}};
    for (const auto &[onay, anahtar] : onaylar) {
        const QString varsayılan = onay == FotoğrafınÖrneğiniGöster ? QStringLiteral("1") : QStringLiteral("0");
        Adım(HataTarzı::Bildir, [&] { onay->setCheckState(OnayDurumu(Oku(AyarlarBölümü, anahtar, varsayılan))); });
    }

    Adım(HataTarzı::Bildir, [] {
        const QString varsayılan = VarsayılanFotoğrafYolu(ProgramKlasörü, QString::fromUtf8(Kimlik::ÜrünAdı));
        FotoğrafYolu = Oku(AyarlarBölümü, "Son Fotograf", varsayılan);
    });
    Adım(HataTarzı::Bildir, [this] {
        if (DosyaVarMı(FotoğrafYolu))
            FotoğrafıAl(FotoğrafıYükle(FotoğrafYolu));
    });

    Adım(HataTarzı::Bildir, [this] {
        KayıtlıOyun = Ayarlar().BölümüOku(OyunBölümü);
        OyunYükleniyor = !KayıtlıOyun.isEmpty();
    });

    Adım(HataTarzı::Bildir, [] {
        const qint16 bölme = Tamsayıya(Oku(AyarlarBölümü, "Son Bolme", QStringLiteral("0")));
        if (bölme < 0 || bölme > 2)
            throw ÇalışmaHatası(HataNo::GeçersizÖzellikDeğeri,
                                QStringLiteral("The stored division %1 is none of 3 x 3, 4 x 4 and 5 x 5.").arg(bölme));
        SonBölme = bölme;
    });
    ParçalaraBölSeçeneği[SonBölme]->setChecked(true);
    ParçalaraBölSeçeneği_Click(SonBölme);

    if (OyunYükleniyor)
        KayıtlıOyunuGeriYükle();
    OyunYükleniyor = false;

    PencereyiYerleştir();
}

// A saved game that makes no sense is not laid on the board: the player hears why, the start
// goes on as one without a saved game, and the stored game stays as it was until the next save.
void AnaForm::KayıtlıOyunuGeriYükle()
{
    KayıtlıDurum oyun;
    try {
        const KayıtBilgileri bilgiler{Oku(BilgilerBölümü, "Saniye Bilgisi", QStringLiteral("0")),
                                      Oku(BilgilerBölümü, "Dakika Bilgisi", QStringLiteral("0")),
                                      Oku(BilgilerBölümü, "Saat Bilgisi", QStringLiteral("0")),
                                      Oku(BilgilerBölümü, "Hamle Bilgisi", QStringLiteral("0"))};
        oyun = KayıtlıOyunuOku(KayıtlıOyun, bilgiler, tahta.BölmeSayısı());
    } catch (const ÇalışmaHatası &hata) {
        KayıtlıOyun.clear();
        HataBildir(hata);
        FotoğrafıBütünGöster();
        return;
    }
    tahta.Yerleştir(oyun.etiketler, oyun.boşKonum);
    for (int konum = 0; konum < DağınıkParçalar.size(); ++konum)
        if (konum != oyun.boşKonum)
            DağınıkParçalar[konum]->ResmiAta(SıralıParçalar.value(oyun.etiketler[konum]));
    SüreHesapla.start(1000);
    oyunSaati = oyun.oyunSaati;
    HamleSayısı = oyun.hamleSayısı;
    DeğerEtiketiniYaz(Etiket[1], SaatMetni(oyunSaati));
    DeğerEtiketiniYaz(Etiket[3], QString::number(HamleSayısı));
}

void AnaForm::PencereyiYerleştir()
{
    const QRect ekran = screen()->geometry();
    QPoint yer(ekran.x() + (ekran.width() - frameGeometry().width()) / 2,
               ekran.y() + (ekran.height() - frameGeometry().height()) / 2);
    Adım(HataTarzı::Bildir, [&] {
        const QString sol = Oku(AyarlarBölümü, "Sol Bosluk", QString());
        const QString üst = Oku(AyarlarBölümü, "Ust Bosluk", QString());
        yer = QPoint(sol.isEmpty() ? yer.x() : KenarPikseli(sol), üst.isEmpty() ? yer.y() : KenarPikseli(üst));
    });
    move(GörünürYer(QRect(yer, frameGeometry().size())));
}

void AnaForm::OyunuKaydetOnayı_Click()
{
    if (OyunuKaydetOnayı->checkState() == Qt::Checked || KayıtlıOyun.isEmpty())
        return;
    KayıtlıOyunuSil();
}

// One write for the whole save: a kill at any moment leaves the last save's file or this one.
void AnaForm::AyarlarıKaydet()
{
    Adım(HataTarzı::Sessiz, [this] { Ayarlar().TekYazımda([this] { AyarlarıYaz(); }); });
}

void AnaForm::AyarlarıYaz()
{
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) {
        Yaz(AyarlarBölümü, QStringLiteral("Sol Bosluk"), QString::number(frameGeometry().x() * TwipBaşınaPiksel));
        Yaz(AyarlarBölümü, QStringLiteral("Ust Bosluk"), QString::number(frameGeometry().y() * TwipBaşınaPiksel));
    }
    Yaz(AyarlarBölümü, QStringLiteral("Son Bolme"), QString::number(SonBölme));
    Yaz(AyarlarBölümü, QStringLiteral("Son Fotograf"), FotoğrafYolu);
    Yaz(AyarlarBölümü, QStringLiteral("Ornek Goster"), OnayDeğeri(FotoğrafınÖrneğiniGöster));
    Yaz(AyarlarBölümü, QStringLiteral("Oyunu Kaydet"), OnayDeğeri(OyunuKaydetOnayı));
    Yaz(AyarlarBölümü, QStringLiteral("Sesleri Kapat"), OnayDeğeri(SesleriKapatOnayı));
    if (OyunSürüyor() && OyunuKaydetOnayı->checkState() == Qt::Checked)
        OyunuKaydet();
}

// The old saved game goes first, so a whole-section read gives the new entries in position order.
void AnaForm::OyunuKaydet()
{
    Adım(HataTarzı::Sessiz, [this] { KayıtlıOyun = Ayarlar().BölümüOku(OyunBölümü); });
    if (!KayıtlıOyun.isEmpty())
        KayıtlıOyunuSil();
    for (const auto &[anahtar, değer] : KayıtGirdileri(tahta))
        Yaz(OyunBölümü, anahtar, değer);
    Yaz(BilgilerBölümü, QStringLiteral("Saniye Bilgisi"), QString::number(oyunSaati.saniye));
    Yaz(BilgilerBölümü, QStringLiteral("Dakika Bilgisi"), QString::number(oyunSaati.dakika));
    Yaz(BilgilerBölümü, QStringLiteral("Saat Bilgisi"), QString::number(oyunSaati.saat));
    Yaz(BilgilerBölümü, QStringLiteral("Hamle Bilgisi"), QString::number(HamleSayısı));
}
