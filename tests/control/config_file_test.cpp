// The controls file, read and written in a scratch folder: the default file byte for byte,
// the versions, damaged and unsafe contents, the notice and its key, and a save that fails.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "control/bindings.h"
#include "control/config_file.h"
#include "tests/support/headless.h"
#include "tests/support/scratch_folder.h"

namespace {

using namespace std::string_literals;
const Bytes DEFAULT_FILE = {1, 1, 4, 23, 19, 28, 29, 30, 32, 82, 83, 84, 85, 77, 79, 81, 80, 0, 0};

// No bindings in memory, as at start-up.
class ConfigFile : public InScratchFolder {
protected:
  void SetUp() override
  {
    reset_fake_platform();
    memset(control_bindings, 0, sizeof control_bindings);
  }
  void TearDown() override
  {
    reset_fake_platform();
    reset_control_bindings();
  }
};

// The bindings in memory, seen through the bytes they save as.
Bytes saved_bindings()
{
  save_config();
  return file_bytes(CONFIG_FILE);
}

TEST_F(ConfigFile, AFirstRunWritesTheDefaultsWithoutANotice)
{
  load_config();
  EXPECT_EQ(file_bytes(CONFIG_FILE), DEFAULT_FILE);
  EXPECT_EQ(fake.now_ms, 0);
}

TEST_F(ConfigFile, AcceptedFilesAreTakenAsTheyAreAndNotRewritten)
{
  const Bytes keys = "ABCDEFGHIJKLMNOP", odd_keys = "\xfa" + keys.substr(1);
  // Each file, then what the bindings save as after it. Player 1 is on mouse2 before.
  const std::pair<Bytes, Bytes> files[] = {
      // Version 0 has no devices: those in memory stay. A byte past the keys is ignored.
      {"\0"s + keys + "x", "\1" + keys + "\2\0"s},
      // A code no key has and a device the game does not know: the bindings play them safely.
      {"\1" + odd_keys + "\x09\0"s, "\1" + odd_keys + "\x09\0"s},
      // The computer at its three strengths is a device like any other, kept as it is.
      {"\1" + keys + "\6\4", "\1" + keys + "\6\4"},
      // Two mouse players cannot share the one pointer: Player 2 gets the keyboard.
      {"\1" + keys + "\2\1", "\1" + keys + "\2\0"s},
      // Each player on a pad of his own is kept; two players on one pad are not.
      {"\1" + keys + "\10\7", "\1" + keys + "\10\7"},
      {"\1" + keys + "\7\7", "\1" + keys + "\7\0"s},
  };
  for (const auto &[contents, bindings] : files) {
    SCOPED_TRACE(testing::PrintToString(contents));
    write_file(CONFIG_FILE, contents);
    control_bindings[0].device = DEVICE_MOUSE2;
    load_config();
    EXPECT_EQ(file_bytes(CONFIG_FILE), contents);
    EXPECT_EQ(saved_bindings(), bindings);
  }
}

TEST_F(ConfigFile, OtherVersionsAndDamagedFilesAreReplacedAndTheNoticeWaitsForAKey)
{
  const Bytes refused[] = {{2}, {char(255), 1}, {}, {1, 1, 2}, {0, 1}, DEFAULT_FILE.substr(0, 18)};
  for (const Bytes &contents : refused) {
    SCOPED_TRACE(testing::PrintToString(contents));
    reset_fake_platform();
    write_file(CONFIG_FILE, contents);
    control_bindings[0].keys[0] = 99;
    fake.buffered_keys = 1;  // pressed while the game was loading: it must not end the notice
    fake.key_presses_at = {700};
    load_config();
    EXPECT_EQ(file_bytes(CONFIG_FILE), DEFAULT_FILE);
    EXPECT_EQ(fake.now_ms, 700);
    EXPECT_EQ(fake.buffered_keys, 0) << "the key that ends the notice is taken";
    EXPECT_EQ(saved_bindings(), DEFAULT_FILE);
  }
}

TEST_F(ConfigFile, ASaveThatCannotBeMadeLeavesTheOldFileAndTheDefaultsPlay)
{
  // No file can be made where a folder of its name stands.
  std::filesystem::create_directory("korvanta.cfg.new");
  write_file(CONFIG_FILE, {2});
  fake.key_presses_at = {0};
  load_config();
  EXPECT_EQ(file_bytes(CONFIG_FILE), Bytes{2});
  std::filesystem::remove("korvanta.cfg.new");
  EXPECT_EQ(saved_bindings(), DEFAULT_FILE);
}

}  // namespace
