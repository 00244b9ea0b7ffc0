#pragma once

#include "AnaForm.h"
#include "OyunSaati.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

class QLabel;
class ResimKutusu;

// The main window as a start makes it, with a 640 x 480 sample photo beside the program unless
// told otherwise; active when asked, so that keys reach it.
std::unique_ptr<AnaForm> AçılmışForm(bool fotoğrafVar = true, bool etkin = false);

// A saved 3 x 3 game in the settings, laid out as `etiketler` with the gap at `boş`, for the
// next start to lay back as a running game.
void KayıtlıOyunYaz(const QList<int> &etiketler, int boş, const OyunSaati &saat = {}, qint32 hamle = 0);

// Piece 7 waits at position 8, the gap is at 7: a saved game one slide from solved.
void BirKaymaKalaYaz(const OyunSaati &saat = {}, qint32 hamle = 0);

// A control of the window by its design name ("YeniOyunDüğmesi", "Etiket(1)", "Çerçeve(3)").
template <typename Denetim = QWidget>
Denetim *Bul(const QWidget &form, const QString &ad)
{
    auto *denetim = form.findChild<Denetim *>(ad);
    if (!denetim)
        qFatal("no control named %s", qPrintable(ad));
    return denetim;
}

ResimKutusu *Parça(const AnaForm &form, int konum);
// The board, the game's keyboard stop, and a key pressed on it.
QWidget *Pano(const AnaForm &form);
void Tuş(const AnaForm &form, Qt::Key tuş, Qt::KeyboardModifiers değiştirici = Qt::NoModifier);
// The tooltip of "Game Information": this photo's best results.
QString BilgiİpucuMetni(const AnaForm &form);
// The text of the label Etiket(sıra): 1 the clock, 3 the click count.
QString Değer(const AnaForm &form, int sıra);
// Every tile's picture, position by position.
QList<QImage> Resimler(const AnaForm &form);
// What each tile shows, as a screen reader hears it: the piece's number from 0, or -1 for the
// empty place.
QList<int> Gösterilen(const AnaForm &form);
// A game runs while the board has an empty place.
bool OyunVar(const AnaForm &form);
// The tile a hint marks; -1 when none is.
int İşaretli(const AnaForm &form);
// The positions to click, by the solver with its tables in `tablolar`, to bring the board home.
QList<int> ÇözümHamleleri(const AnaForm &form, const QString &tablolar);
