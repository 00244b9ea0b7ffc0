#pragma once

// Refuses a platform that is too old with message 30 and ends the program; sets NTMi.
void SistemSürümünüDenetle();
