#pragma once

#include "CalismaHatasi.h"

#include <QString>

#include <functional>

// The six-line text of the error report.
QString HataMetni(int numara, const QString &açıklama);

// The error report: returns when the player chooses to go on; otherwise ends the program at
// once, without asking any window and without saving anything. Closed by the system's request
// to end, it returns too, and that close saves.
void HataBildir(const ÇalışmaHatası &hata);

// How a handler treats a failing step: report it (and go on with the next step when the player
// says so), or skip it silently.
enum class HataTarzı { Bildir, Sessiz };

// Runs one step of a handler in the handler's declared failure style. Handlers are written as a
// sequence of such steps, so "go on with the next statement" is visible in the code.
void Adım(HataTarzı tarz, const std::function<void()> &iş);
