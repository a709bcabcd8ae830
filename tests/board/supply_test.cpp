// Blocks come: the sequence a level draws and how two boards share it, the level set-up,
// blocks dropped into the columns in turn, the overflow that ends a game, and gravity.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <vector>

#include "board/board.h"
#include "board/supply.h"
#include "control/bindings.h"
#include "shell/global_bitmaps.h"
#include "shell/join_menu.h"
#include "shell/main_loop.h"
#include "shell/player_slots.h"
#include "shell/resources.h"
#include "tests/support/headless.h"

namespace {

const unsigned char *kinds_of(int player) { return block_supplies[player].supply_kinds; }
bool same_sequence() { return memcmp(kinds_of(0), kinds_of(1), SUPPLY_LENGTH) == 0; }

// A game as the join menu starts it, its level already counted in.
void start_game(int mode, int players)
{
  reset_fake_platform();
  reset_control_bindings();
  game_mode = mode;
  difficulty = 1;
  srand(1);
  for (int player = 0; player < players; player++) {
    start_level(player, true);
    reset_board(player, true);
    player_slots[player].state = STATE_PLAYING;
    if (mode != MODE_VERSUS) player_slots[player].blocks_to_clear = 30;
  }
  current_player = 0;
}

// Steps the current player's supply until a block lands; the passes it took.
int passes_until_landing()
{
  const int landed = sounds_played(ITEM_SOUND_LAND);
  for (int pass = 1; pass <= 1000; pass++) {
    supply_step();
    if (sounds_played(ITEM_SOUND_LAND) > landed) return pass;
  }
  return -1;
}

TEST(BlockSequence, FamiliesComeInTurnAndTheDrawsKeepTheirOrder)
{
  srand(99);
  std::vector<int> draws(3000);
  for (int &draw : draws) draw = rand();
  srand(99);
  player_slots[0].level = 4;
  generate_supply(0);

  for (int i = 0; i < SUPPLY_LENGTH; i++) {
    ASSERT_GE(kinds_of(0)[i], 1) << i;
    ASSERT_LE(kinds_of(0)[i], i <= 10 ? 6 : i <= 60 ? 15 : 19) << i;
  }
  // One number for each of the first eleven kinds, two up to position 60, three after.
  for (int i = 0; i <= 10; i++) EXPECT_EQ(kinds_of(0)[i], draws[i] % 6 + 1) << i;
  EXPECT_EQ(kinds_of(0)[11], draws[12] % (draws[11] % 1000 < 90 ? 15 : 6) + 1);
  EXPECT_EQ(rand(), draws[11 + 50 * 2 + 939 * 3]);

  srand(99);
  player_slots[1].level = 4;
  generate_supply(1);
  EXPECT_TRUE(same_sequence());
}

TEST(BlockSequence, TwoPlayersGetTheSameSequenceLevelByLevel)
{
  for (int ahead : {0, 1}) {
    const int behind = opponent_of(ahead);
    start_game(MODE_TWO_PLAYERS, 2);
    EXPECT_TRUE(same_sequence());
    std::vector<unsigned char> first_level(kinds_of(behind), kinds_of(behind) + SUPPLY_LENGTH);
    block_supplies[behind].supply_next = 37;

    // Whoever gets to a level first draws it; the one behind keeps his own, where he stood.
    player_slots[ahead].level = 2;
    start_level(ahead, false);
    EXPECT_FALSE(same_sequence());
    EXPECT_TRUE(std::equal(first_level.begin(), first_level.end(), kinds_of(behind)));
    EXPECT_EQ(block_supplies[behind].supply_next, 37);

    player_slots[behind].level = 2;
    start_level(behind, false);
    EXPECT_TRUE(same_sequence()) << "player " << ahead << " ahead";
    EXPECT_EQ(block_supplies[behind].supply_next, 0);
  }
}

TEST(BlockSequence, VersusSharesOneSequenceDrawnByTheLeftPlayer)
{
  start_game(MODE_VERSUS, 1);
  EXPECT_TRUE(same_sequence());
  EXPECT_EQ(player_slots[1].blocks_to_clear, 10);
  srand(8);
  const int first_draw = rand();
  srand(8);
  start_level(1, true);
  EXPECT_EQ(rand(), first_draw) << "the right player draws nothing";
  EXPECT_TRUE(same_sequence());
  EXPECT_EQ(player_slots[1].blocks_to_clear, 10);
}

TEST(BlockSequence, PastTheDrawnKindsBothBoardsGoOnAlike)
{
  start_game(MODE_TWO_PLAYERS, 2);
  player_slots[0].level = 2;
  start_level(0, false);
  block_supplies[0].supply_next = 997;
  reset_board(0, false);
  EXPECT_EQ(block_supplies[0].supply_next, 3);
  EXPECT_EQ(board[0][2][0].kind, kinds_of(0)[999]);

  // The board behind, arriving later, gets the level's own sequence and the same further blocks.
  player_slots[1].level = 2;
  start_level(1, false);
  EXPECT_TRUE(same_sequence());
  block_supplies[1].supply_next = 997;
  int late_family = 0;
  for (int round = 0; round < 10; round++) {
    if (round > 0) reset_board(0, false);
    reset_board(1, false);
    for (int column = 0; column < BOARD_COLUMNS; column++) {
      EXPECT_EQ(board[1][column][0].kind, board[0][column][0].kind);
      late_family += board[0][column][0].kind > 15;
    }
  }
  EXPECT_GT(late_family, 3) << "not the easy start of the sequence again";
}

TEST(LevelSetUp, DropIntervalAndPanel)
{
  // mode, difficulty, level, drop interval
  const int cases[][4] = {
      {1, 1, 1, 25}, {1, 0, 31, 5}, {1, 2, 30, 5}, {3, 0, 1, 35}, {3, 2, 1, 15}};
  for (const auto &c : cases) {
    game_mode = c[0];
    difficulty = c[1];
    player_slots[0].level = c[2];
    start_level(0, false);
    EXPECT_EQ(player_slots[0].drop_interval, c[3]) << c[0] << " " << c[1] << " " << c[2];
  }
  difficulty = 1;

  // Level 12, quota 360; the panel picture shows where no digit goes.
  game_mode = MODE_ONE_PLAYER;
  player_slots[0].level = 12;
  start_level(0, false);
  const int x_and_digit[][3] = {{85, 0, 1}, {104, 0, 2}, {0, 107, 3}, {19, 107, 6}, {38, 107, 0}};
  for (const auto &d : x_and_digit)
    for (int y = 0; y < 20; y++)
      for (int x = 0; x < 18; x++)
        ASSERT_EQ(getpixel(level_panels[0], d[0] + x, d[1] + y),
                  getpixel(item_bitmap(ITEM_DIGITS), 18 * d[2] + x, y));
  EXPECT_EQ(getpixel(level_panels[0], 40, 60), getpixel(item_bitmap(ITEM_LEVEL_PANEL), 40, 60));
}

TEST(Dropping, BlocksWaitThenFallIntoTheColumnsInTurn)
{
  start_game(MODE_ONE_PLAYER, 1);
  const FallingBlock &block = falling_blocks[0];
  ASSERT_EQ(block.delay, 25);
  for (int pass = 1; pass < 25; pass++) supply_step();
  EXPECT_EQ(block.row, 0);
  EXPECT_EQ(passes_until_landing(), 13) << "falling one row per pass into row 13";
  EXPECT_EQ(fake.sounds[0].volume, 200);
  EXPECT_EQ(fake.sounds[0].pan, 20);
  EXPECT_EQ(fake.sounds[0].frequency, 1500);

  for (int landed = 1; landed < 7; landed++) passes_until_landing();
  for (int column = 0; column < BOARD_COLUMNS; column++)
    EXPECT_EQ(board[0][column][13].kind, kinds_of(0)[column]) << column;
  EXPECT_EQ(board[0][0][12].kind, kinds_of(0)[6]);
  // The eighth block waits in column 1; each preview cell shows what comes next there.
  EXPECT_EQ(block.column, 1);
  EXPECT_EQ(block.kind, kinds_of(0)[7]);
  EXPECT_EQ(board[0][0][0].kind, kinds_of(0)[12]);
  EXPECT_EQ(board[0][1][0].kind, kinds_of(0)[7]);
}

TEST(Dropping, TheDelayShrinksWithSpeedButNotBelowThreeExceptForVersusBlocks)
{
  start_game(MODE_ONE_PLAYER, 1);
  player_slots[0].speed_step = 40;
  player_slots[0].versus_penalty = 2;
  start_next_block(0);
  EXPECT_EQ(falling_blocks[0].delay, 3);

  start_game(MODE_VERSUS, 2);
  current_player = 1;
  player_slots[1].versus_penalty = 2;
  start_next_block(1);
  for (int sent = 0; sent < 2; sent++) {
    EXPECT_EQ(falling_blocks[1].delay, 1);
    supply_step();
    EXPECT_EQ(falling_blocks[1].row, 1) << "falls in its first pass";
    passes_until_landing();
  }
  EXPECT_EQ(falling_blocks[1].delay, 25);
}

TEST(Overflow, EveryTileBurstsFromTheTopDownAndTheGameEnds)
{
  for (int mode : {MODE_ONE_PLAYER, MODE_VERSUS}) {
    start_game(mode, 2);
    current_player = 1;
    for (int row = 1; row < BOARD_ROWS; row++) board[1][2][row].kind = 7;
    board[1][5][9].kind = 11;
    falling_blocks[1].next_column = 2;
    start_next_block(1);
    falling_blocks[1].delay = 1;
    rectfill(background_buffer, 365 + 210, 60, 365 + 213, 429, makecol(1, 2, 3));
    supply_step();

    for (int row = 1; row < BOARD_ROWS; row++)
      EXPECT_EQ(board[1][2][row].vanish_timer, 14 + 5 * row) << row;
    EXPECT_EQ(board[1][5][9].vanish_timer, 59);
    EXPECT_EQ(board[1][5][10].vanish_timer, 0);
    for (const RowLamp &lamp : row_lamps[1]) EXPECT_GE(lamp.shots_left, 5);
    const bool restored = getpixel(background_buffer, 365 + 211, 100) ==
                          getpixel(item_bitmap(ITEM_BACKGROUND), 365 + 211, 100);
    if (mode == MODE_ONE_PLAYER) {
      EXPECT_EQ(player_slots[1].state, STATE_GAME_OVER);
      EXPECT_TRUE(restored);
    } else {
      EXPECT_EQ(player_slots[1].state, STATE_VERSUS_LOST);
      EXPECT_EQ(player_slots[0].state, STATE_VERSUS_WON);
      EXPECT_FALSE(restored);
    }
    EXPECT_EQ(falling_blocks[1].delay, 0) << "no further block starts";
  }
}

TEST(Gravity, AVanishingTileHoldsUpTheColumnUntilItIsGone)
{
  start_game(MODE_ONE_PLAYER, 1);
  BoardCell(&column)[BOARD_ROWS] = board[0][1];
  column[10].kind = 3;
  column[11].kind = 4;
  column[12].kind = 5;
  column[12].vanish_timer = 6;
  for (int pass = 0; pass < 10; pass++) gravity_step();
  EXPECT_EQ(column[11].kind, 4);
  EXPECT_EQ(column[11].y_offset, 0);

  // Gone: the two tiles above sink one row every second pass, down to the bottom.
  column[12].kind = column[12].vanish_timer = 0;
  const int top_row_after_pass[] = {10, 10, 11, 11, 12, 12, 12};
  for (int pass = 0; pass < 7; pass++) {
    gravity_step();
    const int top = top_row_after_pass[pass];
    EXPECT_EQ(column[top - 1].kind, 0) << pass;
    EXPECT_EQ(column[top].kind, 3) << pass;
    EXPECT_EQ(column[top + 1].kind, 4) << pass;
  }
}

}  // namespace
