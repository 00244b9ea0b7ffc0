#include "OrtakYordamlar.h"

#include "Donusumler.h"
#include "Dizgeler.h"
#include "HataBildir.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace {

template <typename Denetim, typename Oku, typename Yaz>
bool BaşlığıÇevir(QWidget *denetim, Oku oku, Yaz yaz)
{
    auto *tür = qobject_cast<Denetim *>(denetim);
    if (!tür)
        return false;
    Adım(HataTarzı::Sessiz, [&] { (tür->*yaz)(Dizge(Tamsayıya((tür->*oku)()))); });
    return true;
}

}  // namespace

void BaşlıklarıYükle(QWidget *form)
{
    for (QWidget *denetim : form->findChildren<QWidget *>()) {
        BaşlığıÇevir<QGroupBox>(denetim, &QGroupBox::title, &QGroupBox::setTitle)
            || BaşlığıÇevir<QLabel>(denetim, &QLabel::text, &QLabel::setText)
            || BaşlığıÇevir<QAbstractButton>(denetim, &QAbstractButton::text, &QAbstractButton::setText);
    }
}

bool DosyaVarMı(const QString &yol)
{
    return !yol.isEmpty() && QFileInfo::exists(yol);
}

void EtiketiSığdır(QLabel *etiket)
{
    const QRect eski = etiket->geometry();
    const QSize yeni = etiket->sizeHint();
    const int sol = etiket->alignment() & Qt::AlignRight ? eski.x() + eski.width() - yeni.width() : eski.x();
    etiket->setGeometry(sol, eski.y(), yeni.width(), yeni.height());
}
