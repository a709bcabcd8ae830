// A fingerprint of the whole game after a frame: every global the rules, the input, the menus
// and the drawing keep, the pictures the frame composed, and what the game asked of the sound
// and the mouse. Two builds that give the same sequence of fingerprints for the same seed
// played the same game, frame for frame: a move of code that claims to change no behaviour
// is checked this way (korvanta_soak --digests FILE, before and after, then cmp).
#pragma once

#include <cstdint>

// Starts recording the sounds and mouse requests into the fingerprint; call after the
// headless game has installed its platform.
void record_platform_requests();

// The fingerprint of the game as it stands, including the requests recorded since the last
// call, which it then forgets.
std::uint64_t game_state_digest();
