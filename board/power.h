// Power propagation: each tile's 5 x 5 conductor pattern is stamped into the player's 8-bit
// power map, and flood fills spread power values through it from the left edge and from the
// lamps. The value a conductor ends up with says how it is connected.
#pragma once

constexpr int POWER_NONE = 0;          // no conductor
constexpr int POWER_DEAD = 44;         // conductor no power reaches
constexpr int POWER_FROM_LEFT = 80;    // connected to the board's left edge
constexpr int POWER_FROM_RIGHT = 120;  // connected to a working lamp, not to the left edge
constexpr int POWER_CONNECTED = 255;   // on a complete path from the left edge to a lamp

constexpr int PATTERN_SIZE = 5;
constexpr int MAX_BRIDGES = 78;

struct BridgeEntry {
  int column;
  int row;  // power map row, board row - 1
};
extern BridgeEntry bridge_list[MAX_BRIDGES];
extern int bridge_count;

// Recomputes the current player's power after a change of his board. With may_clear set
// (the lamps have fired) it may start a clear of the powered tiles.
void update_power(bool may_clear);

// Links the two separate pieces of every stamped bridge's vertical conductor: where one
// piece carries `value` and the other does not, the other is filled too, until nothing
// changes.
void propagate_bridges(int value);
