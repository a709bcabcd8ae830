// The high-score table: its 110-byte file, damaged, short and unsavable files, and where a
// new score goes in.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "scores/high_scores.h"
#include "shell/main_loop.h"
#include "shell/player_slots.h"
#include "tests/scores/scratch_folder.h"

namespace {

using namespace std::string_literals;
using HighScores = InScratchFolder;

// The file as the format lays it out for the default numbers: per row three characters of
// `names`, then the score and the level, little-endian.
Bytes file_of(const std::string &names)
{
  Bytes bytes;
  for (int i = 0; i < 10; i++) {
    bytes.insert(bytes.end(), names.begin() + 3 * i, names.begin() + 3 * i + 3);
    for (int value : {10000 - 1000 * i, 10 - i})
      for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<unsigned char>(value >> shift));
  }
  return bytes;
}
const std::string DOTS(30, '.');

void write_file(const Bytes &bytes)
{
  std::ofstream("korvanta.hgh", std::ios::binary)
      .write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

TEST_F(HighScores, MissingEmptyAndShortFilesGiveTheDefaultsWrittenAsThe110ByteFile)
{
  const Bytes defaults = file_of(DOTS);
  ASSERT_EQ(Bytes(defaults.begin(), defaults.begin() + 11), (Bytes{'.', '.', '.', 0x10, 0x27, 0, 0, 10, 0, 0, 0}));
  for (int size : {-1, 0, 109}) {  // -1: no file
    if (size >= 0) write_file(Bytes(size, 'x'));
    high_scores[4] = {"abc", 1, 1};
    load_high_scores();
    EXPECT_EQ(file_bytes(), defaults) << size;
    EXPECT_STREQ(high_scores[4].name, "...");
  }
}

TEST_F(HighScores, DamagedNamesBecomePrintableAndASavedTableLoadsBackByteForByte)
{
  write_file(file_of("A\0C\x7f\xc8\x1f"s + std::string(24, '~')));
  load_high_scores();
  save_high_scores();
  const Bytes saved = file_bytes();
  EXPECT_EQ(saved, file_of("A C\x7f  "s + std::string(24, '~')));
  load_high_scores();
  save_high_scores();
  EXPECT_EQ(file_bytes(), saved);
}

TEST_F(HighScores, ATableThatCannotBeSavedStaysInMemoryAndTheOldFileStaysWhole)
{
  reset_high_scores();
  save_high_scores();
  // Root may write anywhere, but no file can be made where a folder of its name stands.
  std::filesystem::create_directory("korvanta.hgh.new");
  strcpy(high_scores[0].name, "NEW");
  save_high_scores();
  EXPECT_STREQ(high_scores[0].name, "NEW");
  EXPECT_EQ(file_bytes(), file_of(DOTS));
  std::filesystem::remove("korvanta.hgh.new");
  high_scores[5].name[0] = '\0';  // as before the table is first loaded
  save_high_scores();
  EXPECT_EQ(file_bytes(), file_of(DOTS));
  strcpy(high_scores[5].name, "...");

  // A save that dies before its rename: the file-size limit kills it at its first write.
  const pid_t saver = fork();
  if (saver == 0) {
    const rlimit nothing = {0, RLIM_INFINITY};
    setrlimit(RLIMIT_FSIZE, &nothing);
    save_high_scores();
    _exit(0);
  }
  int status = 0;
  waitpid(saver, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
  EXPECT_EQ(file_bytes(), file_of(DOTS));
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
