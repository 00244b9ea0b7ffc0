#include "Fotograf.h"

#include "CalismaHatasi.h"
#include "DuzenliDosya.h"
#include "TasarimYerlesimi.h"
#include "Yerlesim.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {

// Larger claims are refused before any decoding starts.
constexpr qint64 EnÇokPiksel = 500'000'000;
constexpr int EnUzunKenar = 65'535;
// Formats that cannot decode scaled are decoded whole within this limit.
constexpr int BütünÇözmeSınırıMB = 192;

[[noreturn]] void GeçersizResim()
{
    throw ÇalışmaHatası(HataNo::GeçersizResim);
}

// libjpeg keeps every coefficient of a progressive picture in memory, up to 6 bytes a pixel: a
// few hundred bytes that claim 22000 x 22000 pixels would take 3 GB. It takes its limit from
// JPEGMEM whenever a decoder is made and refuses a picture beyond it. Set before any thread runs.
[[maybe_unused]] const bool JpegBelleğiSınırlı =
    qEnvironmentVariableIsSet("JPEGMEM") || qputenv("JPEGMEM", QByteArrayLiteral("512M"));

// A JPEG whose scan data has no end marker was cut short: libjpeg would fill the missing part
// with grey. The scan data escapes every 0xFF, so the picture is whole when an end marker
// follows its last scan. Searching from the end also sees through a thumbnail in the header,
// whose own end marker comes before the picture's scans, and reads only the file's tail.
bool JpegEksikMi(QFile &dosya)
{
    const qint64 boyut = dosya.size();
    const uchar *bayt = dosya.map(0, boyut);
    if (!bayt)
        return false;
    const QByteArrayView içerik(reinterpret_cast<const char *>(bayt), boyut);
    const qsizetype son = içerik.lastIndexOf("\xFF\xD9");
    const bool eksik = son < 0 || içerik.indexOf("\xFF\xDA", son) >= 0;
    dosya.unmap(const_cast<uchar *>(bayt));
    return eksik;
}

// The size a stored picture of `kayıtlı` pixels is brought to: the smallest eighth-step
// reduction (the steps a JPEG decodes to directly) that still covers `enKüçük`.
QSize ÇalışmaBoyutu(const QSize &kayıtlı, const QSize &enKüçük)
{
    for (int sekizde = 1; sekizde < 8; ++sekizde) {
        const QSize aday(int(qint64(kayıtlı.width()) * sekizde / 8), int(qint64(kayıtlı.height()) * sekizde / 8));
        if (aday.width() >= enKüçük.width() && aday.height() >= enKüçük.height())
            return aday;
    }
    return kayıtlı;
}

}  // namespace

Fotoğraf::Fotoğraf(QSize boyut, QImage çalışmaResmi) : boyut(boyut), çalışmaResmi(std::move(çalışmaResmi)) {}

QImage Fotoğraf::Parça(const QRect &kaynak, const QSize &hedef) const
{
    if (BoşMu() || hedef.isEmpty())
        return {};
    const double x = double(çalışmaResmi.width()) / boyut.width();
    const double y = double(çalışmaResmi.height()) / boyut.height();
    const int sol = int(std::floor(kaynak.x() * x));
    const int üst = int(std::floor(kaynak.y() * y));
    const int sağ = std::max(sol + 1, int(std::ceil((kaynak.x() + kaynak.width()) * x)));
    const int alt = std::max(üst + 1, int(std::ceil((kaynak.y() + kaynak.height()) * y)));
    return çalışmaResmi.copy(QRect(QPoint(sol, üst), QPoint(sağ - 1, alt - 1)))
        .scaled(hedef, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage Fotoğraf::Tamamı(const QSize &hedef) const
{
    if (BoşMu() || hedef.isEmpty())
        return {};
    return çalışmaResmi.scaled(hedef, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool Fotoğraf::Karşılar(const QSize &enKüçük) const
{
    return çalışmaResmi.size() == boyut
           || (çalışmaResmi.width() >= enKüçük.width() && çalışmaResmi.height() >= enKüçük.height());
}

QSize EnKüçükÇalışmaBoyutu(const QWidget *pencere)
{
    const QScreen *ekran = pencere ? pencere->screen() : QGuiApplication::primaryScreen();
    const qreal oran = ekran ? ekran->devicePixelRatio() : 1.0;
    const TasarımÖlçeği ölçek = PencereÖlçeği(pencere);
    return QSize(int(std::ceil(ölçek.Piksel(Yerleşim::ÇerçeveGenişliği) * oran)),
                 int(std::ceil(ölçek.Piksel(Yerleşim::ÇerçeveYüksekliği) * oran)));
}

Fotoğraf FotoğrafıYükle(const QString &yol, const QSize &enKüçük)
{
    QFile dosya;
    switch (DüzenliDosyayıAç(dosya, yol)) {
    case AçılışSonucu::Açıldı: break;
    case AçılışSonucu::Yok: throw ÇalışmaHatası(HataNo::DosyaBulunamadı);
    case AçılışSonucu::DüzenliDosyaDeğil:
    case AçılışSonucu::Okunamıyor: throw ÇalışmaHatası(HataNo::DosyaErişimHatası);
    }

    QImageReader okuyucu(&dosya);
    okuyucu.setAutoTransform(true);
    okuyucu.setAllocationLimit(BütünÇözmeSınırıMB);
    QSize kayıtlı = okuyucu.size();
    // A BMP stored top-down reports its height as negative.
    if (kayıtlı.width() > 0 && kayıtlı.height() < 0)
        kayıtlı.setHeight(-kayıtlı.height());
    if (!okuyucu.canRead() || kayıtlı.isEmpty() || kayıtlı.width() > EnUzunKenar
        || kayıtlı.height() > EnUzunKenar || qint64(kayıtlı.width()) * kayıtlı.height() > EnÇokPiksel)
        GeçersizResim();
    if (okuyucu.format() == "jpeg" && JpegEksikMi(dosya))
        GeçersizResim();

    const bool yanYatık = okuyucu.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize hedef = ÇalışmaBoyutu(kayıtlı, yanYatık ? enKüçük.transposed() : enKüçük);
    const bool ölçekliÇözer = okuyucu.supportsOption(QImageIOHandler::ScaledSize);
    if (ölçekliÇözer && hedef != kayıtlı)
        okuyucu.setScaledSize(hedef);

    QImage resim = okuyucu.read();
    if (resim.isNull())
        GeçersizResim();
    if (!ölçekliÇözer && hedef != kayıtlı) {
        const QSize dikHedef = yanYatık ? hedef.transposed() : hedef;
        resim = resim.scaled(dikHedef, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (resim.format() != QImage::Format_RGB32)
        resim.convertTo(QImage::Format_RGB32);
    return Fotoğraf(yanYatık ? kayıtlı.transposed() : kayıtlı, std::move(resim));
}
