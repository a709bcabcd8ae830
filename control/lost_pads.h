// A pad pulled out while its player is in a game pauses that game, as his pause key would,
// and keeps it paused until a pad is in his slot again; then Start or his pause key resumes
// it. Only that player's game pauses, also in versus.
#pragma once

// Whether the player's game waits for his pad to come back.
extern bool waiting_for_pad[2];

// Once a frame, after the pads are polled.
void watch_lost_pads();
// Whether a paused player may resume: not while his game waits for his pad.
bool may_resume(int player);
