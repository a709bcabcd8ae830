// The controls file korvanta.cfg: both players' bindings kept from one run to the next.
#pragma once

// Reads the bindings at start-up.
void load_config();
// Writes the bindings; called on leaving the control settings screen.
void save_config();
