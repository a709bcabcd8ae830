// The large pictures: the play-screen background, menus, signs and the pictures that the
// frame driver fades in and out.
#include "assets/art.h"

#include "assets/paint.h"
#include "assets/typeface.h"

namespace {

int text_colour() { return makecol(235, 235, 245); }
int caption_colour() { return makecol(255, 200, 60); }

// A masked picture holding one framed sign with up to two lines of text.
BITMAP *sign(ResourceItem item, int face, const char *first, const char *second, int size)
{
  BITMAP *picture = new_picture(item, mask_colour());
  bevel_panel(picture, 0, 0, picture->w - 1, picture->h - 1, face);
  const int lines = second ? 2 : 1;
  const int top = (picture->h - lines * (size + 4)) / 2;
  draw_text(picture, first, picture->w / 2, top, size, text_colour(), ALIGN_CENTRE);
  if (second)
    draw_text(picture, second, picture->w / 2, top + size + 4, size, text_colour(), ALIGN_CENTRE);
  return picture;
}



}  // namespace


void make_menu_highlight(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_MENU_HIGHLIGHT, mask_colour());
  for (int frame = 0; frame < 7; frame++) {
    const int y0 = 36 * frame;
    const int glow = makecol(80 + 25 * frame, 120 + 20 * frame, 255);
    for (int ring = 0; ring < 3; ring++)
      rect(picture, ring, y0 + ring, 156 - ring, y0 + 35 - ring, shade(glow, 1.0f - ring * 0.25f));
  }
  out.picture(ITEM_MENU_HIGHLIGHT, picture);
}

void make_difficulty_sign(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_DIFFICULTY_SIGN, mask_colour());
  const char *names[] = {"easy", "normal", "hard"};
  const int colours[] = {makecol(60, 200, 90), makecol(230, 200, 60), makecol(240, 70, 50)};
  for (int level = 0; level < 3; level++) {
    // The whole sign shows while nobody plays; only its lower part (from row 12) in play.
    const int y0 = 26 * level;
    rectfill(picture, 2, y0, 53, y0 + 11, makecol(24, 28, 46));
    rectfill(picture, 0, y0 + 12, 55, y0 + 24, makecol(24, 28, 46));
    rect(picture, 0, y0 + 12, 55, y0 + 24, shade(colours[level], 0.6f));
    draw_text(picture, "difficulty", 28, y0, 9, caption_colour(), ALIGN_CENTRE);
    draw_text(picture, names[level], 28, y0 + 12, 10, colours[level], ALIGN_CENTRE);
  }
  out.picture(ITEM_DIFFICULTY_SIGN, picture);
}

// The game over prints the final score at (97, 43) of this picture before laying it over the
// board, and the name being entered (or "please wait!") at rows 90..100 after it: the sign
// leaves a window open for the score and keeps the lettering clear of the name's line.
void make_game_over(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_GAME_OVER, mask_colour());
  const int face = makecol(120, 30, 40);
  bevel_panel(picture, 0, 0, 161, 55, face);
  draw_text(picture, "GAME OVER", 81, 6, 20, text_colour(), ALIGN_CENTRE);
  draw_text(picture, "score", 50, 39, 11, caption_colour(), ALIGN_CENTRE);
  rectfill(picture, 92, 38, 158, 55, mask_colour());
  // Framed on three sides: the digits reach below the sign.
  hline(picture, 91, 37, 159, shade(face, 0.5f));
  vline(picture, 91, 37, 55, shade(face, 0.5f));
  vline(picture, 159, 37, 55, shade(face, 0.5f));
  bevel_panel(picture, 0, 63, 161, 102, makecol(40, 60, 120));
  draw_text(picture, "new high score!", 81, 64, 12, caption_colour(), ALIGN_CENTRE);
  draw_text(picture, "enter your name", 81, 77, 11, text_colour(), ALIGN_CENTRE);
  bevel_panel(picture, 0, 104, 161, 145, makecol(40, 60, 120));
  draw_text(picture, "up/down: letter", 81, 110, 11, text_colour(), ALIGN_CENTRE);
  draw_text(picture, "drag key: next", 81, 126, 11, text_colour(), ALIGN_CENTRE);
  out.picture(ITEM_GAME_OVER, picture);
}

