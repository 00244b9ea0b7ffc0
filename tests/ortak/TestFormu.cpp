#include "TestFormu.h"

#include "OrtakDegiskenler.h"
#include "ResimKutusu.h"
#include "TestFotografi.h"

#include <QTest>

std::unique_ptr<AnaForm> AçılmışForm(bool fotoğrafVar, bool etkin)
{
    if (fotoğrafVar)
        FotoğrafYaz(ProgramKlasörü + QStringLiteral("Sample-2.jpg"), QSize(640, 480));
    auto form = std::make_unique<AnaForm>();
    form->Form_Load();
    if (etkin) {
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            qFatal("the window did not become active");
    }
    return form;
}

void OyunuYerleştir(AnaForm &form, const QList<int> &etiketler, int boş)
{
    form.YeniOyunDüğmesi_Click();
    form.tahta.Yerleştir(etiketler, boş);
    for (int konum = 0; konum < 9; ++konum)
        form.DağınıkParçalar[konum]->ResmiAta(konum == boş ? QImage() : form.SıralıParçalar[etiketler[konum]]);
}

void BirKaymaKala(AnaForm &form)
{
    OyunuYerleştir(form, {0, 1, 2, 3, 4, 5, 6, 7, 7}, 7);
}

QList<int> Etiketler(const Tahta &tahta)
{
    QList<int> etiketler;
    for (int konum = 0; konum < tahta.KonumSayısı(); ++konum)
        etiketler.append(tahta.Etiket(konum));
    return etiketler;
}
