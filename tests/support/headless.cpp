#include "tests/support/headless.h"

#include <allegro.h>
#include <gtest/gtest.h>
#include <cstring>

#include "shell/global_bitmaps.h"
#include "shell/platform.h"
#include "shell/resources.h"
#include "shell/startup.h"

FakePlatform fake;

namespace {
// Keys enter the buffer at their time; the clock moves only when the game rests.
void take_due_keys()
{
  for (int &at : fake.key_presses_at)
    if (at >= 0 && at <= fake.now_ms) {
      fake.buffered_keys++;
      at = -1;
    }
}

const Platform FAKE_PLATFORM = {
  [](unsigned int milliseconds) {
    fake.now_ms += milliseconds;
    tick_counter += milliseconds;
    message_timer += milliseconds;
    take_due_keys();
  },
  [] { take_due_keys(); return int(fake.buffered_keys > 0); },
  [] { fake.buffered_keys = 0; },
  [](int item, int volume, int pan, int frequency) {
    fake.sounds.push_back({item, volume, pan, frequency});
  },
  [] { fake.music_starts++; },
  [] { fake.music_stops++; },
  [](int x, int y) { mouse_x = x; mouse_y = y; },
  [](int x_speed, int y_speed) { fake.mouse_speed_x = x_speed; fake.mouse_speed_y = y_speed; },
  [](int x1, int y1, int x2, int y2) {
    const int range[4] = {x1, y1, x2, y2};
    memcpy(fake.mouse_range, range, sizeof range);
  },
  [](int card, int, int) {
    fake.gfx_mode_requests.push_back(card);
    for (int failing : fake.failing_gfx_cards)
      if (failing == card) return -1;
    return 0;
  },
};

class HeadlessAllegro : public ::testing::Environment {
public:
  void SetUp() override
  {
    ASSERT_EQ(install_allegro(SYSTEM_NONE, &errno, atexit), 0);
    set_color_depth(16);
    game_data = load_resource_file("korvanta.dat");
    ASSERT_NE(game_data, nullptr) << "korvanta.dat must lie in the tests' working directory";
    font_numbers = item_font(ITEM_FONT_NUMBERS);
    font_messages = item_font(ITEM_FONT_MESSAGES);
    font_points = item_font(ITEM_FONT_POINTS);
    create_global_bitmaps();
    screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    platform = FAKE_PLATFORM;
  }
};

const auto *const environment = ::testing::AddGlobalTestEnvironment(new HeadlessAllegro);
}  // namespace

void reset_fake_platform()
{
  fake = FakePlatform{};
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
