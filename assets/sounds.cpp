// The game's sound effects, synthesised from tones, filtered noise and crackle. The game plays
// most of them sped up (the landing and the burn-out at one and a half times, the click up to
// three times, the warning at twice), so pitches and lengths here are the played ones divided
// by that speed. Every sound is levelled to a common loudness, and starts and ends at silence
// so that it never clicks.
#include "assets/art.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

constexpr float PI = 3.14159265f;
constexpr float FULL_SCALE = 32767;

using Wave = std::vector<float>;

Wave silence(float seconds) { return Wave(static_cast<size_t>(seconds * SAMPLE_RATE), 0.0f); }

size_t at(float seconds) { return static_cast<size_t>(seconds * SAMPLE_RATE); }

// Noise from a fixed seed, so that the resource file comes out the same on every build.
class Noise {
public:
  explicit Noise(uint32_t seed) : state_(seed) {}
  float next()  // -1..1
  {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_ / 2147483648.0f - 1.0f;
  }

private:
  uint32_t state_;
};

// A two-pole resonant filter (state variable form) whose centre may move while it runs.
class Resonator {
public:
  explicit Resonator(float damping) : damping_(damping) {}
  // Returns the band-passed value; `low` receives the low-passed one.
  float step(float input, float centre, float *low = nullptr)
  {
    const float f = 2 * std::sin(PI * std::min(centre, SAMPLE_RATE / 6.0f) / SAMPLE_RATE);
    low_ += f * band_;
    const float high = input - low_ - damping_ * band_;
    band_ += f * high;
    if (low) *low = low_;
    return band_;
  }

private:
  float damping_, low_ = 0, band_ = 0;
};

// Exponential glide between two frequencies over `seconds`.
float glide(float from, float to, float t, float seconds)
{
  return from * std::pow(to / from, std::min(t / seconds, 1.0f));
}

// A tone of a few harmonics (weights given, the first is the fundamental), gliding, with a
// short attack and an exponential decay.
void add_tone(Wave &wave, float start, float seconds, float from, float to, float volume,
              float attack, float decay, std::initializer_list<float> harmonics = {1.0f})
{
  float phase = 0;
  for (size_t i = 0; i < at(seconds) && at(start) + i < wave.size(); i++) {
    const float t = float(i) / SAMPLE_RATE;
    phase += 2 * PI * glide(from, to, t, seconds) / SAMPLE_RATE;
    float value = 0;
    int n = 1;
    for (float weight : harmonics) value += weight * std::sin(n++ * phase);
    const float envelope = std::min(1.0f, t / attack) * std::exp(-decay * t);
    wave[at(start) + i] += volume * envelope * value;
  }
}

// Noise through a resonator whose centre glides, under an attack and exponential decay.
void add_noise_band(Wave &wave, Noise &noise, float start, float seconds, float from, float to,
                    float damping, float volume, float attack, float decay)
{
  Resonator filter(damping);
  for (size_t i = 0; i < at(seconds) && at(start) + i < wave.size(); i++) {
    const float t = float(i) / SAMPLE_RATE;
    const float value = filter.step(noise.next(), glide(from, to, t, seconds));
    const float envelope = std::min(1.0f, t / attack) * std::exp(-decay * t);
    wave[at(start) + i] += volume * envelope * value;
  }
}

// Sparse sharp crackles whose rate thins out over time, each a tiny ringing burst.
void add_crackle(Wave &wave, Noise &noise, float start, float seconds, float rate, float volume)
{
  Resonator filter(0.5f);
  float kick = 0;
  for (size_t i = 0; i < at(seconds) && at(start) + i < wave.size(); i++) {
    const float t = float(i) / SAMPLE_RATE;
    const float fade = std::exp(-4 * t / seconds);
    if ((noise.next() + 1) / 2 < rate * fade / SAMPLE_RATE) kick = noise.next() > 0 ? 1.0f : -1.0f;
    const float value = filter.step(kick, 2600);
    kick *= 0.6f;
    wave[at(start) + i] += volume * fade * value;
  }
}

