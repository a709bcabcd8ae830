#include "base/file_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// The rename needs only the folder's permission, not the file's, and root needs neither: left
// to itself it would replace a file its owner made read-only on purpose.
bool made_read_only(const char *path)
{
  struct stat status;
  return stat(path, &status) == 0 && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// The game saves the same files again and again; each is named once. A file is known by its
// whole path, so that the same name in another folder is another file.
void say_left_alone(const char *path)
{
  static std::vector<std::string> named;
  std::string whole = path;
  if (whole[0] != '/') {
    char folder[4096];
    if (getcwd(folder, sizeof folder)) whole = std::string(folder) + "/" + whole;
  }
  if (std::find(named.begin(), named.end(), whole) != named.end()) return;
  named.push_back(whole);
  fprintf(stderr, "Korvanta did not save %s: the file is read-only, and stays as it is.\n", path);
}

// The bytes must be on the disk before the rename makes them the file.
bool flush_to_disk(const char *path)
{
  const int descriptor = open(path, O_RDONLY);
  if (descriptor < 0) return false;
  const bool flushed = fsync(descriptor) == 0;
  close(descriptor);
  return flushed;
}

// The rename itself is made durable by flushing the folder that holds the file.
void flush_folder_of(const std::string &path)
{
  const size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (descriptor < 0) return;
  fsync(descriptor);
  close(descriptor);
}

}  // namespace

bool save_file_safely(const char *path, bool (*write)(PACKFILE *file))
{
  if (made_read_only(path)) {
    say_left_alone(path);
    return false;
  }
  const std::string temporary = std::string(path) + ".new";
  PACKFILE *file = pack_fopen(temporary.c_str(), F_WRITE);
  if (!file) return false;
  const bool written = write(file) && !pack_ferror(file);
  // Closing flushes the last bytes; the library says nothing when that fails but leaves the
  // reason in errno.
  errno = 0;
  const bool closed = pack_fclose(file) == 0 && errno == 0;
  if (!written || !closed || !flush_to_disk(temporary.c_str()) ||
      rename(temporary.c_str(), path) != 0) {
    remove(temporary.c_str());
    return false;
  }
  flush_folder_of(path);
  return true;
}
