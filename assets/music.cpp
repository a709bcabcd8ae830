// The background music: "Live Wire", a looping tune in A minor written as a standard MIDI
// file for Allegro's software synthesiser. It is written out as sections of bars (chords,
// a lead melody and a bell line as note lists) and expanded here into bass, pad, arpeggio
// and drum parts. Only instruments and drum notes that Debian's freepats set provides are
// used, since the patch set is built from it.
#include "assets/art.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

constexpr int TICKS_PER_BEAT = 96;
constexpr int EIGHTH = TICKS_PER_BEAT / 2;
constexpr int SIXTEENTH = TICKS_PER_BEAT / 4;
constexpr int BAR = 4 * TICKS_PER_BEAT;
constexpr int BEATS_PER_MINUTE = 108;

// One MIDI channel per part; the drums live on the General MIDI percussion channel.
enum Channel { PAD = 0, ARPEGGIO = 1, BASS = 2, LEAD = 3, BELLS = 4, DRUMS = 9 };

struct Part {
  Channel channel;
  int program;  // General MIDI program, one that freepats has
  int volume;   // channel volume: the tune sits under the game's sounds
  int pan;
};

const Part PARTS[] = {
  {PAD, 94, 82, 64},       // halo pad
  {ARPEGGIO, 5, 86, 44},   // chorused electric piano, a little to the left
  {BASS, 38, 118, 64},     // synth bass
  {LEAD, 80, 96, 64},      // square wave
  {BELLS, 9, 80, 86},      // glockenspiel, a little to the right
  {DRUMS, 0, 108, 64},
};

// Drum keys from the percussion kit.
enum Drum { KICK = 36, SNARE = 38, CLAP = 39, TOM_LOW = 43, TOM_MID = 47, TOM_HIGH = 50,
            HAT_CLOSED = 42, HAT_OPEN = 46, CRASH = 49 };

enum class Groove { HATS_ONLY, FULL, DRIVING, THIN_WITH_FILL };

// A section: one chord per bar, and melodies as "note:eighths" with "-" for a rest and "|"
// between bars. An empty melody leaves that part silent.
struct Section {
  const char *chords;
  const char *lead;
  const char *bells;
  Groove groove;
  bool bass;
  bool crash_at_start;
};

// Intro, theme, bridge, theme again (resolving home this time), and a thinned-out close whose
// last bar, on E, turns back to the A minor of the first bar when the tune loops.
const Section TUNE[] = {
  {"Am F C G", "",
   "E5:4 C5:4 | A4:4 C5:4 | G4:4 C5:4 | B4:4 D5:4", Groove::HATS_ONLY, false, false},
  {"Am F C G Am F G E",
   "E5:3 A4:1 C5:2 E5:2 | F5:3 E5:1 C5:2 A4:2 | G4:2 C5:2 E5:2 G5:2 | D5:4 B4:2 G4:2 |"
   "E5:3 A4:1 C5:2 E5:2 | F5:2 A5:2 G5:2 F5:2 | E5:2 D5:2 B4:2 D5:2 | E5:4 D5:2 B4:2",
   "", Groove::FULL, true, true},
  {"F G Am Am Dm G C E",
   "A5:2 G5:1 F5:1 C5:4 | B4:2 D5:2 G5:4 | A5:3 G5:1 E5:2 C5:2 | E5:6 -:2 |"
   "F5:2 E5:1 D5:1 A4:4 | B4:2 D5:2 F5:2 G5:2 | E5:3 D5:1 C5:2 G4:2 | G#4:2 B4:2 D5:2 E5:2",
   "C6:8 | D6:8 | E6:8 | A5:8 | F5:8 | G5:8 | E6:8 | B5:8", Groove::DRIVING, true, true},
  {"Am F C G Am F E Am",
   "E5:3 A4:1 C5:2 E5:2 | F5:3 E5:1 C5:2 A4:2 | G4:2 C5:2 E5:2 G5:2 | D5:4 B4:2 G4:2 |"
   "E5:3 A4:1 C5:2 E5:2 | F5:2 A5:2 G5:2 F5:2 | E5:2 D5:2 B4:2 G#4:2 | A4:6 -:2",
   "E6:3 A5:1 C6:2 E6:2 | F6:3 E6:1 C6:2 A5:2 | G5:2 C6:2 E6:2 G6:2 | D6:4 B5:2 G5:2 |"
   "E6:3 A5:1 C6:2 E6:2 | F6:2 A6:2 G6:2 F6:2 | E6:2 D6:2 B5:2 G#5:2 | A5:6 -:2",
   Groove::FULL, true, true},
  {"Am F G E", "",
   "A5:4 E5:4 | F5:4 C5:4 | D5:4 B4:4 | G#4:4 B4:2 D5:2", Groove::THIN_WITH_FILL, true, false},
};

