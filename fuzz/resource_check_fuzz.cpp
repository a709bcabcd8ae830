// The check that runs before the library's loader may see korvanta.dat, on any bytes: it
// reads the whole file as plain bytes, finds the size and checksum we compute here on our
// own, and accepts the file only for exactly those; one byte more, or another checksum, is
// refused. The real file is large and made by the build, so the seeds are small files and
// the start of a packed datafile.
#include <cstddef>
#include <cstdint>

#include "base/resource_check.h"
#include "fuzz/support/fuzz_folder.h"

namespace {

constexpr const char *INPUT_FILE = "korvanta.dat";

ResourceDigest digest_of(const std::uint8_t *data, std::size_t size)
{
  ResourceDigest digest = {static_cast<long>(size), 2166136261u};
  for (std::size_t i = 0; i < size; i++) digest.checksum = (digest.checksum ^ data[i]) * 16777619u;
  return digest;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
  start_fuzz_folder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
  write_input(INPUT_FILE, data, size);
  const ResourceDigest expected = digest_of(data, size);
  ResourceDigest found{};
  if (!read_resource_digest(INPUT_FILE, found)) broken_promise("a readable file was not read");
  if (found.size != expected.size || found.checksum != expected.checksum)
    broken_promise("the digest is not the file's");
  if (!resource_file_intact(INPUT_FILE, expected)) broken_promise("the right file was refused");
  if (resource_file_intact(INPUT_FILE, {expected.size + 1, expected.checksum}) ||
      resource_file_intact(INPUT_FILE, {expected.size, expected.checksum ^ 1u}))
    broken_promise("a file of another size or checksum was accepted");
  if (resource_file_intact("missing.dat", expected)) broken_promise("a missing file was accepted");
  return 0;
}
