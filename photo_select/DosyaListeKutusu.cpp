#include "DosyaListeKutusu.h"

#include "CalismaHatasi.h"
#include "KlasorOkuma.h"

#include <QFileSystemModel>

#include <utility>

namespace {

const QStringList FotoğrafKalıpları{QStringLiteral("*.bmp"), QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")};

}  // namespace

DosyaListeKutusu::DosyaListeKutusu(QWidget *üst) : QListView(üst)
{
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void DosyaListeKutusu::YolAta(const QString &klasör)
{
    if (!KlasörOkunurMu(klasör))
        throw ÇalışmaHatası(HataNo::DosyaErişimHatası);
    // Each folder gets a model of its own: a model sent to another folder while it still reads
    // the previous one can miss the new folder's files. The old selection model goes with the
    // old model.
    auto *yeni = new QFileSystemModel(this);
    yeni->setIconProvider(&simgesiz);
    yeni->setFilter(QDir::Files);
    yeni->setNameFilters(FotoğrafKalıpları);
    yeni->setNameFilterDisables(false);
    const QModelIndex kök = yeni->setRootPath(klasör);
    setModel(yeni);
    setRootIndex(kök);
    delete std::exchange(dosyalar, yeni);
    yol = klasör;
    // The selection, not the current entry: the focus coming into the list makes its first entry
    // current without selecting it.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (Tıklandı)
            Tıklandı();
    });
}

QString DosyaListeKutusu::SeçiliDosyaAdı() const
{
    const QModelIndexList seçililer = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    if (seçililer.size() != 1 || seçililer[0].parent() != rootIndex())
        return {};
    return dosyalar->fileName(seçililer[0]);
}
