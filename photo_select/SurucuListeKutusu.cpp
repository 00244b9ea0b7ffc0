#include "SurucuListeKutusu.h"

#include "KlasorOkuma.h"

#include <QDir>
#include <QStorageInfo>

namespace {

QString SürücüMetni(const QStorageInfo &birim)
{
    return birim.name().isEmpty() ? birim.rootPath() : QStringLiteral("%1 [%2]").arg(birim.rootPath(), birim.name());
}

}  // namespace

SürücüListeKutusu::SürücüListeKutusu(QWidget *üst) : QComboBox(üst)
{
    addItem(SürücüMetni(QStorageInfo::root()), QDir::rootPath());
    for (const QStorageInfo &birim : QStorageInfo::mountedVolumes()) {
        if (birim.isValid() && birim.isReady() && !birim.isRoot() && KlasörOkunurMu(birim.rootPath()))
            addItem(SürücüMetni(birim), birim.rootPath());
    }
    setCurrentIndex(-1);
}

QString SürücüListeKutusu::Sürücü() const
{
    return currentData().toString();
}

void SürücüListeKutusu::SürücüAta(const QString &yol)
{
    const QStorageInfo birim(yol);
    const QString kök = birim.isValid() ? birim.rootPath() : QDir::rootPath();
    int sıra = findData(kök);
    if (sıra < 0) {
        addItem(SürücüMetni(birim), kök);
        sıra = count() - 1;
    }
    setCurrentIndex(sıra);
}
