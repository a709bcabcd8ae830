// What moves over and beside the boards: the carriers that bring new lamps, the sparks of a
// burnt-out lamp and the rising point values of cleared tiles. Each acts on the current player.
#pragma once

void draw_lamp_carriers();
void draw_sparks();
void draw_score_popups();
