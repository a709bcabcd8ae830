#include "base/resource_check.h"

#include <cstdio>

#include "base/checksum.h"

// FNV-1a changes its value for any single changed byte.
bool read_resource_digest(const char *path, ResourceDigest &digest)
{
  FILE *file = fopen(path, "rb");
  if (!file) return false;

  digest = {0, FNV_OFFSET_BASIS};
  unsigned char chunk[16384];
  size_t count;
  while ((count = fread(chunk, 1, sizeof chunk, file)) > 0) {
    for (size_t i = 0; i < count; i++) digest.checksum = fnv1a_step(digest.checksum, chunk[i]);
    digest.size += static_cast<long>(count);
  }
  const bool read_whole = !ferror(file);
  fclose(file);
  return read_whole;
}

bool resource_file_intact(const char *path, const ResourceDigest &expected)
{
  ResourceDigest found;
  return read_resource_digest(path, found) && found.size == expected.size &&
         found.checksum == expected.checksum;
}
