// The installed game's own folder follows XDG_DATA_HOME only when it is an absolute path, as
// the XDG rules ask; else HOME's .local/share. (Finding the install and making the folder are
// checked end to end, from an unpacked package.)
#include <gtest/gtest.h>

#include "base/data_paths.h"

TEST(DataPaths, TheUserFolderFollowsXdgDataHomeOnlyWhenItIsAnAbsolutePath)
{
  EXPECT_EQ(user_data_folder("/data", "/home/ann"), "/data/korvanta");
  EXPECT_EQ(user_data_folder(nullptr, "/home/ann"), "/home/ann/.local/share/korvanta");
  EXPECT_EQ(user_data_folder("", "/home/ann"), "/home/ann/.local/share/korvanta");
  EXPECT_EQ(user_data_folder("data", "/home/ann"), "/home/ann/.local/share/korvanta");
  EXPECT_EQ(user_data_folder(nullptr, ""), "");
}
