#include "tests/support/headless.h"

#include <allegro.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "base/clock.h"
#include "base/display.h"
#include "base/global_bitmaps.h"
#include "base/platform.h"
#include "base/resources.h"
#include "control/settings_screen.h"

FakePlatform fake;

namespace {
constexpr int FAKE_TIME_LIMIT_MS = 600 * 1000;

// Keys enter the buffer at their time, and held keys go down and up at theirs; the clock moves
// only when the game rests.
void take_due_keys()
{
  for (int &at : fake.key_presses_at)
    if (at >= 0 && at <= fake.now_ms) fake.buffered_keys++, at = -1;
  for (KeyHold &hold : fake.key_holds) {
    if (hold.stage == 0 && hold.down_at_ms <= fake.now_ms)
      key[hold.code] = 1, fake.typed_keys.push_back(hold.code), hold.stage = 1;
    if (hold.stage == 1 && hold.up_at_ms <= fake.now_ms) key[hold.code] = 0, hold.stage = 2;
  }
}

// The library's readkey waits for a key; here the buffer must already hold one.
int fake_readkey()
{
  take_due_keys();
  if (!fake.typed_keys.empty()) {
    const int code = fake.typed_keys.front();
    fake.typed_keys.pop_front();
    return code << 8;
  }
  if (fake.buffered_keys > 0)
    fake.buffered_keys--;
  else
    ADD_FAILURE() << "readkey with an empty keyboard buffer would wait forever";
  return 0;
}

const Platform FAKE_PLATFORM = {
  [](unsigned int milliseconds) {
    fake.now_ms += milliseconds;
    tick_counter += milliseconds;
    message_timer += milliseconds;
    take_due_keys();
    if (fake.on_rest) fake.on_rest();
    // A modal screen that no key in the test will ever end would hang the whole run.
    if (fake.now_ms > FAKE_TIME_LIMIT_MS) abort();
  },
  [] { take_due_keys(); return int(fake.buffered_keys > 0 || !fake.typed_keys.empty()); },
  [] { fake.buffered_keys = 0; fake.typed_keys.clear(); },
  [](int item, int volume, int pan, int frequency) { fake.sounds.push_back({item, volume, pan, frequency}); },
  [] { fake.music_starts++; },
  [] { fake.music_stops++; },
  [] { return int(mouse_x); },
  [] { return int(mouse_y); },
  [](int x, int y) { mouse_x = x; mouse_y = y; },
  [](int x_speed, int y_speed) { fake.mouse_speed_x = x_speed; fake.mouse_speed_y = y_speed; },
  [](int x1, int y1, int x2, int y2) {
    fake.mouse_range[0] = x1, fake.mouse_range[1] = y1, fake.mouse_range[2] = x2, fake.mouse_range[3] = y2;
  },
  [](int card, int width, int height) {
    if (std::count(fake.failing_gfx_cards.begin(), fake.failing_gfx_cards.end(), card)) return -1;
    fake.mode_card = card, fake.mode_width = width, fake.mode_height = height;
    return 0;
  },
  fake_readkey,
};

class HeadlessAllegro : public ::testing::Environment {
public:
  void SetUp() override
  {
    ASSERT_EQ(install_allegro(SYSTEM_NONE, &errno, atexit), 0);
    set_color_depth(16);
    game_data = load_resource_file("korvanta.dat");
    ASSERT_NE(game_data, nullptr) << "korvanta.dat must lie in the tests' working directory";
    take_fonts();
    create_global_bitmaps();
    screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    create_game_screen();
    platform = FAKE_PLATFORM;
  }
};

const auto *const environment = ::testing::AddGlobalTestEnvironment(new HeadlessAllegro);
}  // namespace

void reset_fake_platform()
{
  fake = FakePlatform{};
  // The counters' clock stands still: only the fake rest moves them on.
  millisecond_clock = [] { return int64_t{0}; };
  tick_counter = 0;
  message_timer = 0;
  memset(const_cast<char *>(key), 0, KEY_MAX);
  mouse_x = mouse_y = mouse_z = mouse_b = 0;
}

int sounds_played(int item)
{
  int count = 0;
  for (const PlayedSound &sound : fake.sounds) count += sound.item == item;
  return count;
}