void make_title(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_TITLE, makecol(0, 0, 0));
  vertical_gradient(picture, 0, 0, 175, 429, makecol(30, 40, 90), makecol(8, 10, 30));
  draw_text(picture, "KORVANTA", 88, 40, 26, caption_colour(), ALIGN_CENTRE);
  draw_text(picture, "power the lamps", 88, 190, 13, text_colour(), ALIGN_CENTRE);
  draw_text(picture, "turn and drag", 88, 240, 13, text_colour(), ALIGN_CENTRE);
  draw_text(picture, "clear the paths", 88, 292, 13, text_colour(), ALIGN_CENTRE);
  // The two-entry menu below the title picture.
  draw_text(picture, "play", 88, 430 + 6, 16, text_colour(), ALIGN_CENTRE);
  draw_text(picture, "controls", 88, 430 + 49 - 4, 16, text_colour(), ALIGN_CENTRE);
  out.picture(ITEM_TITLE, picture);
}

void make_versus_loser(ItemOutput &out)
{
  out.picture(ITEM_VERSUS_LOSER, sign(ITEM_VERSUS_LOSER, makecol(120, 30, 40), "you", "lose", 18));
}

void make_pause(ItemOutput &out)
{
  out.picture(ITEM_PAUSE, sign(ITEM_PAUSE, makecol(40, 70, 130), "PAUSE", nullptr, 15));
}

void make_quit_question(ItemOutput &out)
{
  out.picture(ITEM_QUIT_QUESTION,
              sign(ITEM_QUIT_QUESTION, makecol(60, 40, 110), "Quit Korvanta?", "Y = yes    N = no", 16));
}

void make_level_panel(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_LEVEL_PANEL, mask_colour());
  bevel_panel(picture, 0, 24, 141, 100, makecol(40, 60, 120));
  draw_text(picture, "LEVEL", 40, 2, 16, caption_colour(), ALIGN_CENTRE);
  draw_text(picture, "get ready", 71, 50, 16, text_colour(), ALIGN_CENTRE);
  draw_text(picture, "blocks", 100, 110, 13, caption_colour(), ALIGN_CENTRE);
  bevel_panel(picture, 0, 132, 141, 165, makecol(40, 60, 120));
  draw_text(picture, "clears   bonus", 71, 141, 12, text_colour(), ALIGN_CENTRE);
  out.picture(ITEM_LEVEL_PANEL, picture);
}

void make_level_complete(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_LEVEL_COMPLETE, mask_colour());
  bevel_panel(picture, 0, 0, 119, 110, makecol(40, 110, 60));
  draw_text(picture, "LEVEL", 60, 20, 20, caption_colour(), ALIGN_CENTRE);
  draw_text(picture, "COMPLETE", 60, 50, 18, text_colour(), ALIGN_CENTRE);
  bevel_panel(picture, 0, 200, 119, 229, makecol(40, 110, 60));
  draw_text(picture, "bonus", 60, 206, 13, caption_colour(), ALIGN_CENTRE);
  out.picture(ITEM_LEVEL_COMPLETE, picture);
}

void make_join_menu(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_JOIN_MENU, mask_colour());
  bevel_panel(picture, 0, 0, 163, 39, makecol(60, 40, 110));
  draw_text(picture, "KORVANTA", 82, 8, 18, caption_colour(), ALIGN_CENTRE);
  const char *entries[] = {"one player", "two players", "versus", "high scores", "controls"};
  for (int entry = 0; entry < 5; entry++) {
    const int y0 = 44 + 33 * entry;
    bevel_panel(picture, 4, y0 + 2, 154, y0 + 33, makecol(34, 44, 80));
    draw_text(picture, entries[entry], 79, y0 + 9, 14, text_colour(), ALIGN_CENTRE);
  }
  out.picture(ITEM_JOIN_MENU, picture);
}

void make_versus_winner(ItemOutput &out)
{
  out.picture(ITEM_VERSUS_WINNER, sign(ITEM_VERSUS_WINNER, makecol(40, 120, 60), "you", "win!", 18));
}
