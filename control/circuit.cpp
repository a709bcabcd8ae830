#include "control/circuit.h"

#include <allegro.h>

#include "base/resources.h"
#include "board/power.h"
#include "state/game_state.h"

namespace {

constexpr int PATTERN_MIDDLE = PATTERN_SIZE / 2, PATTERN_LAST = PATTERN_SIZE - 1;
constexpr int NODES = BOARD_COLUMNS * BOARD_ROWS * 2;  // two conductors a cell at most
constexpr int SAFE_HEIGHT = 8;                         // columns up to this many tiles are safe

KindConductors conductors[TILE_KINDS + 1];
bool conductors_read = false;

// The pieces of one kind's pattern, each the edges it touches.
int pattern_pieces(BITMAP *patterns, int kind, int pieces[4])
{
  bool seen[PATTERN_SIZE][PATTERN_SIZE] = {};
  const int x0 = (kind - 1) * (PATTERN_SIZE + 1);
  auto on = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < PATTERN_SIZE && y < PATTERN_SIZE && _getpixel(patterns, x0 + x, y) != 0;
  };
  int count = 0;
  for (int y = 0; y < PATTERN_SIZE; y++)
    for (int x = 0; x < PATTERN_SIZE; x++) {
      if (!on(x, y) || seen[y][x] || count == 4) continue;
      int edges = 0, stack[PATTERN_SIZE * PATTERN_SIZE][2], top = 0;
      stack[top][0] = x, stack[top++][1] = y, seen[y][x] = true;
      while (top > 0) {
        const int px = stack[--top][0], py = stack[top][1];
        if (px == 0 && py == PATTERN_MIDDLE) edges |= EDGE_LEFT;
        if (px == PATTERN_MIDDLE && py == 0) edges |= EDGE_TOP;
        if (px == PATTERN_LAST && py == PATTERN_MIDDLE) edges |= EDGE_RIGHT;
        if (px == PATTERN_MIDDLE && py == PATTERN_LAST) edges |= EDGE_BOTTOM;
        const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (const auto &step : steps) {
          const int nx = px + step[0], ny = py + step[1];
          if (on(nx, ny) && !seen[ny][nx]) seen[ny][nx] = true, stack[top][0] = nx, stack[top++][1] = ny;
        }
      }
      pieces[count++] = edges;
    }
  return count;
}

// The game links the two pieces of a bridge's crossed-over conductor, so they are one here.
void read_conductors()
{
  BITMAP *patterns = item_bitmap(ITEM_CONDUCTOR_PATTERNS);
  for (int kind = 1; kind <= TILE_KINDS; kind++) {
    int pieces[4] = {};
    const int count = pattern_pieces(patterns, kind, pieces);
    KindConductors &kind_edges = conductors[kind];
    int n = 0, linked = 0;
    for (int i = 0; i < count; i++) {
      const bool crossed_piece = is_bridge(kind) && (pieces[i] == EDGE_TOP || pieces[i] == EDGE_BOTTOM);
      if (crossed_piece) linked |= pieces[i];
      else if (n < 2) kind_edges.edges[n++] = pieces[i];
    }
    if (linked != 0 && n < 2) kind_edges.edges[n] = linked;
  }
  conductors_read = true;
}

// A union-find over the conductors, each root knowing what its set touches.
struct Sets {
  int parent[NODES];
  bool from_left[NODES];
  int lamps[NODES];  // bit i: the lamp of board row i + 1

  int find(int node)
  {
    while (parent[node] != node) node = parent[node] = parent[parent[node]];
    return node;
  }
  void join(int a, int b)
  {
    a = find(a), b = find(b);
    if (a == b) return;
    parent[b] = a;
    from_left[a] = from_left[a] || from_left[b];
    lamps[a] |= lamps[b];
  }
};

int node_of(int column, int row, int conductor) { return (column * BOARD_ROWS + row) * 2 + conductor; }

