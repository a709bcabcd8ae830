// Blocks: each level's sequence and its sharing, drops and their speed-up, overflow, gravity.
#include <gtest/gtest.h>
#include <cstring>
#include <vector>

#include "base/resources.h"
#include "board/board.h"
#include "board/supply.h"
#include "state/game_state.h"
#include "tests/support/headless.h"

static const unsigned char *kinds_of(int player) { return block_supplies[player].supply_kinds; }
static bool same_sequence() { return memcmp(kinds_of(0), kinds_of(1), SUPPLY_LENGTH) == 0; }

// A game as the join menu starts it, its level already counted in.
static void start_game(int mode)
{
  game_mode = mode;
  difficulty = 1;
  for (int player = 0; player < 2; player++) {
    start_level(player, true);
    reset_board(player, true);
    player_slots[player].state = STATE_PLAYING;
    if (mode != MODE_VERSUS) player_slots[player].blocks_to_clear = 30;
  }
  current_player = 0;
}

// Steps the current player's supply until a block lands; the passes it took.
static int passes_until_landing()
{
  const int landed = sounds_played(ITEM_SOUND_LAND);
  int pass = 0;
  while (sounds_played(ITEM_SOUND_LAND) == landed && ++pass <= 1000) supply_step();
  return pass;
}

TEST(BlockSequence, TwoPlayersShareEachLevelsSequence)
{
  for (int ahead : {0, 1}) {
    const int behind = opponent_of(ahead);
    start_game(MODE_TWO_PLAYERS);
    // Whoever reaches a level first draws it; the one behind keeps his own until he gets there.
    player_slots[ahead].level = 2;
    start_level(ahead, false);
    EXPECT_FALSE(same_sequence());
    player_slots[behind].level = 2;
    start_level(behind, false);
    EXPECT_TRUE(same_sequence()) << "player " << ahead << " ahead";
  }
}

TEST(Dropping, BlocksFallIntoTheColumnsInTurnFasterAsTheyLandButWaitAtLeastThreePasses)
{
  start_game(MODE_ONE_PLAYER);
  // At difficulty 1 on level 1 a block waits 24 passes, then falls a row per pass into row 13.
  EXPECT_EQ(passes_until_landing(), 24 + 13);
  // A speed step after ten landings at speed 0 or 1, nine at 2 or 3, eight at 4; two passes each.
  std::vector<int> speed_ups;
  for (int landing = 2; landing <= 46; landing++) {
    const int speed = player_slots[0].speed_step;
    passes_until_landing();
    if (player_slots[0].speed_step != speed) speed_ups.push_back(landing);
  }
  EXPECT_EQ(speed_ups, (std::vector<int>{10, 20, 29, 38, 46}));
  EXPECT_EQ(falling_blocks[0].delay, 25 - 2 * 5);
  for (int block = 0; block < 7; block++)
    EXPECT_EQ(board[0][block % 6][13 - block / 6].kind, kinds_of(0)[block]) << block;
  player_slots[0].speed_step = 40;
  start_next_block(0);
  EXPECT_EQ(falling_blocks[0].delay, 3);
}

// In versus one sequence serves both and sent blocks fall at once; an overflow ends it for both.
TEST(Overflow, EveryTileBurstsFromTheTopDownAndTheGameEnds)
{
  for (int mode : {MODE_VERSUS, MODE_ONE_PLAYER}) {
    start_game(mode);
    if (mode == MODE_VERSUS) {
      EXPECT_TRUE(same_sequence());
      player_slots[0].versus_penalty = 1;
      start_next_block(0);
      supply_step();
      EXPECT_EQ(falling_blocks[0].row, 1) << "a block sent by the opponent falls in its first pass";
      passes_until_landing();
      EXPECT_EQ(falling_blocks[0].delay, 25) << "the next one waits again";
    }
    BoardCell(&column)[BOARD_ROWS] = board[0][falling_blocks[0].column];
    for (int row = 1; row < BOARD_ROWS; row++) column[row].kind = 7;
    board[0][5][9].kind = 11;
    for (int pass = 0; pass < 25; pass++) supply_step();
    for (int row = 1; row < BOARD_ROWS; row++) EXPECT_EQ(column[row].vanish_timer, 14 + 5 * row) << row;
    EXPECT_EQ(board[0][5][9].vanish_timer, 59);
    EXPECT_EQ(player_slots[0].state, mode == MODE_VERSUS ? STATE_VERSUS_LOST : STATE_GAME_OVER);
    EXPECT_EQ(player_slots[1].state, mode == MODE_VERSUS ? STATE_VERSUS_WON : STATE_PLAYING);
    EXPECT_EQ(falling_blocks[0].delay, 0) << "no further block starts";
  }
}

TEST(Gravity, AVanishingTileHoldsUpTheColumnUntilItIsGone)
{
  start_game(MODE_ONE_PLAYER);
  BoardCell(&column)[BOARD_ROWS] = board[0][1];
  for (int row = 10; row <= 12; row++) column[row].kind = row - 7;
  column[12].vanish_timer = 6;
  for (int pass = 0; pass < 10; pass++) gravity_step();
  EXPECT_EQ(column[11].kind, 4);
  // Gone: the two above sink a row every second pass, down to the bottom.
  column[12].kind = column[12].vanish_timer = 0;
  for (int pass = 1; pass <= 5; pass++) {
    gravity_step();
    const int top = 10 + (pass - 1) / 2;
    EXPECT_EQ(std::vector<int>({column[top - 1].kind, column[top].kind, column[top + 1].kind}),
              std::vector<int>({0, 3, 4})) << "pass " << pass;
  }
}
