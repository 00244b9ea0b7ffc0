#pragma once

#include <functional>

class QWidget;

// The desktop session's requests at log-out. Its save request comes while the player may still
// cancel the log-out: `kaydet` runs and nothing closes. The end of the session reaches the program
// as a request to quit while `pencere` is open: `kapat` runs in its place, for Qt's own way would
// close the window as through its close box, with the question that box asks.
void Oturumİstekleriniİşle(QWidget &pencere, std::function<void()> kaydet, std::function<void()> kapat);
