#include "control/settings_screen.h"

#include "base/display.h"
#include "base/global_bitmaps.h"
#include "base/leave_request.h"
#include "base/platform.h"
#include "base/resources.h"
#include "control/bindings.h"
#include "control/config_file.h"
#include "control/gamepad_layout.h"

MillisecondCounter message_timer;

namespace {

constexpr int NAV_PASS_THRESHOLD = 10;  // navigation and ESC wait this many passes after acting
constexpr int MESSAGE_MS = 2000;        // how long an error message stays
constexpr int PASS_MS = 15;
constexpr int KEY_TAKEN_MS = 200;       // after a key is read into a key field
constexpr int DEVICE_STEP_MS = 100;     // after each key in the device editor
constexpr int DEVICE_CONFIRM_MS = 200;
constexpr int LEAVE_MS = 200;
constexpr int LAST_ROW = SETTINGS_ROW_COUNT - 1;
constexpr int PAUSE_ROW = FIRST_KEY_ROW + ACTION_PAUSE;

struct ErrorMessage {
  const char *text;
  int y;  // centred on x = 320
};

// By SettingsError. The mouse message stands under the device row, the others under the keys.
constexpr ErrorMessage ERROR_MESSAGES[] = {
    {"", 0},
    {"this key is already used!", 338},
    {"you really won't this", 338},
    {"mouse is already used!", 132},
    {"not changeable!", 338},
};

constexpr const char *HELP_LINES[] = {
    "use cursor keys to move selection",
    "press ENTER to activate selection",
    "press desired key or ESC",
};

// The main loop's global keys; on this screen F1 resets and F2 and F3 do nothing.
constexpr const char *GLOBAL_KEY_LINES[] = {
    "F1 turns music on/off",
    "F2 changes fullscreen/windowed",
    "F3 changes difficulty (only possible if no player is playing)",
};

int row_y(int row) { return 110 + 23 * row; }
int column_x(int player) { return 200 + 200 * player; }
int row_action(int row) { return row - FIRST_KEY_ROW; }

void play_click() { platform.play_sample(ITEM_SOUND_CLICK, 255, 255, 3000); }
void play_error() { platform.play_sample(ITEM_SOUND_REFUSAL, 255, 255, 1000); }

void raise_error(SettingsScreen &settings, SettingsError error)
{
  settings.settings_error = error;
  play_error();
  message_timer = 0;
}

void rest_and_clear(int milliseconds)
{
  platform.rest(milliseconds);
  platform.clear_keybuf();
}

// A mouse player keeps his action keys but may change only his pause key here. The computer
// ignores all eight keys of the player it plays: they stay stored, shown dimmed, for when a
// person takes the board back. A pad player's keys stay live but hidden behind the pad's
// fixed layout, as a mouse player's are behind his gestures.
bool key_row_changeable(const SettingsScreen &settings, int player, int row)
{
  const int device = settings.device_choice[player];
  if (is_computer_device(device) || is_gamepad_device(device)) return false;
  return !is_mouse_device(device) || row == PAUSE_ROW;
}

const char *row_label(int row)
{
  if (row == DEVICE_ROW) return "control device";
  if (row < FIRST_KEY_ROW) return "";
  return action_label(row_action(row));
}

void draw_edited_cell(const SettingsScreen &settings, int player, int row)
{
  BITMAP *buffer = settings.settings_buffer;
  const int edit_colour = makecol(255, 200, 100);
  if (row == DEVICE_ROW) {
    textout_ex(buffer, font_messages, device_name(settings.device_choice[player]),
               column_x(player), row_y(row), edit_colour, -1);
    textout_centre_ex(buffer, font_messages, "use left/right to change, ENTER confirms selection",
                      320, 132, makecol(200, 100, 0), -1);
  } else if (settings.settings_error == ERR_NONE) {
    textout_ex(buffer, font_messages, "press desired key", column_x(player), row_y(row),
               edit_colour, -1);
  } else {
    textout_ex(buffer, font_messages, " !!! error !!!", column_x(player), row_y(row),
               makecol(255, 0, 0), -1);
  }
}

void draw_cell(const SettingsScreen &settings, int player, int row)
{
  BITMAP *buffer = settings.settings_buffer;
  const int device = settings.device_choice[player];
  const char *text;
  int colour = makecol(0, 0, 255);
  if (row == DEVICE_ROW) {
    text = device_name(device);
  } else if (key_row_changeable(settings, player, row)) {
    text = key_name(control_bindings[player].keys[row_action(row)]);
  } else if (is_computer_device(device)) {
    text = key_name(control_bindings[player].keys[row_action(row)]);
    colour = makecol(90, 90, 110);
  } else if (is_gamepad_device(device)) {
    text = pad_action_label(row_action(row));
    colour = makecol(200, 200, 50);
  } else {
    text = mouse_action_label(device, row_action(row));
    colour = makecol(200, 200, 50);
  }
  textout_ex(buffer, font_messages, text, column_x(player), row_y(row), colour, -1);
}

void draw_settings(const SettingsScreen &settings)
{
  BITMAP *buffer = settings.settings_buffer;
  textout_centre_ex(buffer, font_messages, "control settings", 320, 20, makecol(0, 240, 100), -1);
  textout_ex(buffer, font_messages, "Player 1", column_x(0), 60, makecol(0, 255, 50), -1);
  textout_ex(buffer, font_messages, "Player 2", column_x(1), 60, makecol(0, 255, 50), -1);

  for (int row = 0; row < SETTINGS_ROW_COUNT; row++) {
    textout_ex(buffer, font_messages, row_label(row), 50, row_y(row), -1, -1);
    if (row == DEVICE_ROW + 1) continue;
    for (int player = 0; player < 2; player++) {
      const bool edited = settings.editing && player == settings.selected_player &&
                          row == settings.selected_row;
      if (edited) draw_edited_cell(settings, player, row);
      else draw_cell(settings, player, row);
    }
  }

  for (int n = 0; n < 3; n++)
    textout_centre_ex(buffer, font, HELP_LINES[n], 320, 360 + 15 * n, makecol(200, 100, 0), -1);
  textout_centre_ex(buffer, font_messages, "F1 - resets to default settings", 320, 415,
                    makecol(200, 200, 0), -1);
  line(buffer, 10, 430, 630, 430, makecol(250, 250, 250));
  for (int n = 0; n < 3; n++)
    textout_centre_ex(buffer, font_messages, GLOBAL_KEY_LINES[n], 320, 435 + 15 * n,
                      makecol(200, 200, 100), -1);
}

// One step through the devices, passing over the pad the other player has: two players never
// share a pad.
void step_device(SettingsScreen &settings, int step)
{
  const int player = settings.selected_player;
  int &choice = settings.device_choice[player];
  do {
    choice = (choice + step + DEVICE_COUNT) % DEVICE_COUNT;
  } while (is_gamepad_device(choice) && choice == settings.device_choice[1 - player]);
}

// The device editor reads the key array, not the key taken from the buffer.
void edit_device(SettingsScreen &settings)
{
  if (key[KEY_LEFT]) {
    play_click();
    step_device(settings, -1);
  }
  if (key[KEY_RIGHT]) {
    play_click();
    step_device(settings, +1);
  }
  if (key[KEY_ENTER]) {
    play_click();
    control_bindings[settings.selected_player].device = settings.device_choice[settings.selected_player];
    settings.editing = false;
    rest_and_clear(DEVICE_CONFIRM_MS);
  }
  rest_and_clear(DEVICE_STEP_MS);
}

// A refused key leaves the field open, showing the error, for another try.
void edit_key(SettingsScreen &settings, int code)
{
  const int player = settings.selected_player;
  const int action = row_action(settings.selected_row);
  if (code >= KEY_F1 && code <= KEY_F12) raise_error(settings, ERR_FUNCTION_KEY);
  if (code == KEY_ESC) return;  // cancelling is ESC's own step, which reads the key array
  for (int other_player = 0; other_player < 2; other_player++)
    for (int other_action = 0; other_action < ACTION_COUNT; other_action++) {
      const bool edited = other_player == player && other_action == action;
      if (!edited && control_bindings[other_player].keys[other_action] == code)
        raise_error(settings, ERR_KEY_USED);
    }
  if (settings.settings_error == ERR_NONE) {
    control_bindings[player].keys[action] = code;
    settings.editing = false;
  }
  rest_and_clear(KEY_TAKEN_MS);
}

void take_edit_input(SettingsScreen &settings)
{
  if (!settings.editing || !platform.keypressed()) return;
  settings.settings_error = ERR_NONE;
  const int code = platform.readkey() >> 8;
  if (settings.selected_row == DEVICE_ROW) edit_device(settings);
  else edit_key(settings, code);
}

void show_error(SettingsScreen &settings)
{
  if (settings.settings_error == ERR_NONE) return;
  const ErrorMessage &message = ERROR_MESSAGES[settings.settings_error];
  textout_centre_ex(settings.settings_buffer, font, message.text, 320, message.y,
                    makecol(255, 0, 0), -1);
  if (message_timer > MESSAGE_MS) settings.settings_error = ERR_NONE;
}

// ESC leaves the screen, or cancels the open field and puts its value back.
void handle_escape(SettingsScreen &settings)
{
  if (settings.nav_passes <= NAV_PASS_THRESHOLD || !key[KEY_ESC]) return;
  const int player = settings.selected_player;
  if (!settings.editing) {
    settings.leaving = true;
  } else {
    settings.editing = false;
    if (settings.selected_row == DEVICE_ROW) settings.device_choice[player] = settings.saved_value;
    else control_bindings[player].keys[row_action(settings.selected_row)] = settings.saved_value;
    platform.clear_keybuf();
  }
  settings.nav_passes = 0;
}

// ENTER opens the selected field, unless an error is still showing or a rule forbids it.
void open_field(SettingsScreen &settings)
{
  const int player = settings.selected_player;
  const int row = settings.selected_row;
  if (settings.settings_error == ERR_NONE) play_click();
  // Unlike the other refusals, this one is raised again even while its message shows.
  if (row == DEVICE_ROW && is_mouse_device(settings.device_choice[1 - player]))
    raise_error(settings, ERR_MOUSE_USED);
  if (settings.settings_error != ERR_NONE) return;

  if (row == DEVICE_ROW) {
    settings.saved_value = settings.device_choice[player];
    settings.editing = true;
  } else if (key_row_changeable(settings, player, row)) {
    settings.saved_value = control_bindings[player].keys[row_action(row)];
    settings.editing = true;
  } else {
    message_timer = 0;
    settings.settings_error = ERR_NOT_CHANGEABLE;
  }
  platform.clear_keybuf();
  settings.nav_passes = 0;
}

// Every key of this step is tested in turn, so several can act in one pass.
void navigate(SettingsScreen &settings)
{
  if (settings.nav_passes <= NAV_PASS_THRESHOLD || settings.editing) return;
  if (key[KEY_F1]) {
    reset_control_bindings();
    settings.device_choice[0] = settings.device_choice[1] = DEVICE_KEYBOARD;
    settings.nav_passes = 0;
  }
  int &row = settings.selected_row;
  if (key[KEY_DOWN]) {
    play_click();
    if (++row == DEVICE_ROW + 1) row = FIRST_KEY_ROW;
    if (row > LAST_ROW) row = DEVICE_ROW;
    settings.nav_passes = 0;
  }
  if (key[KEY_UP]) {
    play_click();
    if (--row == DEVICE_ROW + 1) row = DEVICE_ROW;
    if (row < DEVICE_ROW) row = LAST_ROW;
    settings.nav_passes = 0;
  }
  if (key[KEY_RIGHT] || key[KEY_LEFT]) {
    play_click();
    settings.selected_player = 1 - settings.selected_player;
    settings.nav_passes = 0;
  }
  if (key[KEY_ENTER]) open_field(settings);
}

void draw_selection(const SettingsScreen &settings)
{
  const int x = 190 + 200 * settings.selected_player;
  const int y = 105 + 23 * settings.selected_row;
  rect(settings.settings_buffer, x, y, x + 200, y + 20, makecol(200, 200, 200));
}

}  // namespace

