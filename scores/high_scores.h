// The table of the ten best results, shared by both players, and its file korvanta.hgh.
#pragma once

constexpr int HIGH_SCORE_ROWS = 10;
constexpr int NAME_LENGTH = 3;

struct HighScoreEntry {
  char name[NAME_LENGTH + 1];  // "..." in default rows, "???" while being entered
  int score;
  int level;                   // the level the player had reached
};

// Row 0 is the best; the rows stay in descending order of score because a new row is
// inserted at its place, never sorted in.
extern HighScoreEntry high_scores[HIGH_SCORE_ROWS];

// Reads the table; a missing, unreadable or short file gives the default rows, written at once.
void load_high_scores();
// Writes the whole table. When it cannot be written, the file stays as it was.
void save_high_scores();
// Ten rows "..." from 10000 at level 10 down to 1000 at level 1.
void reset_high_scores();
// Opens a row "???" for the current player's score, at the place of the first row it equals
// or beats, and remembers it in his `table_rank`. Does nothing for a score below every row.
void insert_high_score();
