// One frame: pacing to 33 ms, presenting the previous frame, drawing each player's half and
// running the fades between states.
#pragma once

extern int message_slide[2];     // pixel offset of the winner / loser picture
extern int menu_pulse[2];        // animates the join-menu highlight: 5, 6 .. 31, 30 .. 1, 2 ..
extern int menu_pulse_step[2];

void run_frame();