// Scales the sound to the given RMS over its loud part (peak held below full scale), fades its
// ends over a few milliseconds so that it starts and stops at zero, and converts it.
std::vector<int16_t> finish(Wave wave, float target_rms, float peak_limit = 0.89f)
{
  const size_t fade = at(0.004f);
  for (size_t i = 0; i < fade && i < wave.size(); i++) {
    const float gain = float(i) / fade;
    wave[i] *= gain;
    wave[wave.size() - 1 - i] *= gain;
  }
  float peak = 0, loudest = 0;
  for (float value : wave) loudest = std::max(loudest, std::fabs(value));
  double sum = 0;
  size_t counted = 0;
  for (float value : wave)
    if (std::fabs(value) > loudest * 0.05f) sum += value * value, counted++;
  const float rms = std::sqrt(sum / std::max<size_t>(counted, 1));
  float gain = target_rms / std::max(rms, 1e-6f);
  for (float value : wave) peak = std::max(peak, std::fabs(value) * gain);
  if (peak > peak_limit) gain *= peak_limit / peak;

  std::vector<int16_t> samples(wave.size());
  std::transform(wave.begin(), wave.end(), samples.begin(), [gain](float value) {
    return static_cast<int16_t>(std::lround(std::clamp(value * gain, -1.0f, 1.0f) * FULL_SCALE));
  });
  samples.front() = samples.back() = 0;
  return samples;
}

}  // namespace

// A lamp burns out: a pop, a burst of crackle and a fizz that falls away (played at 1.5x).
void make_sound_burn_out(ItemOutput &out)
{
  Noise noise(34);
  Wave wave = silence(0.8f);
  add_noise_band(wave, noise, 0, 0.05f, 1400, 300, 0.9f, 1.2f, 0.0005f, 70);  // the pop
  add_tone(wave, 0, 0.08f, 160, 60, 0.9f, 0.001f, 40);                       // its thump
  add_crackle(wave, noise, 0.01f, 0.6f, 260, 0.9f);
  add_noise_band(wave, noise, 0.02f, 0.75f, 2400, 160, 0.35f, 0.45f, 0.01f, 4.5f);  // fizz
  add_tone(wave, 0.02f, 0.7f, 420, 55, 0.12f, 0.01f, 5, {1, 0.5f, 0.33f, 0.25f, 0.2f});
  out.sound(ITEM_SOUND_BURN_OUT, finish(wave, 0.20f));
}

// A tile is dragged: a short metallic scrape with the ring of a few inharmonic partials.
void make_sound_drag(ItemOutput &out)
{
  Noise noise(35);
  Wave wave = silence(0.14f);
  add_noise_band(wave, noise, 0, 0.13f, 2200, 3400, 0.25f, 0.5f, 0.006f, 14);
  for (float ratio : {1.0f, 2.76f, 5.40f})
    add_tone(wave, 0, 0.13f, 880 * ratio, 960 * ratio, 0.18f / ratio, 0.004f, 22);
  out.sound(ITEM_SOUND_DRAG, finish(wave, 0.17f));
}

// A block lands: a solid, muted clunk, low thump and dull knock (played at 1.5x, often).
void make_sound_land(ItemOutput &out)
{
  Noise noise(36);
  Wave wave = silence(0.22f);
  add_tone(wave, 0, 0.22f, 110, 50, 1.0f, 0.0015f, 22);
  // The knock carries the clunk on small speakers, which hardly sound the thump.
  add_tone(wave, 0, 0.1f, 250, 220, 0.6f, 0.001f, 45, {1, 0.35f, 0.1f});
  add_noise_band(wave, noise, 0, 0.03f, 900, 500, 1.0f, 0.5f, 0.0005f, 120);
  out.sound(ITEM_SOUND_LAND, finish(wave, 0.20f));
}

