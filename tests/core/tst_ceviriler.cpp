// The player's language: every text translated alike, English where one is not, the locale's choice.
#include "Ceviriler.h"
#include "Dizgeler.h"

#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// The placeholders of a text, and an "&" for each access key ("&&" is a plain ampersand), sorted.
QStringList İşaretler(const QString &metin)
{
    static const QRegularExpression işaret(u"%\\d+|%n|&."_s);
    QStringList bulunan;
    for (const QRegularExpressionMatch &eşleşme : işaret.globalMatch(metin))
        if (eşleşme.captured() != u"&&")
            bulunan << (eşleşme.captured().startsWith(u'&') ? u"&"_s : eşleşme.captured());
    bulunan.sort();
    return bulunan;
}

// Every form a string takes, "" where missing; one that counts over numbers needing each plural form.
QStringList Biçimler(const QTranslator *çeviri, int kimlik)
{
    const bool sayılı = SayılıDizgeler().contains(kimlik);
    QStringList biçimler;
    for (const int sayı : sayılı ? QList<int>{0, 1, 2, 5, 11, 21, 101} : QList<int>{-1}) {
        if (çeviri)
            biçimler << çeviri->translate(nullptr, QByteArray::number(kimlik).constData(), nullptr, sayı);
        else
            biçimler << (sayılı ? DizgeSayılı(kimlik, sayı).replace(QString::number(sayı), u"%n"_s) : Dizge(kimlik));
    }
    biçimler.removeDuplicates();
    return biçimler;
}

// The captions of each window, the board's context menu being a window of its own.
const QList<std::pair<const char *, QList<int>>> Pencereler{
    {"main window", {100, 200, 210, 220, 230, 300, 400, 410, 420, 500, 510, 520, 600, 700, 800, 900}},
    {"board's menu", {3104, 3105, 3200, 3201, 3403, 3404, 3500}},
    {"records window", {3411, 3412}},
    {"photo dialog", {1600, 1700, 1800, 1900, 2000, 2100}},
    {"about dialog", {2000, 2500, 2600}},
};

}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void languagesOfTheProgram() { QCOMPARE(ÇeviriDilleri(), (QStringList{"de", "tr"})); }

    void everyLanguage_data()
    {
        QTest::addColumn<QString>("dil");
        for (const QString &dil : ÇeviriDilleri())
            QTest::newRow(qPrintable(dil)) << dil;
    }

    // Every text there, with the English placeholders and access keys.
    void everyLanguage()
    {
        QFETCH(QString, dil);
        QTranslator çeviri;
        QVERIFY(çeviri.load(u":/ceviriler/tilora_"_s + dil));
        for (const int kimlik : DizgeTablosu().keys() + SayılıDizgeler()) {
            const QStringList ingilizce = İşaretler(Biçimler(nullptr, kimlik).constFirst());
            for (const QString &biçim : Biçimler(&çeviri, kimlik))
                QVERIFY2(!biçim.isEmpty() && İşaretler(biçim) == ingilizce,
                         qPrintable(u"string %1 is missing or has other placeholders or access keys"_s.arg(kimlik)));
        }
        // The window's title is the key a second start finds the first copy by, whatever its language.
        QCOMPARE(Biçimler(&çeviri, 10), Biçimler(nullptr, 10));

        // No access key twice inside one window, in English or in this language.
        for (const QTranslator *dilde : QList<const QTranslator *>{nullptr, &çeviri}) {
            for (const auto &[pencere, kimlikler] : Pencereler) {
                QString tuşlar;
                for (const int kimlik : kimlikler) {
                    const QString metin = QString(Biçimler(dilde, kimlik).constFirst()).remove(u"&&"_s);
                    if (const qsizetype yer = metin.indexOf(u'&'); yer >= 0 && yer + 1 < metin.size())
                        tuşlar += metin[yer + 1].toCaseFolded();
                }
                for (const QChar tuş : tuşlar)
                    QVERIFY2(tuşlar.count(tuş) == 1, qPrintable(u"%1: access key %2 twice"_s.arg(pencere).arg(tuş)));
            }
        }
    }

    // A loaded translation wins; what it lacks, or without one, is the English.
    void englishUnlessTranslated()
    {
        QHash<int, QString> tablo = DizgeTablosu();
        tablo.insert(9999, u"Not yet translated"_s);
        DizgeTablosunuDeğiştir(tablo);
        QTranslator çeviri;
        QVERIFY(çeviri.load(u":/ceviriler/tilora_de"_s) && QCoreApplication::installTranslator(&çeviri));
        QCOMPARE(Dizge(600), u"&Neues Spiel"_s);
        QCOMPARE(Dizge(9999), u"Not yet translated"_s);
        QCoreApplication::removeTranslator(&çeviri);
        DizgeTablosunuDeğiştir({});
        QCOMPARE(ÇevirileriYükle(QLocale(QLocale::English, QLocale::UnitedStates)), QString());
        QCOMPARE(DizgeSayılı(1100, 3), u"3 hour, "_s);
    }

    // The first preferred language that is English or translated; unknown names, read as "C", are skipped.
    void languageChosen()
    {
        QCOMPARE(SeçilenDil({"de-AT"}, {"de", "tr"}), "de");
        QCOMPARE(SeçilenDil({"fr-FR", "fr", "de"}, {"de", "tr"}), "de");
        QCOMPARE(SeçilenDil({"en-GB", "de"}, {"de", "tr"}), "");
        QCOMPARE(SeçilenDil({"xx-YY", "tr"}, {"de", "tr"}), "tr");
        QCOMPARE(SeçilenDil({"C", "de"}, {"de", "tr"}), "");
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_ceviriler.moc"
