#include "tests/soak/state_digest.h"

#include <allegro.h>

#include <cstddef>

#include "base/global_bitmaps.h"
#include "base/platform.h"
#include "board/board.h"
#include "board/power.h"
#include "control/bindings.h"
#include "control/input.h"
#include "render/playfield.h"
#include "scores/game_over.h"
#include "scores/high_scores.h"
#include "shell/frame_driver.h"
#include "shell/join_menu.h"
#include "shell/main_loop.h"
#include "state/game_state.h"

namespace {

// 64-bit FNV-1a over whole words where it can: fast enough to fold two screens every frame.
class Digest {
public:
  void bytes(const void *data, std::size_t size)
  {
    const unsigned char *p = static_cast<const unsigned char *>(data);
    for (; size >= 8; size -= 8, p += 8) {
      std::uint64_t word = 0;
      for (int i = 0; i < 8; i++) word |= std::uint64_t{p[i]} << (8 * i);
      word_(word);
    }
    for (; size > 0; size--, p++) word_(*p);
  }
  template <typename T> void value(const T &v) { bytes(&v, sizeof v); }
  void bitmap(BITMAP *b)
  {
    if (!b) return;
    const int row_bytes = b->w * ((bitmap_color_depth(b) + 7) / 8);
    for (int y = 0; y < b->h; y++) bytes(b->line[y], static_cast<std::size_t>(row_bytes));
  }
  std::uint64_t result() const { return hash_; }

private:
  void word_(std::uint64_t word)
  {
    hash_ ^= word;
    hash_ *= 0x100000001b3ull;
    hash_ ^= hash_ >> 29;
  }
  std::uint64_t hash_ = 0xcbf29ce484222325ull;
};

Digest requests;
Platform recorded_next;

void record_sample(int item, int volume, int pan, int frequency)
{
  const int call[] = {1, item, volume, pan, frequency};
  requests.value(call);
  recorded_next.play_sample(item, volume, pan, frequency);
}
void record_position(int x, int y)
{
  const int call[] = {2, x, y};
  requests.value(call);
  recorded_next.position_mouse(x, y);
}
void record_speed(int x, int y)
{
  const int call[] = {3, x, y};
  requests.value(call);
  recorded_next.set_mouse_speed(x, y);
}
void record_range(int x1, int y1, int x2, int y2)
{
  const int call[] = {4, x1, y1, x2, y2};
  requests.value(call);
  recorded_next.set_mouse_range(x1, y1, x2, y2);
}
void record_keybuf()
{
  const int call = 5;
  requests.value(call);
  recorded_next.clear_keybuf();
}

// Records with padding between their fields are folded field by field, or around the
// padding: its bytes are not part of the game's state.
void fold_slot(Digest &d, const PlayerSlot &slot)
{
  const char *const start = reinterpret_cast<const char *>(&slot);
  const std::size_t before_padding = offsetof(PlayerSlot, protect_next) + 1;
  const std::size_t after_padding = offsetof(PlayerSlot, clear_points);
  d.bytes(start, before_padding);
  d.bytes(start + after_padding, sizeof slot - after_padding);
}

void fold_records(Digest &d)
{
  for (const PlayerSlot &slot : player_slots) fold_slot(d, slot);
  d.value(board);
  d.value(falling_blocks);
  d.value(block_supplies);
  d.value(clear_phase);
  d.value(powered_count);
  d.value(row_lamps);
  for (const auto &player_popups : score_popups)
    for (const ScorePopup &popup : player_popups) {
      const int fields[] = {popup.column, popup.row, popup.value_index, popup.age};
      d.value(fields);
      d.value(popup.rise);
      d.value(popup.speed);
    }
  for (const auto &player_carriers : lamp_carriers)
    for (const LampCarrier &carrier : player_carriers) {
      const int fields[] = {carrier.x,     carrier.target_x, carrier.y,     carrier.target_y,
                            carrier.phase, carrier.image,    carrier.colour};
      d.value(fields);
    }
  d.value(sparks);
  d.value(bridge_count);
  d.value(high_scores);
}

void fold_globals(Digest &d)
{
  const int values[] = {game_mode,          current_player,      difficulty,
                        global_key_guard,   last_wheel_position, name_entry_owner,
                        warning_alpha,      warning_alpha_step,  music_on,
                        windowed};
  d.value(values);
  d.value(power_pattern_phase);
  d.value(board_draw_count);
  d.value(menu_selection);
  d.value(menu_key_guard);
  d.value(refusal_timer);
  d.value(message_slide);
  d.value(menu_pulse);
  d.value(menu_pulse_step);
  d.value(input_delay);
  d.value(pause_run);
  d.value(mouse_move_request);
  d.value(name_key_guard);
  d.value(control_bindings);
}

void fold_pictures(Digest &d)
{
  d.bitmap(back_buffer);
  d.bitmap(background_buffer);
  for (BITMAP *map : power_maps) d.bitmap(map);
  for (BITMAP *panel : level_panels) d.bitmap(panel);
  for (BITMAP *bonus : bonus_sprites) d.bitmap(bonus);
}

}  // namespace

void record_platform_requests()
{
  recorded_next = platform;
  platform.play_sample = record_sample;
  platform.position_mouse = record_position;
  platform.set_mouse_speed = record_speed;
  platform.set_mouse_range = record_range;
  platform.clear_keybuf = record_keybuf;
}

std::uint64_t game_state_digest()
{
  Digest d;
  fold_records(d);
  fold_globals(d);
  fold_pictures(d);
  d.value(requests.result());
  requests = Digest{};
  return d.result();
}
