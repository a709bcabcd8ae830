// The large pictures: menus, signs and the pictures that the frame driver fades in and out.
// Each is a piece of the game's circuit board in a brushed-steel bezel, its lettering lit.
#include "assets/art.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "assets/paint.h"
#include "assets/palette.h"
#include "assets/typeface.h"

namespace {

constexpr bool CENTRED = true;

int text_colour() { return palette::text.colour(); }
int caption_colour() { return palette::caption.colour(); }
int accent_colour() { return palette::accent.colour(); }

// A piece of circuit board framed in steel, its copper laid out around the areas kept clear.
void board_plate(BITMAP *picture, int x1, int y1, int x2, int y2, int bezel, int seed,
                 const std::vector<Area> &keep_clear = {})
{
  circuit_board(picture, x1 + bezel, y1 + bezel, x2 - bezel, y2 - bezel, seed, keep_clear);
  steel_bezel(picture, x1, y1, x2, y2, bezel);
}

// A line of glowing lettering, centred on x.
struct Lettering {
  const char *text;
  int x, y, pixel_size, colour, glow;
};

// A plate and the lettering it carries, on ground that no trace or via runs into.
void lettered_plate(BITMAP *picture, int x1, int y1, int x2, int y2, int bezel, int seed,
                    std::initializer_list<Lettering> lines)
{
  std::vector<Area> keep_clear;
  for (const Lettering &line : lines)
    keep_clear.push_back(lettering_area(line.text, line.x, line.y, line.pixel_size, CENTRED));
  board_plate(picture, x1, y1, x2, y2, bezel, seed, keep_clear);
  for (const Lettering &line : lines)
    glowing_text(picture, line.text, line.x, line.y, line.pixel_size, line.colour, line.glow,
                 CENTRED);
}

// A lit glass lamp: dark glass rim, bright core and a highlight at its upper left.
void glass_lamp(BITMAP *picture, int cx, int cy, int radius, int colour)
{
  radial_glow(picture, cx, cy, radius * 2, colour, false);
  circlefill(picture, cx, cy, radius, shade(colour, 0.85f));
  const int core = mix(colour, makecol(255, 255, 255), 0.55f);
  radial_glow(picture, cx + radius / 4, cy + radius / 4, radius, core, false);
  circle(picture, cx, cy, radius, shade(colour, 0.4f));
  const int sheen = makecol(255, 255, 255);
  putpixel(picture, cx - radius / 2, cy - radius / 2, sheen);
  if (radius > 4) {
    putpixel(picture, cx - radius / 2 + 1, cy - radius / 2, mix(colour, sheen, 0.7f));
    putpixel(picture, cx - radius / 2, cy - radius / 2 + 1, mix(colour, sheen, 0.7f));
  }
}

// A lamp that has burnt out: grey glass with a dark filament.
void dead_lamp(BITMAP *picture, int cx, int cy, int radius)
{
  circlefill(picture, cx, cy, radius, palette::steel_shadow.colour());
  const int glass = palette::steel_dark.colour();
  radial_glow(picture, cx - radius / 3, cy - radius / 3, radius, glass, false);
  circle(picture, cx, cy, radius, palette::steel.colour());
  line(picture, cx - radius / 2, cy + 1, cx + radius / 2, cy - 2, palette::board_shadow.colour());
  putpixel(picture, cx - radius / 2, cy - radius / 2, palette::steel_light.colour());
}

// A conductor lit by power, as on the boards: deep rim and bright core.
void lit_trace(BITMAP *picture, int x1, int y1, int x2, int y2, int deep, int bright)
{
  for (int w = 2; w >= 0; w--) {
    const int colour = w == 2 ? shade(deep, 0.6f) : w == 1 ? deep : bright;
    rectfill(picture, std::min(x1, x2) - w, std::min(y1, y2) - w, std::max(x1, x2) + w,
             std::max(y1, y2) + w, colour);
  }
}

// A steel tile face with conductors to the sides named in `sides` (1 up, 2 right, 4 down,
// 8 left), copper or lit.
void mini_tile(BITMAP *picture, int x, int y, int size, int sides, bool lit)
{
  bevel_panel(picture, x, y, x + size - 1, y + size - 1, palette::steel.colour());
  const int cx = x + size / 2, cy = y + size / 2;
  const int deep = lit ? palette::power_connected_deep.colour() : palette::copper_dark.colour();
  const int bright = lit ? palette::power_connected.colour() : palette::copper.colour();
  if (sides & 1) lit_trace(picture, cx, y + 2, cx, cy, deep, bright);
  if (sides & 2) lit_trace(picture, cx, cy, x + size - 3, cy, deep, bright);
  if (sides & 4) lit_trace(picture, cx, cy, cx, y + size - 3, deep, bright);
  if (sides & 8) lit_trace(picture, x + 2, cy, cx, cy, deep, bright);
}

// Whether a pixel of a white-on-black lettering canvas belongs to a letter.
bool in_letter(BITMAP *letters, int x, int y)
{
  if (x < 0 || y < 0 || x >= letters->w || y >= letters->h) return false;
  return getr(getpixel(letters, x, y)) > 100;
}

// Polished gold: a bright band across the upper third, then deepening towards copper.
int logo_gold(float depth)
{
  if (depth < 0.35f) return mix(makecol(255, 244, 196), makecol(255, 255, 255), 0.3f);
  return mix(caption_colour(), palette::copper_light.colour(), (depth - 0.35f) / 0.65f);
}

// The game's name as a logo: gold letters outlined in dark copper and lit by a halo.
void logo_text(BITMAP *picture, int cx, int y, int size)
{
  const char *name = "KORVANTA";
  glowing_text(picture, name, cx, y, size, caption_colour(), caption_colour(), CENTRED);
  BITMAP *letters = new_canvas(picture->w, picture->h, 0);
  draw_text(letters, name, cx, y, size, makecol(255, 255, 255), ALIGN_CENTRE);
  int top = picture->h, bottom = 0;
  for (int py = 0; py < letters->h; py++)
    for (int x = 0; x < letters->w; x++)
      if (in_letter(letters, x, py)) top = std::min(top, py), bottom = std::max(bottom, py);
  const int outline = palette::copper_dark.colour();
  for (int py = 0; py < letters->h; py++)
    for (int x = 0; x < letters->w; x++) {
      const int coverage = getr(getpixel(letters, x, py));
      if (coverage > 0) {
        const int gold = logo_gold(bottom > top ? float(py - top) / (bottom - top) : 0);
        putpixel(picture, x, py, mix(getpixel(picture, x, py), gold, coverage / 255.0f));
      } else if (in_letter(letters, x - 1, py) || in_letter(letters, x + 1, py) ||
                 in_letter(letters, x, py - 1) || in_letter(letters, x, py + 1) ||
                 in_letter(letters, x - 1, py - 1)) {
        putpixel(picture, x, py, outline);
      }
    }
  destroy_bitmap(letters);
}

}  // namespace

