#pragma once

#include "YerelSoket.h"

#include <QByteArray>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

// Keeps one copy of the game per user and window title. The first copy holds a lock file in
// the user's private runtime folder and listens on a local socket beside it; a later copy asks
// it to come to the front, handing it the photo it was started with, and ends. The lock of a
// copy that crashed is taken over, and the folder is the user's own, so no other user can take
// or block it. A request is three short lines, each capped and checked before anything is done
// with it: a header, the start's activation token and the photo as a file address.
class TekKopya : public QObject {
    Q_OBJECT

public:
    explicit TekKopya(const QString &pencereBaşlığı, const QString &klasör = ÇalışmaKlasörü());

    // Takes the lock and starts listening; false when another copy holds it.
    bool İlkKopyaMı();

    // Asks the copy that holds the lock to come to the front, handing it this start's
    // activation token and the absolute path of a photo to take (none when empty); true when it
    // confirmed.
    bool ÇalışanKopyayıÖneGetir(const QString &fotoğraf = {});

    // The user's private runtime folder, or one made in the user's cache when there is none of
    // the user's own; empty when neither will do, and the game then runs without the check.
    static QString ÇalışmaKlasörü();

signals:
    // Another start asked this copy to come to the front, and to take the photo at the absolute
    // path `photo` unless it is empty.
    void frontRequested(const QByteArray &activationToken, const QString &photo);

private:
    void BağlantıyıKarşıla(YerelBaglanti *bağlantı);

    QString kilitYolu;
    QString soketYolu;
    // The socket goes before the lock is let go, so the next copy finds no socket it cannot own.
    std::unique_ptr<QLockFile> kilit;
    YerelSunucu sunucu;
};
