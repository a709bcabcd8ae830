// The built korvanta.dat, loaded as the game loads it: every item of its kind and size, the
// pictures drawn, the fonts complete and in their colours, the sounds audible.
#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "shell/resources.h"

namespace {

TEST(ResourceFile, EveryItemHasItsKindAndSizeAndNoPictureIsBlankOrSoundSilent)
{
  const int dat_types[] = {DAT_BITMAP, DAT_FONT, DAT_MIDI, DAT_SAMPLE};  // by ResourceKind
  for (const ResourceEntry &entry : RESOURCE_CATALOGUE) {
    SCOPED_TRACE(entry.name);
    ASSERT_EQ(game_data[entry.item].type, dat_types[entry.kind]);
    if (entry.kind == RESOURCE_SAMPLE) {  // 16-bit samples are kept unsigned, silence at 0x8000
      const SAMPLE *sound = item_sample(entry.item);
      ASSERT_EQ(sound->bits, 16);
      const unsigned short *data = static_cast<const unsigned short *>(sound->data);
      int loudest = 0;
      for (unsigned long i = 0; i < sound->len; i++) loudest = std::max(loudest, std::abs(data[i] - 0x8000));
      EXPECT_GT(loudest, 3000) << "silent";
    }
    if (entry.kind != RESOURCE_BITMAP) continue;
    BITMAP *picture = item_bitmap(entry.item);
    EXPECT_EQ(picture->w, entry.width);
    EXPECT_EQ(picture->h, entry.height);
    EXPECT_EQ(bitmap_color_depth(picture), entry.depth);
    int varied = 0;
    for (int y = 0; y < picture->h; y++)
      for (int x = 0; x < picture->w; x++) varied += getpixel(picture, x, y) != getpixel(picture, 0, 0);
    EXPECT_GT(varied, 0) << "blank";
  }
}

TEST(ResourceFile, FontsCoverPrintableAsciiAndPrintInTheirOwnColoursOrTheOneGiven)
{
  for (ResourceItem item : {ITEM_FONT_NUMBERS, ITEM_FONT_MESSAGES, ITEM_FONT_POINTS}) {
    FONT *typeface = item_font(item);
    ASSERT_LE(get_font_range_begin(typeface, -1), 32) << item;
    ASSERT_GE(get_font_range_end(typeface, -1), 126) << item;
    for (char c = 32; c <= 126; c++) ASSERT_GT(text_length(typeface, std::string(1, c).c_str()), 0) << item << c;
  }
  BITMAP *page = create_bitmap(20, 20);
  for (int colour : {-1, makecol(255, 100, 0)}) {
    clear_bitmap(page);
    textout_ex(page, item_font(ITEM_FONT_NUMBERS), "8", 0, 0, colour, -1);
    int lit = 0, light = 0, matching = 0;
    for (int y = 0; y < 20; y++)
      for (int x = 0; x < 20; x++) {
        const int pixel = getpixel(page, x, y);
        lit += pixel != 0;
        light += getr(pixel) + getg(pixel) > 250;
        matching += pixel == colour;
      }
    EXPECT_GT(lit, 20);
    if (colour == -1) {
      EXPECT_GT(light, lit / 2) << "own colours are light golds, not a missing palette's black";
    } else {
      EXPECT_EQ(matching, lit) << "the colour given paints every glyph pixel";
    }
  }
  destroy_bitmap(page);
}

}  // namespace
