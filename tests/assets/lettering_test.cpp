// The lettering of korvanta.dat where the game lays text into tight spaces: the high-score
// lines on a board, and the settings screen's rows under their selection frame.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "base/resources.h"

namespace {

// A high-score line starts 30 pixels into the player's half and must end on the board, whose
// right edge lies 205 pixels in; the name is printed over the line 24 pixels after its start.
constexpr int LINE_WIDTH_LIMIT = 205 - 30;
constexpr int NAME_OFFSET = 24;
// The settings screen's selection frame ends 15 pixels below the top of a row's text.
constexpr int SETTINGS_FRAME_BOTTOM = 15;

int numbers_width(const char *format, int a, int b = 0, int c = 0)
{
  char text[64];
  snprintf(text, sizeof text, format, a, b, c);
  return text_length(item_font(ITEM_FONT_NUMBERS), text);
}

}  // namespace

// Columns padded with spaces line up only if a space is as wide as a digit; every line must
// then fit on the board, and a name must fit between the rank and a five-digit score.
TEST(HighScoreLines, LineUpInColumnsOnTheBoardWithRoomForTheName)
{
  const char *LINE = "%2d    %6d  %2d";
  const int widest = numbers_width(LINE, 10, 999999, 99);
  for (int rank : {1, 9, 10})
    for (int score : {0, 1000, 10000, 999999})
      for (int level : {1, 10}) {
        EXPECT_EQ(numbers_width("%2d", rank), numbers_width("%2d", 10)) << rank;
        EXPECT_EQ(numbers_width("%2d    %6d", rank, score), numbers_width("%2d    %6d", 10, 999999))
            << rank << " " << score;
        EXPECT_EQ(numbers_width(LINE, rank, score, level), widest) << rank << " " << score << " " << level;
      }
  EXPECT_LE(widest, LINE_WIDTH_LIMIT);

  EXPECT_LE(numbers_width("%2d", 10), NAME_OFFSET);
  const int five_digit_score_start = numbers_width("%2d    %6d", 10, 0) - numbers_width("%5d", 0);
  EXPECT_LE(NAME_OFFSET + text_length(item_font(ITEM_FONT_MESSAGES), " MMM"), five_digit_score_start);
}

TEST(SettingsRows, MessagesFitInsideTheSelectionFrame)
{
  EXPECT_LT(text_height(item_font(ITEM_FONT_MESSAGES)), SETTINGS_FRAME_BOTTOM);
}
