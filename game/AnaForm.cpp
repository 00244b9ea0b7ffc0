#include "AnaForm.h"

#include "AyarDeposu.h"
#include "CozumAramasi.h"
#include "Dizgeler.h"
#include "FotografOnbellegi.h"
#include "FotografSecFormu.h"
#include "HakkindaFormu.h"
#include "HataBildir.h"
#include "Kimlik.h"
#include "MesajKutusu.h"
#include "OrtakDegiskenler.h"
#include "OrtakYordamlar.h"
#include "PaletRengi.h"
#include "ResimKutusu.h"
#include "SistemKapanisi.h"
#include "TahtaGorunumu.h"
#include "TasarimYerlesimi.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace {

const QColor ÇerçeveBaşlığıRengi(128, 0, 0);
const QColor DeğerRengi(192, 64, 0);
const QColor ParçaArkaRengi(255, 255, 192);

// A control at its design place, named as the handlers name it.
template <typename Denetim>
Denetim *Yerleşik(QWidget *üst, const QString &ad, const QString &başlık, int sol, int üstKenar, int genişlik,
                  int yükseklik)
{
    auto *denetim = new Denetim(başlık, üst);
    denetim->setObjectName(ad);
    Yerleştir(denetim, sol, üstKenar, genişlik, yükseklik);
    return denetim;
}

QString Öğe(const char *dizi, qsizetype sıra)
{
    return QStringLiteral("%1(%2)").arg(QString::fromUtf8(dizi)).arg(sıra);
}

void YazıRengi(QWidget *denetim, const QColor &renk)
{
    QPalette renkler = denetim->palette();
    renkler.setColor(QPalette::WindowText, renk);
    denetim->setPalette(renkler);
}

// A frame's caption is dark red, or its readable variant on a dark palette; what the frame holds
// keeps the window's own text colour.
void ÇerçeveyiBoya(QGroupBox *çerçeve, const QPalette &pencereninRenkleri)
{
    YazıRengi(çerçeve, PaleteUygunRenk(ÇerçeveBaşlığıRengi, pencereninRenkleri));
    for (QWidget *içerik : çerçeve->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        YazıRengi(içerik, pencereninRenkleri.color(QPalette::WindowText));
}

}  // namespace

AnaForm::AnaForm()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
{
    DenetimleriKur();
    BoyutuKur();
}

AnaForm::~AnaForm() = default;

