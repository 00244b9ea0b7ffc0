#pragma once

#include <QAbstractFileIconProvider>
#include <QListView>
#include <QString>

#include <functional>

class QFileSystemModel;

// A file list: the files of one folder that match the photo patterns ("*.bmp;*.jpg" and the
// longer ".jpeg", in any case), sorted by name. The folder is read in the background, so a
// large folder never holds up the window.
class DosyaListeKutusu : public QListView {
public:
    explicit DosyaListeKutusu(QWidget *üst = nullptr);

    // The folder shown; empty before the first one.
    const QString &Yol() const { return yol; }

    // Shows the files of `klasör`, none selected. Throws ÇalışmaHatası when the folder cannot be
    // read; the list then stays as it was.
    void YolAta(const QString &klasör);

    // The name of the selected file; empty when none is selected.
    QString SeçiliDosyaAdı() const;

    // The click event: runs whenever the selected entry changes.
    std::function<void()> Tıklandı;

    // The files of the folder shown.
    QFileSystemModel *Dosyalar() const { return dosyalar; }

private:
    // The list shows names only. The model asks for each file's icon and type on the window's
    // thread, and those look up MIME types: a large folder would hold up the window. (An empty
    // type would read as "not known yet", and the file would never be listed.)
    class SimgesizDosyalar : public QAbstractFileIconProvider {
    public:
        QIcon icon(IconType) const override { return {}; }
        QIcon icon(const QFileInfo &) const override { return {}; }
        QString type(const QFileInfo &) const override { return QStringLiteral("photo"); }
    };

    SimgesizDosyalar simgesiz;
    QFileSystemModel *dosyalar = nullptr;
    QString yol;
};