// The frame pulses from dim to bright and back as the game steps through it; inside it
// stays clear so the entry shows through.
void make_menu_highlight(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_MENU_HIGHLIGHT, mask_colour());
  const int accent = accent_colour(), gold = caption_colour(), white = makecol(255, 255, 255);
  for (int frame = 0; frame < 7; frame++) {
    const float t = frame / 6.0f;
    const int y0 = 36 * frame;
    rect(picture, 0, y0, 156, y0 + 35, shade(accent, 0.5f + 0.3f * t));
    rect(picture, 1, y0 + 1, 155, y0 + 34, mix(accent, white, 0.35f + 0.55f * t));
    rect(picture, 2, y0 + 2, 154, y0 + 33, shade(accent, 0.75f + 0.25f * t));
    // A dithered inner glow that thickens as the pulse grows.
    for (int x = 3; x <= 153; x++)
      for (int ring = 3; ring <= 4; ring++) {
        if ((x + ring + frame) % (ring == 3 ? 2 : 4) != 0 || (ring == 4 && t < 0.5f)) continue;
        putpixel(picture, x, y0 + ring, shade(accent, 0.55f + 0.3f * t));
        putpixel(picture, x, y0 + 35 - ring, shade(accent, 0.55f + 0.3f * t));
      }
    // Gold corner brackets, like the clips of a bezel.
    const int clip = mix(gold, white, 0.4f * t);
    for (int w = 0; w < 3; w++) {
      hline(picture, w, y0 + w, 10, clip);
      vline(picture, w, y0 + w, y0 + 10, clip);
      hline(picture, 146, y0 + w, 156 - w, clip);
      vline(picture, 156 - w, y0 + w, y0 + 10, clip);
      hline(picture, w, y0 + 35 - w, 10, clip);
      vline(picture, w, y0 + 25, y0 + 35 - w, clip);
      hline(picture, 146, y0 + 35 - w, 156 - w, clip);
      vline(picture, 156 - w, y0 + 25, y0 + 35 - w, clip);
    }
  }
  out.picture(ITEM_MENU_HIGHLIGHT, picture);
}

