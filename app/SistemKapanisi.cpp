#include "SistemKapanisi.h"

#include <QApplication>
#include <QDialog>

#include <utility>

namespace {

int AçıkKutular = 0;
bool İstek = false;
// A close came with a request: a later request changes nothing.
bool KapanışVerildi = false;
std::function<void()> BekleyenKapanış;
QList<std::function<void()>> Bekleyenİşler;

void KapanışıYap()
{
    if (const auto kapat = std::exchange(BekleyenKapanış, nullptr))
        kapat();
}

// One at a time: one may open a box, and the rest then wait for it in turn.
void BekleyenİşleriYap()
{
    while (!İstek && AçıkKutular == 0 && !Bekleyenİşler.isEmpty())
        Bekleyenİşler.takeFirst()();
}

// The innermost box first: each one's loop returns into the handler of the one below it.
void KutularıKapat()
{
    while (QWidget *açılır = QApplication::activePopupWidget()) {
        açılır->close();
        if (QApplication::activePopupWidget() == açılır)
            break;
    }
    while (QWidget *kutu = QApplication::activeModalWidget()) {
        if (auto *diyalog = qobject_cast<QDialog *>(kutu))
            diyalog->reject();
        else
            kutu->close();
        if (QApplication::activeModalWidget() == kutu)
            break;
    }
}

}  // namespace

void SistemKapanışı::İste(std::function<void()> kapat)
{
    if (KapanışVerildi)
        return;
    İstek = true;
    KapanışVerildi = bool(kapat);
    BekleyenKapanış = std::move(kapat);
    KutularıKapat();
    if (AçıkKutular == 0)
        KapanışıYap();
}

bool SistemKapanışı::İstendi()
{
    return İstek;
}

void SistemKapanışı::Unut()
{
    İstek = false;
    KapanışVerildi = false;
    BekleyenKapanış = nullptr;
    Bekleyenİşler.clear();
}

AçıkKutu::AçıkKutu()
{
    ++AçıkKutular;
}

AçıkKutu::~AçıkKutu()
{
    // The handler that opened the last box still runs: the close, or what waits, waits for the
    // event loop.
    if (--AçıkKutular != 0)
        return;
    if (BekleyenKapanış)
        QMetaObject::invokeMethod(qApp, KapanışıYap, Qt::QueuedConnection);
    else if (!Bekleyenİşler.isEmpty())
        QMetaObject::invokeMethod(qApp, BekleyenİşleriYap, Qt::QueuedConnection);
}

bool AçıkKutu::Var()
{
    return AçıkKutular > 0;
}

void KutularKapanınca(std::function<void()> iş)
{
    if (İstek)
        return;
    Bekleyenİşler.append(std::move(iş));
    BekleyenİşleriYap();
}

int ModalAç(QDialog &diyalog)
{
    if (İstek)
        return QDialog::Rejected;
    const AçıkKutu açık;
    return diyalog.exec();
}
