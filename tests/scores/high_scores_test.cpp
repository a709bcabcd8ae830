// The high-score table: its 110-byte file, damaged, short and unsavable files, and where a
// new score goes in.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "scores/high_scores.h"
#include "state/game_state.h"
#include "tests/support/scratch_folder.h"

namespace {

using namespace std::string_literals;
using HighScores = InScratchFolder;
const char FILE_NAME[] = "korvanta.hgh";

// The file of the default numbers under these thirty name characters: per row three of them,
// then the score and the level, little-endian.
Bytes file_of(const std::string &names)
{
  Bytes bytes;
  for (int i = 0; i < 10; i++) {
    bytes += names.substr(3 * i, 3);
    for (int value : {10000 - 1000 * i, 10 - i})
      for (int shift = 0; shift < 32; shift += 8) bytes += char(value >> shift);
  }
  return bytes;
}
const Bytes DEFAULT_FILE = file_of(std::string(30, '.'));

TEST_F(HighScores, MissingAndShortFilesGiveTheDefaultsAndDamagedNamesArePrinted)
{
  for (int size : {-1, 0, 109}) {  // -1: no file
    if (size >= 0) write_file(FILE_NAME, Bytes(size, 'x'));
    high_scores[4] = {"abc", 1, 1};
    load_high_scores();
    EXPECT_EQ(file_bytes(FILE_NAME), DEFAULT_FILE) << size;
  }
  // Damaged names become printable and the rest loads back byte for byte.
  write_file(FILE_NAME, file_of("A\0C\x7f\x80\x1f"s + std::string(24, '~')));
  load_high_scores();
  save_high_scores();
  EXPECT_EQ(file_bytes(FILE_NAME), file_of("A C\x7f  "s + std::string(24, '~')));
}

TEST_F(HighScores, ATableThatCannotBeWrittenLeavesTheOldFileWhole)
{
  reset_high_scores();
  save_high_scores();

  // A full disk: every write fails (the signal the size limit sends first is ignored).
  if (fork() == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit full = {0, RLIM_INFINITY};
    setrlimit(RLIMIT_FSIZE, &full);
    save_high_scores();
    _exit(0);
  }
  wait(nullptr);
  EXPECT_EQ(file_bytes(FILE_NAME), DEFAULT_FILE);

  // A name of other than three characters, as in the table before its first load, would
  // shift every record after it.
  high_scores[5].name[0] = '\0';
  save_high_scores();
  EXPECT_EQ(file_bytes(FILE_NAME), DEFAULT_FILE);
}

TEST_F(HighScores, ANewScoreGoesAboveTheFirstRowItEqualsOrBeats)
{
  const auto table_after = [](int score) {
    reset_high_scores();
    for (int i = 0; i < 10; i++) high_scores[i].name[0] = static_cast<char>('0' + i);
    current_player = 1;
    player_slots[1] = PlayerSlot{};
    player_slots[1].score = score;
    insert_high_score();
    std::string first_letters;
    for (const HighScoreEntry &row : high_scores) first_letters += row.name[0];
    return first_letters + " " + std::to_string(player_slots[1].table_rank);
  };
  EXPECT_EQ(table_after(999), "0123456789 0");
  EXPECT_EQ(table_after(1000), "012345678? 10");
  EXPECT_EQ(table_after(50000), "?012345678 1");
  EXPECT_EQ(table_after(7000), "012?345678 4");
  // The new row keeps the old row's numbers until the name entry writes the player's own.
  EXPECT_STREQ(high_scores[3].name, "???");
  EXPECT_EQ(high_scores[3].score, high_scores[4].score);
}

}  // namespace
