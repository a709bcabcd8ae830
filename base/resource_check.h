// Whether korvanta.dat is the file the build packed. The library's loader trusts what it reads
// and crashes on a file cut short or with changed bytes, so start-up compares the file's size
// and checksum with those the build recorded before letting the loader near it.
#pragma once

#include <cstdint>

struct ResourceDigest {
  long size;               // bytes
  std::uint32_t checksum;  // 32-bit FNV-1a of every byte
};

// The digest of a file as it lies on the disk; false when it cannot be read.
bool read_resource_digest(const char *path, ResourceDigest &digest);

// True only for a readable file of exactly the expected size and checksum. Reads the file as
// plain bytes, so any content is safe to check.
bool resource_file_intact(const char *path, const ResourceDigest &expected);

// What the build recorded after packing korvanta.dat. It is defined in a source the build
// writes, which only the executables link (the game library is built before the file is), so
// the library itself never refers to it.
extern const ResourceDigest BUILT_RESOURCE_DIGEST;
