#include "base/resources.h"
#include "fuzz/support/fuzz_folder.h"

#include <allegro.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/display.h"
#include "base/platform.h"

namespace {

std::filesystem::path folder;

void remove_folder() { std::filesystem::remove_all(folder); }

}  // namespace

void start_fuzz_folder()
{
  if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) broken_promise("the library did not start");
  set_color_depth(16);
  screen = create_bitmap(640, 480);
  create_game_screen();  // the readers' notices are drawn there, then shown
  // The readers' notices are drawn in the game's font; the library's own stands in for it.
  font_numbers = font_messages = font_points = font;
  platform.rest = [](unsigned int) {};
  platform.keypressed = [] { return 1; };
  platform.clear_keybuf = [] {};
  platform.readkey = [] { return 0; };

  char pattern[] = "/tmp/korvanta-fuzz.XXXXXX";
  if (!mkdtemp(pattern) || chdir(pattern) != 0) broken_promise("no scratch folder");
  folder = pattern;
  atexit(remove_folder);
}

void write_input(const char *path, const std::uint8_t *data, std::size_t size)
{
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
}

std::string file_contents(const char *path)
{
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void broken_promise(const char *what)
{
  fprintf(stderr, "broken promise: %s\n", what);
  abort();
}
