// The numbers of the centre column, the powered-tile line under each board, and the clear
// message, which books a clear's points and lamp bonus and ends a completed level.
#pragma once

// After both players' halves are drawn; runs for both players itself.
void run_hud();
