#include "shell/player_slots.h"

PlayerSlot player_slots[2];
int message_slide[2];
int menu_pulse[2] = {5, 5};
int menu_pulse_step[2] = {1, 1};
