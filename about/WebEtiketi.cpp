#include "WebEtiketi.h"

#include "Ortam.h"
#include "PaletRengi.h"
#include "RenkDegeri.h"
#include "TasarimYerlesimi.h"
#include "Yuvarlama.h"

#include <QMouseEvent>

namespace {

constexpr auto VarsayılanBaşlık = "...";
constexpr quint32 VarsayılanAktifRenk = 0x00FF0000;
constexpr quint32 VarsayılanPasifRenk = 0x00404080;
// The space between the text and the control's edge.
constexpr int Kenar = 30;

// A label that keeps itself the size of its text, in whatever font it has.
class KendiniBoyutlayanEtiket : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void changeEvent(QEvent *olay) override
    {
        QLabel::changeEvent(olay);
        if (olay->type() == QEvent::FontChange)
            adjustSize();
    }
};

QFont Ölçekli(QFont yazı, double çarpan)
{
    yazı.setPointSizeF(yazı.pointSizeF() * çarpan);
    return yazı;
}

qint16 Düğmeler(Qt::MouseButtons düğmeler)
{
    return qint16((düğmeler & Qt::LeftButton ? 1 : 0) | (düğmeler & Qt::RightButton ? 2 : 0)
                  | (düğmeler & Qt::MiddleButton ? 4 : 0));
}

qint16 Tuşlar(Qt::KeyboardModifiers tuşlar)
{
    return qint16((tuşlar & Qt::ShiftModifier ? 1 : 0) | (tuşlar & Qt::ControlModifier ? 2 : 0)
                  | (tuşlar & Qt::AltModifier ? 4 : 0));
}

}  // namespace

WebEtiketi::WebEtiketi(QWidget *üst)
    : QWidget(üst),
      Etiket(new KendiniBoyutlayanEtiket(QString::fromLatin1(VarsayılanBaşlık), this)),
      etiketRengi(DüğmeYazısıRengi),
      aktifRenk(VarsayılanAktifRenk),
      pasifRenk(VarsayılanPasifRenk),
      url(QString::fromLatin1(YapımcınınSitesi))
{
    Etiket->setTextFormat(Qt::PlainText);
    Etiket->setWordWrap(false);
    Etiket->setCursor(Qt::PointingHandCursor);
    Etiket->setMouseTracking(true);
    Etiket->installEventFilter(this);
    Etiket->move(PencereÖlçeği(this).Piksel(Kenar), PencereÖlçeği(this).Piksel(Kenar));
    Etiket->adjustSize();
    YazıRenginiAta(Etiket, etiketRengi);
    // Pointer movement and clicks over the margin belong to the control: they reach neither the
    // label's handlers nor the container's.
    setAttribute(Qt::WA_NoMousePropagation);
}

QString WebEtiketi::Caption() const
{
    return Etiket->text();
}

void WebEtiketi::CaptionAta(const QString &New_Caption)
{
    BaşlığıYaz(New_Caption);
    emit propertyChanged(QStringLiteral("Caption"));
    Sığdır();
}

bool WebEtiketi::FontUnderline() const
{
    return Etiket->font().underline();
}

void WebEtiketi::FontUnderlineAta(bool New_FontUnderline)
{
    AltıÇiziliYaz(New_FontUnderline);
    emit propertyChanged(QStringLiteral("FontUnderline"));
}

quint32 WebEtiketi::ForeColor() const
{
    return etiketRengi;
}

void WebEtiketi::ForeColorAta(quint32 New_ForeColor)
{
    RengiYaz(New_ForeColor);
    emit propertyChanged(QStringLiteral("ForeColor"));
}

YazıTipi WebEtiketi::Font() const
{
    return {Ölçekli(Etiket->font(), 1 / PencereÖlçeği(this).çarpan), karakterKümesi};
}

void WebEtiketi::FontAta(const YazıTipi &New_Font)
{
    YazıTipiniYaz(New_Font);
    emit propertyChanged(QStringLiteral("Font"));
    Sığdır();
}

