// The controls file, read and written in a scratch folder: the default file byte for byte,
// the versions, damaged and unsafe contents, the notice and its key, and saves that fail.
#include <allegro.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "control/bindings.h"
#include "control/config_file.h"
#include "shell/startup.h"
#include "tests/support/headless.h"

namespace {

using Bytes = std::string;
const Bytes DEFAULT_FILE = {1, 1, 4, 23, 19, 28, 29, 30, 32, 82, 83, 84, 85, 77, 79, 81, 80, 0, 0};

void write_file(const Bytes &bytes) { std::ofstream(CONFIG_FILE, std::ios::binary) << bytes; }

Bytes file_bytes()
{
  std::ifstream in(CONFIG_FILE, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Each test starts in an empty folder of its own (they run in the build folder), with no
// bindings in memory, as at start-up.
class ConfigFile : public ::testing::Test {
protected:
  void SetUp() override
  {
    char pattern[] = "/tmp/korvanta-cfg.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    std::filesystem::current_path(folder_ = pattern);
    reset_fake_platform();
    memset(control_bindings, 0, sizeof control_bindings);
  }
  void TearDown() override
  {
    std::filesystem::current_path(home_);
    std::filesystem::remove_all(folder_);
    reset_fake_platform();
    reset_control_bindings();
  }
  const std::filesystem::path home_ = std::filesystem::current_path();
  std::filesystem::path folder_;
};

// Whether the bindings in memory are the defaults, seen through the bytes they save as.
bool saves_as_defaults()
{
  save_config();
  return file_bytes() == DEFAULT_FILE;
}

TEST_F(ConfigFile, FirstRunWritesTheDefaultsAndASaveReadsBackTheSame)
{
  load_config();
  EXPECT_EQ(file_bytes(), DEFAULT_FILE);
  EXPECT_EQ(fake.now_ms, 0) << "a missing file is no reason for a notice";

  control_bindings[0].keys[ACTION_PAUSE] = KEY_P;
  control_bindings[1].device = DEVICE_MOUSE3;
  save_config();
  const Bytes saved = file_bytes();
  const ControlBindings before[2] = {control_bindings[0], control_bindings[1]};
  memset(control_bindings, 0, sizeof control_bindings);
  load_config();
  EXPECT_EQ(memcmp(control_bindings, before, sizeof before), 0);
  EXPECT_EQ(saved.size(), 19u);
  EXPECT_EQ(file_bytes(), saved);
}

TEST_F(ConfigFile, AcceptedFilesAreTakenAsTheyAreAndNotRewritten)
{
  // Version 0: sixteen keys and no devices; the devices in memory stay; a byte past is ignored.
  const Bytes old = {0, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 99};
  write_file(old);
  control_bindings[0].device = DEVICE_MOUSE2;
  load_config();
  EXPECT_EQ(control_bindings[0].keys[0], 41);
  EXPECT_EQ(control_bindings[1].keys[ACTION_PAUSE], 56);
  EXPECT_EQ(control_bindings[0].device, DEVICE_MOUSE2);
  EXPECT_EQ(file_bytes(), old);

  // A code no key has and a device the game does not know play safely.
  Bytes unsafe = DEFAULT_FILE;
  unsafe[1] = char(250);
  unsafe[17] = 9;
  write_file(unsafe);
  load_config();
  memset(const_cast<char *>(key), 1, KEY_MAX);
  EXPECT_FALSE(action_key_down(0, ACTION_MOVE_LEFT));
  EXPECT_STREQ(binding_label(0, ACTION_MOVE_LEFT), "???");
  EXPECT_FALSE(uses_mouse(0));
  EXPECT_EQ(file_bytes(), unsafe);

  // Two mouse players cannot share the one pointer: Player 2 gets the keyboard.
  unsafe[17] = DEVICE_MOUSE2;
  unsafe[18] = DEVICE_MOUSE1;
  write_file(unsafe);
  load_config();
  EXPECT_TRUE(uses_mouse(0));
  EXPECT_FALSE(uses_mouse(1));
}

TEST_F(ConfigFile, OtherVersionsAndDamagedFilesAreReplacedAndTheNoticeWaitsForAKey)
{
  const Bytes refused[] = {{2}, {char(255), 1}, {}, {1, 1, 2}, {0, 1}, DEFAULT_FILE.substr(0, 18)};
  for (const Bytes &contents : refused) {
    SCOPED_TRACE(testing::PrintToString(contents));
    reset_fake_platform();
    write_file(contents);
    control_bindings[0].keys[0] = 99;
    clear_bitmap(screen);
    fake.buffered_keys = 1;  // pressed while the game was loading: it must not end the notice
    fake.key_presses_at = {700};
    load_config();
    EXPECT_EQ(file_bytes(), DEFAULT_FILE);
    EXPECT_EQ(fake.now_ms, 700);
    EXPECT_EQ(fake.buffered_keys, 0) << "the key that ends the notice is taken";
    EXPECT_TRUE(saves_as_defaults());
  }

  // Three white lines centred on x 320 from y 200, 250 and 300.
  for (int top : {200, 250, 300}) {
    int count = 0, left = 640, right = 0;
    for (int y = top; y < top + text_height(font_numbers); y++)
      for (int x = 0; x < 640; x++)
        if (getpixel(screen, x, y) == makecol(255, 255, 255)) {
          count++;
          left = std::min(left, x);
          right = std::max(right, x);
        }
    EXPECT_GT(count, 100) << top;
    EXPECT_NEAR((left + right) / 2, 320, 3) << top;
  }
}

TEST_F(ConfigFile, FailedSavesLeaveTheOldFileWholeAndTheBindingsUsable)
{
  // The temporary file cannot be made: a refused file stays as it was; the defaults play.
  std::filesystem::create_directory("korvanta.cfg.new");
  write_file({2});
  fake.key_presses_at = {0};
  load_config();
  EXPECT_EQ(file_bytes(), Bytes{2});
  save_config();
  EXPECT_EQ(file_bytes(), Bytes{2});
  std::filesystem::remove("korvanta.cfg.new");
  EXPECT_TRUE(saves_as_defaults());

  // The game dies in the middle of a save, at its first write: the old file stays whole.
  const pid_t child = fork();
  if (child == 0) {
    signal(SIGXFSZ, [](int) { _exit(3); });
    const rlimit no_bytes = {0, 0};
    setrlimit(RLIMIT_FSIZE, &no_bytes);
    control_bindings[0].keys[0] = KEY_Q;
    save_config();
    _exit(0);
  }
  int status;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_EQ(WEXITSTATUS(status), 3) << "the save was not cut short";
  EXPECT_EQ(file_bytes(), DEFAULT_FILE);
}

}  // namespace
