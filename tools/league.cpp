// The computer players' league: N seeded versus games for each pairing of strengths (each side
// taking the left board in turn), and N one-player games per strength, all headless and as
// fast as the machine runs frames, on normal difficulty. Prints the win rates and the levels
// and scores of the one-player games.
//   korvanta_league [--games N] [--seed S] [--frames F]   (from the build folder)
// F caps a game's frames (a game that reaches it counts as undecided).
//   korvanta_league --check [--games N]
// plays N versus games (2 unless told) of the hard computer against a player who presses
// nothing, and fails unless the computer cleared tiles and won every one: CI runs it.
#include <allegro.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench/support/headless_game.h"
#include "control/bindings.h"
#include "control/computer_player.h"
#include "scores/high_scores.h"
#include "shell/join_menu.h"
#include "shell/main_loop.h"
#include "state/game_state.h"

namespace {

const char *const STRENGTH_NAMES[3] = {"easy", "normal", "hard"};

long option(int argc, char **argv, const char *name, long otherwise)
{
  for (int i = 1; i + 1 < argc; i++)
    if (strcmp(argv[i], name) == 0) return strtol(argv[i + 1], nullptr, 10);
  return otherwise;
}

void prepare(unsigned seed, int left_device, int right_device)
{
  srand(seed);
  reset_computer_players(seed);
  reset_control_bindings();
  control_bindings[0].device = left_device;
  control_bindings[1].device = right_device;
  enter_main_loop();  // normal difficulty
}

// 0 or 1: who won; -1 when neither board overflowed within the frames.
int play_versus_devices(unsigned seed, int left_device, int right_device, long frames)
{
  prepare(seed, left_device, right_device);
  begin_game_for_both(MODE_VERSUS);
  for (long frame = 0; frame < frames; frame++) {
    run_main_loop_pass();
    for (int player = 0; player < 2; player++)
      if (player_slots[player].state == STATE_VERSUS_WON) return player;
  }
  return -1;
}

int play_versus(unsigned seed, int left, int right, long frames)
{
  return play_versus_devices(seed, DEVICE_COMPUTER_EASY + left, DEVICE_COMPUTER_EASY + right, frames);
}

// The hard computer on the left against a keyboard player who presses nothing.
int check_against_idle_player(int games, unsigned seed, long frames)
{
  for (int game = 0; game < games; game++) {
    const int winner = play_versus_devices(seed + game, DEVICE_COMPUTER_HARD, DEVICE_KEYBOARD, frames);
    const int score = player_slots[0].score;
    printf("game %d: %s, the computer scored %d\n", game + 1,
           winner == 0 ? "the computer won" : winner == 1 ? "the idle player won" : "undecided", score);
    if (winner != 0 || score == 0) return 1;
  }
  printf("the hard computer cleared tiles and won every game\n");
  return 0;
}

struct Solo {
  int level, score;
};

Solo play_alone(unsigned seed, int strength, long frames)
{
  prepare(seed, DEVICE_COMPUTER_EASY + strength, DEVICE_KEYBOARD);
  game_mode = MODE_ONE_PLAYER;
  begin_game(0, STATE_LEVEL_START);
  for (long frame = 0; frame < frames && player_slots[0].state != STATE_GAME_OVER; frame++)
    run_main_loop_pass();
  return {player_slots[0].level, player_slots[0].score};
}

}  // namespace

int main(int argc, char **argv)
{
  const int games = static_cast<int>(option(argc, argv, "--games", 10));
  const unsigned seed = static_cast<unsigned>(option(argc, argv, "--seed", 1));
  const long frames = option(argc, argv, "--frames", 200000);
  if (!start_headless_game()) return 1;
  reset_high_scores();
  for (int i = 1; i < argc; i++)
    if (strcmp(argv[i], "--check") == 0)
      return check_against_idle_player(static_cast<int>(option(argc, argv, "--games", 2)), seed, frames);

  // Each pairing plays its games once; the sides alternate, so that neither strength always
  // has the left board.
  int wins[3][3] = {}, decided[3][3] = {};
  for (int a = 0; a < 3; a++)
    for (int b = a + 1; b < 3; b++)
      for (int game = 0; game < games; game++) {
        const bool a_left = game % 2 == 0;
        const int winner = play_versus(seed + 1000u * game + 7u * a + b, a_left ? a : b, a_left ? b : a, frames);
        if (winner < 0) continue;
        decided[a][b]++, decided[b][a]++;
        ((winner == 0) == a_left ? wins[a][b] : wins[b][a])++;
      }

  printf("versus on normal difficulty, %d games a pairing: the row's share of the decided games\n",
         games);
  printf("%-8s", "");
  for (const char *name : STRENGTH_NAMES) printf("%9s", name);
  printf("\n");
  for (int a = 0; a < 3; a++) {
    printf("%-8s", STRENGTH_NAMES[a]);
    for (int b = 0; b < 3; b++) {
      if (a == b) printf("%9s", "-");
      else printf("%8d%%", decided[a][b] ? 100 * wins[a][b] / decided[a][b] : 0);
    }
    printf("\n");
  }

  printf("\none player on normal difficulty, %d games each: level reached and score\n", games);
  printf("%-8s %8s %8s %8s %10s %10s\n", "", "median", "best", "worst", "median", "best");
  for (int strength = 0; strength < 3; strength++) {
    std::vector<Solo> results;
    for (int game = 0; game < games; game++) results.push_back(play_alone(seed + 31u * game, strength, frames));
    std::vector<int> levels, scores;
    for (const Solo &solo : results) levels.push_back(solo.level), scores.push_back(solo.score);
    std::sort(levels.begin(), levels.end());
    std::sort(scores.begin(), scores.end());
    printf("%-8s %8d %8d %8d %10d %10d\n", STRENGTH_NAMES[strength], levels[levels.size() / 2],
           levels.back(), levels.front(), scores[scores.size() / 2], scores.back());
  }
  return 0;
}
