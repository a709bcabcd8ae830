#include "shell/title_screen.h"

#include <allegro.h>

#include <algorithm>

#include "base/display.h"
#include "base/gamepads.h"
#include "base/global_bitmaps.h"
#include "base/leave_request.h"
#include "base/platform.h"
#include "base/resources.h"
#include "control/bindings.h"
#include "control/gamepad_layout.h"
#include "control/settings_screen.h"
#include "shell/help_screen.h"
#include "shell/title_demo.h"

namespace {

struct Region {
  int x1, y1, x2, y2;  // inclusive screen pixels
};

// Five bands of the title picture from top to bottom, then the menu picture.
constexpr Region TITLE_REGIONS[TITLE_REGION_COUNT] = {
    {100, 20, 280, 160}, {100, 180, 280, 210}, {100, 230, 280, 270},
    {100, 290, 280, 310}, {100, 310, 280, 450}, {350, 190, 560, 256},
};

constexpr int DARK_FADE = 255;
constexpr int HURRIED_FADE = 10;  // a region reached after a key shows in two steps
constexpr int FADE_STEP = 5;
constexpr int STEP_MS = 20;
constexpr int CHOSEN_MS = 500;
constexpr int MENU_KEY_THRESHOLD = 15;

// Within the title item: the picture at its top, the menu below it.
constexpr int PICTURE_W = 176, PICTURE_H = 430, PICTURE_X = 100, PICTURE_Y = 22;
constexpr int MENU_SOURCE_X = 40, MENU_SOURCE_Y = 430, MENU_W = 100, MENU_H = 66;
constexpr int MENU_X = 383, MENU_Y = 190;
constexpr int HIGHLIGHT_W = 157, HIGHLIGHT_H = 36, HIGHLIGHT_X = 350;

int highlight_y(int selection) { return 185 + 43 * selection; }

// Under the menu, where nothing else is drawn, the key that opens the help pages.
constexpr int HELP_LINE_X = 433, HELP_LINE_Y = 290;

void present()
{
  blit(back_buffer, game_screen, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
  present_screen();
}

void draw_menu_picture()
{
  blit(item_bitmap(ITEM_TITLE), back_buffer, MENU_SOURCE_X, MENU_SOURCE_Y, MENU_X, MENU_Y,
       MENU_W, MENU_H);
}

void draw_help_line()
{
  textout_centre_ex(back_buffer, font_messages, "F4: how to play", HELP_LINE_X, HELP_LINE_Y,
                    makecol(172, 182, 194), -1);
}

// The pictures, each region under black at its own fade (the drawing mode is translucent).
void draw_reveal_step(const TitleScreen &title)
{
  blit(item_bitmap(ITEM_TITLE), back_buffer, 0, 0, PICTURE_X, PICTURE_Y, PICTURE_W, PICTURE_H);
  draw_menu_picture();
  for (int region = 0; region < TITLE_REGION_COUNT; region++) {
    const Region &r = TITLE_REGIONS[region];
    set_trans_blender(0, 0, 0, title.fade[region]);
    rectfill(back_buffer, r.x1, r.y1, r.x2, r.y2, 0);
  }
}

// The keyboard buffer is not emptied here: once a key has come, every later region is
// hurried too.
void reveal(TitleScreen &title)
{
  for (int region = 0; region < TITLE_REGION_COUNT; region++) {
    int &fade = title.fade[region];
    if (platform.keypressed()) fade = HURRIED_FADE;
    title.intro_done = true;
    while (fade != 0 && !leave_requested()) {
      draw_reveal_step(title);
      fade = std::max(fade - FADE_STEP, 0);
      platform.rest(STEP_MS);
      present();
    }
  }
}

// After the demo the title comes back whole, at once.
void show_title_again()
{
  clear_bitmap(back_buffer);
  blit(item_bitmap(ITEM_TITLE), back_buffer, 0, 0, PICTURE_X, PICTURE_Y, PICTURE_W, PICTURE_H);
  draw_menu_picture();
}

// Any pad's up or down steps the menu and its A chooses, as the cursor keys and ENTER do.
bool menu_step_asked() { return key[KEY_UP] || key[KEY_DOWN] || any_pad_asks(ACTION_MOVE_UP) || any_pad_asks(ACTION_MOVE_DOWN); }
bool menu_choice_asked() { return key[KEY_ENTER] || any_pad_asks(ACTION_DRAG_BLOCK); }

// A held A would go on to confirm the first entry of its player's join menu: the title waits
// until it is let go.
void wait_for_pads_released()
{
  while (any_pad_asks(ACTION_DRAG_BLOCK) && !leave_requested()) {
    platform.rest(STEP_MS);
    poll_gamepads();
  }
}

TitleChoice run_menu_pass(TitleScreen &title)
{
  if (leave_requested()) return TITLE_LEAVE;
  poll_gamepads();
  if (any_input()) title.idle_ms = 0;
  if (title.idle_ms >= DEMO_AFTER_MS) {
    run_title_demo();
    if (leave_requested()) return TITLE_LEAVE;
    title.idle_ms = 0;
    show_title_again();
  }
  platform.clear_keybuf();
  solid_mode();
  masked_blit(item_bitmap(ITEM_MENU_HIGHLIGHT), back_buffer, 0, 0, HIGHLIGHT_X,
              highlight_y(title.selection), HIGHLIGHT_W, HIGHLIGHT_H);
  draw_help_line();

  if (++title.key_guard > MENU_KEY_THRESHOLD && menu_step_asked()) {
    title.selection = 1 - title.selection;
    title.key_guard = 0;
  }
  if (menu_choice_asked()) {
    platform.rest(CHOSEN_MS);
    platform.clear_keybuf();
    wait_for_pads_released();
    if (title.selection == 0) return TITLE_PLAY;
    // The settings screen draws only into its own buffer: the title waits in the back buffer.
    run_control_settings();
  }
  // The pages put the title back as they found it, and wait for ESC to be let go.
  if (key[KEY_F4]) {
    run_help_screen();
    title.idle_ms = 0;
  }
  if (key[KEY_ESC]) return TITLE_LEAVE;

  platform.rest(STEP_MS);
  title.idle_ms += STEP_MS;
  present();
  // Wipe the highlight, keeping the menu picture.
  rectfill(back_buffer, 350, 180, 510, 270, 0);
  draw_menu_picture();
  return TITLE_STAYS;
}

}  // namespace

void start_title_screen(TitleScreen &title)
{
  title = TitleScreen{};
  std::fill(title.fade, title.fade + TITLE_REGION_COUNT, DARK_FADE);
  clear_bitmap(back_buffer);
  drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
}

TitleChoice run_title_pass(TitleScreen &title)
{
  if (!title.intro_done) reveal(title);
  return run_menu_pass(title);
}

bool run_title_screen()
{
  TitleScreen title;
  start_title_screen(title);
  TitleChoice choice;
  while ((choice = run_title_pass(title)) == TITLE_STAYS) {
  }
  return choice == TITLE_PLAY;
}
