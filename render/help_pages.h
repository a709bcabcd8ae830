// The help pages that F4 opens while nobody plays: the goal, the controls, the tiles and
// lamps, the numbers, versus and the keys everyone shares. Each is drawn whole at 640 x 480
// in the play screen's look, with the game's own tile and lamp pictures.
#pragma once

#include <allegro.h>

constexpr int HELP_PAGE_COUNT = 5;
constexpr int HELP_CONTROL_ROWS = 8;  // one a player action, in the settings screen's order

// What the controls page shows for one player. The pages know nothing of bindings: whoever
// opens them fills this in from the player's device and keys.
struct HelpControlsColumn {
  const char *device;                     // "keyboard", "mouse1", "gamepad 1", "computer: hard"
  const char *labels[HELP_CONTROL_ROWS];  // the actions
  const char *inputs[HELP_CONTROL_ROWS];  // what he presses for each, in plain words
  const char *confirm;                    // what confirms his menu
  const char *note;                       // a line under the rows; may be empty
  bool computer;                          // the computer plays his board: his keys rest
};

struct HelpControls {
  HelpControlsColumn players[2];
};

// The page's title, as the footer and the tests name it; pages count from 0.
const char *help_page_title(int page);

// Draws the page over the whole of `target`; `phase` slides the power patterns as on a board.
void draw_help_page(BITMAP *target, int page, const HelpControls &controls, int phase);
