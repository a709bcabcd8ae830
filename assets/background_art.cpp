// The play-screen background: a green circuit board carrying, for each player, a brushed-steel
// frame around the board well and its lamp rail, and between them the score card, whose
// labelled windows sit exactly where the numbers are printed each frame.
#include "assets/art.h"

#include <initializer_list>

#include "assets/paint.h"
#include "assets/palette.h"
#include "assets/typeface.h"

namespace {

constexpr int PLAYER_STEP = 365;
constexpr int WELL_LEFT = 25, WELL_TOP = 20, WELL_WIDTH = 180, WELL_HEIGHT = 420;
constexpr int PREVIEW_BOTTOM = 49;
// The lamp rail: colour marks in a 4-pixel strip, lamps to its right.
constexpr int MARK_STRIP_X = 210, MARK_STRIP_TOP = 60, MARK_STRIP_BOTTOM = 429;
constexpr int RAIL_LEFT = 209, RAIL_RIGHT = 237;
// Each player's steel frame, relative to his half.
constexpr int FRAME_LEFT = 18, FRAME_TOP = 12, FRAME_RIGHT = 240, FRAME_BOTTOM = 446;
// The score card between the frames, and the numbers printed on it.
constexpr int CARD_LEFT = 245, CARD_RIGHT = 379;
constexpr int SCORE_X = 307, SCORE_Y = 77, FIGURE_X = 340, PANEL_STEP = 230;
constexpr int NUMBER_WINDOW_RISE = 3, NUMBER_WINDOW_HEIGHT = 20;

// Fibreglass under a green solder mask: a fine weave and speckle.
void fibreglass(BITMAP *picture, int x1, int y1, int x2, int y2, int seed)
{
  const int board = palette::board.colour();
  for (int y = y1; y <= y2; y++)
    for (int x = x1; x <= x2; x++) {
      const float weave = ((x + y) % 4 == 0 || (x - y + 400) % 4 == 0) ? 0.05f : 0;
      const float speckle = hash_noise(x, y, seed) * 0.18f;
      putpixel(picture, x, y, shade(board, 0.9f + weave + speckle));
    }
}

// A copper trace under the solder mask, three pixels wide, lit along its upper-left side.
void trace(BITMAP *picture, std::initializer_list<int> points)
{
  const int *p = points.begin();
  const int count = int(points.size()) / 2;
  for (int layer = 0; layer < 2; layer++)
    for (int i = 0; i + 1 < count; i++) {
      int x = p[2 * i], y = p[2 * i + 1];
      const int tx = p[2 * i + 2], ty = p[2 * i + 3];
      while (true) {
        if (layer == 0)
          rectfill(picture, x - 1, y - 1, x + 1, y + 1, palette::trace.colour());
        else
          putpixel(picture, x - 1, y - 1, palette::trace_lit.colour());
        if (x == tx && y == ty) break;
        x += (tx > x) - (tx < x);
        y += (ty > y) - (ty < y);
      }
    }
}

// A plated via: a tinned ring around a drilled hole.
void via(BITMAP *picture, int x, int y)
{
  circlefill(picture, x, y, 3, shade(palette::pad.colour(), 0.7f));
  circlefill(picture, x, y, 2, palette::pad.colour());
  putpixel(picture, x - 1, y - 2, shade(palette::pad.colour(), 1.5f));
  circlefill(picture, x, y, 1, palette::board_shadow.colour());
}

// A rectangular solder pad, as under a chip's legs.
void solder_pad(BITMAP *picture, int x, int y, int w, int h)
{
  rectfill(picture, x, y, x + w - 1, y + h - 1, palette::pad.colour());
  hline(picture, x, y, x + w - 1, shade(palette::pad.colour(), 1.4f));
  hline(picture, x, y + h - 1, x + w - 1, shade(palette::pad.colour(), 0.6f));
}

// Copper in the margins: buses, stitched vias and a few pad rows, so the board reads as a
// real circuit around the frames.
void margin_circuits(BITMAP *picture)
{
  for (int i = 0; i < 4; i++) {
    const int x = 4 + 4 * i, top = 30 + 18 * i;
    trace(picture, {x, top, x, 200 + 20 * i, x + 3 - i, 203 + 23 * i - i, x + 3 - i, 470 - 10 * i});
    via(picture, x, top);
  }
  for (int i = 0; i < 5; i++) {
    const int x = 613 + 5 * i, top = 20 + 25 * i;
    trace(picture, {x, top, x, 260 - 12 * i, x - 2, 262 - 12 * i, x - 2, 440 - 9 * i});
    via(picture, x, top);
    via(picture, x - 2, 440 - 9 * i);
  }
  for (int i = 0; i < 3; i++) {
    const int y = 452 + 8 * i;
    trace(picture, {250 + 6 * i, y, 300, y, 306, y - 6 + 2 * i});
  }
  for (int i = 0; i < 6; i++) {
    solder_pad(picture, 256 + 12 * i, 462, 7, 4);
    solder_pad(picture, 24 + 7 * i, 3, 4, 6);
    solder_pad(picture, 560 + 7 * i, 3, 4, 6);
  }
  draw_text(picture, "KORVANTA  MK II", 312, 0, 9, shade(palette::silkscreen.colour(), 0.75f),
            ALIGN_CENTRE);
  for (int x : {110, 130, 150, 170}) via(picture, x, 4);
  for (int x : {475, 495, 515, 535}) via(picture, x, 4);
}

// Where power enters the board: a copper finger at the left end of every playing row.
void power_inputs(BITMAP *picture, int x0)
{
  for (int row = 1; row <= 13; row++) {
    const int y = WELL_TOP + 30 * row + 12;
    rectfill(picture, x0 - 6, y, x0 - 1, y + 5, shade(palette::copper.colour(), 0.8f));
    hline(picture, x0 - 6, y, x0 - 1, palette::copper_light.colour());
    hline(picture, x0 - 6, y + 5, x0 - 1, palette::copper_dark.colour());
  }
}

void board_frame(BITMAP *picture, int player)
{
  const int dx = PLAYER_STEP * player, x0 = WELL_LEFT + dx;
  // A soft drop shadow on the board below and to the right of the frame.
  for (int i = 1; i <= 4; i++)
    rect(picture, dx + FRAME_LEFT + i, FRAME_TOP + i, dx + FRAME_RIGHT + i, FRAME_BOTTOM + i,
         shade(palette::board_shadow.colour(), 0.5f + 0.12f * i));
  brushed_steel(picture, dx + FRAME_LEFT, FRAME_TOP, dx + FRAME_RIGHT, FRAME_BOTTOM,
                palette::steel.colour(), 2, 11 + player);
  // The board well: a dim preview shelf above thirteen rows of cell sockets.
  const int well_right = x0 + WELL_WIDTH - 1, well_bottom = WELL_TOP + WELL_HEIGHT - 1;
  sunken_well(picture, x0 - 1, WELL_TOP - 1, well_right + 1, well_bottom + 1,
              palette::well_floor.colour());
  rectfill(picture, x0 + 2, WELL_TOP + 2, well_right, PREVIEW_BOTTOM,
           mix(palette::well_floor.colour(), palette::steel_shadow.colour(), 0.6f));
  hline(picture, x0, PREVIEW_BOTTOM + 1, well_right, palette::steel_dark.colour());
  const int socket = shade(palette::well_floor.colour(), 1.12f);
  for (int row = 1; row <= 13; row++)
    for (int column = 0; column < 6; column++) {
      const int cx = x0 + 30 * column, cy = WELL_TOP + 30 * row;
      rect(picture, cx + 2, cy + 2, cx + 27, cy + 27, socket);
      for (int corner : {0, 1})
        putpixel(picture, cx + 2 + 25 * corner, cy + 2, shade(socket, 1.3f));
    }
  // The lamp rail: a dark channel for the lamps with the strip of colour marks at its left.
  sunken_well(picture, dx + RAIL_LEFT, WELL_TOP + 28, dx + RAIL_RIGHT, well_bottom + 1,
              palette::well_floor.colour());
  rectfill(picture, dx + MARK_STRIP_X, MARK_STRIP_TOP, dx + MARK_STRIP_X + 3, MARK_STRIP_BOTTOM,
           palette::steel_shadow.colour());
  vline(picture, dx + MARK_STRIP_X + 1, MARK_STRIP_TOP, MARK_STRIP_BOTTOM,
        palette::copper_dark.colour());
  // The bus bar that feeds the lamps, with a tab to each socket.
  const int bus = dx + RAIL_RIGHT - 2;
  rectfill(picture, bus, WELL_TOP + 32, bus + 1, well_bottom - 2, palette::copper.colour());
  vline(picture, bus, WELL_TOP + 32, well_bottom - 2, palette::copper_light.colour());
  for (int row = 0; row < 13; row++) {
    const int y = 30 * row + 63;
    rectfill(picture, bus - 3, y, bus - 1, y + 3, palette::copper.colour());
    hline(picture, bus - 3, y, bus - 1, palette::copper_light.colour());
  }
  // Screws in the frame's corners.
  for (int sx : {FRAME_LEFT + 4, FRAME_RIGHT - 5})
    for (int sy : {FRAME_TOP + 3, FRAME_BOTTOM - 4}) {
      circlefill(picture, dx + sx, sy, 2, palette::steel_dark.colour());
      putpixel(picture, dx + sx - 1, sy - 1, palette::steel_highlight.colour());
      hline(picture, dx + sx - 1, sy, dx + sx + 1, palette::steel_shadow.colour());
    }
  power_inputs(picture, x0 - 1);
  // The plate under the powered-tile count.
  sunken_well(picture, x0 + 2, FRAME_BOTTOM + 3, well_right - 2, 474,
              mix(palette::well_floor.colour(), palette::board.colour(), 0.3f));
}

// A dark window for a number printed at (centre_x, number_y). The numbers' digits take the
// rows 2..10 of their line, so the window reaches three rows above the line and ends six
// below the digits: its floor between the top's shadow and the lit bottom edge has the
// digits in its middle.
void number_window(BITMAP *picture, int centre_x, int number_y, int half_width)
{
  const int top = number_y - NUMBER_WINDOW_RISE;
  sunken_well(picture, centre_x - half_width, top, centre_x + half_width,
              top + NUMBER_WINDOW_HEIGHT - 1, palette::well_floor.colour());
}

void caption(BITMAP *picture, const char *text, int x, int y, TextAlign align)
{
  draw_text(picture, text, x, y, 10, palette::caption.colour(), align);
}

void chip(BITMAP *picture, int x, int y, int player);

void player_panel(BITMAP *picture, int player)
{
  const int dy = PANEL_STEP * player;
  draw_text(picture, player ? "PLAYER 2" : "PLAYER 1", 312, dy + 41, 11, palette::text.colour(),
            ALIGN_CENTRE);
  hline(picture, CARD_LEFT + 12, dy + 56, CARD_RIGHT - 12, palette::accent.colour());
  caption(picture, "SCORE", 312, dy + 61, ALIGN_CENTRE);
  number_window(picture, SCORE_X, dy + SCORE_Y, 54);
  const char *labels[] = {"LEVEL", "BLOCKS", "CLEARS"};
  const int number_ys[] = {99, 160, 194};
  for (int i = 0; i < 3; i++) {
    const int y = dy + number_ys[i];
    // The label and the trace under it line up with the window, not with the number.
    const int window_top = y - NUMBER_WINDOW_RISE;
    caption(picture, labels[i], CARD_LEFT + 9, window_top + 5, ALIGN_LEFT);
    number_window(picture, FIGURE_X, y, 24);
    // A trace from each label to its window.
    trace(picture, {CARD_LEFT + 8, window_top + 19, FIGURE_X - 30, window_top + 19, FIGURE_X - 27,
                    window_top + 16});
  }
  chip(picture, CARD_LEFT + 20, dy + 133, player);
}

// A small chip between the level and the counters, wired to the card's traces.
void chip(BITMAP *picture, int x, int y, int player)
{
  constexpr int WIDTH = 64, HEIGHT = 14;
  for (int pin = 0; pin < 8; pin++) {
    solder_pad(picture, x + 4 + 8 * pin, y - 3, 3, 3);
    solder_pad(picture, x + 4 + 8 * pin, y + HEIGHT, 3, 3);
  }
  rectfill(picture, x, y, x + WIDTH - 1, y + HEIGHT - 1, shade(palette::steel_shadow.colour(), 0.7f));
  hline(picture, x, y, x + WIDTH - 1, palette::steel_dark.colour());
  circlefill(picture, x + 4, y + 4, 1, palette::steel_dark.colour());
  draw_text(picture, player ? "KV-202" : "KV-101", x + WIDTH / 2 + 3, y + 2, 9,
            palette::silkscreen.colour(), ALIGN_CENTRE);
}

void score_card(BITMAP *picture)
{
  for (int i = 1; i <= 3; i++)
    rect(picture, CARD_LEFT + i, FRAME_TOP + i, CARD_RIGHT + i, FRAME_BOTTOM + i,
         shade(palette::board_shadow.colour(), 0.5f + 0.15f * i));
  brushed_steel(picture, CARD_LEFT, FRAME_TOP, CARD_RIGHT, FRAME_BOTTOM, palette::steel.colour(), 2, 21);
  // The card's face is a raised board of its own inside the steel rim.
  fibreglass(picture, CARD_LEFT + 4, FRAME_TOP + 4, CARD_RIGHT - 4, FRAME_BOTTOM - 4, 22);
  rect(picture, CARD_LEFT + 3, FRAME_TOP + 3, CARD_RIGHT - 3, FRAME_BOTTOM - 3,
       palette::steel_shadow.colour());
  player_panel(picture, 0);
  player_panel(picture, 1);
  // The difficulty sign is laid into a steel socket between the two panels, whose floor is
  // the sign's own ground: the whole sign while nobody plays, and its name alone in play
  // (drawn 7 rows higher), sit about its middle.
  brushed_steel(picture, 268, 215, 346, 251, palette::steel_dark.colour(), 1, 23);
  sunken_well(picture, 271, 217, 343, 250, palette::well_floor.colour());
}

}  // namespace

void make_background(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_BACKGROUND, 0);
  fibreglass(picture, 0, 0, 639, 479, 7);
  margin_circuits(picture);
  board_frame(picture, 0);
  board_frame(picture, 1);
  score_card(picture);
  out.picture(ITEM_BACKGROUND, picture);
}
