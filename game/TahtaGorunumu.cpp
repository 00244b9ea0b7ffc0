#include "TahtaGorunumu.h"

#include "ResimKutusu.h"
#include "SistemKapanisi.h"

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>

namespace {

constexpr int KaymaSüresi = 100;  // ms

std::optional<Yön> OkTuşu(int tuş)
{
    switch (tuş) {
    case Qt::Key_Left: return Yön::Sol;
    case Qt::Key_Right: return Yön::Sağ;
    case Qt::Key_Up: return Yön::Yukarı;
    case Qt::Key_Down: return Yön::Aşağı;
    default: return std::nullopt;
    }
}

// What the board says, for assistive technology: a text without a widget of its own, standing
// after the tiles, that takes the focus within the board when it is said.
class DuyuruMetni : public QAccessibleInterface {
public:
    explicit DuyuruMetni(TahtaGörünümü *tahta) : tahta(tahta) {}

    QString metin;

    bool isValid() const override { return tahta; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return tahta->window()->windowHandle(); }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(tahta); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text tür) const override { return tür == QAccessible::Name ? metin : QString(); }
    void setText(QAccessible::Text, const QString &) override {}
    // No place on the screen: a reader then never takes the two texts, saying the same, for one.
    QRect rect() const override { return {}; }
    // A role that readers speak without a role name of its own.
    QAccessible::Role role() const override { return QAccessible::Client; }
    QAccessible::State state() const override
    {
        QAccessible::State durum;
        durum.focusable = true;
        durum.focused = tahta->Duyuran() == this;
        return durum;
    }

private:
    QPointer<TahtaGörünümü> tahta;
};

// The board for assistive technology: its children are the tiles in board order, then the two
// texts it speaks through. A slide raises the sliding tile above the others, which would
// otherwise reorder them.
class ErişilebilirTahta : public QAccessibleWidget {
public:
    explicit ErişilebilirTahta(TahtaGörünümü *tahta) : QAccessibleWidget(tahta, QAccessible::Grouping) {}

    int childCount() const override { return int(SıralıÇocuklar().size()); }
    QAccessibleInterface *child(int sıra) const override { return SıralıÇocuklar().value(sıra); }
    int indexOfChild(const QAccessibleInterface *çocuk) const override { return int(SıralıÇocuklar().indexOf(çocuk)); }
    QAccessibleInterface *focusChild() const override { return Tahta()->Duyuran(); }

private:
    TahtaGörünümü *Tahta() const { return static_cast<TahtaGörünümü *>(widget()); }
    QList<QAccessibleInterface *> SıralıÇocuklar() const
    {
        QList<QAccessibleInterface *> çocuklar;
        for (const QPointer<ResimKutusu> &parça : Tahta()->Parçalar())
            if (parça)
                çocuklar.append(QAccessible::queryAccessibleInterface(parça));
        çocuklar.append({Tahta()->Duyurucu(0), Tahta()->Duyurucu(1)});
        return çocuklar;
    }
};

// A tile for assistive technology: a button whose press is a click on it.
class ErişilebilirParça : public QAccessibleWidget {
public:
    explicit ErişilebilirParça(ResimKutusu *parça) : QAccessibleWidget(parça, QAccessible::Button) {}

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString &eylem) override
    {
        // Later, so that a box the click opens does not hold up the reader's call.
        if (eylem == pressAction())
            QMetaObject::invokeMethod(static_cast<ResimKutusu *>(widget()), &ResimKutusu::clicked, Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(eylem);
    }
};

QAccessibleInterface *TahtaErişimi(const QString &, QObject *nesne)
{
    if (auto *tahta = dynamic_cast<TahtaGörünümü *>(nesne))
        return new ErişilebilirTahta(tahta);
    auto *parça = qobject_cast<ResimKutusu *>(nesne);
    if (parça && dynamic_cast<TahtaGörünümü *>(parça->parentWidget()))
        return new ErişilebilirParça(parça);
    return nullptr;
}

}  // namespace

TahtaGörünümü::TahtaGörünümü(QWidget *üst)
    : QWidget(üst), bağlamMenüsü(new QMenu(this)), duyurucular{new DuyuruMetni(this), new DuyuruMetni(this)}
{
    static const bool erişimKuruldu = (QAccessible::installFactory(TahtaErişimi), true);
    Q_UNUSED(erişimKuruldu);
    for (QAccessibleInterface *duyurucu : duyurucular)
        QAccessible::registerAccessibleInterface(duyurucu);
    setFocusPolicy(Qt::StrongFocus);
    kayma.setDuration(KaymaSüresi);
    kayma.setEasingCurve(QEasingCurve::OutCubic);
    connect(&kayma, &QVariantAnimation::valueChanged, this, [this](const QVariant &yer) {
        if (kayanParça)
            kayanParça->move(yer.toPoint());
    });
    connect(&kayma, &QAbstractAnimation::stateChanged, this, [this](QAbstractAnimation::State durum) {
        if (durum != QAbstractAnimation::Stopped)
            return;
        if (kayanParça)
            kayanParça->move(kaymaHedefi.topLeft());
        kayanParça = nullptr;
        update(kaymaHedefi);
    });
}

// A slide still running stops when its animation goes, after the tile it points to has gone.
TahtaGörünümü::~TahtaGörünümü()
{
    kayma.disconnect();
    for (QAccessibleInterface *duyurucu : duyurucular)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(duyurucu));
}

