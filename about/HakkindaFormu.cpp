#include "HakkindaFormu.h"

#include "Dizgeler.h"
#include "Donusumler.h"
#include "HataBildir.h"
#include "Kimlik.h"
#include "MesajKutusu.h"
#include "RenkDegeri.h"
#include "ResimKutusu.h"
#include "TasarimYerlesimi.h"
#include "Uygulama.h"

#include <QMouseEvent>
#include <QShortcut>
#include <QShowEvent>

namespace {

// What a caption shows until the load sets it.
constexpr auto YerTutucu = "#";
const QColor AltlığınKendiRengi(192, 192, 255);

// A label that sizes itself to its text; its caption waits for the load.
QLabel *MetneUyanEtiket(QWidget *üst, int sol, int üstKenar)
{
    auto *etiket = new QLabel(QString::fromLatin1(YerTutucu), üst);
    const TasarımÖlçeği ölçek = PencereÖlçeği(üst);
    etiket->move(ölçek.Piksel(sol), ölçek.Piksel(üstKenar));
    etiket->adjustSize();
    return etiket;
}

void MetniYaz(QLabel *etiket, const QString &metin)
{
    etiket->setText(metin);
    if (!etiket->wordWrap())
        etiket->adjustSize();
}

}  // namespace

HakkındaFormu::HakkındaFormu(QWidget *sahip)
    : QDialog(sahip, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint)
{
    DenetimleriKur();
    Form_Load();
}

void HakkındaFormu::DenetimleriKur()
{
    setWindowTitle(QString::fromLatin1(YerTutucu));
    QFont yazı(QStringLiteral("Sans Serif"));
    yazı.setStyleHint(QFont::SansSerif);
    setFont(yazı);
    // At its owner's scale.
    const TasarımÖlçeği ölçek{PencereÖlçeği(parentWidget()).çarpan, {}};
    ÖlçeğiAta(this, ölçek);
    setFixedSize(ölçek.Piksel(5430), ölçek.Piksel(3870));

    // A plain etched frame: a style's shaded group box would show a band of another grey
    // around the panel.
    Çerçeve = new QFrame(this);
    Çerçeve->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Yerleştir(Çerçeve, 300, 240, 4815, 2805);
    Altlık = new ResimKutusu(ResimKutusu::Kenar::Yok, Çerçeve);
    Yerleştir(Altlık, 120, 180, 4575, 2505);
    Altlık->ArkaRengiAta(AltlığınKendiRengi);

    SimgeKutusu = new QLabel(Altlık);
    Yerleştir(SimgeKutusu, 360, 360, 480, 480);
    // Drawn from the icon's own sizes at the box's device pixels, never enlarged.
    SimgeKutusu->setPixmap(ProgramSimgesi().pixmap(SimgeKutusu->size(), devicePixelRatio()));

    Etiket.append(MetneUyanEtiket(Altlık, 1200, 180));
    Etiket.append(MetneUyanEtiket(Altlık, 1200, 450));
    auto *yasalUyarı = new QLabel(QString::fromLatin1(YerTutucu), Altlık);
    Yerleştir(yasalUyarı, 1200, 750, 2925, 405);
    yasalUyarı->setWordWrap(true);
    yasalUyarı->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Etiket.append(yasalUyarı);
    Etiket.append(MetneUyanEtiket(Altlık, 1200, 1200));
    MetniYaz(Etiket[3], QString::fromUtf8(Kimlik::Yapımcı));
    SabitRenkleriBoya();

    OrvaneEtiketi = Bağlantı("OrvaneEtiketi", 1170, 1410);
    MesajGönderEtiketi = Bağlantı("MesajGonderEtiketi", 1170, 1800);
    EPostaGönderEtiketi = Bağlantı("EPostaGonderEtiketi", 1170, 2100);

    TamamDüğmesi = new QPushButton(QStringLiteral("2000"), this);
    Yerleştir(TamamDüğmesi, 3870, 3240, 1245, 345);
    TamamDüğmesi->setFocus();

    // Pointer movement over a control is that control's own: only the free surface of the panel
    // and of the dialog takes the links back to plain.
    for (QWidget *denetim : findChildren<QWidget *>())
        denetim->setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
    Altlık->setMouseTracking(true);
    Altlık->installEventFilter(this);

    connect(TamamDüğmesi, &QPushButton::clicked, this, &HakkındaFormu::TamamDüğmesi_Click);
    // OK is the dialog's cancel button: Esc presses it.
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, TamamDüğmesi, &QPushButton::click);
}

