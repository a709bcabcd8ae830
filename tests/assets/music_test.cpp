// The background music as korvanta.dat holds it: long enough not to wear on the ear, every
// note ended before the loop starts over, and only instruments the patch set can play (the
// software synthesiser is silent for a program or drum it has no patch for).
#include <allegro.h>
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "base/resources.h"

namespace {

constexpr const char *PATCH_SET = "/etc/timidity/freepats.cfg";
constexpr int DRUM_CHANNEL = 9;

// The General MIDI programs ("bank 0") and drum keys ("drumset 0") the patch set has.
void read_patch_set(std::set<int> &programs, std::set<int> &drums)
{
  std::ifstream cfg(PATCH_SET);
  std::set<int> *section = nullptr;
  for (std::string line; std::getline(cfg, line);) {
    std::istringstream words(line);
    std::string first;
    words >> first;
    if (first == "bank") section = &programs;
    else if (first == "drumset") section = &drums;
    else if (section && !first.empty() && std::isdigit(static_cast<unsigned char>(first[0])))
      section->insert(std::stoi(first));
  }
}

struct TuneFacts {
  double seconds = 0;
  std::set<int> programs, drums;
  std::map<int, int> sounding;  // channel * 128 + key -> notes on
};

uint32_t read_variable(const unsigned char *&at)
{
  uint32_t value = 0;
  do value = (value << 7) | (*at & 0x7f);
  while (*at++ & 0x80);
  return value;
}

// Walks the tune's one track (the generator writes no running status).
TuneFacts read_tune(const MIDI *midi)
{
  TuneFacts facts;
  const unsigned char *at = midi->track[0].data, *end = at + midi->track[0].len;
  double seconds_per_tick = 0.5 / midi->divisions;
  while (at < end) {
    facts.seconds += read_variable(at) * seconds_per_tick;
    const int status = *at++;
    if (status == 0xff) {
      const int type = *at++;
      const uint32_t length = read_variable(at);
      if (type == 0x51) seconds_per_tick = (at[0] << 16 | at[1] << 8 | at[2]) / 1e6 / midi->divisions;
      at += length;
      if (type == 0x2f) break;
      continue;
    }
    const int channel = status & 0x0f, kind = status & 0xf0;
    if (kind == 0xc0) facts.programs.insert(*at++);
    else if (kind == 0x90 || kind == 0x80) {
      const int key = at[0], velocity = at[1];
      at += 2;
      const bool on = kind == 0x90 && velocity > 0;
      facts.sounding[channel * 128 + key] += on ? 1 : -1;
      if (on && channel == DRUM_CHANNEL) facts.drums.insert(key);
    } else {
      at += 2;  // the other channel messages the tune uses carry two bytes
    }
  }
  return facts;
}

}  // namespace

TEST(Music, LoopsCleanlyAfterOverAMinuteOnInstrumentsThePatchSetHas)
{
  const TuneFacts tune = read_tune(item_midi(ITEM_MUSIC));
  EXPECT_GE(tune.seconds, 60.0);
  for (const auto &[note, count] : tune.sounding)
    EXPECT_EQ(count, 0) << "still sounding at the loop: channel " << note / 128 << " key " << note % 128;

  std::set<int> programs, drums;
  read_patch_set(programs, drums);
  if (programs.empty()) GTEST_SKIP() << "no patch set at " << PATCH_SET;
  for (int program : tune.programs) EXPECT_TRUE(programs.count(program)) << "no patch for program " << program;
  for (int drum : tune.drums) EXPECT_TRUE(drums.count(drum)) << "no patch for drum " << drum;
}
