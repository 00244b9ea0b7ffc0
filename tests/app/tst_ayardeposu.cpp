#include <QTest>
class TstAyarDeposu : public QObject {
    Q_OBJECT
};
QTEST_GUILESS_MAIN(TstAyarDeposu)
#include "tst_ayardeposu.moc"
