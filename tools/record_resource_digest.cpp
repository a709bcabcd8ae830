// Run by the build after packing: writes the C++ source that records korvanta.dat's size and
// checksum, for start-up to check the file against before loading it.
//   record_resource_digest <korvanta.dat> <output.cpp>
#include <cstdio>

#include "base/resource_check.h"

int main(int argc, char **argv)
{
  if (argc != 3) {
    fprintf(stderr, "usage: %s <datafile> <output.cpp>\n", argv[0]);
    return 2;
  }
  ResourceDigest digest;
  if (!read_resource_digest(argv[1], digest)) {
    fprintf(stderr, "record_resource_digest: cannot read %s\n", argv[1]);
    return 1;
  }

  FILE *out = fopen(argv[2], "w");
  if (!out) {
    fprintf(stderr, "record_resource_digest: cannot write %s\n", argv[2]);
    return 1;
  }
  fprintf(out,
          "// Written by the build from the packed korvanta.dat; rebuilt with it.\n"
          "#include \"base/resource_check.h\"\n\n"
          "const ResourceDigest BUILT_RESOURCE_DIGEST = {%ldL, 0x%08xu};\n",
          digest.size, static_cast<unsigned>(digest.checksum));
  return fclose(out) == 0 ? 0 : 1;
}
