// The player's language: every text of the table in each language the game has, with the same
// placeholders; one access key a control, none twice in a window; English left as it is.
#include "Ceviriler.h"
#include "Dizgeler.h"

#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

namespace {

// The captions of each window, the board's context menu being a window of its own.
const QList<std::pair<const char *, QList<int>>> Pencereler{
    {"main window", {100, 200, 210, 220, 230, 300, 400, 410, 420, 500, 510, 520, 600, 700, 800, 900}},
    {"board's menu", {3104, 3105, 3200, 3201, 3403, 3404, 3500}},
    {"records window", {3411, 3412}},
    {"photo dialog", {1600, 1700, 1800, 1900, 2000, 2100}},
    {"about dialog", {2000, 2500, 2600}},
};

// Numbers that call for every plural form of German and Turkish, and then some.
const QList<int> Sayılar{0, 1, 2, 5, 11, 21, 101};

QStringList Yertutucular(const QString &metin)
{
    static const QRegularExpression yertutucu(QStringLiteral("%(\\d+|n)"));
    QStringList bulunan;
    for (const QRegularExpressionMatch &eşleşme : yertutucu.globalMatch(metin))
        bulunan << eşleşme.captured();
    bulunan.sort();
    return bulunan;
}

// The letters marked as access keys ("&&" is a plain ampersand), folded so that case does not count.
QList<QChar> ErişimTuşları(const QString &metin)
{
    QList<QChar> tuşlar;
    for (qsizetype sıra = 0; sıra + 1 < metin.size(); ++sıra) {
        if (metin[sıra] != QLatin1Char('&'))
            continue;
        if (metin[sıra + 1] != QLatin1Char('&'))
            tuşlar << metin[sıra + 1].toCaseFolded();
        ++sıra;
    }
    return tuşlar;
}

QString Kimlikler(const QList<int> &kimlikler)
{
    QStringList metin;
    for (const int kimlik : kimlikler)
        metin << QString::number(kimlik);
    return metin.join(QStringLiteral(", "));
}

// Every form a string takes, in English or in a loaded translation: one for a plain string, the
// distinct forms over `Sayılar` for one whose wording follows a number, "" where a text is missing.
QStringList Biçimler(const QTranslator *çeviri, int kimlik)
{
    const bool sayılı = SayılıDizgeler().contains(kimlik);
    QStringList biçimler;
    for (const int sayı : sayılı ? Sayılar : QList<int>{-1}) {
        QString metin;
        if (!çeviri)
            metin = sayılı ? DizgeSayılı(kimlik, sayı).replace(QString::number(sayı), QStringLiteral("%n")) : Dizge(kimlik);
        else
            metin = çeviri->translate(nullptr, QByteArray::number(kimlik).constData(), nullptr, sayı);
        if (!biçimler.contains(metin))
            biçimler << metin;
    }
    return biçimler;
}

QList<int> TümKimlikler()
{
    QList<int> kimlikler = DizgeTablosu().keys() + SayılıDizgeler();
    std::sort(kimlikler.begin(), kimlikler.end());
    return kimlikler;
}

}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT

    std::unique_ptr<QTranslator> Yükle(const QString &dil)
    {
        auto çeviri = std::make_unique<QTranslator>();
        if (!dil.isEmpty() && !çeviri->load(QStringLiteral(":/ceviriler/tilora_") + dil))
            qFatal("no translation %s in the program", qPrintable(dil));
        return dil.isEmpty() ? nullptr : std::move(çeviri);
    }

