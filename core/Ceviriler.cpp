#include "Ceviriler.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString ÇeviriKlasörü = QStringLiteral(":/ceviriler");
const QString ÇeviriÖneki = QStringLiteral("tilora_");

void Kur(const QString &dosya, const QString &klasör)
{
    auto *çeviri = new QTranslator(QCoreApplication::instance());
    if (çeviri->load(dosya, klasör))
        QCoreApplication::installTranslator(çeviri);
    else
        delete çeviri;
}

}  // namespace

QStringList ÇeviriDilleri()
{
    QStringList diller;
    for (const QString &dosya : QDir(ÇeviriKlasörü).entryList({ÇeviriÖneki + QStringLiteral("*.qm")}, QDir::Files))
        diller << dosya.mid(ÇeviriÖneki.size()).chopped(3);
    return diller;
}

QString SeçilenDil(const QStringList &tercihler, const QStringList &diller)
{
    for (const QString &tercih : tercihler) {
        const QLocale::Language dil = QLocale(tercih).language();
        // The "C" locale is the untranslated program: English. A name Qt does not know reads as
        // "C" too, and is passed over.
        if (dil == QLocale::English || tercih == u"C" || tercih.startsWith(u"C.") || tercih == u"POSIX")
            return {};
        const QString kod = QLocale::languageToCode(dil);
        if (diller.contains(kod))
            return kod;
    }
    return {};
}

QString ÇevirileriYükle(const QLocale &yerel)
{
    const QString dil = SeçilenDil(yerel.uiLanguages(), ÇeviriDilleri());
    if (dil.isEmpty())
        return {};
    Kur(ÇeviriÖneki + dil, ÇeviriKlasörü);
    Kur(QStringLiteral("qtbase_") + dil, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return dil;
}
