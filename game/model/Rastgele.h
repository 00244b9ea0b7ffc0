#pragma once

// A uniform draw in [0, 1) from a generator seeded once per process from the system's
// entropy source.
float SistemRastgelesi();
