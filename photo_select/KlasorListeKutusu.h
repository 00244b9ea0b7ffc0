#pragma once

#include <QString>
#include <QTreeWidget>

#include <functional>

// A folder list: the current folder's path from the root, each folder one step further in,
// then the current folder's subfolders. Activating an entry opens that folder.
class KlasörListeKutusu : public QTreeWidget {
public:
    explicit KlasörListeKutusu(QWidget *üst = nullptr);

    // The current folder, an absolute path without a trailing "/" (the root is "/").
    const QString &Yol() const { return yol; }

    // Shows `klasör` and runs Değişti when that changes the current folder. Throws ÇalışmaHatası
    // when it is not an existing folder; the list then stays as it was. A folder that cannot be
    // read is shown without subfolders.
    void YolAta(const QString &klasör);

    // The change event: runs after the current folder has changed.
    std::function<void()> Değişti;

protected:
    // No expand or collapse marks: every level is always open, as in a folder list.
    void drawBranches(QPainter *, const QRect &, const QModelIndex &) const override {}

private:
    void Doldur();

    QString yol;
};