quint32 WebEtiketi::PasifRenk() const
{
    return pasifRenk;
}

void WebEtiketi::PasifRenkAta(quint32 YeniRenk)
{
    GörünenRenk(YeniRenk, palette());
    pasifRenk = YeniRenk;
    emit propertyChanged(QStringLiteral("PasifRenk"));
}

quint32 WebEtiketi::AktifRenk()
{
    RengiYaz(aktifRenk);
    return aktifRenk;
}

void WebEtiketi::AktifRenkAta(quint32 YeniRenk)
{
    GörünenRenk(YeniRenk, palette());
    aktifRenk = YeniRenk;
    RengiYaz(YeniRenk);
    emit propertyChanged(QStringLiteral("AktifRenk"));
}

QString WebEtiketi::Url() const
{
    return url;
}

void WebEtiketi::UrlAta(const QString &YeniDeğer)
{
    url = YeniDeğer;
    emit propertyChanged(QStringLiteral("Url"));
}

bool WebEtiketi::RenkDeğiştir() const
{
    return renkDeğiştir;
}

void WebEtiketi::RenkDeğiştirAta(bool YeniDeğer)
{
    renkDeğiştir = YeniDeğer;
    emit propertyChanged(QStringLiteral("RenkDeğiştir"));
}

void WebEtiketi::ÖzellikleriOku(const ÖzellikTorbası &torba)
{
    const QString başlık = torba.MetinOku(QStringLiteral("Caption"), QString::fromLatin1(VarsayılanBaşlık));
    const bool altıÇizili = torba.MantıksalOku(QStringLiteral("FontUnderline"), false);
    const quint32 yazıRengi = torba.RenkOku(QStringLiteral("ForeColor"), DüğmeYazısıRengi);
    const YazıTipi yazı = torba.YazıTipiOku(QStringLiteral("Font"), OrtamYazısı());
    const quint32 aktif = torba.RenkOku(QStringLiteral("AktifRenk"), VarsayılanAktifRenk);
    const quint32 pasif = torba.RenkOku(QStringLiteral("PasifRenk"), VarsayılanPasifRenk);
    const bool değiştir = torba.MantıksalOku(QStringLiteral("RenkDeğiştir"), false);
    const QString adres = torba.MetinOku(QStringLiteral("Url"), QString::fromLatin1(YapımcınınSitesi));
    for (const quint32 renk : {yazıRengi, aktif, pasif})
        GörünenRenk(renk, palette());

    BaşlığıYaz(başlık);
    // The font first: its own underline gives way to the key kept for the underline alone.
    YazıTipiniYaz(yazı);
    AltıÇiziliYaz(altıÇizili);
    aktifRenk = aktif;
    RengiYaz(yazıRengi);
    pasifRenk = pasif;
    renkDeğiştir = değiştir;
    url = adres;
}

void WebEtiketi::ÖzellikleriYaz(ÖzellikTorbası &torba) const
{
    torba.MetinYaz(QStringLiteral("Caption"), Caption(), QString::fromLatin1(VarsayılanBaşlık));
    torba.MantıksalYaz(QStringLiteral("FontUnderline"), FontUnderline(), false);
    torba.RenkYaz(QStringLiteral("ForeColor"), etiketRengi, DüğmeYazısıRengi);
    torba.YazıTipiYaz(QStringLiteral("Font"), Font(), OrtamYazısı());
    torba.RenkYaz(QStringLiteral("AktifRenk"), aktifRenk, VarsayılanAktifRenk);
    torba.RenkYaz(QStringLiteral("PasifRenk"), pasifRenk, VarsayılanPasifRenk);
    torba.MantıksalYaz(QStringLiteral("RenkDeğiştir"), renkDeğiştir, false);
    torba.MetinYaz(QStringLiteral("Url"), url, QString::fromLatin1(YapımcınınSitesi));
}

