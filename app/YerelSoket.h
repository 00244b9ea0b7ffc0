#pragma once

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QString>

#include <memory>
#include <optional>

// Stream sockets in the file system, through which the copies of the game one user runs speak to
// each other. They use the system's own calls: the check that runs at every start loads no
// network library.

// One accepted connection, read without blocking as data arrives. It deletes itself once closed,
// by either side. (The names the meta-object compiler reads are plain ASCII.)
class YerelBaglanti : public QObject {
    Q_OBJECT

public:
    YerelBaglanti(int tanıtıcı, QObject *üst);
    ~YerelBaglanti() override;

    // Everything that has arrived so far.
    const QByteArray &Gelen() const { return gelen; }
    // Sends `yanıt` (a few bytes, which an empty socket always takes) and closes.
    void YanıtlaVeKapat(QByteArrayView yanıt);
    void Kapat();

signals:
    // More has arrived; `Gelen` holds it.
    void received();

private:
    void Oku();

    int tanıtıcı;
    QSocketNotifier okunabilir;
    QByteArray gelen;
};

// Listens at a path for connections; closing removes the socket file.
class YerelSunucu : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    ~YerelSunucu() override;

    // Listens at `yol` in place of a socket file left there, the file open to this user only.
    // False, with `Hata` telling why, when it cannot.
    bool Dinle(const QString &yol);
    QString Hata() const { return hata; }

signals:
    // A connection came; it belongs to this server until it closes.
    void newConnection(YerelBaglanti *bağlantı);

private:
    void Karşıla();

    QString yol;
    QString hata;
    // Watches the listening socket, whose descriptor it holds; none until listening.
    std::unique_ptr<QSocketNotifier> bağlantıGeldi;
};

// Connects to the socket at `yol`, sends `istek` and returns what comes back until the other side
// closes, `enÇok` bytes have come or `süreMs` have passed; nothing when no one listens there.
std::optional<QByteArray> YerelSoketeSor(const QString &yol, QByteArrayView istek, qsizetype enÇok, int süreMs);
