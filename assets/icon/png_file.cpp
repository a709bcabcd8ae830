#include "assets/icon/png_file.h"

#include <zlib.h>

#include <cstdio>
#include <string>

namespace {

void append_u32(std::string &bytes, std::uint32_t value)
{
  for (int shift = 24; shift >= 0; shift -= 8) bytes += char((value >> shift) & 0xff);
}

// A chunk: its length, type and data, then the CRC of type and data.
void append_chunk(std::string &file, const char type[4], const std::string &data)
{
  append_u32(file, std::uint32_t(data.size()));
  std::string typed = std::string(type, 4) + data;
  file += typed;
  append_u32(file, std::uint32_t(crc32(0, reinterpret_cast<const Bytef *>(typed.data()),
                                       uInt(typed.size()))));
}

}  // namespace

bool write_png(const char *path, int width, int height, const std::vector<std::uint8_t> &pixels)
{
  std::string header;
  append_u32(header, std::uint32_t(width));
  append_u32(header, std::uint32_t(height));
  header += std::string{8, 6, 0, 0, 0};  // 8 bits a channel, RGBA, deflate, no interlace

  // Every row starts with its filter, 0: the bytes as they are.
  std::string rows;
  const size_t row_bytes = size_t(width) * 4;
  for (int y = 0; y < height; y++) {
    rows += char(0);
    rows.append(reinterpret_cast<const char *>(pixels.data()) + y * row_bytes, row_bytes);
  }
  uLongf packed_size = compressBound(uLong(rows.size()));
  std::string packed(packed_size, '\0');
  if (compress2(reinterpret_cast<Bytef *>(&packed[0]), &packed_size,
                reinterpret_cast<const Bytef *>(rows.data()), uLong(rows.size()), 9) != Z_OK)
    return false;
  packed.resize(packed_size);

  std::string file = "\x89PNG\r\n\x1a\n";
  append_chunk(file, "IHDR", header);
  append_chunk(file, "IDAT", packed);
  append_chunk(file, "IEND", "");

  FILE *out = fopen(path, "wb");
  if (!out) return false;
  const bool written = fwrite(file.data(), 1, file.size(), out) == file.size();
  return fclose(out) == 0 && written;
}
