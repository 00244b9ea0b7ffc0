#pragma once

#include "EnIyiSonuclar.h"
#include "Fotograf.h"
#include "FotografYukleyici.h"
#include "OyunOturumu.h"
#include "TasarimOlcegi.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class ResimKutusu;
class TahtaGörünümü;
class ÇözümAraması;
class ÇalışmaHatası;
struct AnaFormAyarları;
struct PencereDurumu;

// Why the main window is asked to close.
enum class KapanmaNedeni {
    KapatmaKutusu = 0,   // the player used the close box or the system menu
    Program = 1,         // the Exit button or Esc
    OturumSonu = 2,      // log-off or shutdown
    GörevYöneticisi = 3  // the process was told to end
};

// The main window: the board, the photo sample, the options, the clock and click count, and
// the four commands. The game in play is the game session's (OyunOturumu); each handler turns
// its input into a call on the session, then draws the answer, plays its sound and shows its
// box. Its controls carry their design names as object names.
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

    // The board's keys, its history and a dropped photo (AnaFormTahta.cpp).
    void OkTuşu(Yön yön);
    void SeçimTuşu();
    void GeriAl();
    void Yinele();
    // Takes the picture file at `yol` as the new photo, as the photo dialog's OK does, once it is
    // decoded (off the interface thread); a file that is no picture is told and changes nothing.
    void FotoğrafBırakıldı(const QString &yol);

    // Help from the solver (AnaFormYardim.cpp): the tile to slide next, marked for a moment;
    // the rest of the solution played slide by slide until any click or key stops it.
    void İpucu_Click();
    void Çöz_Click();

    // Each piece's number drawn on its tile during a game, remembered in the game's own options;
    // and the records window (AnaFormTahta.cpp).
    void Numaralar_Click();
    void EnİyiSonuçlar_Click();

    // The saved game's check box (AnaFormAyarlar.cpp).
    void OyunuKaydetOnayı_Click();

    // Full screen and back (AnaFormPencere.cpp): F11, and Esc while in full screen.
    void TamEkran_Click();

    // Commands and closing (AnaForm.cpp).
    void YeniFotoğrafDüğmesi_Click();
    void HakkındaDüğmesi_Click();
    void ÇıkışDüğmesi_Click();
    // Runs before the window closes; true keeps it open.
    bool Form_QueryUnload(KapanmaNedeni neden);
    // Closes the window for the given reason. The system's reasons close an open box first and
    // close the window once its handler has finished; the player's wait until no box is open.
    void Kapat(KapanmaNedeni neden);
    // Saves what a close saves, and closes nothing: the session's save request at log-out,
    // which the player may still cancel.
    void KapatmadanKaydet();
    // Runs `iş` once the window's event loop runs and, when a game runs, once its clock has
    // ticked: checks that drive the real program wait for this, never for a fixed time.
    void Hazırken(std::function<void()> iş);
    // Another start of the game asked this copy to come to the front.
    void ÖneGel(const QByteArray &başlatmaBelirteci);

protected:
    void closeEvent(QCloseEvent *olay) override;
    // Minimised, the game pauses: its clock stands still until the window is shown again. A
    // palette of other colours recolours the design's fixed colours at once.
    void changeEvent(QEvent *olay) override;
    // The design is laid out anew at the scale of the new size.
    void resizeEvent(QResizeEvent *olay) override;
    // Once framed, the whole window onto its screen; on another screen, the pictures cut anew.
    bool event(QEvent *olay) override;
    // While the solution plays, any click or key stops it and goes no further. A click on the
    // "Game Information" frame opens the records window.
    bool eventFilter(QObject *nesne, QEvent *olay) override;
    // Only a drag of one local picture file is let in; anything else is refused at the door.
    void dragEnterEvent(QDragEnterEvent *olay) override;
    void dropEvent(QDropEvent *olay) override;

