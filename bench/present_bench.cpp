// What presenting one frame costs at each factor, onto a memory bitmap standing in for a 32-bit
// screen (the library's copy to the X server and the server's own work are not in it): a
// menu frame, where a highlight of a few hundred pixels changes, and a frame changed all over.
// Beside them, the whole frame stretched by the library at 16 bits, as before, without the
// conversion to the screen's depth that followed it.
#include <benchmark/benchmark.h>

#include "base/display.h"
#include "base/global_bitmaps.h"
#include "base/present.h"
#include "base/resources.h"
#include "bench/support/headless_game.h"

namespace {

constexpr int TRUE_COLOUR = 32;

// A 40 x 8 highlight that blinks: every frame differs from the one before in it alone.
void blink_highlight(BITMAP *frame, int frame_number)
{
  rectfill(frame, 300, 200, 339, 207, frame_number % 2 ? makecol(255, 220, 0) : makecol(40, 40, 40));
}

// Every row in a colour of its own, which no row had the frame before.
void change_everything(BITMAP *frame, int frame_number)
{
  for (int y = 0; y < SCREEN_HEIGHT; y++) {
    const int shade = y % 256;
    hline(frame, 0, y, SCREEN_WIDTH - 1, frame_number % 2 ? makecol(shade, 0, 0) : makecol(0, shade, 255));
  }
}

template <void Change(BITMAP *, int)>
void BM_Present(benchmark::State &state)
{
  if (!start_headless_game()) {
    state.SkipWithError("the headless library or korvanta.dat could not be set up");
    return;
  }
  const int factor = static_cast<int>(state.range(0));
  BITMAP *target = create_bitmap_ex(TRUE_COLOUR, SCREEN_WIDTH * factor, SCREEN_HEIGHT * factor);
  draw_sprite(game_screen, item_bitmap(ITEM_BACKGROUND), 0, 0);
  present_everything_next();
  present_frame(game_screen, target, factor);
  int frame_number = 0;
  for (auto _ : state) {
    Change(game_screen, frame_number++);
    present_frame(game_screen, target, factor);
    benchmark::ClobberMemory();
  }
  present_everything_next();
  destroy_bitmap(target);
}

void BM_LibraryStretchAt16Bits(benchmark::State &state)
{
  if (!start_headless_game()) {
    state.SkipWithError("the headless library or korvanta.dat could not be set up");
    return;
  }
  const int factor = static_cast<int>(state.range(0));
  BITMAP *target = create_bitmap_ex(16, SCREEN_WIDTH * factor, SCREEN_HEIGHT * factor);
  for (auto _ : state) {
    stretch_blit(game_screen, target, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT, 0, 0, SCREEN_WIDTH * factor,
                 SCREEN_HEIGHT * factor);
    benchmark::ClobberMemory();
  }
  destroy_bitmap(target);
}

}  // namespace

BENCHMARK_TEMPLATE(BM_Present, blink_highlight)->DenseRange(1, MAX_SCALE);
BENCHMARK_TEMPLATE(BM_Present, change_everything)->DenseRange(1, MAX_SCALE);
BENCHMARK(BM_LibraryStretchAt16Bits)->DenseRange(1, MAX_SCALE);
