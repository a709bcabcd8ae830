// The title screen's demo: a versus game between two computer players on the play screen,
// with the music and a small "demo" sign, until any key or mouse button. It changes no file
// and leaves the players' controls as it found them.
#pragma once

constexpr int DEMO_AFTER_MS = 30000;  // of the title menu without a key or a button

// Runs the demo until a key or a button ends it; the caller draws its own screen again.
void run_title_demo();

// Whether any key or mouse button is down, or a key waits in the buffer.
bool any_input();
