#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>

// A picture box: a box that owns a persistent image and paints it unscaled from the top-left
// of its inside, over its background colour, optionally under a sunken border.
class ResimKutusu : public QFrame {
    Q_OBJECT

public:
    enum class Kenar { Yok, Çökük };
    explicit ResimKutusu(Kenar kenar, QWidget *üst = nullptr);

    const QImage &Resim() const { return resim; }
    void ResmiAta(const QImage &yeni);
    void ResmiBoşalt();

    // The size of the inside, where the picture is drawn (the box's scale size).
    QSize İçBoyut() const { return contentsRect().size(); }

    // The background: the palette's window colour, whatever it becomes, until one is given.
    void ArkaRengiAta(const QColor &renk);
    QColor ArkaRengi() const { return arkaRengi.isValid() ? arkaRengi : palette().color(QPalette::Window); }

    // A marked box is drawn lit, under a frame in the highlight colour: the tile a hint names.
    void İşaretle(bool işaretli);
    bool İşaretliMi() const { return işaretli; }

    // A number drawn in the top-left corner, light on a dark label so that it reads on any
    // picture; none when empty.
    void NumaraAta(const QString &yeni);
    const QString &Numara() const { return numara; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *olay) override;
    void mousePressEvent(QMouseEvent *olay) override;
    void mouseReleaseEvent(QMouseEvent *olay) override;

private:
    QImage resim;
    QColor arkaRengi;
    QString numara;
    bool işaretli = false;
    bool basılı = false;
};
