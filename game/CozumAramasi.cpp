#include "CozumAramasi.h"

#include <QCursor>
#include <QGuiApplication>
#include <QtConcurrent/QtConcurrentRun>

ÇözümAraması::ÇözümAraması(const QString &önbellekKlasörü) : çözücü(önbellekKlasörü)
{
    QObject::connect(&izleyici, &QFutureWatcher<Çözüm>::finished, [this] {
        if (!vazgeç || *vazgeç)
            return;
        vazgeç = nullptr;
        QGuiApplication::restoreOverrideCursor();
        const Çözüm çözüm = izleyici.result();
        if (çözüm.enKısa)
            bellek.Hatırla(arananEtiketler, arananBoş, çözüm);
        if (const auto bildir = std::exchange(bitince, nullptr))
            bildir(çözüm);
    });
}

ÇözümAraması::~ÇözümAraması()
{
    Vazgeç();
    iş.waitForDone();
}

void ÇözümAraması::Başlat(const Tahta &tahta, std::function<void(const Çözüm &)> bitince)
{
    Vazgeç();
    QList<int> etiketler;
    for (int konum = 0; konum < tahta.KonumSayısı(); ++konum)
        etiketler.append(tahta.Etiket(konum));
    if (const std::optional<Çözüm> bilinen = bellek.Sor(etiketler, tahta.BoşParçaNo())) {
        bitince(*bilinen);
        return;
    }
    arananEtiketler = etiketler;
    arananBoş = tahta.BoşParçaNo();
    vazgeç = std::make_shared<std::atomic<bool>>(false);
    this->bitince = std::move(bitince);
    QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    izleyici.setFuture(QtConcurrent::run(&iş, [this, etiketler, boş = tahta.BoşParçaNo(), bayrak = vazgeç] {
        return çözücü.Çöz(etiketler, boş, *bayrak);
    }));
}

void ÇözümAraması::Vazgeç()
{
    if (!vazgeç)
        return;
    *vazgeç = true;
    vazgeç = nullptr;
    bitince = nullptr;
    QGuiApplication::restoreOverrideCursor();
}
