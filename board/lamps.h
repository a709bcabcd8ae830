// The row lamps: a lamp whose row is powered through charges; once no powered lamp is still
// charging, every full lamp fires and the powered paths clear. A lamp burns out after a few
// firings, and a new one is carried in and fades in while its row cannot complete a path.
#pragma once

constexpr int LAMP_FULL_GLOW = 300;

// Advances and draws the current player's thirteen lamps; once a frame, in every state.
void update_lamps();