// The whole sign shows while nobody plays; in play only the name, rows 12..22 of each block.
// The sign is lettering laid into its socket on the background, not a plate of its own: its
// ground is the socket's floor, so the socket frames it with room to spare, and the name
// stands alone in the socket in play.
void make_difficulty_sign(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_DIFFICULTY_SIGN, mask_colour());
  const char *names[] = {"easy", "normal", "hard"};
  const int colours[] = {palette::difficulty_easy.colour(), caption_colour(),
                         palette::warning.colour()};
  for (int level = 0; level < 3; level++) {
    const int y0 = 26 * level;
    rectfill(picture, 0, y0, 55, y0 + 24, palette::well_floor.colour());
    draw_text(picture, "difficulty", 28, y0, 9, shade(caption_colour(), 0.85f), ALIGN_CENTRE);
    glowing_text(picture, names[level], 28, y0 + 11, 10, shade(colours[level], 1.2f),
                 colours[level], CENTRED);
  }
  out.picture(ITEM_DIFFICULTY_SIGN, picture);
}

// The game over prints the final score at (97, 43) of this picture before laying it over the
// board, and the name being entered (or "please wait!") at rows 90..100 after it: the head
// keeps an open window for the score, the name box a dark window for the name.
void make_game_over(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_GAME_OVER, mask_colour());
  const int alarm = palette::alarm_glass.colour();
  // The head: a red warning lamp's glass behind steel.
  for (int y = 3; y <= 52; y++)
    for (int x = 3; x <= 158; x++) {
      const float light = 1.2f - 0.4f * (y - 3) / 49.0f + 0.1f * (hash_noise(x, y, 7) - 0.5f);
      putpixel(picture, x, y, shade(alarm, light));
    }
  steel_bezel(picture, 0, 0, 161, 55, 3);
  glowing_text(picture, "GAME OVER", 81, 5, 20, makecol(255, 236, 220),
               palette::alarm_glow.colour(), CENTRED);
  glowing_text(picture, "score", 48, 39, 11, caption_colour(), caption_colour(), CENTRED);
  board_plate(picture, 0, 56, 161, 102, 2, 21,
              {lettering_area("new high score!", 81, 62, 11, CENTRED),
               lettering_area("enter your name", 81, 75, 10, CENTRED)});
  // The score is printed before the picture is laid over it: its window is left open, and
  // it breaks through the head's lower edge, since the digits reach below it.
  recessed_panel(picture, 90, 36, 158, 61, palette::inset.colour());
  rectfill(picture, 92, 38, 157, 59, mask_colour());
  glowing_text(picture, "new high score!", 81, 62, 11, caption_colour(), caption_colour(), CENTRED);
  draw_text(picture, "enter your name", 81, 75, 10, text_colour(), ALIGN_CENTRE);
  recessed_panel(picture, 28, 88, 134, 100, palette::inset.colour());

  // The foot's plate is left bare: the game writes on it which of the player's keys do what.
  board_plate(picture, 0, 104, 161, 145, 3, 22);
  out.picture(ITEM_GAME_OVER, picture);
}

