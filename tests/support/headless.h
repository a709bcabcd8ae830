// A headless Allegro for the tests: memory bitmaps and the key array, korvanta.dat loaded as
// the game loads it, the global bitmaps created, a memory bitmap standing in for the screen,
// and the platform replaced by a recorder with a clock of its own.
#pragma once

#include <deque>
#include <functional>
#include <vector>

struct PlayedSound { int item, volume, pan, frequency; };

// A key held down from one time to another: in the key array meanwhile, and typed into the
// keyboard buffer when it goes down.
struct KeyHold {
  int code, down_at_ms, up_at_ms;
  int stage = 0;  // 0 not yet down, 1 down, 2 released
};

struct FakePlatform {
  int now_ms = 0;                     // advanced by rest(); also drives tick_counter
  std::vector<int> key_presses_at;    // times at which a key enters the keyboard buffer
  int buffered_keys = 0;              // keys of key_presses_at waiting; readkey gives them as 0
  std::deque<int> typed_keys;         // key codes waiting in the buffer, served first by readkey
  std::vector<KeyHold> key_holds;
  std::function<void()> on_rest;      // called after each rest, once the clock has moved
  std::vector<PlayedSound> sounds;
  int music_starts = 0, music_stops = 0;
  int mouse_speed_x = 0, mouse_speed_y = 0;
  int mouse_range[4] = {0, 0, 0, 0};
  std::vector<int> failing_gfx_cards;  // cards whose mode cannot be set
  int mode_card = 0, mode_width = 0, mode_height = 0;  // the last mode that was set
};

extern FakePlatform fake;

// Clears the recorder, the key array and the mouse; call at the start of a test.
void reset_fake_platform();

// The sounds of one resource item played since the last reset.
int sounds_played(int item);
