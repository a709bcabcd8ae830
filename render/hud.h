// The numbers of the centre column, the powered-tile line under each board, and the clear
// message, at whose full strength the clear's points and lamp bonus are booked, and at whose
// end a level without tiles left is complete (both by the clearing rules).
#pragma once

// After both players' halves are drawn; runs for both players itself.
void run_hud();
