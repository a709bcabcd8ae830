// Stages scenes of the running game for the developers to look at. The game starts as it
// does for a player, with the real screen, timer and sound; tiles and player states are then
// laid straight into the boards, real frames run through the main loop, and the frame just
// composed is saved as a PNG at chosen moments.
//
// Usage: stage_scene [--readme] FOLDER [SEED]
// Run it on an X display, in a folder that holds korvanta.dat. The PNGs go into FOLDER;
// ImageMagick's `convert` turns the saved bitmaps into PNGs. With --readme it stages only the
// two scenes of play that the README shows (one_player.png and versus.png) instead of the
// developers' set.
#include <allegro.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/global_bitmaps.h"
#include "base/resource_check.h"
#include "base/resources.h"
#include "board/board.h"
#include "board/lamps.h"
#include "board/player_states.h"
#include "board/power.h"
#include "board/supply.h"
#include "control/bindings.h"
#include "render/level_panel.h"
#include "shell/main_loop.h"
#include "shell/startup.h"
#include "state/game_state.h"

namespace {

// One character a tile, by kind: '-' '|' straights; '7' 'J' 'L' 'r' elbows left-bottom,
// top-left, top-right, right-bottom; 'T' '^' tees open downwards and upwards; '+' cross;
// 'b' 'B' bridges; 's' 'S' splits; '\'' '.' stubs from the top and from the bottom.
const std::string TILES = " -|7JLr}T{^+bBsS['].";

constexpr int BLOCKS_HELD_BACK = 1 << 30;  // a drop delay no scene outlasts
constexpr int BOTTOM_LAMP = PLAYING_ROWS - 1;
constexpr int MAX_WAIT = 600;              // frames a scene waits for its moment at most

std::string shot_folder;
int frames_run = 0;

void shoot(const char *name)
{
  const std::string bmp = shot_folder + "/" + name + ".bmp";
  const std::string png = shot_folder + "/" + name + ".png";
  PALETTE palette;
  get_palette(palette);
  if (save_bmp(bmp.c_str(), back_buffer, palette) != 0) {
    fprintf(stderr, "could not write %s\n", bmp.c_str());
    exit(1);
  }
  const std::string convert = "convert '" + bmp + "' '" + png + "' && rm '" + bmp + "'";
  if (system(convert.c_str()) != 0) {
    fprintf(stderr, "could not convert %s\n", bmp.c_str());
    exit(1);
  }
  printf("frame %4d: %s\n", frames_run, png.c_str());
}

void run_frames(int count)
{
  for (int i = 0; i < count; i++) {
    if (!run_main_loop_pass()) exit(0);
    frames_run++;
  }
}

// Runs frames until the scene has reached its moment; a staging that never gets there is a
// fault worth hearing about.
template <typename Moment> void run_until(const char *what, Moment reached)
{
  for (int i = 0; i < MAX_WAIT; i++) {
    if (reached()) return;
    run_frames(1);
  }
  fprintf(stderr, "the scene never reached its moment: %s\n", what);
  exit(1);
}

void lay_tile(int player, int column, int row, char tile)
{
  BoardCell &cell = board[player][column][row];
  cell.kind = static_cast<int>(TILES.find(tile));
  cell.is_protected = cell.y_offset = cell.vanish_timer = 0;
}

// Lays tiles from `top_row` downwards in one column, a character a tile.
void lay_column(int player, int column, int top_row, const char *tiles)
{
  for (int i = 0; tiles[i] != '\0'; i++) lay_tile(player, column, top_row + i, tiles[i]);
}

void lay_row(int player, int row, const char *tiles)
{
  for (int column = 0; column < BOARD_COLUMNS; column++)
    lay_tile(player, column, row, tiles[column]);
}

void update_power_of(int player)
{
  current_player = player;
  update_power(false);
}

// The join menu's one-player start, with the count-in skipped and the blocks held back so
// that only the laid tiles stand on the board.
void start_one_player_game()
{
  game_mode = MODE_ONE_PLAYER;
  PlayerSlot &slot = player_slots[0];
  start_game(0, STATE_PLAYING);
  paint_level_panel(0);
  slot.blocks_to_clear = level_quota(slot.level);
  falling_blocks[0].delay = BLOCKS_HELD_BACK;
}

// Two lamps charge together: a row of straights along the bottom and a row of other
// conductors above it. Their clear scores and sends up a popup for every tile.
void stage_clear()
{
  lay_row(0, 13, "------");
  lay_row(0, 12, "-T^-+-");
  update_power_of(0);

  run_frames(4);
  shoot("1a_powered_path");
  run_frames(6);
  shoot("1b_powered_path_6_frames_later");

  run_until("the clear is armed", [] { return clear_phase[0] == CLEAR_ARMED; });
  run_frames(3);
  shoot("2_armed_clear");

  run_until("the lamps fire", [] { return clear_phase[0] == CLEAR_RUNNING; });
  run_frames(3);
  shoot("3a_vanish");
  run_frames(6);
  shoot("3b_vanish_6_frames_later");

  run_frames(30);
  shoot("4a_clear_message_and_popups");
  run_frames(30);
  shoot("4b_clear_message_booked");
}

// The bottom lamp fires its last shot: it burns out, its pieces fall as sparks, and a
// carrier brings the new lamp in from above the screen and takes the old one away.
void stage_burn_out()
{
  run_until("the clear message ends", [] { return player_slots[0].clear_points == 0; });
  run_frames(15);  // the last popups fade out
  lay_row(0, 13, "------");
  row_lamps[0][BOTTOM_LAMP].shots_left = 1;
  update_power_of(0);

  run_until("the bottom lamp burns out",
            [] { return row_lamps[0][BOTTOM_LAMP].replacement != 0; });
  run_frames(2);
  shoot("5a_burn_out_sparks");
  run_frames(6);
  shoot("5b_sparks_and_carrier_arriving");
  run_frames(50);
  shoot("5c_carrier_arriving");
  run_frames(50);
  shoot("5d_carrier_docking");
  run_until("the carrier leaves", [] { return lamp_carriers[0][BOTTOM_LAMP].phase == 1; });
  run_frames(20);
  shoot("5e_carrier_leaving");
  run_until("the carrier has gone", [] { return lamp_carriers[0][BOTTOM_LAMP].x == 0; });
}

// Both players in play on fresh versus boards, as the join menu leaves them.
void start_versus_play()
{
  game_mode = MODE_VERSUS;
  for (int player = 0; player < 2; player++) {
    start_game(player, STATE_PLAYING);
    paint_level_panel(player);
  }
}

// A versus game ends: the right board overflows at the next block in its full first column.
// Column 3 of both boards holds no conductor across, so no row is powered through.
void stage_versus_end()
{
  start_versus_play();

  // Each column's stack: its top row and its tiles from there down.
  struct Stack { int top; const char *tiles; };
  const Stack boards[2][BOARD_COLUMNS] = {
      {{11, "r|L"}, {12, "-J"}, {13, "T"}, {10, "'|||"}, {12, "7J"}, {9, "|L7|J"}},
      {{1, "|L|r|J|-|T|L-"}, {6, "7|Jr-^--"}, {10, "|r|r"}, {5, "|'||.|||'"}, {8, "7|S|-r"},
       {3, "7|J|L7|||J|"}},
  };
  for (int player = 0; player < 2; player++) {
    for (int column = 0; column < BOARD_COLUMNS; column++)
      lay_column(player, column, boards[player][column].top, boards[player][column].tiles);
    update_power_of(player);
  }
  falling_blocks[0].delay = BLOCKS_HELD_BACK;
  FallingBlock &block = falling_blocks[1];
  block.next_column = block.column = 0;
  block.delay = 1;

  run_frames(8);
  shoot("6a_versus_overflow");
  run_frames(32);
  shoot("6b_versus_boards_bursting_and_fading");
  run_until("the pictures have faded in",
            [] { return player_slots[0].state == STATE_WINNER_FADE_OUT; });
  shoot("6c_versus_winner_and_loser");
  run_frames(30);
  shoot("6d_versus_pictures_fading_out");
}

// Lays a board from the top row down, a string of six tiles a row; ' ' leaves a cell empty.
// Stacks must reach the bottom row, or gravity brings them down.
void lay_board(int player, int top_row, const char *const rows[], int row_count)
{
  for (int i = 0; i < row_count; i++)
    for (int column = 0; column < BOARD_COLUMNS; column++)
      if (rows[i][column] != ' ') lay_tile(player, column, top_row + i, rows[i][column]);
  update_power_of(player);
}

bool board_at_rest(int player)
{
  for (int column = 0; column < BOARD_COLUMNS; column++)
    for (int row = 1; row < BOARD_ROWS; row++)
      if (board[player][column][row].y_offset != 0) return false;
  return clear_phase[player] == CLEAR_NONE;
}

void place_cursor(int player, int column, int row)
{
  player_slots[player].cursor_column = column;
  player_slots[player].cursor_row = row;
}

// The player turns the lowest upright straight of a column a quarter turn, with the cursor
// on it, as he would to join its row to the lamp.
void turn_upright_straight(int player, int column)
{
  const int upright = static_cast<int>(TILES.find('|'));
  for (int row = BOARD_ROWS - 1; row > 0; row--) {
    BoardCell &cell = board[player][column][row];
    if (cell.kind != upright) continue;
    place_cursor(player, column, row);
    cell.kind = turn_right_table[cell.kind];
    update_power_of(player);
    return;
  }
  fprintf(stderr, "no upright straight to turn in column %d\n", column);
  exit(1);
}

// A one-player game some way into its third level: two rows fire and clear, the stacks
// above them sink, the player turns the one tile that kept another row from its lamp, and
// that row fires while the first clear's popups are still rising.
void stage_readme_one_player()
{
  start_one_player_game();
  PlayerSlot &slot = player_slots[0];
  slot.level = 3;
  slot.blocks_to_clear = 57;
  slot.score = 4180;
  slot.clear_count = 2;
  const char *const rows[] = {
      "  r   ",
      "L '  s",
      "-^|--T",
      "-7-r-|",
      "-J-L7|",
      "-T-T--",
      "-^-^--",
  };
  lay_board(0, 7, rows, 7);
  place_cursor(0, 2, 10);

  run_until("the first lamps fire", [] { return clear_phase[0] == CLEAR_RUNNING; });
  run_until("the stacks have sunk", [] { return board_at_rest(0); });
  turn_upright_straight(0, 2);
  run_until("the second row fires", [] { return clear_phase[0] == CLEAR_RUNNING; });
  run_frames(7);
  shoot("one_player");
}

// A versus game in full swing: the left board clears two rows, which sends blocks down onto
// the right board at once, while the right player has just joined his bottom row to its lamp.
void stage_readme_versus()
{
  start_versus_play();
  player_slots[0].score = 2370;
  player_slots[1].score = 1915;
  const char *const left[] = {
      "'     ",
      "|r 7  ",
      "JL-^r|",
      "-+-T-7",
      "-^--+-",
  };
  const char *const right[] = {
      "   .  ",
      "r  |  ",
      "|7 +T ",
      "L-7L-r",
      "-|J-|J",
      "-T|^--",
  };
  lay_board(0, 9, left, 5);
  lay_board(1, 8, right, 6);
  place_cursor(0, 3, 10);
  place_cursor(1, 1, 9);

  run_until("the left board fires", [] { return clear_phase[0] == CLEAR_RUNNING; });
  turn_upright_straight(1, 2);
  run_frames(14);
  shoot("versus");
}

// The last tiles of a level clear: the level-complete picture with the bonus table fades in
// and out, then the next level's panel counts its quota in.
void stage_level_complete()
{
  game_mode = MODE_ONE_PLAYER;
  start_one_player_game();
  player_slots[0].blocks_to_clear = BOARD_COLUMNS;
  lay_row(0, 13, "------");
  update_power_of(0);

  run_until("the level is complete", [] { return player_slots[0].state == STATE_LEVEL_FADE_OUT; });
  shoot("7a_level_complete");
  run_until("the next level starts", [] { return player_slots[0].state == STATE_LEVEL_START; });
  run_frames(40);
  shoot("7b_level_panel_count_in");
}

}  // namespace

int main(int argc, char *argv[])
{
  const bool readme = argc > 1 && std::string(argv[1]) == "--readme";
  if (readme) {
    argc--;
    argv++;
  }
  if (argc < 2) {
    fprintf(stderr, "usage: stage_scene [--readme] FOLDER [SEED]\n");
    return 2;
  }
  shot_folder = argv[1];
  // A fixed seed stages the same lamps, sparks and supply every run.
  srand(argc > 2 ? static_cast<unsigned>(atoi(argv[2])) : 1u);
  expected_resource_digest = BUILT_RESOURCE_DIGEST;
  if (initialise_game()) return 1;
  reset_control_bindings();
  enter_main_loop();
  run_frames(2);

  if (readme) {
    stage_readme_one_player();
    stage_readme_versus();
  } else {
    start_one_player_game();
    stage_clear();
    stage_burn_out();
    stage_versus_end();
    stage_level_complete();
  }

  destroy_global_bitmaps();
  unload_datafile(game_data);
  return 0;
}
END_OF_MAIN()
