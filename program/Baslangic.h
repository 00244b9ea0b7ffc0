#pragma once

// The program's start-up routine: the command line and the player's language, one copy per user
// (a later start hands its photo to the first), the platform check, the shared globals, then the
// main window. Returns the process's exit code.
int Main(int argc, char *argv[]);
