// Writing a picture as a PNG file, the format desktops take their application icons in. The
// library saves only BMP, PCX and TGA, so the few chunks an RGBA picture needs are written here.
#pragma once

#include <cstdint>
#include <vector>

// `pixels` holds width x height pixels, row after row, as red, green, blue and alpha bytes.
// False when the file cannot be written.
bool write_png(const char *path, int width, int height, const std::vector<std::uint8_t> &pixels);