void open_settings_screen(SettingsScreen &settings)
{
  settings = SettingsScreen{};
  settings.settings_buffer = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
  // A device the game does not know is played as the keyboard, and edited as one.
  for (int player = 0; player < 2; player++) {
    const int device = control_bindings[player].device;
    settings.device_choice[player] = device > DEVICE_KEYBOARD && device < DEVICE_COUNT ? device : DEVICE_KEYBOARD;
  }
}

bool run_settings_pass(SettingsScreen &settings)
{
  settings.nav_passes++;
  clear_bitmap(settings.settings_buffer);
  draw_settings(settings);
  take_edit_input(settings);
  show_error(settings);
  handle_escape(settings);
  navigate(settings);
  draw_selection(settings);
  platform.rest(PASS_MS);
  blit(settings.settings_buffer, game_screen, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
  present_screen();
  // Asked to leave the game, the screen closes as at ESC, saving what was set.
  return !settings.leaving && !leave_requested();
}

void close_settings_screen(SettingsScreen &settings)
{
  save_config();
  destroy_bitmap(settings.settings_buffer);
  settings.settings_buffer = nullptr;
  rest_and_clear(LEAVE_MS);
}

void run_control_settings()
{
  SettingsScreen settings;
  open_settings_screen(settings);
  while (run_settings_pass(settings)) {
  }
  close_settings_screen(settings);
}
