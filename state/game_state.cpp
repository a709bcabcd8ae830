#include "state/game_state.h"

int game_mode = MODE_ONE_PLAYER;
int difficulty = 1;
int current_player = 0;

PlayerSlot player_slots[2];
int menu_selection[2];
int pause_run[2];
