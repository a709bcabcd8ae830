#include "assets/item_output.h"

#include <cstring>

namespace {

void put_u32(FILE *file, uint32_t value)
{
  for (int i = 0; i < 4; i++) fputc((value >> (8 * i)) & 0xff, file);
}

void put_u16(FILE *file, uint16_t value)
{
  fputc(value & 0xff, file);
  fputc(value >> 8, file);
}

bool write_wav(const std::string &path, const std::vector<int16_t> &samples)
{
  FILE *file = fopen(path.c_str(), "wb");
  if (!file) return false;
  const uint32_t data_bytes = samples.size() * 2;
  fwrite("RIFF", 1, 4, file);
  put_u32(file, 36 + data_bytes);
  fwrite("WAVEfmt ", 1, 8, file);
  put_u32(file, 16);
  put_u16(file, 1);                // PCM
  put_u16(file, 1);                // mono
  put_u32(file, SAMPLE_RATE);
  put_u32(file, SAMPLE_RATE * 2);  // bytes per second
  put_u16(file, 2);                // block align
  put_u16(file, 16);               // bits per sample
  fwrite("data", 1, 4, file);
  put_u32(file, data_bytes);
  for (int16_t sample : samples) put_u16(file, static_cast<uint16_t>(sample));
  return fclose(file) == 0;
}

}  // namespace

ItemOutput::ItemOutput(const std::string &folder)
  : folder_(folder), manifest_(fopen((folder + "/manifest.txt").c_str(), "w"))
{
  if (!manifest_) failed_ = true;
}

ItemOutput::~ItemOutput()
{
  if (manifest_) fclose(manifest_);
}

std::string ItemOutput::path_for(ResourceItem item, const char *extension) const
{
  char name[128];
  snprintf(name, sizeof name, "/i%02d_%s.%s", item, RESOURCE_CATALOGUE[item].name, extension);
  return folder_ + name;
}

bool ItemOutput::accept(ResourceItem item, ResourceKind kind)
{
  if (item != next_item_ || RESOURCE_CATALOGUE[item].kind != kind) {
    fprintf(stderr, "generator: item %d arrived out of order or of the wrong kind\n", item);
    failed_ = true;
    return false;
  }
  next_item_++;
  return true;
}

void ItemOutput::record(ResourceItem item, const char *dat_type, const std::string &path)
{
  if (manifest_) fprintf(manifest_, "%d %s %s\n", item, dat_type, path.c_str());
}

void ItemOutput::picture(ResourceItem item, BITMAP *bitmap)
{
  const ResourceEntry &entry = RESOURCE_CATALOGUE[item];
  if (accept(item, RESOURCE_BITMAP)) {
    if (bitmap->w != entry.width || bitmap->h != entry.height ||
        (entry.depth == 8) != (bitmap_color_depth(bitmap) == 8)) {
      fprintf(stderr, "generator: item %d is %dx%d, the catalogue says %dx%d\n", item,
              bitmap->w, bitmap->h, entry.width, entry.height);
      failed_ = true;
    }
    PALETTE palette;
    for (int i = 0; i < PAL_SIZE; i++) palette[i].r = palette[i].g = palette[i].b = i / 4;
    const std::string path = path_for(item, "bmp");
    if (save_bmp(path.c_str(), bitmap, palette) != 0) failed_ = true;
    record(item, "BMP", path);
  }
  destroy_bitmap(bitmap);
}

void ItemOutput::font(ResourceItem item, BITMAP *grid)
{
  if (accept(item, RESOURCE_FONT)) {
    const std::string path = path_for(item, "bmp");
    if (save_bmp(path.c_str(), grid, default_palette) != 0) failed_ = true;
    record(item, "FONT", path);
  }
  destroy_bitmap(grid);
}

void ItemOutput::sound(ResourceItem item, const std::vector<int16_t> &samples)
{
  if (!accept(item, RESOURCE_SAMPLE)) return;
  const std::string path = path_for(item, "wav");
  if (!write_wav(path, samples)) failed_ = true;
  record(item, "SAMP", path);
}

void ItemOutput::music(ResourceItem item, const std::vector<uint8_t> &midi_file)
{
  if (!accept(item, RESOURCE_MIDI)) return;
  const std::string path = path_for(item, "mid");
  FILE *file = fopen(path.c_str(), "wb");
  if (!file || fwrite(midi_file.data(), 1, midi_file.size(), file) != midi_file.size())
    failed_ = true;
  if (file) fclose(file);
  record(item, "MIDI", path);
}
