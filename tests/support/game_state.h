// A quiet game for the rules tests: both boards empty at their places on the screen, the
// lamps dark and working, no effects, both players playing a one-player game at difficulty 1.
#pragma once

void reset_game_state();

// Lays one board row from text, one character a tile, the kinds 0..19 in this order:
// " -|7JLr}T{^+bBsS['].": ' ' empty, '-' the horizontal straight, '+' the cross, 'b' a bridge.
void lay_row(int player, int row, const char *tiles);
