// The background music: a short looping tune written as a standard MIDI file, with a bass,
// a chord pad, a melody and drums, for Allegro's software synthesiser.
#include "assets/art.h"

#include <algorithm>

namespace {

constexpr int TICKS_PER_BEAT = 96;

struct Note {
  int tick, length, channel, key, velocity;
};

struct Event {
  int tick;
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

std::vector<Note> compose()
{
  std::vector<Note> notes;
  // A minor, F major, C major, G major: one bar each, twice, the second time with a melody.
  const int roots[4] = {45, 41, 48, 43};
  const int chords[4][3] = {{57, 60, 64}, {53, 57, 60}, {55, 60, 64}, {55, 59, 62}};
  const int melody[2][8] = {{76, 74, 72, 74, 76, 76, 76, 0}, {74, 74, 74, 0, 76, 79, 79, 0}};
  const int bar = 4 * TICKS_PER_BEAT, eighth = TICKS_PER_BEAT / 2;
  for (int pass = 0; pass < 2; pass++)
    for (int chord = 0; chord < 4; chord++) {
      const int start = (pass * 4 + chord) * bar;
      for (int beat = 0; beat < 8; beat++)
        notes.push_back({start + beat * eighth, eighth - 4, 1, roots[chord] - (beat % 2 ? 0 : 12), 100});
      for (int key : chords[chord]) notes.push_back({start, bar - 8, 0, key, 60});
      if (pass == 1)
        for (int step = 0; step < 8; step++)
          if (int key = melody[chord % 2][step] - (chord >= 2 ? 2 : 0); key > 2)
            notes.push_back({start + step * eighth, eighth - 6, 2, key, 90});
      for (int beat = 0; beat < 4; beat++) {
        notes.push_back({start + beat * TICKS_PER_BEAT, 20, 9, beat % 2 ? 38 : 36, 110});
        notes.push_back({start + beat * TICKS_PER_BEAT + eighth, 20, 9, 42, 70});
      }
    }
  return notes;
}

}  // namespace

void make_music(ItemOutput &out)
{
  std::vector<Event> events;
  events.push_back({0, {0xff, 0x51, 0x03, 0x07, 0xa1, 0x20}});  // 120 beats per minute
  events.push_back({0, {0xc0, 4}});    // electric piano pad
  events.push_back({0, {0xc1, 33}});   // finger bass
  events.push_back({0, {0xc2, 80}});   // square lead
  for (const Note &note : compose()) {
    events.push_back({note.tick, {uint8_t(0x90 | note.channel), uint8_t(note.key), uint8_t(note.velocity)}});
    events.push_back({note.tick + note.length, {uint8_t(0x80 | note.channel), uint8_t(note.key), 0}});
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const Event &a, const Event &b) { return a.tick < b.tick; });

  std::vector<uint8_t> track;
  int now = 0;
  for (const Event &event : events) {
    put_variable(track, event.tick - now);
    now = event.tick;
    track.insert(track.end(), event.bytes.begin(), event.bytes.end());
  }
  put_variable(track, 8 * 4 * TICKS_PER_BEAT - now);  // the loop ends on the bar line
  track.insert(track.end(), {0xff, 0x2f, 0x00});

  std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1};
  put_big_endian(file, TICKS_PER_BEAT, 2);
  file.insert(file.end(), {'M', 'T', 'r', 'k'});
  put_big_endian(file, track.size(), 4);
  file.insert(file.end(), track.begin(), track.end());
  out.music(ITEM_MUSIC, file);
}
