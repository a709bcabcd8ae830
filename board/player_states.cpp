#include "board/player_states.h"

#include "board/board.h"
#include "board/lamps.h"
#include "board/level_bonus.h"
#include "board/supply.h"

namespace {

constexpr int COUNT_FAST_STEP = 3;
constexpr int COUNT_SLOW_GAP = 50;  // from this gap on the count-in goes one by one

}  // namespace

void start_game(int player, PlayerState first_state)
{
  player_slots[player].state = first_state;
  start_level(player, true);
  reset_board(player, true);
  redraw_lamp_column(player);
}

bool count_in_step(int player)
{
  PlayerSlot &slot = player_slots[player];
  const int quota = level_quota(slot.level);
  if (slot.blocks_to_clear >= quota) {
    slot.state = STATE_PLAYING;
    return false;
  }
  slot.blocks_to_clear += quota - slot.blocks_to_clear <= COUNT_SLOW_GAP ? 1 : COUNT_FAST_STEP;
  return true;
}

void pause_game(int player)
{
  player_slots[player].state = STATE_PAUSED;
  clear_phase[player] = CLEAR_NONE;
}

void resume_game(int player)
{
  player_slots[player].state = STATE_PLAYING;
  clear_phase[player] = CLEAR_NONE;
}

void complete_level(int player)
{
  player_slots[player].state = STATE_LEVEL_COMPLETE;
  award_level_bonus(player);
}

void finish_level(int player)
{
  PlayerSlot &slot = player_slots[player];
  slot.state = STATE_LEVEL_FADE_OUT;
  slot.score += slot.level_bonus;
}

void start_next_level(int player)
{
  player_slots[player].level++;
  start_level(player, false);
  reset_board(player, false);
  player_slots[player].state = STATE_LEVEL_START;
}

void end_game(int player)
{
  if (game_mode != MODE_VERSUS) {
    clear_lamp_column(player);
    powered_count[player] = 0;
    player_slots[player].state = STATE_GAME_OVER;
  } else {
    player_slots[player].state = STATE_VERSUS_LOST;
    player_slots[opponent_of(player)].state = STATE_VERSUS_WON;
  }
}

void begin_versus_fade_out(int player)
{
  PlayerSlot &slot = player_slots[player];
  slot.state = slot.state == STATE_VERSUS_WON ? STATE_WINNER_FADE_OUT : STATE_LOSER_FADE_OUT;
}

void begin_name_entry(int player) { player_slots[player].state = STATE_NAME_ENTRY; }

void show_high_scores(int player, int lock)
{
  player_slots[player].timer = lock;
  player_slots[player].state = STATE_HIGH_SCORES;
}

void return_to_join_menu(int player, const MenuReturn &how)
{
  PlayerSlot &slot = player_slots[player];
  if (how.remove_lamp_marks) clear_lamp_column(player);
  slot.state = STATE_JOIN_MENU;
  if (how.lock != KEEP_LOCK) slot.timer = how.lock;
  if (how.select_first_entry) menu_selection[player] = 0;
}