namespace {

constexpr int TITLE_W = 176;

// The title's plates lie in the bands that the intro reveals one after another; between
// them the screen stays black, crossed only by the copper that links them.
void title_links(BITMAP *picture, int y1, int y2)
{
  for (int x : {26, 149}) {
    vline(picture, x, y1, y2, palette::copper_dark.colour());
    vline(picture, x + 1, y1, y2, shade(palette::copper.colour(), 0.7f));
  }
}

void title_logo(BITMAP *picture)
{
  board_plate(picture, 0, 0, TITLE_W - 1, 138, 4, 31);
  recessed_panel(picture, 10, 18, TITLE_W - 11, 70, palette::board_shadow.colour());
  logo_text(picture, TITLE_W / 2, 29, 23);
  // A powered bus under the name, and the six lamps it lights.
  lit_trace(picture, 5, 104, TITLE_W - 6, 104, palette::power_left_deep.colour(),
            palette::power_left.colour());
  for (int lamp = 0; lamp < 6; lamp++) {
    const int cx = 28 + 24 * lamp;
    lit_trace(picture, cx, 90, cx, 104, palette::power_left_deep.colour(),
              palette::power_left.colour());
    glass_lamp(picture, cx, 88, 8, palette::lamps[lamp].colour());
  }
}

void title_band(BITMAP *picture, int y1, int y2, const char *text, int seed)
{
  lettered_plate(picture, 0, y1, TITLE_W - 1, y2, 3, seed,
                 {{text, TITLE_W / 2, (y1 + y2) / 2 - 8, 13, text_colour(), accent_colour()}});
}

// Three rows of a board with one path powered through to its lamp.
void title_board(BITMAP *picture)
{
  // The last row shows before the reveal.
  lettered_plate(picture, 0, 268, TITLE_W - 1, 428, 4, 34,
                 {{"clear the paths", TITLE_W / 2, 270, 13, text_colour(), accent_colour()}});
  static const int SIDES[3][5] = {{10, 6, 10, 12, 5}, {10, 11, 10, 14, 10}, {3, 10, 9, 5, 10}};
  constexpr int TILE = 26, LEFT = 12, TOP = 312;
  lit_trace(picture, LEFT - 5, TOP, LEFT - 5, TOP + 3 * TILE - 1, palette::power_left_deep.colour(),
            palette::power_left.colour());
  for (int row = 0; row < 3; row++) {
    for (int column = 0; column < 5; column++)
      mini_tile(picture, LEFT + TILE * column, TOP + TILE * row, TILE, SIDES[row][column],
                row == 1);
    const int cy = TOP + TILE * row + TILE / 2;
    if (row == 1) glass_lamp(picture, LEFT + 5 * TILE + 14, cy, 9, palette::lamps[0].colour());
    else dead_lamp(picture, LEFT + 5 * TILE + 14, cy, 8);
  }
  for (int lamp = 0; lamp < 6; lamp++)
    glass_lamp(picture, 38 + 20 * lamp, 410, 4, palette::lamps[lamp].colour());
}

// The two-entry menu, laid out for the highlight frames at its rows.
void title_menu(BITMAP *picture)
{
  const char *entries[] = {"play", "controls"};
  const int tops[] = {430 + 3, 430 + 43};
  for (int entry = 0; entry < 2; entry++) {
    lettered_plate(picture, 40, tops[entry], 139, tops[entry] + 22, 2, 40 + entry,
                   {{entries[entry], 90, tops[entry] + 3, 14, text_colour(), accent_colour()}});
  }
}

}  // namespace

void make_title(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_TITLE, makecol(0, 0, 0));
  title_logo(picture);
  title_links(picture, 139, 157);
  title_band(picture, 158, 188, "power the lamps", 32);
  title_links(picture, 189, 207);
  title_band(picture, 208, 248, "turn and drag", 33);
  title_links(picture, 249, 267);
  title_board(picture);
  title_menu(picture);
  out.picture(ITEM_TITLE, picture);
}

void make_versus_loser(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_VERSUS_LOSER, mask_colour());
  lettered_plate(picture, 0, 0, picture->w - 1, picture->h - 1, 3, 51,
                 {{"you", 34, 54, 17, text_colour(), palette::warning.colour()},
                  {"lose", 34, 76, 18, palette::warning.colour(), palette::warning.colour()}});
  dead_lamp(picture, 34, 30, 14);
  out.picture(ITEM_VERSUS_LOSER, picture);
}

void make_pause(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_PAUSE, mask_colour());
  const int glass = palette::display_glass.colour();
  for (int y = 3; y < picture->h - 3; y++)
    for (int x = 3; x < picture->w - 3; x++)
      putpixel(picture, x, y, shade(glass, 1.15f - 0.35f * y / picture->h +
                                               0.1f * (hash_noise(x, y, 61) - 0.5f)));
  steel_bezel(picture, 0, 0, picture->w - 1, picture->h - 1, 3);
  // The pause bars, lit like the lettering.
  for (int bar : {25, 37}) {
    rectfill(picture, bar, 10, bar + 5, 30, shade(accent_colour(), 0.5f));
    rectfill(picture, bar + 1, 11, bar + 4, 29, accent_colour());
    vline(picture, bar + 1, 11, 29, mix(accent_colour(), makecol(255, 255, 255), 0.6f));
  }
  glowing_text(picture, "PAUSE", 34, 36, 14, text_colour(), accent_colour(), CENTRED);
  out.picture(ITEM_PAUSE, picture);
}

