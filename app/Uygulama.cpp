#include "Uygulama.h"

#include <QImageReader>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr auto EkranYokMesajı =
    "tilora: no display to open the game's window on (is DISPLAY or WAYLAND_DISPLAY set?)\n";

// While the application object starts, the platform's own complaints are held back: a missing
// display ends in one clear line instead of a screenful of plug-in diagnostics.
QList<QPair<QtMsgType, QString>> BekleyenMesajlar;

void BaşlangıçMesajı(QtMsgType tür, const QMessageLogContext &, const QString &metin)
{
    if (tür == QtFatalMsg) {
        std::fputs(EkranYokMesajı, stderr);
        std::_Exit(EXIT_FAILURE);
    }
    BekleyenMesajlar.append({tür, metin});
}

// The icon is no part of a window's first picture: it is decoded and given to every window once
// the first window has been painted, so the start never waits for it.
class İlkBoyamadanSonraSimge : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *olay) override
    {
        if (olay->type() == QEvent::Paint) {
            QCoreApplication::instance()->removeEventFilter(this);
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] { QApplication::setWindowIcon(ProgramSimgesi()); }, Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }
};

bool EkranAdıVar()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

std::unique_ptr<QApplication> UygulamayıBaşlat(int &argc, char **argv)
{
    if (!EkranAdıVar()) {
        std::fputs(EkranYokMesajı, stderr);
        return nullptr;
    }
    const QtMessageHandler önceki = qInstallMessageHandler(BaşlangıçMesajı);
    auto uygulama = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(önceki);
    for (const auto &[tür, metin] : std::as_const(BekleyenMesajlar))
        qt_message_output(tür, QMessageLogContext(), metin);
    BekleyenMesajlar.clear();

    QApplication::setApplicationName(QStringLiteral("tilora"));
    // Wayland shells find the window's menu entry, and so its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(TILORA_APP_ID));
    uygulama->installEventFilter(new İlkBoyamadanSonraSimge(uygulama.get()));
    // The designed windows set the design's font at their own scale; message boxes, menus and
    // tooltips keep the desktop's.
    return uygulama;
}

// The application's icon once it has one, so that the window shares its pictures, decoded once.
QIcon ProgramSimgesi()
{
    if (!QGuiApplication::windowIcon().isNull())
        return QGuiApplication::windowIcon();
    QIcon simge;
    // Up to the size a window switcher draws. Read as PNG and nothing else: a reader left to
    // detect the format loads every picture plug-in to ask it first.
    for (const int boyut : {16, 32, 48, 64, 128}) {
        QImageReader okuyucu(QStringLiteral(":/simgeler/tilora-%1.png").arg(boyut), "png");
        okuyucu.setAutoDetectImageFormat(false);
        simge.addPixmap(QPixmap::fromImageReader(&okuyucu));
    }
    return simge;
}
