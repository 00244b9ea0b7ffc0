#include "PencereYerlesimi.h"

#include <algorithm>

namespace {

qint64 Alan(const QRect &dikdörtgen)
{
    return dikdörtgen.isEmpty() ? 0 : qint64(dikdörtgen.width()) * dikdörtgen.height();
}

// How far the window's centre lies from the nearest point of the area.
qint64 Uzaklık(const QRect &alan, const QRect &pencere)
{
    const QPoint orta = pencere.center();
    const qint64 x = std::max({0, alan.left() - orta.x(), orta.x() - alan.right()});
    const qint64 y = std::max({0, alan.top() - orta.y(), orta.y() - alan.bottom()});
    return x * x + y * y;
}

}  // namespace

QRect GörünürPencereYeri(const QRect &pencere, const QList<QRect> &ekranlar)
{
    if (ekranlar.isEmpty())
        return pencere;
    const auto enÇokTutan = std::max_element(ekranlar.cbegin(), ekranlar.cend(), [&](const QRect &a, const QRect &b) {
        return Alan(a.intersected(pencere)) < Alan(b.intersected(pencere));
    });
    const QRect alan = Alan(enÇokTutan->intersected(pencere)) > 0
                           ? *enÇokTutan
                           : *std::min_element(ekranlar.cbegin(), ekranlar.cend(), [&](const QRect &a, const QRect &b) {
                                 return Uzaklık(a, pencere) < Uzaklık(b, pencere);
                             });
    const QSize boyut = pencere.size().boundedTo(alan.size());
    const QPoint yer(std::clamp(pencere.x(), alan.left(), alan.left() + alan.width() - boyut.width()),
                     std::clamp(pencere.y(), alan.top(), alan.top() + alan.height() - boyut.height()));
    return QRect(yer, boyut);
}
