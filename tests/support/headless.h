// A headless Allegro for the tests: memory bitmaps and the key array, korvanta.dat loaded as
// the game loads it, the global bitmaps created, a memory bitmap standing in for the screen,
// and the platform replaced by a recorder with a clock of its own.
#pragma once

#include <vector>

struct PlayedSound {
  int item, volume, pan, frequency;
};

struct FakePlatform {
  int now_ms = 0;                     // advanced by rest(); also drives tick_counter
  std::vector<int> key_presses_at;    // times at which a key enters the keyboard buffer
  int buffered_keys = 0;
  std::vector<PlayedSound> sounds;
  int music_starts = 0, music_stops = 0;
  int mouse_speed_x = 0, mouse_speed_y = 0;
  int mouse_range[4] = {0, 0, 0, 0};
  std::vector<int> gfx_mode_requests;  // the cards asked for, in order
  std::vector<int> failing_gfx_cards;  // cards whose mode cannot be set
};

extern FakePlatform fake;

// Clears the recorder, the key array and the mouse; call at the start of a test.
void reset_fake_platform();

// The sounds of one resource item played since the last reset.
int sounds_played(int item);
