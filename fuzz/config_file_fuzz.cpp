// The controls file reader on any bytes: a file of version 0 or 1 long enough for its version
// is taken byte for byte (with never two mouse players) and left alone; anything else gives
// the default bindings, written back as the 19-byte default file. Either way every binding
// can be shown and tested without reading outside a table.
#include <cstddef>
#include <cstdint>
#include <string>

#include "control/bindings.h"
#include "control/config_file.h"
#include "fuzz/support/fuzz_folder.h"

namespace {

const std::string DEFAULT_FILE = {1, 1, 4, 23, 19, 28, 29, 30, 32, 82, 83, 84, 85, 77, 79, 81, 80, 0, 0};
constexpr std::size_t KEY_BYTES = 16;

// The bindings as the bytes of a version-1 file.
std::string bindings_bytes()
{
  std::string bytes(1, char(CONFIG_VERSION));
  for (const ControlBindings &bindings : control_bindings)
    for (const int code : bindings.keys) bytes += char(code);
  for (const ControlBindings &bindings : control_bindings) bytes += char(bindings.device);
  return bytes;
}

// A version the reader knows, with every byte that version calls for.
bool accepted(const std::string &file)
{
  const int version = file.empty() ? -1 : static_cast<unsigned char>(file[0]);
  const std::size_t wanted = version == 0 ? 1 + KEY_BYTES : version == 1 ? 3 + KEY_BYTES : 0;
  return wanted != 0 && file.size() >= wanted;
}

// What the bindings must be after reading this file, from bindings that were the defaults
// (whose devices are the keyboard, which a version-0 file leaves).
std::string expected_bindings(const std::string &file)
{
  if (!accepted(file)) return DEFAULT_FILE;
  const int version = file[0];
  std::string bytes = "\1" + file.substr(1, KEY_BYTES) + (version == 1 ? file.substr(17, 2) : std::string(2, '\0'));
  // One pointer and one wheel, and a pad for each: a second mouse player, or a second player
  // on the first one's pad, is put back on the keyboard.
  if (bytes[17] >= 1 && bytes[17] <= 3 && bytes[18] >= 1 && bytes[18] <= 3) bytes[18] = 0;
  if (bytes[17] >= 7 && bytes[17] <= 8 && bytes[18] == bytes[17]) bytes[18] = 0;
  return bytes;
}

void check_every_binding_is_safe_to_use()
{
  for (int player = 0; player < 2; player++) {
    if (!device_name(control_bindings[player].device)) broken_promise("a device without a name");
    for (int action = 0; action < ACTION_COUNT; action++) {
      const int code = control_bindings[player].keys[action];
      if (code < 0 || code > 255) broken_promise("a key code that is not a byte");
      if (!key_name(code) || !binding_label(player, action) || !action_label(action))
        broken_promise("a binding without a label");
      action_key_down(player, action);  // indexes the key array: the sanitizers watch it
    }
  }
  if (uses_mouse(0) && uses_mouse(1)) broken_promise("two mouse players");
  if (gamepad_slot(0) >= 0 && gamepad_slot(0) == gamepad_slot(1)) broken_promise("two players on one pad");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
  start_fuzz_folder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
  const std::string file(reinterpret_cast<const char *>(data), size);
  write_input(CONFIG_FILE, data, size);
  reset_control_bindings();
  load_config();

  if (bindings_bytes() != expected_bindings(file)) broken_promise("the bindings are not what the file says");
  if (file_contents(CONFIG_FILE) != (accepted(file) ? file : DEFAULT_FILE))
    broken_promise("an accepted file was changed, or a refused one not replaced by the defaults");
  check_every_binding_is_safe_to_use();
  return 0;
}
