// Nothing is allocated during play: a two-player game between two computers run pass by pass
// through the main loop, with blocks landing, the computers looking and planning, tiles turned,
// lamps charging and firing, clears, popups and sparks, while every allocation of the process
// is counted.
#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>

#include "base/resources.h"
#include "board/board.h"
#include "control/bindings.h"
#include "control/computer_player.h"
#include "shell/join_menu.h"
#include "shell/main_loop.h"
#include "state/game_state.h"
#include "tests/support/headless.h"

extern "C" void *__libc_malloc(size_t size);
extern "C" void *__libc_calloc(size_t count, size_t size);
extern "C" void *__libc_realloc(void *block, size_t size);

static std::atomic<bool> counting{false};
static std::atomic<long> allocations{0};

static void *counted(void *block)
{
  if (counting) allocations++;
  return block;
}

// The library and the standard library's operator new call these through the dynamic linker,
// so every heap allocation of the process passes here; free stays the C library's own.
extern "C" void *malloc(size_t size) noexcept { return counted(__libc_malloc(size)); }
extern "C" void *calloc(size_t count, size_t size) noexcept { return counted(__libc_calloc(count, size)); }
extern "C" void *realloc(void *block, size_t size) noexcept { return counted(__libc_realloc(block, size)); }

namespace {

// A hard and a normal computer play a game for two.
TEST(FrameAllocation, PlayAllocatesNothingOnceWarmedUp)
{
  reset_fake_platform();
  reset_control_bindings();
  srand(7);
  reset_computer_players(7);
  for (PlayerSlot &slot : player_slots) slot = PlayerSlot{};
  control_bindings[0].device = DEVICE_COMPUTER_HARD;
  control_bindings[1].device = DEVICE_COMPUTER_NORMAL;
  enter_main_loop();
  begin_game_for_both(MODE_TWO_PLAYERS);
  // Warmed up through the count-in and the first clear, whose first drawing sets the library up.
  for (int pass = 0; pass < 3000 && (sounds_played(ITEM_SOUND_CLEAR) == 0 || pass < 400); pass++)
    run_main_loop_pass();
  ASSERT_GT(sounds_played(ITEM_SOUND_CLEAR), 0);

  // The recorder of played sounds must not grow while counting.
  fake.sounds.clear();
  fake.sounds.reserve(1 << 16);
  counting = true;
  for (int pass = 0; pass < 3000; pass++) run_main_loop_pass();
  counting = false;
  EXPECT_EQ(allocations, 0);

  // The counted frames were play, not a quiet board: turns, clears and a level won on each
  // side, landings and a burnt-out lamp's sparks.
  EXPECT_GT(sounds_played(ITEM_SOUND_CLICK), 10);
  EXPECT_GE(std::min(player_slots[0].level, player_slots[1].level), 2);
  EXPECT_GT(sounds_played(ITEM_SOUND_LAND), 20);
  EXPECT_GT(sounds_played(ITEM_SOUND_BURN_OUT), 0);
}

}  // namespace