void make_quit_question(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_QUIT_QUESTION, mask_colour());
  lettered_plate(picture, 0, 0, 247, 54, 4, 71,
                 {{"Quit Korvanta?", 124, 8, 17, text_colour(), accent_colour()},
                  {"Y = yes    N = no", 124, 30, 13, caption_colour(), caption_colour()}});
  out.picture(ITEM_QUIT_QUESTION, picture);
}

// The game writes the level's digits at (85, 0) and (104, 0), and counts the quota in at
// rows 107..127 from the left edge, clearing that strip to transparent as it goes: the strip
// is left transparent here too.
void make_level_panel(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_LEVEL_PANEL, mask_colour());
  lettered_plate(picture, 0, 0, 80, 21, 2, 81,
                 {{"LEVEL", 40, 3, 14, caption_colour(), caption_colour()}});
  recessed_panel(picture, 83, 0, 124, 21, palette::inset.colour());
  lettered_plate(picture, 0, 24, 141, 100, 3, 82,
                 {{"get ready", 71, 50, 17, text_colour(), accent_colour()}});
  lettered_plate(picture, 84, 105, 141, 129, 2, 83,
                 {{"blocks", 113, 110, 12, caption_colour(), caption_colour()}});
  lettered_plate(picture, 0, 132, 141, 165, 3, 84,
                 {{"clears   bonus", 71, 141, 12, text_colour(), accent_colour()}});
  out.picture(ITEM_LEVEL_PANEL, picture);
}

// The game prints the bonus table into rows 125..185 and the bonus earned just below the
// picture.
void make_level_complete(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_LEVEL_COMPLETE, mask_colour());
  lettered_plate(picture, 0, 0, 119, 229, 3, 91,
                 {{"LEVEL", 60, 12, 20, caption_colour(), caption_colour()},
                  {"COMPLETE", 60, 40, 17, text_colour(), accent_colour()},
                  {"bonus", 60, 204, 14, caption_colour(), caption_colour()}});
  lit_trace(picture, 4, 88, 115, 88, palette::power_connected_deep.colour(),
            palette::power_connected.colour());
  for (int lamp = 0; lamp < 5; lamp++)
    glass_lamp(picture, 16 + 22 * lamp, 88, 6, palette::lamps[lamp].colour());
  recessed_panel(picture, 6, 118, 113, 190, palette::inset.colour());
  out.picture(ITEM_LEVEL_COMPLETE, picture);
}

// Drawn at the top of the player's half: the name plate (which also heads the high-score
// view on its own), then the five entries on the rows where the highlight frames them.
void make_join_menu(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_JOIN_MENU, mask_colour());
  board_plate(picture, 0, 0, 158, 38, 3, 101);
  recessed_panel(picture, 8, 5, 150, 33, palette::board_shadow.colour());
  logo_text(picture, 79, 7, 20);
  board_plate(picture, 0, 41, 158, 244, 3, 102);
  const char *entries[] = {"one player", "two players", "versus", "high scores", "controls"};
  for (int entry = 0; entry < 5; entry++) {
    const int y0 = 44 + 33 * entry;
    steel_bezel(picture, 6, y0 + 4, 152, y0 + 31, 2);
    vertical_gradient(picture, 8, y0 + 6, 150, y0 + 29, palette::board_raised.colour(),
                      palette::board_shadow.colour());
    glass_lamp(picture, 20, y0 + 17, 4, palette::lamps[entry].colour());
    glowing_text(picture, entries[entry], 86, y0 + 9, 14, text_colour(), accent_colour(), CENTRED);
  }
  for (int lamp = 0; lamp < 6; lamp++)
    glass_lamp(picture, 29 + 20 * lamp, 228, 4, palette::lamps[lamp].colour());
  out.picture(ITEM_JOIN_MENU, picture);
}

void make_versus_winner(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_VERSUS_WINNER, mask_colour());
  lettered_plate(picture, 0, 0, picture->w - 1, picture->h - 1, 3, 111,
                 {{"you", 34, 54, 17, text_colour(), caption_colour()},
                  {"win!", 34, 76, 18, caption_colour(), caption_colour()}});
  glass_lamp(picture, 34, 30, 12, palette::lamps[0].colour());
  out.picture(ITEM_VERSUS_WINNER, picture);
}