private slots:
    void languagesOfTheProgram() { QCOMPARE(ÇeviriDilleri(), (QStringList{"de", "tr"})); }

    void everyStringTranslated_data()
    {
        QTest::addColumn<QString>("dil");
        for (const QString &dil : ÇeviriDilleri())
            QTest::newRow(qPrintable(dil)) << dil;
    }

    // Names exactly what a language lacks: a text, or a placeholder of the English.
    void everyStringTranslated()
    {
        QFETCH(QString, dil);
        const auto çeviri = Yükle(dil);
        QList<int> eksik, yertutucusuFarklı;
        for (const int kimlik : TümKimlikler()) {
            const QStringList ingilizce = Biçimler(nullptr, kimlik);
            const QStringList biçimler = Biçimler(çeviri.get(), kimlik);
            if (biçimler.contains(QString()))
                eksik << kimlik;
            else if (std::any_of(biçimler.cbegin(), biçimler.cend(), [&](const QString &biçim) {
                         return Yertutucular(biçim) != Yertutucular(ingilizce.constFirst());
                     }))
                yertutucusuFarklı << kimlik;
        }
        QVERIFY2(eksik.isEmpty(), qPrintable(dil + QStringLiteral(" has no text for ") + Kimlikler(eksik)));
        QVERIFY2(yertutucusuFarklı.isEmpty(),
                 qPrintable(dil + QStringLiteral(" differs from the English in the placeholders of ") + Kimlikler(yertutucusuFarklı)));
        // The window's title is the key a second start finds the first copy by, whatever its language.
        QCOMPARE(Biçimler(çeviri.get(), 10), Biçimler(nullptr, 10));
        // German words follow the number: one hour, two hours.
        if (dil == u"de")
            QCOMPARE(Biçimler(çeviri.get(), 1100).size(), 2);
    }

    void accessKeys_data()
    {
        QTest::addColumn<QString>("dil");
        QTest::newRow("en") << QString();
        for (const QString &dil : ÇeviriDilleri())
            QTest::newRow(qPrintable(dil)) << dil;
    }

    // A control with an access key in English has one in every language, and no other has one.
    void accessKeys()
    {
        QFETCH(QString, dil);
        const auto çeviri = Yükle(dil);
        for (const auto &[pencere, kimlikler] : Pencereler) {
            QList<QChar> kullanılan;
            for (const int kimlik : kimlikler) {
                const QList<QChar> tuşlar = ErişimTuşları(Biçimler(çeviri.get(), kimlik).constFirst());
                QVERIFY2(tuşlar.size() == ErişimTuşları(Dizge(kimlik)).size(),
                         qPrintable(QStringLiteral("%1: string %2 has %3 access keys").arg(pencere).arg(kimlik).arg(tuşlar.size())));
                for (const QChar tuş : tuşlar) {
                    QVERIFY2(!kullanılan.contains(tuş),
                             qPrintable(QStringLiteral("%1: access key %2 twice, again in string %3").arg(pencere).arg(tuş).arg(kimlik)));
                    kullanılan << tuş;
                }
            }
        }
    }

    // A loaded translation wins; what it lacks, and everything without one, is the table's English.
    void englishUnlessTranslated()
    {
        QHash<int, QString> tablo = DizgeTablosu();
        tablo.insert(9999, QStringLiteral("Not yet translated"));
        DizgeTablosunuDeğiştir(tablo);
        const auto çeviri = Yükle(QStringLiteral("de"));
        QVERIFY(QCoreApplication::installTranslator(çeviri.get()));
        QCOMPARE(Dizge(600), QStringLiteral("&Neues Spiel"));
        QCOMPARE(DizgeSayılı(1100, 1), QStringLiteral("1 Stunde, "));
        QCOMPARE(DizgeSayılı(1100, 3), QStringLiteral("3 Stunden, "));
        QCOMPARE(Dizge(9999), QStringLiteral("Not yet translated"));
        QCoreApplication::removeTranslator(çeviri.get());
        DizgeTablosunuDeğiştir({});
        QCOMPARE(Dizge(600), QStringLiteral("&New Game"));
        QCOMPARE(DizgeSayılı(1100, 3), QStringLiteral("3 hour, "));
    }

    void languageChosen_data()
    {
        QTest::addColumn<QStringList>("tercihler");
        QTest::addColumn<QString>("dil");
        QTest::newRow("German") << QStringList{"de-DE", "de"} << "de";
        QTest::newRow("Turkish") << QStringList{"tr-TR"} << "tr";
        QTest::newRow("Austrian German") << QStringList{"de-AT"} << "de";
        QTest::newRow("English") << QStringList{"en-US"} << "";
        QTest::newRow("C locale") << QStringList{"C"} << "";
        QTest::newRow("French, then German") << QStringList{"fr-FR", "fr", "de"} << "de";
        QTest::newRow("English before German") << QStringList{"en-GB", "de"} << "";
        QTest::newRow("unknown, then Turkish") << QStringList{"xx-YY", "tr"} << "tr";
        QTest::newRow("French only") << QStringList{"fr-FR"} << "";
        QTest::newRow("none") << QStringList{} << "";
    }

    void languageChosen()
    {
        QFETCH(QStringList, tercihler);
        QFETCH(QString, dil);
        QCOMPARE(SeçilenDil(tercihler, {"de", "tr"}), dil);
    }

    // Without a translation for the locale, nothing is installed and the texts stay English.
    void englishLocaleInstallsNothing()
    {
        QCOMPARE(ÇevirileriYükle(QLocale(QLocale::English, QLocale::UnitedStates)), QString());
        QCOMPARE(Dizge(1500), QStringLiteral("Do you want to exit the program?"));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_ceviriler.moc"
