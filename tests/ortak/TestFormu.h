#pragma once

#include "AnaForm.h"

#include <memory>

// The main window as a start makes it, with a 640 x 480 sample photo beside the program unless
// told otherwise; active when asked, so that keys reach it.
std::unique_ptr<AnaForm> AçılmışForm(bool fotoğrafVar = true, bool etkin = false);

// A running 3 x 3 game laid out as `etiketler` with the gap at `boş`, every tile drawn.
void OyunuYerleştir(AnaForm &form, const QList<int> &etiketler, int boş);

// A running 3 x 3 game one slide from solved: piece 7 waits at position 8, the gap is at 7.
void BirKaymaKala(AnaForm &form);

// The Tags of the board, position by position.
QList<int> Etiketler(const Tahta &tahta);