// Refusal: a low buzzy "uh-uh", two falling notes with a little beating between two voices.
void make_sound_refusal(ItemOutput &out)
{
  Wave wave = silence(0.36f);
  const std::initializer_list<float> buzz = {1, 0.55f, 0.4f, 0.28f, 0.2f, 0.14f, 0.1f};
  for (float detune : {1.0f, 1.012f}) {
    add_tone(wave, 0, 0.13f, 196 * detune, 190 * detune, 0.3f, 0.006f, 3, buzz);
    add_tone(wave, 0.16f, 0.2f, 147 * detune, 139 * detune, 0.3f, 0.006f, 4, buzz);
  }
  // Each note closes with a short fade of its own.
  for (size_t i = at(0.11f); i < at(0.13f); i++) wave[i] *= float(at(0.13f) - i) / (at(0.13f) - at(0.11f));
  out.sound(ITEM_SOUND_REFUSAL, finish(wave, 0.17f));
}

// The click: a crisp, very short tick. It also serves as the tile turn (slowed to 0.4x) and
// the count-in tick (2x, every frame), so it is over in a few tens of milliseconds.
void make_sound_click(ItemOutput &out)
{
  Noise noise(38);
  Wave wave = silence(0.032f);
  add_tone(wave, 0, 0.032f, 1250, 1150, 0.8f, 0.0008f, 160, {1, 0, 0.25f});
  add_noise_band(wave, noise, 0, 0.01f, 3500, 3000, 0.6f, 0.5f, 0.0003f, 500);
  out.sound(ITEM_SOUND_CLICK, finish(wave, 0.17f));
}

// A clear starts: an electric charge-up that rises and buzzes, then snaps (played at 1.5x).
void make_sound_clear(ItemOutput &out)
{
  Noise noise(39);
  Wave wave = silence(0.9f), charge = silence(0.78f);
  float phase = 0, wobble = 0;
  for (size_t i = 0; i < charge.size(); i++) {
    const float t = float(i) / SAMPLE_RATE;
    wobble += 2 * PI * 24 / SAMPLE_RATE;  // the buzz of the charge
    phase += 2 * PI * glide(130, 1000, t, 0.78f) * (1 + 0.02f * std::sin(wobble)) / SAMPLE_RATE;
    float value = 0;
    for (int n = 1; n <= 6; n++) value += std::sin(n * phase) / n;
    const float swell = std::min(1.0f, t / 0.1f) * (0.45f + 0.55f * t / 0.78f);
    charge[i] += 0.35f * swell * value;
  }
  add_noise_band(charge, noise, 0, 0.78f, 600, 4500, 0.3f, 0.18f, 0.3f, 0);
  for (size_t i = at(0.74f); i < charge.size(); i++)
    charge[i] *= float(charge.size() - i) / (charge.size() - at(0.74f));
  std::copy(charge.begin(), charge.end(), wave.begin());
  // The zap when the charge lets go.
  add_noise_band(wave, noise, 0.74f, 0.16f, 4000, 700, 0.5f, 0.7f, 0.002f, 22);
  add_tone(wave, 0.74f, 0.16f, 1300, 260, 0.5f, 0.002f, 20, {1, 0.4f, 0.2f});
  out.sound(ITEM_SOUND_CLEAR, finish(wave, 0.19f));
}

// The height warning: two clean alarm beeps, soft-edged square tones (played at 2x once a
// second, or at 1x three times a second when the stack is near the top).
void make_sound_warning(ItemOutput &out)
{
  Wave wave = silence(0.24f);
  for (float start : {0.0f, 0.12f}) {
    Wave beep = silence(0.09f);
    add_tone(beep, 0, 0.09f, 740, 740, 0.5f, 0.005f, 6, {1, 0, 0.22f, 0, 0.08f});
    for (size_t i = at(0.07f); i < beep.size(); i++) beep[i] *= float(beep.size() - i) / (beep.size() - at(0.07f));
    for (size_t i = 0; i < beep.size(); i++) wave[at(start) + i] += beep[i];
  }
  out.sound(ITEM_SOUND_WARNING, finish(wave, 0.17f));
}
