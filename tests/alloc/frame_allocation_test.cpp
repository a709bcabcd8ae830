// Nothing is allocated during play: a two-player game run pass by pass through the main loop,
// with blocks landing, tiles turned, lamps charging and firing, clears, popups and sparks,
// while every allocation of the process is counted.
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

// Each player's hand, every 50 passes: while no clear is under way, lay a bottom row of straights with its
// last tile standing upright, and turn that tile to complete the row. A row whose lamp is
// being replaced cannot complete, so the row above it is laid instead.
void play_pass(int pass)
{
  for (int player = 0; player < 2; player++) {
    current_player = player;
    volatile char &turn = key[control_bindings[player].keys[ACTION_TURN_RIGHT]];
    turn = 0;
    if (player_slots[player].state != STATE_PLAYING || clear_phase[player] != CLEAR_NONE ||
        pass % 50 != player * 25)  // the players take turns
      continue;
    const int row = row_lamps[player][PLAYING_ROWS - 1].replacement ? PLAYING_ROWS - 1 : PLAYING_ROWS;
    for (int column = 0; column < BOARD_COLUMNS; column++) {
      BoardCell &cell = cell_at(column, row);
      cell = {cell.x, cell.y, 0, column == BOARD_COLUMNS - 1 ? 2 : 1};  // straights, the last upright
    }
    player_slots[player].cursor_column = BOARD_COLUMNS - 1;
    player_slots[player].cursor_row = row;
    turn = 1;
  }
  run_main_loop_pass();
}

TEST(FrameAllocation, PlayAllocatesNothingOnceWarmedUp)
{
  reset_fake_platform();
  reset_control_bindings();
  srand(7);
  for (PlayerSlot &slot : player_slots) slot = PlayerSlot{};
  enter_main_loop();

  // Player 1 starts a game for two from his join menu.
  menu_selection[0] = 1;
  key[control_bindings[0].keys[ACTION_DRAG_BLOCK]] = 1;
  run_main_loop_pass();
  key[control_bindings[0].keys[ACTION_DRAG_BLOCK]] = 0;
  ASSERT_EQ(game_mode, MODE_TWO_PLAYERS);
  for (int pass = 0; pass < 200; pass++) play_pass(pass);  // the count-in and first landings

  // The recorder of played sounds must not grow while counting.
  fake.sounds.clear();
  fake.sounds.reserve(1 << 16);
  counting = true;
  for (int pass = 0; pass < 1500; pass++) play_pass(pass);
  counting = false;
  EXPECT_EQ(allocations, 0);

  // The counted frames were play, not a quiet board: a level won on each side (so clears),
  // landings and a burnt-out lamp's sparks.
  EXPECT_GE(std::min(player_slots[0].level, player_slots[1].level), 2);
  EXPECT_GT(sounds_played(ITEM_SOUND_LAND), 20);
  EXPECT_GT(sounds_played(ITEM_SOUND_BURN_OUT), 0);
}

// A versus game between two computers: their looking, planning and asking go through the same
// frames without touching the heap.
TEST(FrameAllocation, AGameBetweenTwoComputersAllocatesNothing)
{
  reset_fake_platform();
  reset_control_bindings();
  srand(11);
  reset_computer_players(11);
  for (PlayerSlot &slot : player_slots) slot = PlayerSlot{};
  control_bindings[0].device = DEVICE_COMPUTER_HARD;
  control_bindings[1].device = DEVICE_COMPUTER_NORMAL;
  enter_main_loop();
  begin_game_for_both(MODE_VERSUS);
  // Warmed up through the first clear and its message, whose first drawing sets the library up.
  for (int pass = 0; pass < 3000 && (sounds_played(ITEM_SOUND_CLEAR) == 0 || pass < 400); pass++)
    run_main_loop_pass();
  ASSERT_GT(sounds_played(ITEM_SOUND_CLEAR), 0);

  fake.sounds.clear();
  fake.sounds.reserve(1 << 16);
  counting = true;
  for (int pass = 0; pass < 1500 && player_slots[0].state == STATE_PLAYING &&
                     player_slots[1].state == STATE_PLAYING;
       pass++)
    run_main_loop_pass();
  counting = false;
  EXPECT_EQ(allocations, 0);
  EXPECT_GT(sounds_played(ITEM_SOUND_CLICK), 10) << "the computers turned tiles";
  EXPECT_GT(sounds_played(ITEM_SOUND_CLEAR), 0) << "and cleared";
  EXPECT_GT(sounds_played(ITEM_SOUND_LAND), 20);
}

}  // namespace
