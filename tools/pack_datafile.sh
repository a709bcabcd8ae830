#!/usr/bin/env bash
# Packs the generated items into the resource file, in the order of the manifest.
# Manifest lines: "<index> <dat type> <file>". Items must arrive in index order, and their
# file names sort in that order too, so the file is right whether or not `dat` sorts.
set -euo pipefail
dat_tool=$1 manifest=$2 output=$3

rm -f "$output"
expected=0
while read -r index type file; do
  if [ "$index" -ne "$expected" ]; then
    echo "pack_datafile: item $index out of order (expected $expected)" >&2
    exit 1
  fi
  "$dat_tool" -n0 -c2 -a -t "$type" "$output" "$file" >/dev/null
  expected=$((expected + 1))
done < "$manifest"
"$dat_tool" -l "$output" | tail -n +1 >/dev/null
