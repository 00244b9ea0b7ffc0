#pragma once

#include "Fotograf.h"
#include "FotografYukleyici.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <functional>

class DosyaListeKutusu;
class KlasörListeKutusu;
class QLabel;
class QPushButton;
class ResimKutusu;
class SürücüListeKutusu;

// The photo selection dialog: drives, folders and the photo files of the current folder, with a
// preview of the selected photo, loaded in the background. OK hands the previewed photo to the
// owner; every close remembers the folder shown.
class FotoğrafSeçFormu : public QDialog {
public:
    // `fotoğrafıTeslimEt` receives the previewed photo when OK is accepted, after FotoğrafYolu
    // has been set to the file it was read from.
    FotoğrafSeçFormu(QWidget *sahip, std::function<void(const Fotoğraf &)> fotoğrafıTeslimEt);

    // The hidden photo holder: the photo last previewed and the file it was read from.
    struct ÖnizlenenFotoğraf {
        Fotoğraf fotoğraf;
        QString yol;
    };

    // The controls, in the order of their keyboard focus.
    QList<QLabel *> Etiket;
    SürücüListeKutusu *SürücüListesi;
    KlasörListeKutusu *KlasörListesi;
    DosyaListeKutusu *DosyaListesi;
    ResimKutusu *ÖnizlemeKutusu;
    ÖnizlenenFotoğraf OrjinalFotoğrafKutusu;
    QPushButton *TamamDüğmesi;
    QPushButton *İptalDüğmesi;

    // Every way of closing comes here: OK, Cancel, Esc and the close box.
    void done(int sonuç) override;

protected:
    void showEvent(QShowEvent *olay) override;

private:
    void DenetimleriKur();
    void Form_Load();
    void Form_QueryUnload();
    void SürücüListesi_Change();
    void KlasörListesi_Change();
    void DosyaListesi_Click();
    void YüklemeBitti();
    void OrjinalFotoğrafKutusu_Change();
    void TamamDüğmesi_Click();
    void İptalDüğmesi_Click();

    std::function<void(const Fotoğraf &)> fotoğrafıTeslimEt;
    FotoğrafYükleyici yükleyici;
    // OK was pressed while the selected file was loading.
    bool tamamBekliyor = false;
};
