// The game without a display for the benchmarks: the library on its SYSTEM_NONE driver,
// korvanta.dat from the working folder, the global bitmaps and prepared sprites, a memory
// bitmap as the screen, and a platform whose waits end at once and which has no sound or
// mouse. Made once per run, whichever benchmark asks first.
#pragma once

// False when the library cannot start or korvanta.dat is missing; says why on stderr.
bool start_headless_game();
