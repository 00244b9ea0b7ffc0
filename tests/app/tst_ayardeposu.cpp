#include "AyarDeposu.h"
#include "CalismaHatasi.h"
#include "OrtakDegiskenler.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <optional>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

QByteArray Baytlar(const QString &yol)
{
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray();
}

void BaytlarıYaz(const QString &yol, const QByteArray &bayt)
{
    QFile dosya(yol);
    QVERIFY(dosya.open(QIODevice::WriteOnly) && dosya.write(bayt) == bayt.size());
}

// "Section: key=value key=value", as a whole-section read returns it.
QString Görünüm(const AyarDeposu &depo, const QString &bölüm)
{
    QString metin = bölüm + u':';
    for (const auto &[anahtar, değer] : depo.BölümüOku(bölüm))
        metin += u' ' + anahtar + u'=' + değer;
    return metin;
}

// The error number that `iş` throws, or 0.
int HataNumarası(const std::function<void()> &iş)
{
    try {
        iş();
    } catch (const ÇalışmaHatası &hata) {
        return hata.Numara();
    }
    return 0;
}

// The n-th value of the kill test: long enough for a kill to land inside a write, and escaped.
QString Yük(int n)
{
    return QString::number(n) + u':' + QString("ç=\\\n ").repeated(40000);
}

// Writes Yük(ilk), Yük(ilk + 1), ... and sends a byte through `kanal` after each write.
[[noreturn]] void YazıcıÇocuk(const QString &yol, int ilk, int kanal)
{
    try {
        AyarDeposu depo(yol);
        for (int n = ilk;; ++n) {
            depo.Yaz("Yük", "Değer", Yük(n));
            if (write(kanal, "+", 1) != 1)
                break;
        }
    } catch (...) {
    }
    _exit(1);
}

}  // namespace

class TstAyarDeposu : public QObject {
    Q_OBJECT
    std::optional<QTemporaryDir> klasör;
    QString yol;

private slots:
    void init()
    {
        klasör.emplace();
        yol = klasör->filePath("Velbor-Eng.ini");
    }
    void siraVeSilme_data();
    void siraVeSilme();
    void dosyaBicimi();
    void kacisGidipDoner_data();
    void kacisGidipDoner();
    void elleYazilanOkunur();
    void bozukDosyaKenaraKonur_data();
    void bozukDosyaKenaraKonur();
    void okunamayanDosyaKorunur();
    void yazilamayincaBellekDegismez();
    void ayarlarUygulamaAdiylaAcilir();
    void oldurulenYazmaYaEskiYaYeni();
};

// Steps: "+section|key|value" writes, "-section" deletes, "!section" is a delete that must fail
// and leave the file alone. The expected whole-section reads hold in memory and after reopening.
void TstAyarDeposu::siraVeSilme_data()
{
    QTest::addColumn<QStringList>("adımlar");
    QTest::addColumn<QStringList>("beklenen");
    QTest::newRow("rewritten key keeps its place")
        << QStringList{"+S|a|1", "+S|b|2", "+S|c|3", "+S|a|9"} << QStringList{"S: a=9 b=2 c=3"};
    QTest::newRow("deleted and rewritten keys take the new order")
        << QStringList{"+Oyun|a|1", "+Oyun|b|2", "-Oyun", "+Oyun|b|3", "+Oyun|a|4"} << QStringList{"Oyun: b=3 a=4"};
    QTest::newRow("parent deletion takes nested sections, not namesakes")
        << QStringList{"+Oyun\\Bilgiler|s|1", "+Oyun|a|1", "+Oyunlar|x|1", "+Oyun\\Bilgiler\\Alt|y|2", "-Oyun"}
        << QStringList{"Oyun:", "Oyun\\Bilgiler:", "Oyun\\Bilgiler\\Alt:", "Oyunlar: x=1"};
    QTest::newRow("saved game deleted nested first")
        << QStringList{"+Oyun|Foto-0|1B", "+Oyun\\Bilgiler|s|2", "-Oyun\\Bilgiler", "-Oyun"}
        << QStringList{"Oyun:", "Oyun\\Bilgiler:"};
    QTest::newRow("parent existing only through a nested section")
        << QStringList{"+A\\B|k|1", "-A", "!A"} << QStringList{"A\\B:"};
    QTest::newRow("missing sections cannot be deleted")
        << QStringList{"+Oyun|k|1", "+S|k|1", "-S", "!S", "!Yok", "!Oy", "!Oyun\\Bilgiler", "!oyun"}
        << QStringList{"Oyun: k=1", "S:"};
}

