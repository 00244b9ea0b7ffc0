#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

class ResimKutusu;

// Why the main window is asked to close.
enum class KapanmaNedeni {
    KapatmaKutusu = 0,   // the player used the close box or the system menu
    Program = 1,         // the Exit button or Esc
    OturumSonu = 2,      // log-off or shutdown
    GörevYöneticisi = 3  // the process was told to end
};

// The main window: the board, the photo sample, the options, the clock and click count, and
// the four commands.
class AnaForm : public QWidget {
public:
    AnaForm();
    ~AnaForm() override;

    // Builds the window's texts, restores the last state and shows the window.
    void Form_Load();

    void YeniFotoğrafDüğmesi_Click();
    void HakkındaDüğmesi_Click();
    void ÇıkışDüğmesi_Click();

    // Runs before the window closes; true keeps it open.
    bool Form_QueryUnload(KapanmaNedeni neden);

    // Closes the window for the given reason (the close box's reason is the default).
    void Kapat(KapanmaNedeni neden);

    // Another start of the game asked this copy to come to the front.
    void ÖneGel(const QByteArray &başlatmaBelirteci);

    // The controls, in the order of their keyboard focus.
    QList<QGroupBox *> Çerçeve;
    QList<ResimKutusu *> DağınıkParçalar;
    QList<QWidget *> Altlık;
    QList<QRadioButton *> ParçalaraBölSeçeneği;
    QButtonGroup *BölmeGrubu;
    ResimKutusu *ÖrnekKutusu;
    QCheckBox *FotoğrafınÖrneğiniGöster;
    QCheckBox *OyunuKaydetOnayı;
    QCheckBox *SesleriKapatOnayı;
    QList<QLabel *> Etiket;
    QPushButton *YeniOyunDüğmesi;
    QPushButton *YeniFotoğrafDüğmesi;
    QPushButton *HakkındaDüğmesi;
    QPushButton *ÇıkışDüğmesi;
    QTimer SüreHesapla;

protected:
    void closeEvent(QCloseEvent *olay) override;

private:
    void DenetimleriKur();
    void DeğerEtiketiniYaz(QLabel *etiket, const QString &metin);
    void AyarlarıKaydet();

    KapanmaNedeni kapanmaNedeni = KapanmaNedeni::KapatmaKutusu;
};
