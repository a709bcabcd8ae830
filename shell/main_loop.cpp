#include "shell/main_loop.h"

bool music_on = true;
bool windowed = false;
int difficulty = 1;
int global_key_guard = 0;
int current_player = 0;
