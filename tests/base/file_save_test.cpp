// The safe save and a file its owner made read-only: left as it is whoever runs the tests
// (root included, where the rename alone would replace it), and named once on standard error.
#include <allegro.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "base/file_save.h"
#include "tests/support/scratch_folder.h"

namespace {

int writes = 0;

bool write_new(PACKFILE *file)
{
  writes++;
  return pack_fputs("new", file) == 0;
}

// What the save wrote on standard error, and whether it succeeded.
std::pair<bool, std::string> save(const char *path)
{
  testing::internal::CaptureStderr();
  const bool saved = save_file_safely(path, write_new);
  return {saved, testing::internal::GetCapturedStderr()};
}

class FileSave : public InScratchFolder {};

}  // namespace

TEST_F(FileSave, AFileWithEveryWriteBitClearedStaysAsItIsAndIsNamedOnce)
{
  write_file("korvanta.cfg", "old");
  chmod("korvanta.cfg", 0444);
  writes = 0;
  const auto [saved, said] = save("korvanta.cfg");
  EXPECT_FALSE(saved);
  EXPECT_EQ(file_bytes("korvanta.cfg"), "old");
  EXPECT_EQ(writes, 0) << "nothing is written for a file that will not be replaced";
  EXPECT_FALSE(std::filesystem::exists("korvanta.cfg.new"));
  EXPECT_EQ(said, "Korvanta did not save korvanta.cfg: the file is read-only, and stays as it is.\n");

  EXPECT_EQ(save("korvanta.cfg"), std::make_pair(false, std::string())) << "said only once";
  write_file("korvanta.hgh", "old");
  chmod("korvanta.hgh", 0555);
  EXPECT_NE(save("korvanta.hgh").second.find("korvanta.hgh"), std::string::npos)
      << "another file is named too";
}

TEST_F(FileSave, OneWriteBitIsEnoughToReplaceTheFile)
{
  for (const mode_t bit : {S_IWUSR, S_IWGRP, S_IWOTH}) {
    SCOPED_TRACE(bit);
    write_file("korvanta.hgh", "old");
    chmod("korvanta.hgh", 0444 | bit);
    EXPECT_EQ(save("korvanta.hgh"), std::make_pair(true, std::string()));
    EXPECT_EQ(file_bytes("korvanta.hgh"), "new");
  }
}
