// korvanta.dat checked against the build's record: a copy of the built file passes; a copy
// cut short, grown or with one byte changed does not, nor a missing file.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "base/resource_check.h"

namespace {

bool intact(const std::string &contents)
{
  std::ofstream("damaged_korvanta.dat", std::ios::binary) << contents;
  const bool passed = resource_file_intact("damaged_korvanta.dat", BUILT_RESOURCE_DIGEST);
  remove("damaged_korvanta.dat");
  return passed;
}

TEST(ResourceCheck, TheBuiltFilePassesAndDamagedCopiesDoNot)
{
  std::ifstream in("korvanta.dat", std::ios::binary);
  const std::string built(std::istreambuf_iterator<char>(in), {});
  EXPECT_TRUE(intact(built));
  EXPECT_FALSE(resource_file_intact("no_such_korvanta.dat", BUILT_RESOURCE_DIGEST));

  EXPECT_FALSE(intact(built.substr(0, built.size() - 1)));
  EXPECT_FALSE(intact(built + '\0'));
  // The first byte, one in a middle chunk of the reading, and the last.
  for (size_t at : {size_t(0), built.size() / 3, built.size() - 1})
    EXPECT_FALSE(intact(std::string(built).replace(at, 1, 1, char(built[at] ^ 1)))) << at;
}

}  // namespace
