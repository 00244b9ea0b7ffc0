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

#include <algorithm>
#include <cmath>

namespace {

// Cameras write up to 200 megapixels; larger claims are refused before any decoding starts.
constexpr qint64 EnÇokPiksel = 250'000'000;
constexpr int EnUzunKenar = 65'535;
// No format the loader reads takes more than 8 bytes a pixel (16-bit RGBA), and a camera adds
// a few megabytes of its own (EXIF, previews, colour profiles). A larger file is no picture of
// the size it claims: refused at once, it is never read through.
constexpr qint64 EnÇokPikselBaytı = 8;
constexpr qint64 EkVeriPayı = 32 << 20;
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

// A file that reads no further once its load is abandoned, so the decoder stops soon after.
class VazgeçilebilirDosya : public QFile {
public:
    explicit VazgeçilebilirDosya(const std::atomic<bool> *vazgeçildi) : vazgeçildi(vazgeçildi) {}

protected:
    qint64 readData(char *veri, qint64 enÇok) override
    {
        if (vazgeçildi && *vazgeçildi)
            return -1;
        return QFile::readData(veri, enÇok);
    }

private:
    const std::atomic<bool> *vazgeçildi;
};

// A JPEG whose scan data has no end marker was cut short: libjpeg would fill the missing part
// with grey. The scan data escapes every 0xFF, so the picture is whole when an end marker
// follows its last scan. Only the last megabyte is read: a whole picture's end marker lies
// there, behind at most a camera's trailer, however large the file. Searching it from the end
// also sees through a thumbnail in the header, whose own end marker comes before the scans.
bool JpegEksikMi(QFile &dosya)
{
    constexpr qint64 Kuyruk = 1 << 20;
    const qint64 başı = std::max<qint64>(0, dosya.size() - Kuyruk);
    if (!dosya.seek(başı))
        return true;
    const QByteArray kuyruk = dosya.read(Kuyruk);
    const qsizetype son = kuyruk.lastIndexOf("\xFF\xD9");
    return !dosya.seek(0) || son < 0 || kuyruk.indexOf("\xFF\xDA", son) >= 0;
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

Fotoğraf FotoğrafıYükle(const QString &yol, const QSize &enKüçük, const std::atomic<bool> *vazgeçildi)
{
    VazgeçilebilirDosya dosya(vazgeçildi);
    switch (DüzenliDosyayıAç(dosya, yol)) {
    case AçılışSonucu::Açıldı: break;
    case AçılışSonucu::Yok: throw ÇalışmaHatası(HataNo::DosyaBulunamadı);
    case AçılışSonucu::DüzenliDosyaDeğil:
    case AçılışSonucu::Okunamıyor: throw ÇalışmaHatası(HataNo::DosyaErişimHatası);
    }
    const qint64 dosyaBoyutu = dosya.size();
    if (dosyaBoyutu > EnÇokPiksel * EnÇokPikselBaytı + EkVeriPayı)
        GeçersizResim();
    if (dosya.peek(2) == "\xFF\xD8" && JpegEksikMi(dosya))
        GeçersizResim();

    QImageReader okuyucu(&dosya);
    okuyucu.setAutoTransform(true);
    okuyucu.setAllocationLimit(BütünÇözmeSınırıMB);
    QSize kayıtlı = okuyucu.size();
    // A BMP stored top-down reports its height as negative.
    if (kayıtlı.width() > 0 && kayıtlı.height() < 0)
        kayıtlı.setHeight(-kayıtlı.height());
    const qint64 piksel = qint64(kayıtlı.width()) * kayıtlı.height();
    if (!okuyucu.canRead() || kayıtlı.isEmpty() || kayıtlı.width() > EnUzunKenar || kayıtlı.height() > EnUzunKenar
        || piksel > EnÇokPiksel || dosyaBoyutu > piksel * EnÇokPikselBaytı + EkVeriPayı)
        GeçersizResim();

    const bool yanYatık = okuyucu.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize hedef = ÇalışmaBoyutu(kayıtlı, yanYatık ? enKüçük.transposed() : enKüçük);
    const bool ölçekliÇözer = okuyucu.supportsOption(QImageIOHandler::ScaledSize);
    if (ölçekliÇözer && hedef != kayıtlı)
        okuyucu.setScaledSize(hedef);

    QImage resim = okuyucu.read();
    if (resim.isNull() || (vazgeçildi && *vazgeçildi))
        GeçersizResim();
    if (!ölçekliÇözer && hedef != kayıtlı) {
        const QSize dikHedef = yanYatık ? hedef.transposed() : hedef;
        resim = resim.scaled(dikHedef, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (resim.format() != QImage::Format_RGB32)
        resim.convertTo(QImage::Format_RGB32);
    return Fotoğraf(yanYatık ? kayıtlı.transposed() : kayıtlı, std::move(resim));
}
