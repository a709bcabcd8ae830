#include "tests/soak/invariants.h"

#include <cstdio>

#include "board/board.h"
#include "board/clearing.h"
#include "control/bindings.h"
#include "scores/game_over.h"
#include "scores/high_scores.h"
#include "shell/frame_driver.h"
#include "state/game_state.h"

namespace {

// Collects the first failure; later checks of the same frame add nothing.
class Checker {
public:
  void in_range(const char *what, int player, int index, long value, long low, long high)
  {
    if (!found_.empty() || (value >= low && value <= high)) return;
    char text[200];
    snprintf(text, sizeof text, "player %d: %s [%d] is %ld, outside %ld..%ld", player, what,
             index, value, low, high);
    found_ = text;
  }
  const std::string &found() const { return found_; }

private:
  std::string found_;
};

// Before a player's first game his board and supply are still all zero.
bool in_play(int p)
{
  const int state = player_slots[p].state;
  return state == STATE_LEVEL_START || state == STATE_PLAYING || state == STATE_PAUSED;
}

void check_board(Checker &check, int p)
{
  for (int column = 0; column < BOARD_COLUMNS; column++)
    for (int row = 0; row < BOARD_ROWS; row++) {
      const BoardCell &cell = board[p][column][row];
      const int at = column * 100 + row;  // column and row in one number: 512 is (5, 12)
      check.in_range("cell kind", p, at, cell.kind, 0, TILE_KINDS);
      check.in_range("cell sinking offset", p, at, cell.y_offset, 0, TILE_SIZE - 1);
      check.in_range("cell protected", p, at, cell.is_protected, 0, 1);
      check.in_range("cell vanish timer", p, at, cell.vanish_timer, 0, 14 + 5 * BOARD_ROWS);
    }
  // In play the preview row always offers six tiles.
  if (in_play(p))
    for (int column = 0; column < BOARD_COLUMNS; column++)
      check.in_range("preview kind", p, column, board[p][column][0].kind, 1, TILE_KINDS);
}

void check_block_and_supply(Checker &check, int p)
{
  const FallingBlock &block = falling_blocks[p];
  check.in_range("falling block kind", p, 0, block.kind, 0, TILE_KINDS);
  check.in_range("falling block protected", p, 0, block.is_protected, 0, 1);
  check.in_range("falling block column", p, 0, block.column, 0, BOARD_COLUMNS - 1);
  check.in_range("falling block next column", p, 0, block.next_column, 0, BOARD_COLUMNS - 1);
  check.in_range("falling block row", p, 0, block.row, 0, BOARD_ROWS - 1);
  check.in_range("falling block delay", p, 0, block.delay, 0, 1000);
  const BlockSupply &supply = block_supplies[p];
  check.in_range("supply index", p, 0, supply.supply_next, 0, SUPPLY_LENGTH - 1);
  for (int i = 0; i < SUPPLY_LENGTH && in_play(p); i++)
    check.in_range("supply kind", p, i, supply.supply_kinds[i], 1, TILE_KINDS);
}

void check_lamps_and_effects(Checker &check, int p)
{
  for (int row = 0; row < PLAYING_ROWS; row++) {
    const RowLamp &lamp = row_lamps[p][row];
    check.in_range("lamp colour", p, row, lamp.colour, 0, 5);  // lamp_sprites[2 x colour + 1]
    check.in_range("lamp state", p, row, lamp.state, LAMP_BURNT_OUT, LAMP_START_UP);
    check.in_range("lamp glow", p, row, lamp.glow, 0, 300);
    check.in_range("lamp shots", p, row, lamp.shots_left, 0, 34);
    check.in_range("lamp replacement", p, row, lamp.replacement, 0, 3);  // new_lamp_sprites
    check.in_range("lamp replace alpha", p, row, lamp.replace_alpha, 0, 255);
    check.in_range("lamp flash alpha", p, row, lamp.flash_alpha, 0, 255);
    const LampCarrier &carrier = lamp_carriers[p][row];
    if (carrier.x != 0) {
      check.in_range("carrier image", p, row, carrier.image, 1, 3);
      check.in_range("carrier colour", p, row, carrier.colour, 0, 5);
      check.in_range("carrier phase", p, row, carrier.phase, 0, 1);
    }
    for (int k = 0; k < SPARKS_PER_ROW; k++) {
      const Spark &spark = sparks[p][row][k];
      if (spark.x == 0) continue;
      check.in_range("spark drift", p, row, spark.dx * spark.dx, 1, 1);
      check.in_range("spark weight", p, row, spark.weight, 1, 10);
    }
  }
  for (int i = 0; i < SCORE_POPUPS; i++) {
    const ScorePopup &popup = score_popups[p][i];
    if (popup.row == 0) continue;
    check.in_range("popup points sprite", p, i, popup.value_index, 0, TILE_KINDS - 1);
    check.in_range("popup column", p, i, popup.column, 0, BOARD_COLUMNS - 1);
    check.in_range("popup row", p, i, popup.row, 1, BOARD_ROWS - 1);
  }
}

void check_slot(Checker &check, int p)
{
  const PlayerSlot &slot = player_slots[p];
  check.in_range("state", p, 0, slot.state, STATE_JOIN_MENU, STATE_PAUSED);
  if (slot.level > 0) {  // the cursor is placed when the first game starts
    check.in_range("cursor column", p, 0, slot.cursor_column, 0, BOARD_COLUMNS - 1);
    check.in_range("cursor row", p, 0, slot.cursor_row, 1, BOARD_ROWS - 1);
  }
  check.in_range("cursor animation", p, 0, slot.cursor_anim, 0, 24);
  check.in_range("clear phase", p, 0, clear_phase[p], CLEAR_NONE, CLEAR_RUNNING);
  check.in_range("powered count", p, 0, powered_count[p], 0, 2 * BOARD_COLUMNS * PLAYING_ROWS);
  check.in_range("protect next", p, 0, slot.protect_next, 0, 1);
  check.in_range("clear chain", p, 0, slot.clear_chain, 0, 1000);
  check.in_range("fade alpha", p, 0, slot.fade_alpha, 0, 255);
  check.in_range("table rank", p, 0, slot.table_rank, 0, HIGH_SCORE_ROWS);
  check.in_range("name cursor", p, 0, slot.name_cursor, 0, 2);
  for (int i = 0; i < 3; i++) check.in_range("name letter", p, i, slot.name_letters[i], 32, 127);
  check.in_range("score", p, 0, slot.score, 0, 2000000000);
  check.in_range("versus penalty", p, 0, slot.versus_penalty, 0, 1000);
  check.in_range("menu selection", p, 0, menu_selection[p], 0, 4);
  check.in_range("menu pulse", p, 0, menu_pulse[p], 1, 31);
  check.in_range("name key guard", p, 0, name_key_guard[p], 0, 1 << 30);
}

void check_globals(Checker &check)
{
  check.in_range("game mode", 0, 0, game_mode, MODE_ONE_PLAYER, MODE_VERSUS);
  check.in_range("difficulty", 0, 0, difficulty, 0, 2);
  check.in_range("current player", 0, 0, current_player, 0, 1);
  check.in_range("name entry owner", 0, 0, name_entry_owner, 0, 2);
  for (int i = 0; i < HIGH_SCORE_ROWS; i++) {
    for (int c = 0; c < NAME_LENGTH; c++)
      check.in_range("high-score name character", 0, i, high_scores[i].name[c], 32, 127);
    if (i > 0)  // descending: each row at most the one above
      check.in_range("high-score order", 0, i, high_scores[i].score, -2147483647L - 1,
                     high_scores[i - 1].score);
  }
}

}  // namespace

std::string broken_invariant()
{
  Checker check;
  check_globals(check);
  for (int p = 0; p < 2; p++) {
    check_slot(check, p);
    check_board(check, p);
    check_block_and_supply(check, p);
    check_lamps_and_effects(check, p);
  }
  return check.found();
}
