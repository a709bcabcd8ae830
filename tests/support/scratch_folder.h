// Tests of the game's own files run in a fresh empty working directory, not in the build
// folder; the old one comes back afterwards.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class InScratchFolder : public ::testing::Test {
  const std::filesystem::path previous_ = std::filesystem::current_path();
  std::filesystem::path scratch_;
  char pattern_[27] = "/tmp/korvanta-files.XXXXXX";

protected:
  InScratchFolder() { std::filesystem::current_path(scratch_ = mkdtemp(pattern_)); }
  ~InScratchFolder() override { current_path(previous_), remove_all(scratch_); }
};

using Bytes = std::string;

// What the file holds; nothing when it is missing.
inline Bytes file_bytes(const char *path)
{
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

inline void write_file(const char *path, const Bytes &bytes)
{
  std::ofstream(path, std::ios::binary) << bytes;
}
