// In-game input: cursor moves, drags, turns and pause from a player's keys or mouse.
#pragma once

enum MoveRequest { REQUEST_LEFT = 0, REQUEST_RIGHT = 1, REQUEST_UP = 2, REQUEST_DOWN = 3 };

extern int input_delay[2];  // calls since the last action
// Moves asked for by pointer travel, kept until they are made.
extern unsigned char mouse_move_request[2][4];
// The wheel position last seen; one for both players, as there is one mouse.
extern int last_wheel_position;

// Once a frame for the current player while he plays or pauses.
void handle_player_input();

// A new game puts a mouse player's pointer on his board; a keyboard player's is left alone.
void place_pointer_for_new_game(int player);
