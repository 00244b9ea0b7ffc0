#pragma once

#include "WebEtiketi.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QList>
#include <QPushButton>

class ResimKutusu;

// The modal about dialog: the program's title, version and legal notice, the maker's name, and
// links to the maker's site, message page and e-mail address. A link is underlined while the
// pointer is over it, until the pointer moves onto the panel or the dialog itself. Built and
// loaded at construction; OK or Esc closes it.
class HakkındaFormu : public QDialog {
public:
    explicit HakkındaFormu(QWidget *sahip);

    // The link under the pointer: its passive colour when it changes colour, else underlined.
    void Bağlantı_MouseMove(WebEtiketi *bağlantı);
    // The pointer is over the dialog's own surface or the panel: every link plain, in its
    // active colour.
    void Form_MouseMove();
    void TamamDüğmesi_Click();

    // The controls, in the order of their keyboard focus.
    QFrame *Çerçeve;
    ResimKutusu *Altlık;
    QLabel *SimgeKutusu;
    QList<QLabel *> Etiket;
    WebEtiketi *OrvaneEtiketi;
    WebEtiketi *MesajGönderEtiketi;
    WebEtiketi *EPostaGönderEtiketi;
    QPushButton *TamamDüğmesi;

protected:
    void showEvent(QShowEvent *olay) override;
    void changeEvent(QEvent *olay) override;
    void mouseMoveEvent(QMouseEvent *olay) override;
    bool eventFilter(QObject *nesne, QEvent *olay) override;

private:
    void DenetimleriKur();
    WebEtiketi *Bağlantı(const char *torbaAdı, int sol, int üst);
    void SabitRenkleriBoya();
    void Form_Load();
};
