#pragma once

#include "OzellikTorbasi.h"

#include <QLabel>
#include <QWidget>

// The maker's home page: where a new link points.
inline constexpr auto YapımcınınSitesi = "https://www.orvane.example";

// A line of text that behaves like a hyperlink: a hand pointer, and a click asks the desktop to
// open its address. The child label `Etiket` sizes itself to its text, and the control keeps
// itself 30 twips larger on every side. It does not react to hovering itself: it reports
// pointer movement over the text, and its container colours or underlines it through the
// properties below.
class WebEtiketi : public QWidget {
    Q_OBJECT

public:
    explicit WebEtiketi(QWidget *üst = nullptr);

    // The properties, in their declared order. Caption, FontUnderline, ForeColor and Font are
    // the label's own. Every assignment sends propertyChanged with the property's name.
    // Colours are 0x00BBGGRR or 0x800000nn (RenkDegeri.h); assigning a value that names no
    // colour throws ÇalışmaHatası 380 and changes nothing.
    QString Caption() const;
    // Also fits the control to the new text.
    void CaptionAta(const QString &New_Caption);
    bool FontUnderline() const;
    void FontUnderlineAta(bool New_FontUnderline);
    quint32 ForeColor() const;
    void ForeColorAta(quint32 New_ForeColor);
    YazıTipi Font() const;
    // Also fits the control to the text in its new font.
    void FontAta(const YazıTipi &New_Font);
    quint32 PasifRenk() const;
    // Stores the colour only: the text keeps its colour.
    void PasifRenkAta(quint32 YeniRenk);
    // Reading the active colour also paints the text in it.
    quint32 AktifRenk();
    void AktifRenkAta(quint32 YeniRenk);
    QString Url() const;
    void UrlAta(const QString &YeniDeğer);
    bool RenkDeğiştir() const;
    void RenkDeğiştirAta(bool YeniDeğer);

    // Reads the properties saved in a bag, absent keys giving a new link's values. Throws
    // ÇalışmaHatası when a value is unusable, leaving the control as it was. Sends no
    // propertyChanged and does not fit: the fit follows when the container places the control.
    void ÖzellikleriOku(const ÖzellikTorbası &torba);
    // Saves the properties, leaving out those that hold a new link's value.
    void ÖzellikleriYaz(ÖzellikTorbası &torba) const;

    QLabel *const Etiket;

signals:
    // The pointer moved over the text (never over the margin). Button: the buttons held (1 left,
    // 2 right, 4 middle); Shift: the keys held (1 Shift, 2 Ctrl, 4 Alt); X, Y: twips from the
    // text's top-left corner.
    void MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void propertyChanged(const QString &name);

protected:
    void resizeEvent(QResizeEvent *olay) override;
    // A palette of other colours shows the text's colour anew.
    void changeEvent(QEvent *olay) override;
    bool eventFilter(QObject *nesne, QEvent *olay) override;

private:
    void Sığdır();
    void BaşlığıYaz(const QString &başlık);
    void YazıTipiniYaz(const YazıTipi &yazı);
    void AltıÇiziliYaz(bool altıÇizili);
    void RengiYaz(quint32 renk);
    void RengiGöster(quint32 renk);
    YazıTipi OrtamYazısı() const;
    void AdresiAç();

    quint32 etiketRengi;
    int karakterKümesi = YazıTipi::VarsayılanKarakterKümesi;
    quint32 aktifRenk;
    quint32 pasifRenk;
    bool renkDeğiştir = false;
    QString url;
    bool basılı = false;
};
