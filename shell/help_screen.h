// How to play: the help pages, opened with F4 from the title menu and the join menus while
// nobody plays. Modal, like the control settings: it runs passes of its own until closed,
// then puts back the screen it covered.
#pragma once

#include <allegro.h>

#include "render/help_pages.h"

// One opening of the pages.
struct HelpScreen {
  BITMAP *page_buffer;   // 640 x 480: each pass draws the page here, then shows it
  BITMAP *covered;       // the screen as it was when the pages opened
  int page;              // 0 .. HELP_PAGE_COUNT - 1
  int phase;             // slides the power patterns of the pictures
  bool turned_back, turned_on, closed;  // last pass's inputs: each acts when it goes down
  bool leaving;
};

// What the controls page shows, from both players' devices and keys as they are now.
HelpControls describe_controls();

// Takes a copy of the screen and makes the page buffer; what is held now acts only once let go.
void open_help_screen(HelpScreen &help);
// One pass: input, then the page drawn and presented. False once the pages are closed.
bool run_help_pass(HelpScreen &help);
// Waits until the key that closed the pages is let go, so that it does not go on to act on
// the screen below; then puts that screen back and gives the buffers back.
void close_help_screen(HelpScreen &help);

// Blocks until the pages are closed (or the window is).
void run_help_screen();
