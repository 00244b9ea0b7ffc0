// The last solution kept: the rest of it for a board on its path, nothing for any other board.
#include "CozumBellegi.h"
#include "Tahta.h"

#include <QTest>

#include <numeric>

namespace {

QList<int> Etiketler(const Tahta &tahta)
{
    QList<int> etiketler;
    for (int konum = 0; konum < tahta.KonumSayısı(); ++konum)
        etiketler.append(tahta.Etiket(konum));
    return etiketler;
}

bool EveGötürür(Tahta tahta, const QList<int> &hamleler)
{
    for (const int konum : hamleler)
        if (!tahta.Kaydır(konum))
            return false;
    return tahta.TamamlandıMı() && tahta.BoşParçaNo() == tahta.KonumSayısı() - 1;
}

}  // namespace

class TestSolutionMemory : public QObject {
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<int>("izlenen");    // slides of the solution the player followed
        QTest::addColumn<QList<int>>("sapma");  // the player's own slides after them
        QTest::addColumn<bool>("yolda");
        QTest::newRow("the board it was found for") << 0 << QList<int>{} << true;
        QTest::newRow("two slides followed") << 2 << QList<int>{} << true;
        QTest::newRow("all followed, home") << 6 << QList<int>{} << true;
        QTest::newRow("one slide off at the start") << 0 << QList<int>{5} << false;
        QTest::newRow("one slide off after three") << 3 << QList<int>{6} << false;
    }
    void answers()
    {
        QFETCH(int, izlenen);
        QFETCH(QList<int>, sapma);
        QFETCH(bool, yolda);
        // Home, then the gap walks 8, 7, 4, 3, 0, 1, 4: the solution walks it back.
        Tahta tahta(3);
        QList<int> ev(9);
        std::iota(ev.begin(), ev.end(), 0);
        tahta.Yerleştir(ev, 8);
        for (const int konum : {7, 4, 3, 0, 1, 4})
            QVERIFY(tahta.Kaydır(konum));
        const QList<int> çözüm{1, 0, 3, 4, 7, 8};
        QVERIFY(EveGötürür(tahta, çözüm));
        ÇözümBelleği bellek;
        bellek.Hatırla(Etiketler(tahta), tahta.BoşParçaNo(), {Çözüm::Durum::Çözüldü, çözüm, true});

        for (int sıra = 0; sıra < izlenen; ++sıra)
            QVERIFY(tahta.Kaydır(çözüm[sıra]));
        for (const int konum : sapma)
            QVERIFY(tahta.Kaydır(konum));
        const std::optional<Çözüm> yanıt = bellek.Sor(Etiketler(tahta), tahta.BoşParçaNo());
        QCOMPARE(yanıt.has_value(), yolda);
        if (!yanıt)
            return;
        QVERIFY(EveGötürür(tahta, yanıt->hamleler));
        QCOMPARE(yanıt->hamleler, çözüm.mid(izlenen));
        QVERIFY(yanıt->enKısa);

        bellek.Unut();
        QVERIFY(!bellek.Sor(Etiketler(tahta), tahta.BoşParçaNo()));
    }
};

QTEST_GUILESS_MAIN(TestSolutionMemory)
#include "tst_cozumbellegi.moc"