void AnaForm::DenetimleriKur()
{
    Çerçeve.append(Yerleşik<QGroupBox>(this, Öğe("Çerçeve", 0), QStringLiteral("100"), 270, 270, 5745, 4485));
    TahtayıKur();
    YardımıKur();
    TahtaSeçenekleriniKur();
    DağınıkParçalar.append(new ResimKutusu(ResimKutusu::Kenar::Çökük, tahtaGörünümü));
    DağınıkParçalar[0]->setObjectName(Öğe("DağınıkParçalar", 0));
    Yerleştir(DağınıkParçalar[0], 300, 300, 705, 555);
    DağınıkParçalar[0]->setCursor(Qt::PointingHandCursor);

    Çerçeve.append(Yerleşik<QGroupBox>(this, Öğe("Çerçeve", 1), QStringLiteral("200"), 270, 4920, 5745, 915));
    Altlık.append(new QWidget(Çerçeve[1]));
    Yerleştir(Altlık[0], 120, 270, 5505, 495);
    auto *bölmeGrubu = new QButtonGroup(this);
    for (const auto &[kimlik, sol] : {std::pair{"210", 150}, {"220", 1905}, {"230", 3660}}) {
        auto *seçenek = Yerleşik<QRadioButton>(Altlık[0], Öğe("ParçalaraBölSeçeneği", ParçalaraBölSeçeneği.size()),
                                               QString::fromLatin1(kimlik), sol, 120, 1635, 285);
        seçenek->setCursor(Qt::PointingHandCursor);
        // Tab stops at the checked division only; the arrows move between the three.
        seçenek->setFocusPolicy(Qt::ClickFocus);
        connect(seçenek, &QRadioButton::toggled, seçenek,
                [seçenek](bool seçili) { seçenek->setFocusPolicy(seçili ? Qt::StrongFocus : Qt::ClickFocus); });
        bölmeGrubu->addButton(seçenek);
        ParçalaraBölSeçeneği.append(seçenek);
    }

    Çerçeve.append(Yerleşik<QGroupBox>(this, Öğe("Çerçeve", 2), QStringLiteral("300"), 6330, 270, 2895, 2325));
    ÖrnekKutusu = new ResimKutusu(ResimKutusu::Kenar::Çökük, Çerçeve[2]);
    ÖrnekKutusu->setObjectName(QStringLiteral("ÖrnekKutusu"));
    Yerleştir(ÖrnekKutusu, 180, 300, 2535, 1875);

    FotoğrafınÖrneğiniGöster = Yerleşik<QCheckBox>(this, QStringLiteral("FotoğrafınÖrneğiniGöster"), QStringLiteral("400"), 6480, 2730, 2745, 225);
    FotoğrafınÖrneğiniGöster->setChecked(true);
    OyunuKaydetOnayı = Yerleşik<QCheckBox>(this, QStringLiteral("OyunuKaydetOnayı"), QStringLiteral("410"), 6480, 3030, 2745, 225);
    SesleriKapatOnayı = Yerleşik<QCheckBox>(this, QStringLiteral("SesleriKapatOnayı"), QStringLiteral("420"), 6480, 3330, 2745, 225);
    for (QCheckBox *onay : {FotoğrafınÖrneğiniGöster, OyunuKaydetOnayı, SesleriKapatOnayı})
        onay->setCursor(Qt::PointingHandCursor);

    Çerçeve.append(Yerleşik<QGroupBox>(this, Öğe("Çerçeve", 3), QStringLiteral("500"), 6330, 3720, 2895, 1035));
    // Its tooltip shows this photo's best results; a click opens them all.
    Çerçeve[3]->setCursor(Qt::PointingHandCursor);
    Çerçeve[3]->installEventFilter(this);
    Altlık.append(new QWidget(Çerçeve[3]));
    Yerleştir(Altlık[1], 120, 210, 2655, 705);
    for (const auto &[kimlik, sol, üst] : {std::tuple{"510", 1050, 90}, {"", 1380, 90}, {"520", 1050, 390}, {"", 1380, 390}}) {
        auto *etiket = Yerleşik<QLabel>(Altlık[1], Öğe("Etiket", Etiket.size()), QString::fromLatin1(kimlik), sol, üst,
                                        kimlik[0] ? 270 : 75, 195);
        Etiket.append(etiket);
    }
    for (QLabel *başlık : {Etiket[0], Etiket[2]})
        başlık->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Bold only: the size follows the window's scale.
    QFont kalın;
    kalın.setBold(true);
    for (QLabel *değer : {Etiket[1], Etiket[3]})
        değer->setFont(kalın);

    YeniOyunDüğmesi = Yerleşik<QPushButton>(this, QStringLiteral("YeniOyunDüğmesi"), QStringLiteral("600"), 6330, 4980, 1365, 345);
    YeniFotoğrafDüğmesi = Yerleşik<QPushButton>(this, QStringLiteral("YeniFotoğrafDüğmesi"), QStringLiteral("700"), 7770, 4980, 1425, 345);
    HakkındaDüğmesi = Yerleşik<QPushButton>(this, QStringLiteral("HakkındaDüğmesi"), QStringLiteral("800"), 6330, 5400, 1365, 345);
    ÇıkışDüğmesi = Yerleşik<QPushButton>(this, QStringLiteral("ÇıkışDüğmesi"), QStringLiteral("900"), 7770, 5400, 1425, 345);

    RenkleriBoya();

    QWidget *önceki = nullptr;
    for (QWidget *sıradaki : std::initializer_list<QWidget *>{
             tahtaGörünümü, ParçalaraBölSeçeneği[0], ParçalaraBölSeçeneği[1], ParçalaraBölSeçeneği[2], FotoğrafınÖrneğiniGöster,
             OyunuKaydetOnayı, SesleriKapatOnayı, YeniOyunDüğmesi, YeniFotoğrafDüğmesi, HakkındaDüğmesi, ÇıkışDüğmesi}) {
        if (önceki)
            setTabOrder(önceki, sıradaki);
        önceki = sıradaki;
    }

    for (int sıra = 0; sıra < ParçalaraBölSeçeneği.size(); ++sıra)
        connect(ParçalaraBölSeçeneği[sıra], &QRadioButton::clicked, this, [this, sıra] { ParçalaraBölSeçeneği_Click(sıra); });
    connect(DağınıkParçalar[0], &ResimKutusu::clicked, this, [this] { DağınıkParçalar_Click(0); });
    connect(&SüreHesapla, &QTimer::timeout, this, &AnaForm::SüreHesapla_Timer);
    connect(FotoğrafınÖrneğiniGöster, &QCheckBox::stateChanged, this, &AnaForm::FotoğrafınÖrneğiniGöster_Click);
    connect(OyunuKaydetOnayı, &QCheckBox::stateChanged, this, &AnaForm::OyunuKaydetOnayı_Click);
    connect(YeniOyunDüğmesi, &QPushButton::clicked, this, &AnaForm::YeniOyunDüğmesi_Click);
    connect(YeniFotoğrafDüğmesi, &QPushButton::clicked, this, &AnaForm::YeniFotoğrafDüğmesi_Click);
    connect(HakkındaDüğmesi, &QPushButton::clicked, this, &AnaForm::HakkındaDüğmesi_Click);
    connect(ÇıkışDüğmesi, &QPushButton::clicked, this, &AnaForm::ÇıkışDüğmesi_Click);
    // The Exit button is the window's cancel button: Esc presses it, unless it stops a search or
    // leaves full screen.
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &AnaForm::EscTuşu);
}

