#pragma once

#include "Ortam.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// Thrown by the fake program end, so a test sees the end and nothing after it runs.
struct ProgramSonlandı {};

// Stands in for the platform while it lives: records what the program asked of it and
// answers as the test scripted. Settings and best results go to a fresh temporary folder, where
// the main window is remembered at the design's own size.
class SahteOrtam {
public:
    SahteOrtam();
    ~SahteOrtam();
    SahteOrtam(const SahteOrtam &) = delete;
    SahteOrtam &operator=(const SahteOrtam &) = delete;

    // Message boxes shown, and the answers to give, in order (then OK or Yes).
    QList<MesajKutusuİsteği> mesajlar;
    QList<MesajYanıtı> yanıtlar;
    // Runs while a message box is "open", before it is answered.
    std::function<void(const MesajKutusuİsteği &)> mesajAçıkken;

    bool sesAygıtı = true;
    QStringList sesler;
    QList<QUrl> adresler;
    int sonlandırmalar = 0;
    std::optional<SürümKaydı> sürüm;

    QString AyarKlasörü() const { return ayarKlasörü.path(); }
    // The settings file's whole text ("" when it does not exist).
    QString AyarMetni() const;

private:
    QTemporaryDir ayarKlasörü;
    Ortam gerçek;
};
