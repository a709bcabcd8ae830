// What every fuzz target needs: the library started on its SYSTEM_NONE driver (packed files,
// memory bitmaps, the key array), a 640 x 480 memory bitmap as the screen, waits that end at
// once and a key always ready, and a scratch folder as the working directory, where the
// readers find the file each input is written to. The folder goes when the run ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

void start_fuzz_folder();

// Replaces the file with exactly these bytes.
void write_input(const char *path, const std::uint8_t *data, std::size_t size);

// What the file holds; empty when it is missing.
std::string file_contents(const char *path);

// A broken promise: says which, then aborts, which libFuzzer reports as a finding.
[[noreturn]] void broken_promise(const char *what);