void WebEtiketi::resizeEvent(QResizeEvent *)
{
    // Resizing from here causes one more resize event, whose pass finds the size already right.
    Sığdır();
}

bool WebEtiketi::eventFilter(QObject *nesne, QEvent *olay)
{
    if (nesne != Etiket)
        return false;
    switch (olay->type()) {
    case QEvent::MouseMove: {
        const auto *fare = static_cast<QMouseEvent *>(olay);
        const double twip = TwipBaşınaPiksel / PencereÖlçeği(this).çarpan;
        emit MouseMove(Düğmeler(fare->buttons()), Tuşlar(fare->modifiers()), float(fare->position().x() * twip),
                       float(fare->position().y() * twip));
        return true;
    }
    case QEvent::MouseButtonPress:
        basılı = static_cast<QMouseEvent *>(olay)->button() == Qt::LeftButton;
        return true;
    case QEvent::MouseButtonRelease: {
        const auto *fare = static_cast<QMouseEvent *>(olay);
        const bool tık = basılı && fare->button() == Qt::LeftButton && Etiket->rect().contains(fare->position().toPoint());
        basılı = false;
        if (tık)
            AdresiAç();
        return true;
    }
    default:
        return false;
    }
}

void WebEtiketi::Sığdır()
{
    const TasarımÖlçeği ölçek = PencereÖlçeği(this);
    Etiket->move(ölçek.Piksel(Kenar), ölçek.Piksel(Kenar));
    resize(Etiket->width() + ölçek.Piksel(2 * Kenar), Etiket->height() + ölçek.Piksel(2 * Kenar));
}

void WebEtiketi::BaşlığıYaz(const QString &başlık)
{
    Etiket->setText(başlık);
    Etiket->adjustSize();
}

void WebEtiketi::YazıTipiniYaz(const YazıTipi &yazı)
{
    // The container's font is inherited rather than copied, so that the label follows it; another
    // is shown at the window's scale.
    Etiket->setFont(yazı == OrtamYazısı() ? QFont() : Ölçekli(yazı.yazı, PencereÖlçeği(this).çarpan));
    karakterKümesi = yazı.karakterKümesi;
}

void WebEtiketi::AltıÇiziliYaz(bool altıÇizili)
{
    QFont yazı = Etiket->font();
    yazı.setUnderline(altıÇizili);
    Etiket->setFont(yazı);
}

void WebEtiketi::RengiYaz(quint32 renk)
{
    RengiGöster(renk);
    etiketRengi = renk;
}

// On a dark palette a link at rest shows the palette's own link colour, where that reads against
// the window.
void WebEtiketi::RengiGöster(quint32 renk)
{
    const QPalette renkler = window()->palette();
    const QColor bağlantıRengi = renkler.color(QPalette::Link);
    if (renk != aktifRenk || !KoyuMu(renkler) || Karşıtlık(bağlantıRengi, renkler.color(QPalette::Window)) < EnAzKarşıtlık) {
        YazıRenginiAta(Etiket, renk);
        return;
    }
    QPalette etiketRenkleri = Etiket->palette();
    etiketRenkleri.setColor(QPalette::WindowText, bağlantıRengi);
    Etiket->setPalette(etiketRenkleri);
    Etiket->setForegroundRole(QPalette::WindowText);
}

void WebEtiketi::changeEvent(QEvent *olay)
{
    QWidget::changeEvent(olay);
    if (olay->type() == QEvent::PaletteChange)
        RengiGöster(etiketRengi);
}

YazıTipi WebEtiketi::OrtamYazısı() const
{
    return {Ölçekli(font(), 1 / PencereÖlçeği(this).çarpan), YazıTipi::VarsayılanKarakterKümesi};
}

void WebEtiketi::AdresiAç()
{
    ortam().adresAç(QUrl::fromUserInput(Url()));
}