// Chords as the pad voices them (close to each other, so the pad moves smoothly) with the
// bass root below.
struct Chord {
  const char *name;
  int root;
  int voicing[3];
};

const Chord CHORDS[] = {
  {"Am", 45, {57, 60, 64}}, {"F", 41, {57, 60, 65}}, {"C", 48, {55, 60, 64}},
  {"G", 43, {55, 59, 62}},  {"E", 40, {56, 59, 64}}, {"Dm", 38, {57, 62, 65}},
};

struct Note {
  int tick, length, channel, key, velocity;
};

[[noreturn]] void reject(const std::string &what)
{
  std::fprintf(stderr, "music: %s\n", what.c_str());
  std::exit(1);
}

const Chord &chord_named(const std::string &name)
{
  for (const Chord &chord : CHORDS)
    if (name == chord.name) return chord;
  reject("unknown chord " + name);
}

// "C#5" and the like to a MIDI key (middle C, C4, is 60).
int key_named(const std::string &name)
{
  static const int steps[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') reject("bad note " + name);
  int key = steps[name[0] - 'A'];
  size_t at = 1;
  if (name[at] == '#') key++, at++;
  else if (name[at] == 'b') key--, at++;
  if (at + 1 != name.size() || !std::isdigit(static_cast<unsigned char>(name[at])))
    reject("bad note " + name);
  return key + 12 * (name[at] - '0' + 1);
}

// Adds a melody starting at `start`; every bar must hold exactly eight eighths, so that a
// slip in the note lists cannot shift the rest of the tune.
void add_melody(std::vector<Note> &notes, const char *melody, int start, int bars, int channel,
                int velocity)
{
  if (!*melody) return;
  std::string spaced;
  for (const char *c = melody; *c; c++) spaced += *c == '|' ? std::string(" | ") : std::string(1, *c);
  std::istringstream words(spaced);
  std::string word;
  int at = start, bar_start = start;
  auto close_bar = [&]() {
    if (at - bar_start != BAR) reject(std::string("a bar is not eight eighths in: ") + melody);
    bar_start = at;
  };
  while (words >> word) {
    if (word == "|") { close_bar(); continue; }
    const size_t colon = word.find(':');
    if (colon == std::string::npos) reject("bad melody word " + word);
    const int length = std::atoi(word.c_str() + colon + 1) * EIGHTH;
    const std::string pitch = word.substr(0, colon);
    if (pitch != "-") notes.push_back({at, length - 8, channel, key_named(pitch), velocity});
    at += length;
  }
  close_bar();
  if (at != start + bars * BAR) reject(std::string("melody does not fill its section: ") + melody);
}

void add_bass_bar(std::vector<Note> &notes, int start, const Chord &chord)
{
  // Root, root, octave, root, fifth, octave in a syncopated line of eighths.
  const struct { int eighth, length, interval, velocity; } line[] = {
    {0, 2, 0, 92}, {2, 1, 0, 70}, {3, 1, 12, 76}, {4, 2, 0, 86}, {6, 1, 7, 72}, {7, 1, 12, 76},
  };
  for (const auto &step : line)
    notes.push_back({start + step.eighth * EIGHTH, step.length * EIGHTH - 6, BASS,
                     chord.root + step.interval, step.velocity});
}

void add_harmony_bar(std::vector<Note> &notes, int start, const Chord &chord)
{
  for (int key : chord.voicing) notes.push_back({start, BAR - 8, PAD, key, 52});
  // Sixteenths running up and down the chord an octave higher, accented on the beat.
  const int tones[4] = {chord.voicing[0], chord.voicing[1], chord.voicing[2], chord.voicing[0] + 12};
  const int pattern[8] = {0, 1, 2, 3, 2, 1, 2, 1};
  for (int step = 0; step < 16; step++)
    notes.push_back({start + step * SIXTEENTH, SIXTEENTH - 4, ARPEGGIO, tones[pattern[step % 8]] + 12,
                     step % 4 ? 44 : 60});
}

void add_drum_bar(std::vector<Note> &notes, int start, Groove groove, bool last_bar)
{
  auto hit = [&](int eighth, int key, int velocity) {
    notes.push_back({start + eighth * EIGHTH, EIGHTH / 2, DRUMS, key, velocity});
  };
  for (int eighth = 0; eighth < 8; eighth++)
    if (eighth != 7 || groove == Groove::HATS_ONLY) hit(eighth, HAT_CLOSED, eighth % 2 ? 44 : 60);
  if (groove != Groove::HATS_ONLY) hit(7, HAT_OPEN, 52);
  switch (groove) {
  case Groove::HATS_ONLY:
    hit(0, KICK, 70);
    break;
  case Groove::FULL:
    hit(0, KICK, 96), hit(4, KICK, 90), hit(5, KICK, 64);
    hit(2, CLAP, 74), hit(6, CLAP, 74);
    break;
  case Groove::DRIVING:
    hit(0, KICK, 96), hit(3, KICK, 76), hit(4, KICK, 90);
    hit(2, SNARE, 78), hit(6, SNARE, 78);
    break;
  case Groove::THIN_WITH_FILL:
    hit(0, KICK, 90);
    if (!last_bar) {
      hit(4, KICK, 80), hit(6, CLAP, 66);
    } else {  // toms falling into the start of the tune
      hit(4, TOM_HIGH, 80), hit(5, TOM_MID, 84), hit(6, TOM_LOW, 88), hit(7, SNARE, 70);
    }
    break;
  }
}

std::vector<Note> compose(int &total_ticks)
{
  std::vector<Note> notes;
  int start = 0;
  for (const Section &section : TUNE) {
    std::istringstream names(section.chords);
    std::vector<std::string> chords;
    for (std::string name; names >> name;) chords.push_back(name);
    const int bars = static_cast<int>(chords.size());
    if (section.crash_at_start) notes.push_back({start, EIGHTH, DRUMS, CRASH, 70});
    for (int bar = 0; bar < bars; bar++) {
      const Chord &chord = chord_named(chords[bar]);
      const int bar_start = start + bar * BAR;
      add_harmony_bar(notes, bar_start, chord);
      if (section.bass) add_bass_bar(notes, bar_start, chord);
      const bool last_bar_of_tune = &section == std::end(TUNE) - 1 && bar == bars - 1;
      add_drum_bar(notes, bar_start, section.groove, last_bar_of_tune);
    }
    add_melody(notes, section.lead, start, bars, LEAD, 84);
    add_melody(notes, section.bells, start, bars, BELLS, 64);
    start += bars * BAR;
  }
  total_ticks = start;
  return notes;
}

// --- The MIDI file ---

struct Event {
  int tick;
  int order;  // at the same tick: notes end first, then settings, then notes start
  std::vector<uint8_t> bytes;
};

void put_variable(std::vector<uint8_t> &out, uint32_t value)
{
  uint8_t buffer[4];
  int count = 0;
  do {
    buffer[count++] = value & 0x7f;
    value >>= 7;
  } while (value);
  while (count--) out.push_back(buffer[count] | (count ? 0x80 : 0));
}

void put_big_endian(std::vector<uint8_t> &out, uint32_t value, int bytes)
{
  for (int i = bytes - 1; i >= 0; i--) out.push_back((value >> (8 * i)) & 0xff);
}

std::vector<Event> events_for(const std::vector<Note> &notes)
{
  std::vector<Event> events;
  const uint32_t micros_per_beat = 60000000 / BEATS_PER_MINUTE;
  events.push_back({0, 1, {0xff, 0x51, 0x03, uint8_t(micros_per_beat >> 16),
                           uint8_t(micros_per_beat >> 8), uint8_t(micros_per_beat)}});
  for (const Part &part : PARTS) {
    const uint8_t channel = part.channel;
    if (channel != DRUMS) events.push_back({0, 1, {uint8_t(0xc0 | channel), uint8_t(part.program)}});
    events.push_back({0, 1, {uint8_t(0xb0 | channel), 7, uint8_t(part.volume)}});
    events.push_back({0, 1, {uint8_t(0xb0 | channel), 10, uint8_t(part.pan)}});
  }
  for (const Note &note : notes) {
    events.push_back({note.tick, 2, {uint8_t(0x90 | note.channel), uint8_t(note.key),
                                     uint8_t(note.velocity)}});
    events.push_back({note.tick + note.length, 0, {uint8_t(0x80 | note.channel), uint8_t(note.key), 0}});
  }
  std::stable_sort(events.begin(), events.end(), [](const Event &a, const Event &b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  return events;
}

}  // namespace

void make_music(ItemOutput &out)
{
  int total_ticks = 0;
  const std::vector<Event> events = events_for(compose(total_ticks));

  std::vector<uint8_t> track;
  int now = 0;
  for (const Event &event : events) {
    if (event.tick > total_ticks) reject("a note outlasts the tune");
    put_variable(track, event.tick - now);
    now = event.tick;
    track.insert(track.end(), event.bytes.begin(), event.bytes.end());
  }
  put_variable(track, total_ticks - now);  // the loop ends on the bar line
  track.insert(track.end(), {0xff, 0x2f, 0x00});

  std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1};
  put_big_endian(file, TICKS_PER_BEAT, 2);
  file.insert(file.end(), {'M', 'T', 'r', 'k'});
  put_big_endian(file, track.size(), 4);
  file.insert(file.end(), track.begin(), track.end());
  out.music(ITEM_MUSIC, file);
}
