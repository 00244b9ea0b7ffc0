#include "KlasorListeKutusu.h"

#include "CalismaHatasi.h"
#include "HataBildir.h"
#include "TasarimYerlesimi.h"
#include "Yollar.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int GirintiTwip = 150;
constexpr int YolRolü = Qt::UserRole;

}  // namespace

KlasörListeKutusu::KlasörListeKutusu(QWidget *üst) : QTreeWidget(üst)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    const TasarımÖlçeği ölçek = PencereÖlçeği(this);
    setIndentation(ölçek.Piksel(GirintiTwip));
    const int simge = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    setIconSize(QSize(simge, simge) * ölçek.çarpan);
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *öğe) {
        const QString klasör = öğe->data(0, YolRolü).toString();
        Adım(HataTarzı::Sessiz, [&] { YolAta(klasör); });
    });
}

void KlasörListeKutusu::YolAta(const QString &klasör)
{
    const QFileInfo bilgi(klasör);
    if (klasör.isEmpty() || !bilgi.isDir())
        throw ÇalışmaHatası(HataNo::DosyaErişimHatası);
    const QString yeni = QDir::cleanPath(bilgi.absoluteFilePath());
    if (yeni == yol)
        return;
    yol = yeni;
    Doldur();
    if (Değişti)
        Değişti();
}

void KlasörListeKutusu::Doldur()
{
    clear();
    const QIcon açıkKlasör = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const auto ekle = [](QTreeWidgetItem *öğe, const QString &ad, const QString &klasör, const QIcon &simge) {
        öğe->setText(0, ad);
        öğe->setData(0, YolRolü, klasör);
        öğe->setIcon(0, simge);
        return öğe;
    };

    QString klasör = QDir::rootPath();
    QTreeWidgetItem *geçerli = ekle(new QTreeWidgetItem(this), klasör, klasör, açıkKlasör);
    for (const QString &ad : yol.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        klasör = KlasördekiDosya(klasör, ad);
        geçerli = ekle(new QTreeWidgetItem(geçerli), ad, klasör, açıkKlasör);
    }
    const QIcon kapalıKlasör = style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (const QString &ad : QDir(yol).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        ekle(new QTreeWidgetItem(geçerli), ad, KlasördekiDosya(yol, ad), kapalıKlasör);

    expandAll();
    setCurrentItem(geçerli);
    scrollToItem(geçerli, QAbstractItemView::PositionAtTop);
}
