#include "scores/high_scores.h"

#include <allegro.h>

#include <cstring>

#include "base/file_save.h"
#include "state/game_state.h"

HighScoreEntry high_scores[HIGH_SCORE_ROWS];

namespace {

constexpr const char *HIGH_SCORE_FILE = "korvanta.hgh";
// Three name characters, then the score and the level as 32-bit little-endian numbers.
constexpr int RECORD_SIZE = NAME_LENGTH + 4 + 4;
constexpr int FILE_SIZE = HIGH_SCORE_ROWS * RECORD_SIZE;

constexpr int FIRST_PRINTABLE = 32, LAST_PRINTABLE = 127;
constexpr int DEFAULT_TOP_SCORE = 10000, DEFAULT_SCORE_STEP = 1000, DEFAULT_TOP_LEVEL = 10;

// The writer puts three characters per name, so a name from a damaged file must not keep a
// zero byte, which would end it early, nor codes the name entry cannot show. A space keeps
// a name cut short by zeros looking as it did.
void make_printable(char *name)
{
  for (int i = 0; i < NAME_LENGTH; i++) {
    const int code = static_cast<unsigned char>(name[i]);
    if (code < FIRST_PRINTABLE || code > LAST_PRINTABLE) name[i] = ' ';
  }
  name[NAME_LENGTH] = '\0';
}

bool read_table(PACKFILE *file, HighScoreEntry *rows)
{
  for (int i = 0; i < HIGH_SCORE_ROWS; i++) {
    HighScoreEntry &row = rows[i];
    if (pack_fread(row.name, NAME_LENGTH, file) != NAME_LENGTH) return false;
    make_printable(row.name);
    row.score = pack_igetl(file);
    row.level = pack_igetl(file);
  }
  return !pack_ferror(file);
}

// A name that is not three characters would shift every record after it: such a table is
// not written at all (the table is zero until it is first loaded).
bool write_table(PACKFILE *file)
{
  for (const HighScoreEntry &row : high_scores) {
    if (strlen(row.name) != NAME_LENGTH || pack_fputs(row.name, file) != 0) return false;
    pack_iputl(row.score, file);
    pack_iputl(row.level, file);
  }
  return !pack_ferror(file);
}

}  // namespace

void load_high_scores()
{
  PACKFILE *file = pack_fopen(HIGH_SCORE_FILE, F_READ);
  // The rows are read aside, so that a file found short halfway leaves no mixed table.
  HighScoreEntry rows[HIGH_SCORE_ROWS] = {};
  const bool whole = file && file_size_ex(HIGH_SCORE_FILE) >= FILE_SIZE && read_table(file, rows);
  if (file) pack_fclose(file);

  // A short file is treated as a missing one: its rows cannot be trusted, and writing the
  // default rows at once leaves a whole file for the next run.
  if (!whole) {
    reset_high_scores();
    save_high_scores();
    return;
  }
  memcpy(high_scores, rows, sizeof high_scores);
}

void save_high_scores()
{
  // A failed save is not reported: the table in memory stays as it is for this run.
  save_file_safely(HIGH_SCORE_FILE, write_table);
}

void reset_high_scores()
{
  for (int i = 0; i < HIGH_SCORE_ROWS; i++) {
    HighScoreEntry &row = high_scores[i];
    strcpy(row.name, "...");
    row.score = DEFAULT_TOP_SCORE - DEFAULT_SCORE_STEP * i;
    row.level = DEFAULT_TOP_LEVEL - i;
  }
}

void insert_high_score()
{
  PlayerSlot &slot = player_slots[current_player];
  int place = 0;
  while (place < HIGH_SCORE_ROWS && high_scores[place].score > slot.score) place++;
  if (place == HIGH_SCORE_ROWS) return;

  // The old last row falls off the table.
  for (int j = HIGH_SCORE_ROWS - 1; j > place; j--) high_scores[j] = high_scores[j - 1];
  // The score and level stay until the name entry writes the player's own.
  memcpy(high_scores[place].name, "???", NAME_LENGTH);
  slot.table_rank = place + 1;
}
