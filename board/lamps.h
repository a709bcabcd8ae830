// The row lamps: a lamp whose row is powered through charges; once no powered lamp is still
// charging, every full lamp fires and the powered paths clear. A lamp burns out after a few
// firings, and a new one is carried in and fades in while its row cannot complete a path.
#pragma once

constexpr int LAMP_FULL_GLOW = 300;

// Lamp i of player p stands at (365p + LAMP_X, 30i + LAMP_Y), in its socket.
constexpr int LAMP_X = 213, LAMP_Y = 54;

// Draws and advances the current player's thirteen lamps, then fires the full ones when none
// is still charging; once a frame, in every state.
void update_lamps();

// The rules of one frame of a lamp: a new lamp fades in; a dark one fades out; a powered one,
// or one in its start-up glow, charges, and past 200 arms the clear. True while it charges.
bool advance_lamp(int player, int row);
// Every full lamp of the current player fires, and then the powered paths clear.
void fire_full_lamps();

// The lamps' colour marks beside a player's board, painted into the background while he
// plays; clearing them restores the background picture under them.
void redraw_lamp_column(int player);
void clear_lamp_column(int player);
