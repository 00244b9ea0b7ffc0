#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// Colours as the hyperlink label and its container keep them: 0x00BBGGRR (the low byte is red),
// or 0x800000nn, which names system colour nn and follows the palette.
inline constexpr quint32 DüğmeYazısıRengi = 0x80000012;

// The colour a value shows with the given palette; throws ÇalışmaHatası 380 (invalid property
// value) for a value that names no colour.
QColor GörünenRenk(quint32 değer, const QPalette &renkler);

// Paints the control's text in the colour `değer` names; a system colour keeps following the
// palette, a fixed one takes its readable variant on a dark palette (PaletRengi.h). Throws like
// GörünenRenk, leaving the control as it was. A palette changed later calls for it again.
void YazıRenginiAta(QWidget *denetim, quint32 değer);