// The conductor of a resting tile that reaches the given edge, or -1.
int conductor_at(const BoardView &view, int column, int row, int edge)
{
  if (column < 0 || column >= BOARD_COLUMNS || row < 1 || row >= BOARD_ROWS) return -1;
  if (!view.resting[column][row] || view.kind[column][row] == TILE_EMPTY) return -1;
  const KindConductors &kind = kind_conductors(view.kind[column][row]);
  for (int k = 0; k < 2; k++)
    if (kind.edges[k] & edge) return k;
  return -1;
}

void join_neighbours(const BoardView &view, Sets &sets)
{
  for (int column = 0; column < BOARD_COLUMNS; column++)
    for (int row = 1; row < BOARD_ROWS; row++) {
      const int right = conductor_at(view, column, row, EDGE_RIGHT);
      const int left_of_next = conductor_at(view, column + 1, row, EDGE_LEFT);
      if (right >= 0 && left_of_next >= 0)
        sets.join(node_of(column, row, right), node_of(column + 1, row, left_of_next));
      const int bottom = conductor_at(view, column, row, EDGE_BOTTOM);
      const int top_of_next = conductor_at(view, column, row + 1, EDGE_TOP);
      if (bottom >= 0 && top_of_next >= 0)
        sets.join(node_of(column, row, bottom), node_of(column, row + 1, top_of_next));
    }
}

int square(int n) { return n * n; }

int stack_penalty(const BoardView &view)
{
  int penalty = 0;
  for (int column = 0; column < BOARD_COLUMNS; column++) {
    int height = 0;
    for (int row = 1; row < BOARD_ROWS; row++)
      if (view.kind[column][row] != TILE_EMPTY) {
        height = BOARD_ROWS - row;
        break;
      }
    if (height > SAFE_HEIGHT) penalty += square(height - SAFE_HEIGHT);
  }
  return penalty;
}

}  // namespace

const KindConductors &kind_conductors(int kind)
{
  if (!conductors_read) read_conductors();
  return conductors[kind >= 0 && kind <= TILE_KINDS ? kind : 0];
}

void look_at_board(int player, BoardView &view)
{
  for (int column = 0; column < BOARD_COLUMNS; column++)
    for (int row = 0; row < BOARD_ROWS; row++) {
      const BoardCell &cell = board[player][column][row];
      view.kind[column][row] = cell.kind;
      view.resting[column][row] = cell.vanish_timer == 0 && cell.y_offset == 0;
    }
  for (int i = 0; i < PLAYING_ROWS; i++)
    view.receiving[i] = lamp_receives(row_lamps[player][i]);
}

CircuitReading read_circuit(const BoardView &view)
{
  Sets sets;
  for (int node = 0; node < NODES; node++) sets.parent[node] = node, sets.from_left[node] = false, sets.lamps[node] = 0;
  for (int row = 1; row < BOARD_ROWS; row++) {
    const int left = conductor_at(view, 0, row, EDGE_LEFT);
    if (left >= 0) sets.from_left[node_of(0, row, left)] = true;
    const int right = conductor_at(view, BOARD_COLUMNS - 1, row, EDGE_RIGHT);
    if (right >= 0 && view.receiving[row - 1]) sets.lamps[node_of(BOARD_COLUMNS - 1, row, right)] = 1 << (row - 1);
  }
  join_neighbours(view, sets);

  CircuitReading reading = {};
  int lit = 0;
  for (int column = 0; column < BOARD_COLUMNS; column++)
    for (int row = 1; row < BOARD_ROWS; row++) {
      if (!view.resting[column][row] || view.kind[column][row] == TILE_EMPTY) continue;
      const KindConductors &kind = kind_conductors(view.kind[column][row]);
      bool on_path = false;
      for (int k = 0; k < 2; k++) {
        if (kind.edges[k] == 0) continue;
        const int root = sets.find(node_of(column, row, k));
        const bool left = sets.from_left[root], lamps = sets.lamps[root] != 0;
        if (left && lamps) {
          on_path = true;
          lit |= sets.lamps[root];
        } else if (left) {
          reading.left_reach += square(column + 1);
        } else if (lamps) {
          reading.right_reach += square(BOARD_COLUMNS - column);
        }
      }
      reading.path_tiles += on_path;
    }
  for (; lit != 0; lit &= lit - 1) reading.lit_lamps++;
  reading.stack_penalty = stack_penalty(view);
  return reading;
}
