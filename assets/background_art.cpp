// The play-screen background: the two board wells with their lamp columns and the centre
// column of the score panel.
#include "assets/art.h"

#include "assets/paint.h"
#include "assets/palette.h"
#include "assets/typeface.h"

namespace {

void draw_board_well(BITMAP *picture, int player)
{
  const int x0 = 25 + 365 * player;
  rect(picture, x0 - 2, 18, x0 + 181, 441, makecol(90, 100, 130));
  rectfill(picture, x0 - 1, 19, x0 + 180, 49, makecol(14, 16, 26));   // preview row
  rectfill(picture, x0 - 1, 50, x0 + 180, 440, makecol(8, 10, 18));   // playing rows
  hline(picture, x0 - 1, 49, x0 + 180, makecol(60, 70, 100));
  // Lamp column: the strip where each row's colour mark sits, and the lamp rail.
  rectfill(picture, x0 + 185, 60, x0 + 188, 429, makecol(30, 30, 40));
  rectfill(picture, x0 + 188, 50, x0 + 212, 440, makecol(20, 22, 34));
  rect(picture, x0 + 188, 50, x0 + 212, 440, makecol(70, 80, 110));
}

void draw_centre_column(BITMAP *picture)
{
  bevel_panel(picture, 248, 40, 386, 440, makecol(34, 40, 64));
  const char *labels[] = {"score", "level", "blocks", "clears"};
  const int label_y[] = {60, 99, 160, 194};
  for (int player = 0; player < 2; player++) {
    for (int i = 0; i < 4; i++) {
      const int y = 230 * player + label_y[i];
      const int x = i == 0 ? 307 : 275;
      draw_text(picture, labels[i], x, y - (i == 0 ? 0 : 0), 11, palette::caption.colour(),
                i == 0 ? ALIGN_CENTRE : ALIGN_CENTRE);
    }
    draw_text(picture, player ? "Player 2" : "Player 1", 317, 230 * player + 44, 12,
              palette::text.colour(), ALIGN_CENTRE);
  }
}

}  // namespace

void make_background(ItemOutput &out)
{
  BITMAP *picture = new_picture(ITEM_BACKGROUND, 0);
  vertical_gradient(picture, 0, 0, 639, 479, makecol(20, 26, 52), makecol(6, 8, 20));
  draw_board_well(picture, 0);
  draw_board_well(picture, 1);
  draw_centre_column(picture);
  out.picture(ITEM_BACKGROUND, picture);
}
