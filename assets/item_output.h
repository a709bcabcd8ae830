// Where the generator's items go: one source file per item in the item folder, and a line
// per item in the manifest that the packing step hands to `dat`. Items must be written in
// index order, each of the kind and size the catalogue gives it.
#pragma once

#include <allegro.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "base/resources.h"

constexpr int SAMPLE_RATE = 22050;

class ItemOutput {
public:
  explicit ItemOutput(const std::string &folder);
  ~ItemOutput();

  // Takes ownership of the picture. 8-bit pictures are saved with their indices.
  void picture(ResourceItem item, BITMAP *bitmap);
  // A font as Allegro's bitmap font grid (characters 32..126); takes ownership.
  void font(ResourceItem item, BITMAP *grid);
  // Mono 16-bit samples at SAMPLE_RATE.
  void sound(ResourceItem item, const std::vector<int16_t> &samples);
  void music(ResourceItem item, const std::vector<uint8_t> &midi_file);

  bool failed() const { return failed_; }

private:
  std::string path_for(ResourceItem item, const char *extension) const;
  bool accept(ResourceItem item, ResourceKind kind);
  void record(ResourceItem item, const char *dat_type, const std::string &path);

  std::string folder_;
  FILE *manifest_;
  int next_item_ = 0;
  bool failed_ = false;
};
