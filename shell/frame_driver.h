// One frame: pacing to 33 ms, presenting the previous frame, drawing each player's half and
// running the fades between states.
#pragma once

void run_frame();
