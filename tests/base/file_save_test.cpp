// The safe save and a file its owner made read-only: left as it is whoever runs the tests
// (root included, where the rename alone would replace it), and named once on standard error.
#include <allegro.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <utility>

#include "base/file_save.h"
#include "tests/support/scratch_folder.h"

namespace {

// Whether the save succeeded, and what it wrote on standard error.
std::pair<bool, std::string> save(const std::string &path)
{
  testing::internal::CaptureStderr();
  const bool saved = save_file_safely(path.c_str(), [](PACKFILE *file) { return pack_fputs("new", file) == 0; });
  return {saved, testing::internal::GetCapturedStderr()};
}

class FileSave : public InScratchFolder {};

}  // namespace

TEST_F(FileSave, OnlyAFileWithEveryWriteBitClearedIsLeftAsItIsAndNamedOnce)
{
  // Two read-only files, so that each is named, then files with one write bit each.
  for (const mode_t mode : {0444, 0555, 0644, 0464, 0446}) {
    const std::string path = "korvanta." + std::to_string(mode);
    SCOPED_TRACE(path);
    write_file(path.c_str(), "old");
    chmod(path.c_str(), mode);
    const bool read_only = (mode & 0222) == 0;
    const auto [saved, said] = save(path);
    EXPECT_EQ(saved, !read_only);
    EXPECT_EQ(file_bytes(path.c_str()), read_only ? "old" : "new");
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
    EXPECT_EQ(said.find(path + ": the file is read-only") != std::string::npos, read_only) << said;
    EXPECT_EQ(save(path).second, "") << "said only once";
  }
}
