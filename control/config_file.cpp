#include "control/config_file.h"

#include <allegro.h>

#include "base/display.h"
#include "base/file_save.h"
#include "base/leave_request.h"
#include "base/platform.h"
#include "base/resources.h"
#include "control/bindings.h"

const char CONFIG_FILE[] = "korvanta.cfg";

namespace {

// Version 0 files hold the sixteen keys without the devices.
constexpr int OLD_VERSION = 0;
constexpr int KEY_BYTES = 2 * ACTION_COUNT;
constexpr int DEVICE_BYTES = 2;
constexpr int CONFIG_BYTES = 1 + KEY_BYTES + DEVICE_BYTES;

const char *const VERSION_NOTICE[] = {
    "due to changes in this version",
    "the existing config-file has been resetted",
    "press a key",
};
constexpr int NOTICE_X = 320, NOTICE_TOP = 200, NOTICE_LINE_STEP = 50;

enum ConfigReading { CONFIG_TAKEN, CONFIG_REFUSED, CONFIG_UNREADABLE };

// Two mouse players would share one pointer and one wheel, and two players one pad; the
// settings screen never allows it, so a file that asks for it keeps Player 1 on his device
// and gives Player 2 the keyboard.
void keep_devices_apart()
{
  const bool shared_pad = gamepad_slot(0) >= 0 && gamepad_slot(0) == gamepad_slot(1);
  if ((uses_mouse(0) && uses_mouse(1)) || shared_pad) control_bindings[1].device = DEVICE_KEYBOARD;
}

// Reads the version and every byte it calls for. Nothing is taken from a file of a version
// we do not know or one that ends early, so a damaged file never leaves half its keys behind.
// The values are taken as they are: the bindings' readers treat a code no key has as never
// down, and a device they do not know as the keyboard.
ConfigReading read_config_file()
{
  PACKFILE *file = pack_fopen(CONFIG_FILE, F_READ);
  if (!file) return CONFIG_UNREADABLE;

  int bytes[CONFIG_BYTES];
  bytes[0] = pack_getc(file);
  const int version = bytes[0];
  int wanted = 0;
  if (version == OLD_VERSION) wanted = 1 + KEY_BYTES;
  if (version == CONFIG_VERSION) wanted = CONFIG_BYTES;
  int count = 1;
  while (count < wanted && (bytes[count] = pack_getc(file)) != EOF) count++;
  pack_fclose(file);
  if (wanted == 0 || count < wanted) return CONFIG_REFUSED;

  for (int player = 0; player < 2; player++)
    for (int action = 0; action < ACTION_COUNT; action++)
      control_bindings[player].keys[action] = bytes[1 + ACTION_COUNT * player + action];
  if (version == CONFIG_VERSION) {
    control_bindings[0].device = bytes[1 + KEY_BYTES];
    control_bindings[1].device = bytes[2 + KEY_BYTES];
  }
  keep_devices_apart();
  return CONFIG_TAKEN;
}

// The notice is drawn straight onto the screen: the main loop has not started and will paint
// over it with its first frame. readkey would block on the library's own keyboard buffer, so
// the wait polls the platform in 1 ms rests and then empties the buffer, which takes the key
// just as readkey would. A key pressed while the game was still loading is dropped first, so
// that it cannot dismiss the notice before it could be read. A request to leave the game ends
// the wait too, and the title screen then leaves at once.
void show_version_notice()
{
  for (int line = 0; line < 3; line++)
    textout_centre_ex(game_screen, font_numbers, VERSION_NOTICE[line], NOTICE_X,
                      NOTICE_TOP + NOTICE_LINE_STEP * line, makecol(255, 255, 255), -1);
  present_screen();
  platform.clear_keybuf();
  while (!platform.keypressed() && !leave_requested()) platform.rest(1);
  platform.clear_keybuf();
}

// Each value is written as its low byte, in the file's order.
bool write_config(PACKFILE *file)
{
  int values[CONFIG_BYTES];
  int count = 0;
  values[count++] = CONFIG_VERSION;
  for (const ControlBindings &bindings : control_bindings)
    for (const int code : bindings.keys) values[count++] = code;
  for (const ControlBindings &bindings : control_bindings) values[count++] = bindings.device;

  for (const int value : values)
    if (pack_putc(value & 0xff, file) == EOF) return false;
  return true;
}

}  // namespace

void load_config()
{
  if (!exists(CONFIG_FILE)) {
    reset_control_bindings();
    save_config();
    return;
  }
  switch (read_config_file()) {
  case CONFIG_TAKEN:
    return;
  case CONFIG_UNREADABLE:
    // The file may be fine and only closed to us: play with the defaults, leave it alone.
    reset_control_bindings();
    return;
  case CONFIG_REFUSED:
    reset_control_bindings();
    save_config();
    show_version_notice();
    return;
  }
}

// A save that fails (a read-only folder, a full disk) changes nothing: the bindings in memory
// stay as they are, and so does the old file.
void save_config() { save_file_safely(CONFIG_FILE, write_config); }
