#pragma once

#include "AyarDeposu.h"
#include "EnIyiSonuclar.h"
#include "Fotograf.h"
#include "OkHamlesi.h"
#include "OyunGecmisi.h"
#include "OyunSaati.h"
#include "Tahta.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class ResimKutusu;
class ÇözümAraması;
class TahtaGörünümü;

// Why the main window is asked to close.
enum class KapanmaNedeni {
    KapatmaKutusu = 0,   // the player used the close box or the system menu
    Program = 1,         // the Exit button or Esc
    OturumSonu = 2,      // log-off or shutdown
    GörevYöneticisi = 3  // the process was told to end
};

// The main window: the board, the photo sample, the options, the clock and click count, and
// the four commands. The game's rules live in the model (Tahta, OyunSaati, Dağıtım); the
// handlers turn clicks into positions, ask the model and draw what it says.
class AnaForm : public QWidget {
public:
    AnaForm();
    ~AnaForm() override;

    // Builds the window's texts, restores the last state and shows the window.
    void Form_Load();

    // The game (AnaFormOyun.cpp).
    void ParçalaraBölSeçeneği_Click(int index);
    void DağınıkParçalar_Click(int index);
    void YeniOyunDüğmesi_Click();
    void SüreHesapla_Timer();
    void OrjinalFotoğrafKutusu_Change();
    void FotoğrafınÖrneğiniGöster_Click();

    // The board's keys, its history, the best results and a dropped photo (AnaFormTahta.cpp).
    void OkTuşu(Yön yön);
    void SeçimTuşu();
    void GeriAl();
    void Yinele();
    // Takes the picture file at `yol` as the new photo, as the photo dialog's OK does.
    void FotoğrafBırakıldı(const QString &yol);

    // Help from the solver (AnaFormYardim.cpp): the tile to slide next, marked for a moment;
    // the rest of the solution played slide by slide until any click or key stops it.
    void İpucu_Click();
    void Çöz_Click();
    bool ÇözümOynanıyor() const { return çözümZamanlayıcısı.isActive(); }

    // Settings and the saved game (AnaFormAyarlar.cpp).
    void OyunuKaydetOnayı_Click();

    // Commands and closing (AnaForm.cpp).
    void YeniFotoğrafDüğmesi_Click();
    void HakkındaDüğmesi_Click();
    void ÇıkışDüğmesi_Click();
    // Runs before the window closes; true keeps it open.
    bool Form_QueryUnload(KapanmaNedeni neden);
    // Closes the window for the given reason. The system's reasons close an open box first and
    // close the window once its handler has finished; the player's wait until no box is open.
    void Kapat(KapanmaNedeni neden);
    // Another start of the game asked this copy to come to the front.
    void ÖneGel(const QByteArray &başlatmaBelirteci);

    // A new photo for the board, taken over without reading its file again.
    void FotoğrafıAl(const Fotoğraf &fotoğraf);

    bool OyunSürüyor() const { return SüreHesapla.isActive(); }

    // The controls, their arrays indexed as the handlers name them.
    QList<QGroupBox *> Çerçeve;
    // Holds the tiles inside Çerçeve(0), at its top-left, so they keep their places in twips.
    TahtaGörünümü *tahtaGörünümü;
    QList<ResimKutusu *> DağınıkParçalar;
    QList<QWidget *> Altlık;
    QList<QRadioButton *> ParçalaraBölSeçeneği;
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
    QAction *geriAlKomutu;
    QAction *yineleKomutu;
    QAction *ipucuKomutu;
    QAction *çözKomutu;

    // The photo at its own size: the source of every piece and of the sample.
    Fotoğraf OrjinalFotoğrafKutusu;
    // Piece k of the photo in solved order, cut to the tile's size.
    QList<QImage> SıralıParçalar;

    // The game's state.
    Tahta tahta;
    OyunSaati oyunSaati;
    qint32 HamleSayısı = 0;
    // The saved game's entries as read at start-up (and again at a save); empty when none.
    QList<AyarGirdisi> KayıtlıOyun;
    bool OyunYükleniyor = false;
    OyunGeçmişi geçmiş;
    EnİyiSonuçlar enİyiSonuçlar{EnİyiSonuçlarDosyası()};

protected:
    void closeEvent(QCloseEvent *olay) override;
    // While the solution plays, any click or key stops it and goes no further.
    bool eventFilter(QObject *nesne, QEvent *olay) override;
    void dragEnterEvent(QDragEnterEvent *olay) override;
    void dropEvent(QDropEvent *olay) override;

private:
    void DenetimleriKur();
    void TahtayıKur();
    void TahtaMetinleriniYükle();
    void BilgiEtiketleriniYerleştir();
    void DeğerEtiketiniYaz(QLabel *etiket, const QString &metin);
    void SesÇal(const QString &ad);
    void DağınıkParçalarıBoşalt();
    void ParçalarıYükle(int adet);
    void FotoğrafıKes();
    void FotoğrafıBütünGöster();
    void KayıtlıOyunuSil();
    bool ParçayıKaydır(int konum);
    void GeçmiştenKaydır(std::optional<int> konum, int sayıFarkı);
    void GeçmişiTemizle();
    void KomutlarıGüncelle();
    void ErişilebilirAdlarıYaz();
    void YardımıKur();
    void YardımıBırak();
    void ÇözümüSor(std::function<void(const QList<int> &)> çözüldüğünde);
    void ÇözümüDurdur();
    void ÇözümAdımı();
    SonuçAnahtarı BuFotoğrafınAnahtarı() const;
    QString EnİyiSonucuKaydet();
    void EnİyiSonuçlarıGöster();

    void AyarlarıGeriYükle();
    void KayıtlıOyunuGeriYükle();
    void PencereyiYerleştir();
    void AyarlarıKaydet();
    void AyarlarıYaz();
    void OyunuKaydet();

    void NedeniyleKapat(KapanmaNedeni neden);

    // The reason of the close under way; a close the program did not start comes from the close box.
    KapanmaNedeni kapanmaNedeni = KapanmaNedeni::KapatmaKutusu;
    // The window has closed for good: a later request changes nothing.
    bool kapandı = false;

    std::unique_ptr<ÇözümAraması> çözümAraması;
    QPointer<ResimKutusu> işaretliParça;
    QTimer işaretSüresi;
    // The slides of the solution still to play, one each tick.
    QList<int> çözümAdımları;
    QTimer çözümZamanlayıcısı;
    // The solver has slid tiles in this game: its completion is not the player's own.
    bool bilgisayarÇözdü = false;
    bool günSonuMesajıAçık = false;
};
