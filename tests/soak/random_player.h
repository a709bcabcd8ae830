// A player who presses only his own bound keys, at random: in the join menu he walks to the
// entry he is told to start; in play he holds random moves, drags, turns and now and then the
// pause key (a long hold of it leaves the game); elsewhere (name entry, the high-score view)
// he presses keys at random.
#pragma once

#include <random>

class RandomPlayer {
public:
  RandomPlayer(int player, std::mt19937 &random) : player_(player), random_(random) {}

  // Which of the player's eight keys are down in the coming frame, bit i for action i.
  // `wanted_entry` is the join-menu entry to confirm, or -1 to stay in the menu.
  unsigned keys_for_frame(int wanted_entry);

private:
  unsigned menu_keys(int wanted_entry);
  unsigned play_keys();
  unsigned random_keys();
  bool chance(double probability);

  int player_;
  std::mt19937 &random_;
  unsigned held_ = 0;     // the keys he holds
  int frames_left_ = 0;   // frames he holds them on
  long frame_ = 0;
};
