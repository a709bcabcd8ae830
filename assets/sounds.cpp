// The game's sound effects, synthesised: each is a few partials under an envelope.
#include "assets/art.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr float PI = 3.14159265f;

using Wave = std::vector<float>;

Wave silence(float seconds) { return Wave(static_cast<size_t>(seconds * SAMPLE_RATE), 0.0f); }

// A tone whose frequency glides from `from` to `to`, with an attack and exponential decay.
void add_tone(Wave &wave, float start, float seconds, float from, float to, float volume,
              float decay, bool square = false)
{
  const size_t first = start * SAMPLE_RATE, count = seconds * SAMPLE_RATE;
  float phase = 0;
  for (size_t i = 0; i < count && first + i < wave.size(); i++) {
    const float t = float(i) / SAMPLE_RATE, progress = float(i) / count;
    phase += 2 * PI * (from + (to - from) * progress) / SAMPLE_RATE;
    const float attack = std::min(1.0f, t / 0.004f);
    const float envelope = attack * std::exp(-decay * t) * (1 - progress * progress);
    const float value = square ? (std::sin(phase) > 0 ? 0.6f : -0.6f) : std::sin(phase);
    wave[first + i] += volume * envelope * value;
  }
}

void add_noise(Wave &wave, float start, float seconds, float volume, float decay, float smoothing)
{
  const size_t first = start * SAMPLE_RATE, count = seconds * SAMPLE_RATE;
  float filtered = 0;
  srand(7);
  for (size_t i = 0; i < count && first + i < wave.size(); i++) {
    const float t = float(i) / SAMPLE_RATE;
    const float white = rand() / float(RAND_MAX) * 2 - 1;
    filtered += (white - filtered) * smoothing;
    wave[first + i] += volume * std::exp(-decay * t) * filtered * (1 - float(i) / count);
  }
}

std::vector<int16_t> to_samples(const Wave &wave)
{
  std::vector<int16_t> samples(wave.size());
  std::transform(wave.begin(), wave.end(), samples.begin(), [](float value) {
    return static_cast<int16_t>(std::clamp(value, -1.0f, 1.0f) * 30000);
  });
  return samples;
}

}  // namespace

void make_sound_burn_out(ItemOutput &out)
{
  Wave wave = silence(0.6f);
  add_tone(wave, 0, 0.6f, 900, 120, 0.5f, 4, true);
  add_noise(wave, 0, 0.5f, 0.5f, 6, 0.5f);
  out.sound(ITEM_SOUND_BURN_OUT, to_samples(wave));
}

void make_sound_drag(ItemOutput &out)
{
  Wave wave = silence(0.12f);
  add_noise(wave, 0, 0.12f, 0.6f, 20, 0.15f);
  add_tone(wave, 0, 0.1f, 300, 500, 0.3f, 25);
  out.sound(ITEM_SOUND_DRAG, to_samples(wave));
}

void make_sound_land(ItemOutput &out)
{
  Wave wave = silence(0.2f);
  add_tone(wave, 0, 0.2f, 160, 60, 0.9f, 18);
  add_noise(wave, 0, 0.06f, 0.4f, 50, 0.3f);
  out.sound(ITEM_SOUND_LAND, to_samples(wave));
}

void make_sound_refusal(ItemOutput &out)
{
  Wave wave = silence(0.35f);
  add_tone(wave, 0, 0.14f, 180, 170, 0.5f, 3, true);
  add_tone(wave, 0.17f, 0.16f, 140, 130, 0.5f, 3, true);
  out.sound(ITEM_SOUND_REFUSAL, to_samples(wave));
}

void make_sound_click(ItemOutput &out)
{
  Wave wave = silence(0.05f);
  add_tone(wave, 0, 0.05f, 1200, 900, 0.7f, 60);
  out.sound(ITEM_SOUND_CLICK, to_samples(wave));
}

void make_sound_clear(ItemOutput &out)
{
  Wave wave = silence(0.7f);
  add_tone(wave, 0, 0.7f, 300, 1500, 0.4f, 2);
  add_tone(wave, 0.05f, 0.6f, 600, 2400, 0.25f, 3);
  add_noise(wave, 0, 0.3f, 0.2f, 8, 0.8f);
  out.sound(ITEM_SOUND_CLEAR, to_samples(wave));
}

void make_sound_warning(ItemOutput &out)
{
  Wave wave = silence(0.25f);
  add_tone(wave, 0, 0.25f, 880, 880, 0.5f, 6);
  add_tone(wave, 0, 0.25f, 1320, 1320, 0.2f, 8);
  out.sound(ITEM_SOUND_WARNING, to_samples(wave));
}