void TstAyarDeposu::siraVeSilme()
{
    QFETCH(QStringList, adımlar);
    QFETCH(QStringList, beklenen);
    AyarDeposu depo(yol);
    for (const QString &adım : adımlar) {
        const QStringList parça = adım.mid(1).split(u'|');
        const QByteArray önce = Baytlar(yol);
        if (adım[0] == u'+')
            depo.Yaz(parça[0], parça[1], parça[2]);
        else if (adım[0] == u'-')
            depo.BölümüSil(parça[0]);
        else if (HataNumarası([&] { depo.BölümüSil(parça[0]); }) != HataNo::GeçersizÇağrı || Baytlar(yol) != önce)
            QFAIL(qPrintable("deleting a missing " + parça[0] + " did not fail cleanly"));
    }
    const AyarDeposu yeniden(yol);
    for (const QString &satır : beklenen) {
        QCOMPARE(Görünüm(depo, satır.section(u':', 0, 0)), satır);
        QCOMPARE(Görünüm(yeniden, satır.section(u':', 0, 0)), satır);
    }
}

void TstAyarDeposu::dosyaBicimi()
{
    AyarDeposu depo(yol);
    depo.Yaz("Ayarlar", "Son Bolme", "1");
    depo.Yaz("Oyun\\Bilgiler", "Saniye Bilgisi", "5");
    depo.Yaz("Ayarlar", "Son Fotograf", " C:\\Fotoğraf 1.jpg ");
    depo.Yaz("Oyun", "[a=b]", "iki\nsatır");
    depo.Yaz("Ayarlar", "Son Bolme", "2");
    QCOMPARE(QString::fromUtf8(Baytlar(yol)), "[Ayarlar]\nSon Bolme=2\nSon Fotograf=\\sC:\\\\Fotoğraf 1.jpg\\s\n\n"
                                              "[Oyun\\Bilgiler]\nSaniye Bilgisi=5\n\n"
                                              "[Oyun]\n\\[a\\=b]=iki\\nsatır\n");
    QCOMPARE(depo.Oku("Ayarlar", "son bolme", "0"), "0");
    QCOMPARE(depo.Oku("Yok", "Son Bolme", "1"), "1");
    QCOMPARE(depo.Oku("Yok", "Son Bolme"), QString());
}

void TstAyarDeposu::kacisGidipDoner_data()
{
    QTest::addColumn<QString>("metin");
    QTest::addColumn<bool>("bölümAdıOlur");
    QTest::newRow("blanks at both ends") << u"  baş ve son  "_s << true;
    QTest::newRow("single blank") << u" "_s << true;
    QTest::newRow("other blanks at the ends") << u"\u00a0x\u3000"_s << true;
    QTest::newRow("equals signs") << u"=a=b="_s << true;
    QTest::newRow("backslashes") << u"C:\\yol\\"_s << true;
    QTest::newRow("escape lookalikes") << u"\\n\\s\\u0041\\"_s << true;
    QTest::newRow("non-ASCII") << u"çğıöşü İ ❤ 𝄞"_s << true;
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("comment lookalikes") << u";yorum #diyez"_s << true;
    QTest::newRow("hash first") << u"#x"_s << true;
    QTest::newRow("section lookalike") << u"[x]"_s << false;
    QTest::newRow("newlines") << u"iki\nsatır\n"_s << false;
    QTest::newRow("carriage returns and tab") << u"\r\n\t\r"_s << false;
    QTest::newRow("control characters") << u"a"_s + QChar(0) + u'b' + QChar(1) + QChar(0x7f) + QChar(0x85) << false;
    QTest::newRow("lone surrogates") << u"a"_s + QChar(0xdc00) + u'b' + QChar(0xd800) << false;
}

