#include "TestFormu.h"

#include "AyarDeposu.h"
#include "Cozucu.h"
#include "OrtakDegiskenler.h"
#include "ResimKutusu.h"
#include "TestFotografi.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
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

void KayıtlıOyunYaz(const QList<int> &etiketler, int boş, const OyunSaati &saat, qint32 hamle)
{
    for (int konum = 0; konum < etiketler.size(); ++konum)
        Ayarlar().Yaz(QStringLiteral("Oyun"), QStringLiteral("Foto-%1").arg(konum),
                      konum == boş ? QStringLiteral("%1B").arg(boş) : QString::number(etiketler[konum]));
    const QString bilgiler = QStringLiteral("Oyun\\Bilgiler");
    Ayarlar().Yaz(bilgiler, QStringLiteral("Saniye Bilgisi"), QString::number(saat.saniye));
    Ayarlar().Yaz(bilgiler, QStringLiteral("Dakika Bilgisi"), QString::number(saat.dakika));
    Ayarlar().Yaz(bilgiler, QStringLiteral("Saat Bilgisi"), QString::number(saat.saat));
    Ayarlar().Yaz(bilgiler, QStringLiteral("Hamle Bilgisi"), QString::number(hamle));
}

void BirKaymaKalaYaz(const OyunSaati &saat, qint32 hamle)
{
    KayıtlıOyunYaz({0, 1, 2, 3, 4, 5, 6, 7, 7}, 7, saat, hamle);
}

ResimKutusu *Parça(const AnaForm &form, int konum)
{
    return Bul<ResimKutusu>(form, QStringLiteral("DağınıkParçalar(%1)").arg(konum));
}

QWidget *Pano(const AnaForm &form)
{
    return Bul(form, QStringLiteral("Tahta"));
}

void Tuş(const AnaForm &form, Qt::Key tuş, Qt::KeyboardModifiers değiştirici)
{
    QTest::keyClick(Pano(form), tuş, değiştirici);
}

QString BilgiİpucuMetni(const AnaForm &form)
{
    return Bul<QGroupBox>(form, QStringLiteral("Çerçeve(3)"))->toolTip();
}

QString Değer(const AnaForm &form, int sıra)
{
    return Bul<QLabel>(form, QStringLiteral("Etiket(%1)").arg(sıra))->text();
}

QList<QImage> Resimler(const AnaForm &form)
{
    QList<QImage> resimler;
    for (int konum = 0; form.findChild<ResimKutusu *>(QStringLiteral("DağınıkParçalar(%1)").arg(konum)); ++konum)
        resimler.append(Parça(form, konum)->Resim());
    return resimler;
}

QList<int> Gösterilen(const AnaForm &form)
{
    static const QRegularExpression parça(QStringLiteral("^Piece (\\d+),"));
    QList<int> gösterilen;
    for (int konum = 0; form.findChild<ResimKutusu *>(QStringLiteral("DağınıkParçalar(%1)").arg(konum)); ++konum) {
        const QString ad = QAccessible::queryAccessibleInterface(Parça(form, konum))->text(QAccessible::Name);
        const QRegularExpressionMatch eşleşme = parça.match(ad);
        gösterilen.append(eşleşme.hasMatch() ? eşleşme.captured(1).toInt() - 1 : -1);
    }
    return gösterilen;
}

bool OyunVar(const AnaForm &form)
{
    return Gösterilen(form).contains(-1);
}

int İşaretli(const AnaForm &form)
{
    for (int konum = 0; form.findChild<ResimKutusu *>(QStringLiteral("DağınıkParçalar(%1)").arg(konum)); ++konum)
        if (Parça(form, konum)->İşaretliMi())
            return konum;
    return -1;
}

QList<int> ÇözümHamleleri(const AnaForm &form, const QString &tablolar)
{
    QList<int> etiketler = Gösterilen(form);
    const int boş = int(etiketler.indexOf(-1));
    etiketler[boş] = int(etiketler.size()) - 1;
    const std::atomic<bool> sürsün{false};
    return Çözücü(tablolar).Çöz(etiketler, boş, sürsün).hamleler;
}