// The fixed colours of the design on the window's palette: as designed on a light one, their
// readable variants on a dark one.
void AnaForm::RenkleriBoya()
{
    for (QGroupBox *çerçeve : std::as_const(Çerçeve))
        ÇerçeveyiBoya(çerçeve, palette());
    for (QLabel *değer : {Etiket[1], Etiket[3]})
        YazıRengi(değer, PaleteUygunRenk(DeğerRengi, palette()));
    for (ResimKutusu *parça : std::as_const(DağınıkParçalar))
        parça->ArkaRengiAta(BoşlukRengi());
}

QColor AnaForm::BoşlukRengi() const
{
    return PaleteUygunRenk(ParçaArkaRengi, palette());
}

void AnaForm::Form_Load()
{
    Adım(HataTarzı::Bildir, [this] {
        BaşlıklarıYükle(this);
        BilgiEtiketleriniYerleştir();
    });
    Adım(HataTarzı::Bildir, [this] {
        for (QWidget *altlık : std::as_const(Altlık)) {
            altlık->setBackgroundRole(QPalette::Window);
            altlık->setAutoFillBackground(true);
        }
    });
    Adım(HataTarzı::Bildir, [this] { DağınıkParçalar[0]->ArkaRengiAta(BoşlukRengi()); });
    Adım(HataTarzı::Bildir, [this] { setWindowTitle(PencereBaşlığı()); });
    Adım(HataTarzı::Bildir, [this] { TahtaMetinleriniYükle(); });
    Adım(HataTarzı::Sessiz, [this] { NumaralarıGeriYükle(); });
    AyarlarıGeriYükle();
    // A saved game laid back names its tiles anew and can be helped with.
    ParçaAdlarınıYaz();
    KomutlarıGüncelle();
    Adım(HataTarzı::Sessiz, [this] { EnİyiSonuçDosyasınıDenetle(); });
    show();
}

