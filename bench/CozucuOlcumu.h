#pragma once

// What bench_cozucu and tilora-solve both measure the solver with: spreads of figures, the
// lower bounds of 5 x 5 boards, the page cache and the peak memory.

#include "DesenDosyasi.h"
#include "SikiDesen.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <memory>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

inline double Yüzdelik(QList<double> değerler, double oran)
{
    std::sort(değerler.begin(), değerler.end());
    return değerler[std::min(değerler.size() - 1, qsizetype(oran * double(değerler.size())))];
}

// One line: min, median, 95th percentile and max.
inline void Dağılım(std::FILE *çıktı, const char *ad, const QList<double> &değerler, const char *birim)
{
    if (değerler.isEmpty())
        return;
    std::fprintf(çıktı, "%-46s min %8.2f  median %8.2f  p95 %8.2f  max %8.2f %s  (%lld)\n", ad,
                 *std::min_element(değerler.begin(), değerler.end()), Yüzdelik(değerler, 0.5),
                 Yüzdelik(değerler, 0.95), *std::max_element(değerler.begin(), değerler.end()), birim,
                 static_cast<long long>(değerler.size()));
}

inline int Manhattan(const QList<int> &hücreler, int n)
{
    int toplam = 0;
    for (int hücre = 0; hücre < n * n; ++hücre)
        if (hücreler[hücre] != n * n - 1)
            toplam += std::abs(hücre / n - hücreler[hücre] / n) + std::abs(hücre % n - hücreler[hücre] % n);
    return toplam;
}

// Two slides more for every tile that must leave its row (or column) for another tile of the
// same home row (column) to pass: the fewest tiles whose removal leaves the rest in order.
inline int DoğrusalÇatışma(const QList<int> &hücreler, int n)
{
    int toplam = 0;
    for (const bool satırda : {true, false}) {
        for (int çizgi = 0; çizgi < n; ++çizgi) {
            QList<int> sıra;  // the home places along the line of its tiles at home in it, in order
            for (int adım = 0; adım < n; ++adım) {
                const int taş = hücreler[satırda ? çizgi * n + adım : adım * n + çizgi];
                if (taş != n * n - 1 && (satırda ? taş / n : taş % n) == çizgi)
                    sıra.append(satırda ? taş % n : taş / n);
            }
            QList<int> enUzun(sıra.size(), 1);
            for (int i = 0; i < sıra.size(); ++i)
                for (int j = 0; j < i; ++j)
                    if (sıra[j] < sıra[i])
                        enUzun[i] = std::max(enUzun[i], enUzun[j] + 1);
            toplam += 2 * (int(sıra.size()) - (sıra.isEmpty() ? 0 : *std::max_element(enUzun.begin(), enUzun.end())));
        }
    }
    return toplam;
}

inline QList<int> Yansıtılmış(const QList<int> &hücreler, int n)
{
    const auto yansıma = [n](int x) { return x % n * n + x / n; };
    QList<int> yansımış(hücreler.size());
    for (int hücre = 0; hücre < n * n; ++hücre)
        yansımış[yansıma(hücre)] = yansıma(hücreler[hücre]);
    return yansımış;
}

// The better of two lower bounds of a 5 x 5 board (cells, the gap as 24): the Manhattan distance
// with linear conflicts, and the game's own tables (mapped from `klasör`) as its search reads them.
class BeşliSınır {
public:
    explicit BeşliSınır(const QString &klasör)
        : bölüm(VarsayılanBölüm(5)),
          dosya(EşlenmişDesenDosyası::Aç(QDir(klasör).filePath(DesenDosyasıAdı(5)), 5, bölüm))
    {
    }

    int operator()(const QList<int> &hücreler) const
    {
        const int manhattan = Manhattan(hücreler, 5);
        const int tablolar = dosya ? manhattan + 2 * std::max(Fazla(hücreler), Fazla(Yansıtılmış(hücreler, 5))) : 0;
        return std::max(manhattan + DoğrusalÇatışma(hücreler, 5), tablolar);
    }

private:
    int Fazla(const QList<int> &hücreler) const
    {
        int toplam = 0;
        for (std::size_t g = 0; g < bölüm.size(); ++g) {
            std::uint8_t yerler[5];
            for (std::size_t s = 0; s < bölüm[g].size(); ++s)
                yerler[s] = std::uint8_t(hücreler.indexOf(bölüm[g][s]));
            toplam += SıkıFazla(dosya->Tablolar()[g], YerleşimSırası(5, yerler, int(bölüm[g].size())));
        }
        return toplam;
    }

    const DesenBölümü bölüm;
    const std::unique_ptr<EşlenmişDesenDosyası> dosya;
};

// The table files beside the program in `klasör`.
inline QStringList TabloDosyaları(const QString &klasör)
{
    return {QDir(klasör).filePath(DesenDosyasıAdı(4)), QDir(klasör).filePath(DesenDosyasıAdı(5))};
}

// Drops the files out of the page cache, as after a restart, when nothing maps them; the share of
// their pages still there afterwards, in percent.
inline double SayfaÖnbelleğindenAt(const QStringList &yollar)
{
    long sayfalar = 0, kalan = 0;
    const long sayfa = sysconf(_SC_PAGESIZE);
    for (const QString &yol : yollar) {
        const int tanıtıcı = ::open(QFile::encodeName(yol).constData(), O_RDONLY | O_CLOEXEC);
        if (tanıtıcı < 0)
            continue;
        const off_t boyut = lseek(tanıtıcı, 0, SEEK_END);
        posix_fadvise(tanıtıcı, 0, 0, POSIX_FADV_DONTNEED);
        if (void *eşlem = mmap(nullptr, size_t(boyut), PROT_READ, MAP_SHARED, tanıtıcı, 0); eşlem != MAP_FAILED) {
            std::vector<unsigned char> var(std::size_t((boyut + sayfa - 1) / sayfa));
            mincore(eşlem, size_t(boyut), var.data());
            sayfalar += long(var.size());
            kalan += long(std::count_if(var.begin(), var.end(), [](unsigned char v) { return v & 1; }));
            munmap(eşlem, size_t(boyut));
        }
        ::close(tanıtıcı);
    }
    return sayfalar ? 100.0 * double(kalan) / double(sayfalar) : 0;
}

inline double EnYüksekBellekMB()
{
    QFile durum(QStringLiteral("/proc/self/status"));
    if (durum.open(QIODevice::ReadOnly))
        for (const QByteArray &satır : durum.readAll().split('\n'))
            if (satır.startsWith("VmHWM:"))
                return satır.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// The machine's load over the last minute.
inline double Yük()
{
    double yük[3] = {};
    return getloadavg(yük, 3) > 0 ? yük[0] : 0;
}