// The text as a key and as a value among ordinary keys, and as a section name where one may be.
void TstAyarDeposu::kacisGidipDoner()
{
    QFETCH(QString, metin);
    QFETCH(bool, bölümAdıOlur);
    AyarDeposu depo(yol);
    depo.Yaz("A", "önce", "1");
    depo.Yaz("A", metin, metin);
    depo.Yaz("A", "değer", metin);
    depo.Yaz("A", "sonra", "2");
    const int hata = HataNumarası([&] { depo.Yaz(metin, metin, metin); });
    QCOMPARE(hata, bölümAdıOlur ? 0 : HataNo::GeçersizÇağrı);
    const QList<AyarGirdisi> beklenen{{"önce", "1"}, {metin, metin}, {"değer", metin}, {"sonra", "2"}};
    const AyarDeposu yeniden(yol);
    QCOMPARE(yeniden.BozukDosyaKopyası(), QString());
    QCOMPARE(depo.BölümüOku("A"), beklenen);
    QCOMPARE(yeniden.BölümüOku("A"), beklenen);
    QCOMPARE(yeniden.Oku(metin, metin, "yok"), bölümAdıOlur ? metin : "yok");
}

// What a person may add by hand: BOM, CRLF, comments, blank lines, blanks around "=", repeats.
void TstAyarDeposu::elleYazilanOkunur()
{
    BaytlarıYaz(yol, "\xef\xbb\xbf; not\r\n\r\n  [A]  \r\n# not\r\n  k  =  v w  \r\nl=\\s\r\n[B]\nx=3\n[A]\nk=4\n");
    const AyarDeposu depo(yol);
    QCOMPARE(depo.BozukDosyaKopyası(), QString());
    QCOMPARE(Görünüm(depo, "A") + Görünüm(depo, "B"), "A: k=4 l= B: x=3");
}

void TstAyarDeposu::bozukDosyaKenaraKonur_data()
{
    QTest::addColumn<QByteArray>("içerik");
    QTest::newRow("invalid UTF-8") << QByteArray("[A]\nk=\xff\xfe\n");
    QTest::newRow("line that is no setting") << QByteArray("[A]\nk=v\nbu satır ayar değil\n");
    QTest::newRow("key before any section") << QByteArray("k=v\n[A]\n");
    QTest::newRow("unknown escape") << QByteArray("[A]\nk=\\q\n");
    QTest::newRow("backslash at the end") << QByteArray("[A]\nk=v\\\n");
    QTest::newRow("unclosed section") << QByteArray("[A\nk=v\n");
    QTest::newRow("zero-filled") << QByteArray(64, '\0');
}

void TstAyarDeposu::bozukDosyaKenaraKonur()
{
    QFETCH(QByteArray, içerik);
    BaytlarıYaz(yol, içerik);
    AyarDeposu depo(yol);
    const QString kopya = depo.BozukDosyaKopyası();
    QVERIFY(kopya.startsWith(yol + ".damaged-"));
    QCOMPARE(Baytlar(kopya), içerik);
    QCOMPARE(Baytlar(yol), içerik);
    QCOMPARE(Görünüm(depo, "A"), "A:");

    // A second opening within the same second must not overwrite the first copy.
    const QString ikinciKopya = AyarDeposu(yol).BozukDosyaKopyası();
    QVERIFY(!ikinciKopya.isEmpty() && ikinciKopya != kopya);
    QCOMPARE(Baytlar(kopya), içerik);

    depo.Yaz("A", "k", "yeni");
    QCOMPARE(Görünüm(AyarDeposu(yol), "A"), "A: k=yeni");
}

