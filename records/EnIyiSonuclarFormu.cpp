#include "EnIyiSonuclarFormu.h"

#include "CalismaHatasi.h"
#include "Dizgeler.h"
#include "EnIyiSonuclar.h"
#include "Fotograf.h"
#include "HataBildir.h"
#include "MesajKutusu.h"
#include "OyunSaati.h"
#include "TasarimYerlesimi.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHash>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The window's size and its small pictures at the design's own scale.
const QSize Boyut(680, 320);
const QSize KüçükResim(48, 36);

// The photo squeezed into a small picture of `boyut` device pixels, or nothing when its file is
// gone or unreadable.
QIcon KüçükResmi(const QString &yol, const QSize &boyut, qreal oran)
{
    try {
        QPixmap resim = QPixmap::fromImage(FotoğrafıYükle(yol, boyut).Tamamı(boyut));
        resim.setDevicePixelRatio(oran);
        return QIcon(resim);
    } catch (const ÇalışmaHatası &) {
        return {};
    }
}

}  // namespace

EnİyiSonuçlarFormu::EnİyiSonuçlarFormu(QWidget *sahip, EnİyiSonuçlar &sonuçlar)
    : QDialog(sahip, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint),
      sonuçlar(sonuçlar)
{
    // At its owner's scale.
    ÖlçeğiAta(this, {PencereÖlçeği(sahip).çarpan, {}});
    setWindowTitle(Dizge(3405));
    Liste = new QTreeWidget(this);
    Liste->setObjectName(QStringLiteral("Liste"));
    Liste->setRootIsDecorated(false);
    Liste->setIconSize(KüçükResim * PencereÖlçeği(this).çarpan);
    Liste->setHeaderLabels({Dizge(3406), Dizge(3407), Dizge(3408), Dizge(3409), Dizge(3410)});
    Liste->setAccessibleName(Dizge(3405));

    auto *düğmeler = new QDialogButtonBox(this);
    TemizleDüğmesi = düğmeler->addButton(Dizge(3411), QDialogButtonBox::ResetRole);
    TemizleDüğmesi->setObjectName(QStringLiteral("TemizleDüğmesi"));
    KapatDüğmesi = düğmeler->addButton(Dizge(3412), QDialogButtonBox::RejectRole);
    KapatDüğmesi->setObjectName(QStringLiteral("KapatDüğmesi"));
    connect(TemizleDüğmesi, &QPushButton::clicked, this, &EnİyiSonuçlarFormu::TemizleDüğmesi_Click);
    connect(düğmeler, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *düzen = new QVBoxLayout(this);
    düzen->addWidget(Liste);
    düzen->addWidget(düğmeler);
    ListeyiDoldur();
    resize(Boyut * PencereÖlçeği(this).çarpan);
    Liste->setFocus();
}

void EnİyiSonuçlarFormu::ListeyiDoldur()
{
    Liste->clear();
    const QList<SonuçSatırı> satırlar = sonuçlar.Tümü();
    QHash<QString, QIcon> resimler;
    const qreal oran = devicePixelRatio();
    const QSize resimBoyutu = Liste->iconSize() * oran;
    for (const SonuçSatırı &satır : satırlar) {
        const QString &yol = satır.anahtar.fotoğrafYolu;
        if (!resimler.contains(yol))
            resimler.insert(yol, KüçükResmi(yol, resimBoyutu, oran));
        const QIcon &resim = resimler[yol];
        const QString ad = QFileInfo(yol).fileName();
        auto *öğe = new QTreeWidgetItem(Liste, {resim.isNull() ? Dizge(3421).arg(ad) : ad,
                                                 Dizge(3418).arg(satır.anahtar.bölmeSayısı),
                                                 OkunanSüre(satır.sonuç.saniye), QString::number(satır.sonuç.hamle),
                                                 QLocale().toString(satır.sonuç.tarih, QLocale::ShortFormat)});
        öğe->setIcon(0, resim);
        öğe->setToolTip(0, yol);
        öğe->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (satırlar.isEmpty()) {
        auto *boş = new QTreeWidgetItem(Liste, {Dizge(3417)});
        boş->setFlags(Qt::NoItemFlags);
        boş->setFirstColumnSpanned(true);
    } else {
        Liste->setCurrentItem(Liste->topLevelItem(0));
    }
    TemizleDüğmesi->setEnabled(!satırlar.isEmpty());
    Liste->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int sütun = 1; sütun < Liste->columnCount(); ++sütun)
        Liste->header()->setSectionResizeMode(sütun, QHeaderView::ResizeToContents);
}

void EnİyiSonuçlarFormu::TemizleDüğmesi_Click()
{
    MesajKutusunuOrtala();
    if (MesajGöster(Dizge(3413), MesajDüğmeleri::EvetHayır, MesajSimgesi::Soru) != MesajYanıtı::Evet)
        return;
    Adım(HataTarzı::Bildir, [this] { sonuçlar.Temizle(); });
    ListeyiDoldur();
    KapatDüğmesi->setFocus();
}

// Centred on the owner, frame on frame.
void EnİyiSonuçlarFormu::showEvent(QShowEvent *olay)
{
    QDialog::showEvent(olay);
    if (const QWidget *sahip = parentWidget(); sahip && !olay->spontaneous())
        ÇerçevesiniOrtala(this, sahip->window()->frameGeometry(), sahip->window());
}
