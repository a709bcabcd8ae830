// Where the installed game finds its files: the data folder only where korvanta.dat lies, the
// user's folder from XDG_DATA_HOME or HOME, and that folder made with all its parents.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "shell/data_paths.h"

namespace {

// A scratch folder of the test's own under the system's temporary folder.
std::string scratch_folder()
{
  char name[] = "/tmp/korvanta-paths.XXXXXX";
  return mkdtemp(name) ? name : "";
}

bool is_folder(const std::string &path)
{
  struct stat status;
  return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

TEST(DataPaths, TheDataFolderIsTheOneBesideTheExecutableThatHoldsTheResourceFile)
{
  const std::string root = scratch_folder();
  ASSERT_TRUE(make_folders(root + "/usr/bin") && make_folders(root + "/usr/share/korvanta"));
  const std::string game = root + "/usr/bin/korvanta";
  // A build folder holds no such folder, so there the game stays in the working directory.
  EXPECT_EQ(installed_data_folder(game, "../share/korvanta"), "");

  fclose(fopen((root + "/usr/share/korvanta/korvanta.dat").c_str(), "w"));
  EXPECT_EQ(installed_data_folder(game, "../share/korvanta"), root + "/usr/bin/../share/korvanta");
  EXPECT_EQ(installed_data_folder("korvanta", "../share/korvanta"), "");
  system(("rm -rf " + root).c_str());
}

TEST(DataPaths, TheUserFolderFollowsXdgDataHomeOnlyWhenItIsAnAbsolutePath)
{
  EXPECT_EQ(user_data_folder("/data", "/home/ann"), "/data/korvanta");
  EXPECT_EQ(user_data_folder(nullptr, "/home/ann"), "/home/ann/.local/share/korvanta");
  EXPECT_EQ(user_data_folder("", "/home/ann"), "/home/ann/.local/share/korvanta");
  EXPECT_EQ(user_data_folder("data", "/home/ann"), "/home/ann/.local/share/korvanta");
  EXPECT_EQ(user_data_folder(nullptr, ""), "");
}

TEST(DataPaths, MakingTheUserFolderMakesItsParentsAndFailsWhereAFileStandsInTheWay)
{
  const std::string root = scratch_folder();
  EXPECT_TRUE(make_folders(root + "/home/.local/share/korvanta"));
  EXPECT_TRUE(is_folder(root + "/home/.local/share/korvanta"));
  EXPECT_TRUE(make_folders(root + "/home/.local/share/korvanta"));  // a second start

  fclose(fopen((root + "/file").c_str(), "w"));
  EXPECT_FALSE(make_folders(root + "/file"));
  EXPECT_FALSE(make_folders(root + "/file/korvanta"));
  system(("rm -rf " + root).c_str());
}

}  // namespace