private:
    // Building the window (AnaForm.cpp, AnaFormTahta.cpp, AnaFormYardim.cpp).
    void DenetimleriKur();
    void TahtayıKur();
    void YardımıKur();
    void TahtaSeçenekleriniKur();
    void NumaralarıGeriYükle();
    void TahtaMetinleriniYükle();
    void BilgiEtiketleriniYerleştir();
    void RenkleriBoya();
    // The colour of the empty place.
    QColor BoşlukRengi() const;

    // Size, scale and place (AnaFormPencere.cpp).
    void BoyutuKur();
    void ÖlçeğeGöreYerleştir(const TasarımÖlçeği &ölçek);
    void ResimleriYenidenKes();
    // Asks for a larger working image when the board has outgrown the photo's.
    void ÇalışmaResminiDenetle();
    void ÇalışmaResminiBüyüt();
    QMargins ÇerçeveKenarları() const;
    void YeniÇerçeve(const QRect &çerçeve);
    PencereDurumu PencereBoyutunuGeriYükle();
    void PencereyiYerleştir(const AnaFormAyarları &ayarlar, const PencereDurumu &durum);
    void PencereDurumunuKaydet();

    // Drawing what the session says (AnaFormOyun.cpp).
    void HamleyiOyna(const Hamle &hamle);
    void KaymayıGöster(const Hamle &hamle);
    void Tamamlandı();
    void TahtayıÇiz();
    void SayaçlarıYaz();
    void DeğerEtiketiniYaz(QLabel *etiket, const QString &metin);
    void SesÇal(const QString &ad);
    void DağınıkParçalarıBoşalt();
    void ParçalarıYükle(int adet);
    void FotoğrafıKes();
    void FotoğrafıBütünGöster();
    void FotoğrafıAl(const Fotoğraf &fotoğraf);
    bool OyunSürüyor() const { return oturum.Sürüyor(); }

    // The board's history, names and best results (AnaFormTahta.cpp).
    void GeçmiştenKaydır(const std::optional<Hamle> &hamle);
    void KomutlarıGüncelle();
    // Each tile's spoken name and, when asked for during a game, its drawn number.
    void ParçaAdlarınıYaz();
    SonuçAnahtarı BuFotoğrafınAnahtarı() const;
    QString EnİyiSonucuKaydet();
    void EnİyiSonuçlarıGöster();
    void EnİyiSonuçDosyasınıDenetle();

    // Help from the solver (AnaFormYardim.cpp).
    void YardımıBırak();
    void ÇözümüSor(std::function<void(const QList<int> &)> çözüldüğünde);
    void ÇözümüDurdur();
    void ÇözümAdımı();
    bool ÇözümOynanıyor() const { return çözümZamanlayıcısı.isActive(); }
    void DüşünmeyiBitir();
    // Esc stops the game's thinking, else leaves full screen; otherwise it is the Exit button's.
    void EscTuşu();

    // Settings (AnaFormAyarlar.cpp).
    void AyarlarıGeriYükle();
    void KayıtlıOyunuGeriYükle();
    void AyarlarıKaydet(KapanmaNedeni neden);
    void KaydedilemediğiniSöyle(KapanmaNedeni neden, const ÇalışmaHatası &hata);

    void NedeniyleKapat(KapanmaNedeni neden);

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
    // Ticks once a second while the session's game runs.
    QTimer SüreHesapla;
    QAction *geriAlKomutu;
    QAction *yineleKomutu;
    QAction *ipucuKomutu;
    QAction *çözKomutu;
    QAction *numaraKomutu;
    QAction *sonuçlarKomutu;
    QAction *tamEkranKomutu;

    // Loads a dropped or handed-over photo off the interface thread.
    FotoğrafYükleyici fotoğrafYükleyici;
    // The photo at its own size: the source of every piece and of the sample.
    Fotoğraf OrjinalFotoğrafKutusu;
    // Piece k of the photo in solved order, cut to the tile's size.
    QList<QImage> SıralıParçalar;

    OyunOturumu oturum;
    // True while the start lays a saved game back: the division neither deals nor shows the photo.
    bool OyunYükleniyor = false;
    EnİyiSonuçlar enİyiSonuçlar{EnİyiSonuçlarDosyası()};

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
    // An answer the player waits for longer than this shows that the game is thinking.
    QTimer düşünmeSüresi;
    bool günSonuMesajıAçık = false;
    // Runs out when the size has stood still long enough to decode the photo larger.
    QTimer büyütmeZamanlayıcısı;
    // The place has been checked against the window's own frame.
    bool çerçeveDenetlendi = false;
};
