#pragma once

#include <QString>

class QLabel;
class QWidget;

// Replaces the caption of every captioned control of a window (frames, labels, buttons, check
// boxes, option buttons) that holds a string id by the string it names. Other captions, and
// controls without one, are left as they are.
void BaşlıklarıYükle(QWidget *form);

// True when a file or folder of that path exists.
bool DosyaVarMı(const QString &yol);

// A label that sizes itself to its text: it grows from its left edge, or from its right edge
// when its text is aligned to the right.
void EtiketiSığdır(QLabel *etiket);
