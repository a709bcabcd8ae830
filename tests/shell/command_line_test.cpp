// The command line: --scale 1..3 in either spelling, --help, and everything else refused with
// exit code 2 and a word on what was wrong.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/command_line.h"

namespace {

CommandLine read(std::vector<const char *> words)
{
  words.insert(words.begin(), "korvanta");
  return read_command_line(static_cast<int>(words.size()), words.data());
}

}  // namespace

TEST(CommandLine, ScaleAndHelpAreTakenAndAnythingElseIsRefused)
{
  EXPECT_EQ(read({}).scale, 0) << "no option: the desktop chooses";
  EXPECT_EQ(read({}).exit_code, -1);
  EXPECT_EQ(read({"--scale", "2"}).scale, 2);
  EXPECT_EQ(read({"--scale=3"}).scale, 3);
  EXPECT_EQ(read({"--scale", "3", "--scale", "1"}).scale, 1) << "the last one counts";
  EXPECT_EQ(read({"--scale", "1"}).exit_code, -1);

  const CommandLine help = read({"--scale", "2", "--help"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_NE(help.message.find("--scale N"), std::string::npos) << help.message;
  EXPECT_EQ(read({"-h"}).exit_code, 0);

  const struct { std::vector<const char *> words; const char *named; } refused[] = {
      {{"--scale"}, "--scale"},       {{"--scale", "0"}, "'0'"},  {{"--scale", "4"}, "'4'"},
      {{"--scale", "two"}, "'two'"},  {{"--scale", "22"}, "'22'"}, {{"--scale="}, "''"},
      {{"--fullscreen"}, "'--fullscreen'"}, {{"2"}, "'2'"}};
  for (const auto &line : refused) {
    const CommandLine result = read(line.words);
    EXPECT_EQ(result.exit_code, 2) << line.named;
    EXPECT_NE(result.message.find(line.named), std::string::npos) << result.message;
  }
}
