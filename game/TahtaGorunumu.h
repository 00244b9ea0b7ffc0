#pragma once

#include "OkHamlesi.h"

#include <QPointer>
#include <QVariantAnimation>
#include <QWidget>

#include <array>
#include <functional>

class QAccessibleInterface;
class QAction;
class QLabel;
class QMenu;
class ResimKutusu;

// The board: it holds the tiles and is the game's keyboard stop. While it has the focus it
// shows a frame around the tiles and hands on the arrow keys, Space and Enter; it opens the
// board's context menu; and it draws a slide as the tile travelling into the empty place,
// painting the gap's colour where the travelling tile has left its own place uncovered.
// For assistive technology the board lists its tiles in board order, whatever their stacking,
// each a button that can be pressed, and after them the two texts through which it speaks.
// No Q_OBJECT: moc cannot read the class's name, and the board needs no signals of its own.
class TahtaGörünümü : public QWidget {
public:
    explicit TahtaGörünümü(QWidget *üst);
    ~TahtaGörünümü() override;

    // An arrow key, without modifiers.
    std::function<void(Yön)> OkaBasıldı;
    // Space or Enter, without modifiers.
    std::function<void()> SeçimeBasıldı;

    // Adds a command to the board's context menu and to the board, so its shortcut works in
    // the whole window. Every command of the board goes through here (Undo and Redo; a
    // command for help with the game belongs here too).
    void KomutEkle(QAction *komut);
    QMenu *BağlamMenüsü() const { return bağlamMenüsü; }

    // The tiles, position by position.
    void ParçalarıTanıt(const QList<ResimKutusu *> &yeniParçalar);
    const QList<QPointer<ResimKutusu>> &Parçalar() const { return parçalar; }

    // Tells a screen reader what has just happened, while the board has the focus: the focus
    // passes within the board to a text `metin`, which a reader speaks as it speaks any newly
    // focused object. Readers ignore a name change whose data is not the name, as Qt 6.4 sends
    // it, and a focus that stays where it is; so two texts take turns, and every text is heard,
    // the same one again too. `metin` empty gives the focus back to the board itself.
    void Duyur(const QString &metin);
    void AdAta(const QString &yeniAd);
    // The two texts, and the one that has the focus within the board (none: the board itself).
    QAccessibleInterface *Duyurucu(int sıra) const { return duyurucular[sıra]; }
    QAccessibleInterface *Duyuran() const;

    // Shows `metin` over the middle of the tiles, above them all, and tells a screen reader, while
    // the game is thinking; an empty text takes it away and gives the board its name back.
    void DüşünceyiGöster(const QString &metin);

    // Draws the slide of `parça`, already at its place with its new picture, from `nereden`
    // (the board's coordinates) over about 100 ms. A slide still running ends first; while the
    // window is hidden or minimised the tile simply stays at its place.
    void KaymayıÇiz(ResimKutusu *parça, QPoint nereden);
    // Ends a running slide at once, the tile at its place.
    void KaymayıBitir();
    bool KaymaSürüyor() const { return kayma.state() == QAbstractAnimation::Running; }
    // Returns when the running slide has ended; no input reaches the program meanwhile.
    void KaymanınBitmesiniBekle();

protected:
    void paintEvent(QPaintEvent *olay) override;
    void keyPressEvent(QKeyEvent *olay) override;
    void contextMenuEvent(QContextMenuEvent *olay) override;
    void focusInEvent(QFocusEvent *olay) override;
    void focusOutEvent(QFocusEvent *olay) override;

private:
    QRect OdakÇerçevesi() const;

    QMenu *bağlamMenüsü;
    QLabel *düşünce = nullptr;
    QList<QPointer<ResimKutusu>> parçalar;
    std::array<QAccessibleInterface *, 2> duyurucular;
    int duyuran = -1;
    QVariantAnimation kayma;
    QPointer<ResimKutusu> kayanParça;
    // The sliding tile's own place, where it is going.
    QRect kaymaHedefi;
};
