// The last solution kept: the rest of it for a board on its path, nothing for any other board.
#include "CozumBellegi.h"
#include "Tahta.h"

#include <QTest>

namespace {

QList<int> Etiketler(const Tahta &tahta)
{
    QList<int> etiketler;
    for (int konum = 0; konum < tahta.KonumSayısı(); ++konum)
        etiketler.append(tahta.Etiket(konum));
    return etiketler;
}

}  // namespace

class TestSolutionMemory : public QObject {
    Q_OBJECT

private slots:
    void answers()
    {
        // Home, after the gap walked 8, 7, 4, 3, 0, 1, 4: the solution walks it back.
        const QList<int> çözüm{1, 0, 3, 4, 7, 8};
        ÇözümBelleği bellek;
        // The solution followed for some slides, then perhaps the player's own.
        for (const auto &[izlenen, sapma] : {std::pair{2, QList<int>{}}, {6, QList<int>{}}, {3, QList<int>{6}}}) {
            Tahta tahta(3);
            tahta.Yerleştir({1, 3, 2, 0, 3, 5, 6, 4, 7}, 4);
            bellek.Hatırla(Etiketler(tahta), tahta.BoşParçaNo(), {Çözüm::Durum::Çözüldü, çözüm, true});
            for (const int konum : çözüm.first(izlenen) + sapma)
                QVERIFY(tahta.Kaydır(konum));
            const std::optional<Çözüm> yanıt = bellek.Sor(Etiketler(tahta), tahta.BoşParçaNo());
            QCOMPARE(yanıt.has_value(), sapma.isEmpty());
            QCOMPARE(yanıt.value_or(Çözüm{}).hamleler, sapma.isEmpty() ? çözüm.mid(izlenen) : QList<int>{});
            bellek.Unut();
            QVERIFY(!bellek.Sor(Etiketler(tahta), tahta.BoşParçaNo()));
        }
    }
};

QTEST_GUILESS_MAIN(TestSolutionMemory)
#include "tst_cozumbellegi.moc"
