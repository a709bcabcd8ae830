// A computer player who presses only his own bound keys: in the join menu he walks to the
// entry he is told to start; in play he mixes random key holds (drags, turns, pauses, moves)
// with a plain strategy that turns tiles next to the powered ones, so that rows get powered
// through, lamps fire and tiles clear; elsewhere (name entry, the high-score view) he presses
// keys at random.
#pragma once

#include <random>

class RandomPlayer {
public:
  RandomPlayer(int player, std::mt19937 &random) : player_(player), random_(random) {}

  // Which of the player's eight keys are down in the coming frame, bit i for action i.
  // `wanted_entry` is the join-menu entry to confirm, or -1 to stay in the menu.
  unsigned keys_for_frame(int wanted_entry);

  // At the start of a game: how often he follows the strategy rather than chance, 0..1.
  void set_skill(double skill) { skill_ = skill; }

private:
  unsigned menu_keys(int wanted_entry);
  unsigned play_keys();
  unsigned random_keys();
  unsigned strategy_keys();
  bool pick_target();
  bool chance(double probability);

  int player_;
  std::mt19937 &random_;
  double skill_ = 0.5;
  // The current intent: a random hold or the strategy, for a number of frames.
  bool following_strategy_ = false;
  unsigned held_ = 0;
  int frames_left_ = 0;
  // The strategy's tile: where it is, the kind last seen there and how often it turned.
  int target_column_ = -1, target_row_ = -1, target_kind_ = 0, turns_ = 0;
  // Tiles that no turn connected, given up for a while: frame until which each is skipped.
  long skip_until_[6][14] = {};
  long frame_ = 0;
};
