#pragma once

// The program's start-up routine: one copy per user, the platform check, the shared globals,
// then the main window. Returns the process's exit code.
int Main(int argc, char *argv[]);
