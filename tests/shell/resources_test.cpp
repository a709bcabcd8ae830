// The built korvanta.dat, loaded as the game loads it: every item of its kind, pictures at the
// screen's depth but the 8-bit patterns, none blank, sounds audible, fonts whole.
#include <allegro.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>

#include "base/resources.h"

TEST(ResourceFile, ItemsHaveTheirKindAndDepthNoneBlankOrSilentAndFontsAreWhole)
{
  const int dat_types[] = {DAT_BITMAP, DAT_FONT, DAT_MIDI, DAT_SAMPLE};  // by ResourceKind
  for (const ResourceEntry &entry : RESOURCE_CATALOGUE) {
    SCOPED_TRACE(entry.name);
    ASSERT_EQ(game_data[entry.item].type, dat_types[entry.kind]);
    int varied = 0;
    if (entry.kind == RESOURCE_SAMPLE) {  // 16-bit samples are kept unsigned, silence at 0x8000
      const SAMPLE *sound = item_sample(entry.item);
      ASSERT_EQ(sound->bits, 16);
      const unsigned short *data = static_cast<const unsigned short *>(sound->data);
      for (unsigned long i = 0; i < sound->len; i++) varied += std::abs(data[i] - 0x8000) > 3000;
    } else if (entry.kind == RESOURCE_BITMAP) {
      BITMAP *picture = item_bitmap(entry.item);
      EXPECT_EQ(bitmap_color_depth(picture), entry.depth);
      for (int y = 0; y < picture->h; y++)
        for (int x = 0; x < picture->w; x++) varied += getpixel(picture, x, y) != getpixel(picture, 0, 0);
    } else {
      continue;
    }
    EXPECT_GT(varied, 0) << "blank or silent";
  }
  for (ResourceItem item : {ITEM_FONT_NUMBERS, ITEM_FONT_MESSAGES, ITEM_FONT_POINTS}) {
    FONT *typeface = item_font(item);
    ASSERT_TRUE(get_font_range_begin(typeface, -1) <= 32 && get_font_range_end(typeface, -1) >= 126);
    for (char c = 32; c <= 126; c++)
      ASSERT_GT(text_length(typeface, std::string(1, c).c_str()), 0) << item << c;
  }
}