void TstAyarDeposu::okunamayanDosyaKorunur()
{
    const QByteArray içerik("[A]\nk=v\n");
    BaytlarıYaz(yol, içerik);
    QFile::setPermissions(yol, {});
    const bool kapalı = !QFile(yol).open(QIODevice::ReadOnly);
    AyarDeposu depo(yol);
    QFile::setPermissions(yol, QFile::ReadOwner | QFile::WriteOwner);
    if (!kapalı)
        QSKIP("file permissions do not keep this user out");
    QCOMPARE(depo.BozukDosyaKopyası(), QString());
    QCOMPARE(Görünüm(depo, "A"), "A:");
    QCOMPARE(HataNumarası([&] { depo.Yaz("A", "k", "x"); }), HataNo::DosyaErişimHatası);
    QCOMPARE(Baytlar(yol), içerik);
}

// A folder in the file's place makes every write fail, whatever the user's rights.
void TstAyarDeposu::yazilamayincaBellekDegismez()
{
    AyarDeposu depo(yol);
    depo.Yaz("A", "k", "1");
    QVERIFY(QFile::remove(yol) && QDir().mkdir(yol));
    QCOMPARE(HataNumarası([&] { depo.Yaz("A", "k", "2"); }), HataNo::DosyaErişimHatası);
    QCOMPARE(HataNumarası([&] { depo.Yaz("B", "k", "3"); }), HataNo::DosyaErişimHatası);
    QCOMPARE(HataNumarası([&] { depo.BölümüSil("A"); }), HataNo::DosyaErişimHatası);
    QCOMPARE(Görünüm(depo, "A") + Görünüm(depo, "B"), "A: k=1B:");
}

void TstAyarDeposu::ayarlarUygulamaAdiylaAcilir()
{
    const QString eskiUygulama = std::exchange(AyarUygulaması, "Orvane\\Velbor-Eng");
    AyarKlasörünüBelirle(klasör->filePath("yeni/klasör"));
    Ayarlar().Yaz("Ayarlar", "Son Bolme", "1");
    const QString açılan = Ayarlar().DosyaYolu();
    AyarlarıKapat();
    BaytlarıYaz(açılan, "[Ayarlar]\nSon Bolme=2\n");
    const QString okunan = Ayarlar().Oku("Ayarlar", "Son Bolme");
    AyarKlasörünüBelirle(QString());
    AyarUygulaması = eskiUygulama;
    QCOMPARE(açılan, klasör->filePath("yeni/klasör/Orvane/Velbor-Eng.ini"));
    QCOMPARE(okunan, "2");
}

// A child writes in a loop and is killed at varied moments: the file must then hold, complete,
// either the last write the child finished or the one under way.
void TstAyarDeposu::oldurulenYazmaYaEskiYaYeni()
{
    AyarDeposu(yol).Yaz("Ayarlar", "Son Bolme", "2");
    for (int ilk = 0; ilk < 2'500'000; ilk += 100'000) {
        int kanal[2];
        QCOMPARE(pipe(kanal), 0);
        const pid_t çocuk = fork();
        if (çocuk == 0)
            YazıcıÇocuk(yol, ilk, kanal[1]);
        QVERIFY(çocuk > 0);
        close(kanal[1]);
        char bayt;
        int biten = read(kanal[0], &bayt, 1) == 1 ? 1 : 0;  // waits for the first finished write
        std::this_thread::sleep_for(std::chrono::microseconds(QRandomGenerator::global()->bounded(20000)));
        kill(çocuk, SIGKILL);
        int durum = 0;
        waitpid(çocuk, &durum, 0);
        while (read(kanal[0], &bayt, 1) == 1)
            ++biten;
        close(kanal[0]);
        QVERIFY2(biten > 0 && WIFSIGNALED(durum), "the writer child failed");

        const AyarDeposu okunan(yol);
        QCOMPARE(okunan.BozukDosyaKopyası(), QString());
        QCOMPARE(okunan.Oku("Ayarlar", "Son Bolme"), "2");
        const QString değer = okunan.Oku("Yük", "Değer");
        const int n = değer.section(u':', 0, 0).toInt() - ilk;
        QVERIFY2(n == biten - 1 || n == biten, qPrintable(QString("write %1 after %2 finished").arg(n).arg(biten)));
        QVERIFY(değer == Yük(ilk + n));
    }
}

QTEST_GUILESS_MAIN(TstAyarDeposu)
#include "tst_ayardeposu.moc"
