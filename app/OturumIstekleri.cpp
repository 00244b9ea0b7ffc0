#include "OturumIstekleri.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

namespace {

class OturumSonuSüzgeci : public QObject {
public:
    OturumSonuSüzgeci(QWidget &pencere, std::function<void()> kapat)
        : QObject(QCoreApplication::instance()), pencere(&pencere), kapat(std::move(kapat))
    {
    }

protected:
    bool eventFilter(QObject *nesne, QEvent *olay) override
    {
        if (olay->type() != QEvent::Quit || nesne != QCoreApplication::instance() || !pencere || !pencere->isVisible())
            return false;
        kapat();
        return true;
    }

private:
    QPointer<QWidget> pencere;
    std::function<void()> kapat;
};

}  // namespace

void Oturumİstekleriniİşle(QWidget &pencere, std::function<void()> kaydet, std::function<void()> kapat)
{
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, &pencere, [kaydet = std::move(kaydet)] { kaydet(); });
    QCoreApplication::instance()->installEventFilter(new OturumSonuSüzgeci(pencere, std::move(kapat)));
}