void TahtaGörünümü::KomutEkle(QAction *komut)
{
    bağlamMenüsü->addAction(komut);
    addAction(komut);
}

void TahtaGörünümü::ParçalarıTanıt(const QList<ResimKutusu *> &yeniParçalar)
{
    parçalar = QList<QPointer<ResimKutusu>>(yeniParçalar.cbegin(), yeniParçalar.cend());
    QAccessibleEvent olay(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&olay);
}

void TahtaGörünümü::AdAta(const QString &yeniAd)
{
    setAccessibleName(yeniAd);
}

QAccessibleInterface *TahtaGörünümü::Duyuran() const
{
    return duyuran >= 0 ? duyurucular[duyuran] : nullptr;
}

void TahtaGörünümü::Duyur(const QString &metin)
{
    if (!hasFocus() || (metin.isEmpty() && duyuran < 0))
        return;
    QAccessibleInterface *odak = nullptr;
    if (metin.isEmpty()) {
        duyuran = -1;
        odak = QAccessible::queryAccessibleInterface(this);
    } else {
        duyuran = duyuran == 0 ? 1 : 0;
        odak = duyurucular[duyuran];
        static_cast<DuyuruMetni *>(odak)->metin = metin;
        // Readers keep the names they have read. A name change, sent while the text has no focus
        // and so not spoken, makes them ask for the new one when the focus comes.
        QAccessibleEvent adDeğişti(odak, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&adDeğişti);
    }
    QAccessibleEvent olay(odak, QAccessible::Focus);
    QAccessible::updateAccessibility(&olay);
}

void TahtaGörünümü::DüşünceyiGöster(const QString &metin)
{
    if (metin.isEmpty()) {
        if (düşünce && düşünce->isVisible()) {
            düşünce->hide();
            Duyur({});
        }
        return;
    }
    if (!düşünce) {
        düşünce = new QLabel(this);
        düşünce->setAutoFillBackground(true);
        düşünce->setBackgroundRole(QPalette::ToolTipBase);
        düşünce->setForegroundRole(QPalette::ToolTipText);
        düşünce->setFrameStyle(QFrame::Box | QFrame::Plain);
        düşünce->setMargin(6);
    }
    düşünce->setText(metin);
    QRect taşlar;
    for (const QPointer<ResimKutusu> &parça : std::as_const(parçalar))
        if (parça)
            taşlar |= parça->geometry();
    düşünce->adjustSize();
    QRect yer = düşünce->rect();
    yer.moveCenter(taşlar.isEmpty() ? rect().center() : taşlar.center());
    düşünce->move(yer.topLeft());
    düşünce->show();
    düşünce->raise();
    Duyur(metin);
}

void TahtaGörünümü::KaymayıÇiz(ResimKutusu *parça, QPoint nereden)
{
    KaymayıBitir();
    if (!window()->isVisible() || window()->isMinimized())
        return;
    kayanParça = parça;
    kaymaHedefi = parça->geometry();
    // Above the tile it leaves, which is the empty place now.
    parça->raise();
    parça->move(nereden);
    kayma.setStartValue(nereden);
    kayma.setEndValue(kaymaHedefi.topLeft());
    kayma.start();
    update(kaymaHedefi);
}

void TahtaGörünümü::KaymayıBitir()
{
    kayma.stop();
}

void TahtaGörünümü::KaymanınBitmesiniBekle()
{
    if (!KaymaSürüyor())
        return;
    // Like a box: a close the system asks for meanwhile waits until the handler is done.
    const AçıkKutu bekleme;
    QEventLoop döngü;
    connect(&kayma, &QAbstractAnimation::stateChanged, &döngü, [&](QAbstractAnimation::State durum) {
        if (durum == QAbstractAnimation::Stopped)
            döngü.quit();
    });
    döngü.exec(QEventLoop::ExcludeUserInputEvents);
}

QRect TahtaGörünümü::OdakÇerçevesi() const
{
    return childrenRect().adjusted(-4, -4, 3, 3);
}

void TahtaGörünümü::paintEvent(QPaintEvent *)
{
    QPainter boyacı(this);
    if (kayanParça)
        boyacı.fillRect(kaymaHedefi, kayanParça->ArkaRengi());
    if (hasFocus()) {
        boyacı.setPen(QPen(palette().color(QPalette::Highlight), 2));
        boyacı.drawRect(OdakÇerçevesi());
    }
}

void TahtaGörünümü::keyPressEvent(QKeyEvent *olay)
{
    const bool yalın = (olay->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const std::optional<Yön> yön = OkTuşu(olay->key());
    const bool seçim = olay->key() == Qt::Key_Space || olay->key() == Qt::Key_Return || olay->key() == Qt::Key_Enter;
    if (yalın && yön && OkaBasıldı)
        OkaBasıldı(*yön);
    else if (yalın && seçim && SeçimeBasıldı)
        SeçimeBasıldı();
    else
        QWidget::keyPressEvent(olay);
}

void TahtaGörünümü::contextMenuEvent(QContextMenuEvent *olay)
{
    bağlamMenüsü->exec(olay->globalPos());
}

void TahtaGörünümü::focusInEvent(QFocusEvent *olay)
{
    QWidget::focusInEvent(olay);
    update();
}

void TahtaGörünümü::focusOutEvent(QFocusEvent *olay)
{
    // Back on the board, the reader is told of the board itself first.
    duyuran = -1;
    QWidget::focusOutEvent(olay);
    update();
}