// The title and the maker's name in their designed colours, readable on a dark palette.
void HakkındaFormu::SabitRenkleriBoya()
{
    YazıRenginiAta(Etiket[0], 0x00C00000);
    YazıRenginiAta(Etiket[3], 0x00800000);
}

WebEtiketi *HakkındaFormu::Bağlantı(const char *torbaAdı, int sol, int üst)
{
    auto *bağlantı = new WebEtiketi(Altlık);
    const TasarımÖlçeği ölçek = PencereÖlçeği(this);
    bağlantı->move(ölçek.Piksel(sol), ölçek.Piksel(üst));
    Adım(HataTarzı::Sessiz, [&] {
        bağlantı->ÖzellikleriOku(ÖzellikTorbası::Yükle(QStringLiteral(":/hakkinda/about/%1.json").arg(QLatin1String(torbaAdı))));
    });
    connect(bağlantı, &WebEtiketi::MouseMove, this, [this, bağlantı] { Bağlantı_MouseMove(bağlantı); });
    return bağlantı;
}

void HakkındaFormu::Form_Load()
{
    const HataTarzı tarz = HataTarzı::Sessiz;
    Adım(tarz, [this] { Altlık->ArkaRengiAta(palette().color(QPalette::Window)); });
    Adım(tarz, [this] { setWindowTitle(Dizge(2400)); });
    Adım(tarz, [this] { MetniYaz(Etiket[0], QString::fromUtf8(Kimlik::UygulamaBaşlığı)); });
    Adım(tarz, [this] { MetniYaz(Etiket[1], Dizge(2450) + SürümMetni()); });
    Adım(tarz, [this] { MetniYaz(Etiket[2], QString::fromUtf8(Kimlik::YasalUyarı)); });
    for (WebEtiketi *bağlantı : {MesajGönderEtiketi, EPostaGönderEtiketi})
        Adım(tarz, [bağlantı] { bağlantı->CaptionAta(Dizge(Tamsayıya(bağlantı->Caption()))); });
    Adım(tarz, [this] { TamamDüğmesi->setText(Dizge(Tamsayıya(TamamDüğmesi->text()))); });
}

void HakkındaFormu::Bağlantı_MouseMove(WebEtiketi *bağlantı)
{
    if (bağlantı->RenkDeğiştir())
        bağlantı->ForeColorAta(bağlantı->PasifRenk());
    else
        bağlantı->FontUnderlineAta(true);
}

void HakkındaFormu::Form_MouseMove()
{
    for (WebEtiketi *bağlantı : {OrvaneEtiketi, MesajGönderEtiketi, EPostaGönderEtiketi}) {
        bağlantı->FontUnderlineAta(false);
        bağlantı->ForeColorAta(bağlantı->AktifRenk());
    }
}

void HakkındaFormu::TamamDüğmesi_Click()
{
    accept();
}

// Centred on the owner, frame on frame.
void HakkındaFormu::showEvent(QShowEvent *olay)
{
    QDialog::showEvent(olay);
    if (const QWidget *sahip = parentWidget(); sahip && !olay->spontaneous())
        ÇerçevesiniOrtala(this, sahip->window()->frameGeometry(), sahip->window());
}

// The desktop switched its colours: the panel keeps the dialog's, the fixed ones their readable variants.
void HakkındaFormu::changeEvent(QEvent *olay)
{
    QDialog::changeEvent(olay);
    if (olay->type() == QEvent::PaletteChange) {
        Altlık->ArkaRengiAta(palette().color(QPalette::Window));
        SabitRenkleriBoya();
    }
}

void HakkındaFormu::mouseMoveEvent(QMouseEvent *)
{
    Form_MouseMove();
}

bool HakkındaFormu::eventFilter(QObject *nesne, QEvent *olay)
{
    if (nesne == Altlık && olay->type() == QEvent::MouseMove) {
        Form_MouseMove();
        return true;
    }
    return QDialog::eventFilter(nesne, olay);
}
