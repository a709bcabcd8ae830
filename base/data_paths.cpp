#include "base/data_paths.h"

#include <allegro.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const char RESOURCE_FILE[] = "korvanta.dat";
// Installed, the music plays from the freepats package: this index in the data folder names
// its patches where freepats keeps them.
const char INSTRUMENT_INDEX_FILE[] = "freepats.cfg";

// Until the game finds itself installed, both stay as they are: the working directory's file
// and the library's own search for patches.dat, which looks beside the executable.
std::string resource_path = RESOURCE_FILE;
std::string patch_set_path;

std::string executable_path()
{
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return {};
  return std::string(path, static_cast<size_t>(length));
}

bool file_exists(const std::string &path)
{
  struct stat status;
  return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace

std::string installed_data_folder(const std::string &executable, const std::string &relative_folder)
{
  const size_t slash = executable.rfind('/');
  if (slash == std::string::npos) return {};
  const std::string folder = executable.substr(0, slash + 1) + relative_folder;
  return file_exists(folder + "/" + RESOURCE_FILE) ? folder : std::string();
}

std::string user_data_folder(const char *xdg_data_home, const char *home)
{
  // A relative XDG_DATA_HOME is invalid and is to be ignored, like an empty one.
  if (xdg_data_home && xdg_data_home[0] == '/') return std::string(xdg_data_home) + "/korvanta";
  if (home && home[0]) return std::string(home) + "/.local/share/korvanta";
  return {};
}

bool make_folders(const std::string &folder)
{
  if (folder.empty()) return false;
  // Each parent in turn, from the first component after the root.
  for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) break;
  }
  struct stat status;
  return stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool settle_in_data_folders()
{
  // The install's layout, from the folder of the executable to the data folder, is what CMake
  // installs; taking it from the executable rather than from a fixed path lets the game run
  // from any prefix, or from a package unpacked anywhere, and keeps the build folder's
  // executable working there even when the game is installed too.
  const std::string data_folder = installed_data_folder(executable_path(), KORVANTA_DATA_FROM_BINDIR);
  if (data_folder.empty()) return true;

  const std::string user_folder = user_data_folder(getenv("XDG_DATA_HOME"), getenv("HOME"));
  if (user_folder.empty()) {
    fprintf(stderr, "Korvanta needs HOME or XDG_DATA_HOME to know where to keep its files.\n");
    return false;
  }
  if (!make_folders(user_folder) || chdir(user_folder.c_str()) != 0) {
    fprintf(stderr, "Korvanta cannot use its folder %s: %s\n", user_folder.c_str(), strerror(errno));
    return false;
  }
  resource_path = data_folder + "/" + RESOURCE_FILE;
  patch_set_path = data_folder + "/" + INSTRUMENT_INDEX_FILE;
  return true;
}

const std::string &resource_file_path() { return resource_path; }

void choose_patch_set()
{
  if (patch_set_path.empty()) return;
  // An override rather than set_config_string: the library writes its configuration back
  // beside the executable when it shuts down, which would leave an allegro.cfg in the
  // install's program folder (or fail there for want of rights). The override is kept in
  // memory only, and still lets a user's own allegro.cfg set everything else.
  const std::string settings = "[sound]\npatches = " + patch_set_path + "\n";
  override_config_data(settings.c_str(), static_cast<int>(settings.size()));
}
