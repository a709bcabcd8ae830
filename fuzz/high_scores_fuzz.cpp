// The high-score reader on any bytes: a file of at least 110 bytes gives ten rows decoded
// from its first 110, with every name three printable characters; a shorter one gives the
// default rows, written back at once. Saving what was read and reading it again changes
// nothing, and a new score still finds its place in the table read.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/support/fuzz_folder.h"
#include "scores/high_scores.h"
#include "state/game_state.h"

namespace {

constexpr const char *HIGH_SCORE_FILE = "korvanta.hgh";
constexpr std::size_t RECORD_SIZE = 11, FILE_SIZE = HIGH_SCORE_ROWS * RECORD_SIZE;

int little_endian(const std::uint8_t *bytes)
{
  return static_cast<int>(std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 |
                          std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24);
}

// The rows the file must give, decoded here on our own.
void expected_rows(const std::uint8_t *data, std::size_t size, HighScoreEntry *rows)
{
  if (size < FILE_SIZE) {
    reset_high_scores();
    memcpy(rows, high_scores, sizeof high_scores);
    return;
  }
  for (int i = 0; i < HIGH_SCORE_ROWS; i++) {
    const std::uint8_t *record = data + RECORD_SIZE * i;
    for (int c = 0; c < NAME_LENGTH; c++)
      rows[i].name[c] = record[c] >= 32 && record[c] <= 127 ? char(record[c]) : ' ';
    rows[i].name[NAME_LENGTH] = '\0';
    rows[i].score = little_endian(record + 3);
    rows[i].level = little_endian(record + 7);
  }
}

bool same_rows(const HighScoreEntry *a, const HighScoreEntry *b)
{
  for (int i = 0; i < HIGH_SCORE_ROWS; i++)
    if (strcmp(a[i].name, b[i].name) != 0 || a[i].score != b[i].score || a[i].level != b[i].level)
      return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
  start_fuzz_folder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
  write_input(HIGH_SCORE_FILE, data, size);
  memset(high_scores, 0x7f, sizeof high_scores);  // nothing of a previous input may show through
  load_high_scores();

  HighScoreEntry expected[HIGH_SCORE_ROWS];
  HighScoreEntry read[HIGH_SCORE_ROWS];
  memcpy(read, high_scores, sizeof read);
  expected_rows(data, size, expected);
  if (!same_rows(read, expected)) broken_promise("the rows are not what the file says");
  if (size < FILE_SIZE && file_contents(HIGH_SCORE_FILE).size() != FILE_SIZE)
    broken_promise("a short file was not replaced by the default table");

  save_high_scores();
  if (file_contents(HIGH_SCORE_FILE).size() != FILE_SIZE) broken_promise("a table saved short");
  load_high_scores();
  if (!same_rows(high_scores, read)) broken_promise("saving and reading back changed the table");

  // A new score: taken from the input, so both ends of the range come up.
  PlayerSlot &slot = player_slots[0];
  current_player = 0;
  slot.table_rank = 0;
  slot.score = size >= 4 ? little_endian(data + size - 4) : 0;
  insert_high_score();
  if (slot.table_rank < 0 || slot.table_rank > HIGH_SCORE_ROWS) broken_promise("a rank outside the table");
  if (slot.table_rank != 0 && strcmp(high_scores[slot.table_rank - 1].name, "???") != 0)
    broken_promise("the new row is not open for a name");
  return 0;
}
