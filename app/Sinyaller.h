#pragma once

#include <functional>

// Catches the termination signals (terminate, interrupt, hang-up) from now on, before the
// application object exists: a signal that comes while the program starts no longer ends it on
// the spot, but waits for SonlandırmaSinyalleriniBağla.
void SonlandırmaSinyalleriniYakala();

// When the process is asked to end (terminate, interrupt, hang-up), `kapat` runs on the
// user-interface thread, so the window closes as it would for the platform's task manager. A
// signal caught earlier is answered as soon as the event loop runs.
void SonlandırmaSinyalleriniBağla(std::function<void()> kapat);