// The captions end at their designed right edge and the values start at their designed left
// edge; a font wider than the design's pushes both to the right rather than cutting the text.
void AnaForm::BilgiEtiketleriniYerleştir()
{
    const TasarımÖlçeği ölçek = PencereÖlçeği(this);
    const int kenar = ölçek.Piksel(60);
    for (const int satır : {0, 2}) {
        QLabel *başlık = Etiket[satır];
        QLabel *değer = Etiket[satır + 1];
        EtiketiSığdır(başlık);
        if (başlık->x() < kenar)
            başlık->move(kenar, başlık->y());
        EtiketiSığdır(değer);
        değer->move(std::max(ölçek.Piksel(1380), başlık->geometry().right() + 1 + kenar), değer->y());
    }
}

void AnaForm::DeğerEtiketiniYaz(QLabel *etiket, const QString &metin)
{
    etiket->setText(metin);
    EtiketiSığdır(etiket);
}

void AnaForm::YeniFotoğrafDüğmesi_Click()
{
    FotoğrafSeçFormu diyalog(this, [this](const Fotoğraf &fotoğraf) {
        FotoğrafıAl(fotoğraf);
        ParçalaraBölSeçeneği_Click(SonBölme);
        FotoğrafıÖnbelleğeYaz(FotoğrafYolu, fotoğraf);
    });
    ModalAç(diyalog);
}

void AnaForm::HakkındaDüğmesi_Click()
{
    HakkındaFormu diyalog(this);
    ModalAç(diyalog);
}

void AnaForm::ÇıkışDüğmesi_Click()
{
    Kapat(KapanmaNedeni::Program);
}

void AnaForm::Kapat(KapanmaNedeni neden)
{
    if (neden == KapanmaNedeni::OturumSonu || neden == KapanmaNedeni::GörevYöneticisi) {
        SistemKapanışı::İste([this, neden] { NedeniyleKapat(neden); });
        return;
    }
    // Esc can reach the window while a box is shown but not yet active: the box answers it.
    if (!AçıkKutu::Var())
        NedeniyleKapat(neden);
}

void AnaForm::NedeniyleKapat(KapanmaNedeni neden)
{
    if (kapandı)
        return;
    // The reason belongs to this close alone: a close the window refuses must not leave it behind.
    const KapanmaNedeni önceki = std::exchange(kapanmaNedeni, neden);
    close();
    kapanmaNedeni = önceki;
}

void AnaForm::Hazırken(std::function<void()> iş)
{
    if (OyunSürüyor())
        connect(&SüreHesapla, &QTimer::timeout, this, std::move(iş), Qt::SingleShotConnection);
    else
        QTimer::singleShot(0, this, std::move(iş));
}

void AnaForm::ÖneGel(const QByteArray &başlatmaBelirteci)
{
    if (!başlatmaBelirteci.isEmpty() && QGuiApplication::platformName() == QLatin1String("wayland"))
        qputenv("XDG_ACTIVATION_TOKEN", başlatmaBelirteci);
    showNormal();
    raise();
    activateWindow();
}

void AnaForm::changeEvent(QEvent *olay)
{
    QWidget::changeEvent(olay);
    if (olay->type() == QEvent::WindowStateChange) {
        oturum.Duraklat(isMinimized());
        tamEkranKomutu->setChecked(isFullScreen());
    }
    // The desktop switched its colours: the fixed ones follow at once.
    if (olay->type() == QEvent::PaletteChange)
        RenkleriBoya();
}

void AnaForm::closeEvent(QCloseEvent *olay)
{
    // The close box while a box of the program is open (or a slide is seen to its end) waits.
    if (kapanmaNedeni == KapanmaNedeni::KapatmaKutusu && AçıkKutu::Var()) {
        olay->ignore();
        return;
    }
    kapandı = !Form_QueryUnload(kapanmaNedeni);
    olay->setAccepted(kapandı);
}

bool AnaForm::Form_QueryUnload(KapanmaNedeni neden)
{
    if (neden == KapanmaNedeni::KapatmaKutusu) {
        if (!isMinimized())
            MesajKutusunuOrtala();
        if (MesajGöster(Dizge(1500), MesajDüğmeleri::EvetHayır, MesajSimgesi::Soru) == MesajYanıtı::Hayır)
            return true;
    }
    AyarlarıKaydet(neden);
    return false;
}
