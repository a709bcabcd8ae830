// The title screen: the title picture revealed region by region out of black, then a menu of
// two entries, play or the control settings; left alone for 30 seconds, it shows a demo. It
// paces itself with its own rests.
#pragma once

constexpr int TITLE_REGION_COUNT = 6;

enum TitleChoice { TITLE_STAYS, TITLE_PLAY, TITLE_LEAVE };

// One call of the title screen.
struct TitleScreen {
  int fade[TITLE_REGION_COUNT];  // alpha of the black over each region: 255 black, 0 clear
  bool intro_done;
  int selection;                 // 0 play, 1 control settings
  int key_guard;                 // menu passes since the selection last moved
  int idle_ms;                   // of the menu without a key or a button: the demo starts at 30 s
};

// Starts a title screen: every region black, the back buffer cleared.
void start_title_screen(TitleScreen &title);
// The reveal on the first call, then one pass of the menu.
TitleChoice run_title_pass(TitleScreen &title);

// True to play, false to leave the program.
bool run_title_screen();
