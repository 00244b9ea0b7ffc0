#pragma once

#include <functional>

// When the process is asked to end (terminate, interrupt, hang-up), `kapat` runs on the
// user-interface thread, so the window closes as it would for the platform's task manager.
void SonlandırmaSinyalleriniBağla(std::function<void()> kapat);
