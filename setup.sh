#!/usr/bin/env bash
# Korvanta's one entry for players and developers on Debian 12:
#   ./setup.sh play       installs what is missing, builds, and starts the game
#   ./setup.sh test       installs what is missing, builds, and runs every test
#   ./setup.sh sanitize   for developers and CI: builds in build-sanitize/ with AddressSanitizer
#                         and UndefinedBehaviorSanitizer and runs the headless tests there
#   ./setup.sh fuzz       for developers and CI: builds the fuzz targets with clang in
#                         build-fuzz/ and runs each for 60 s on a copy of its seeds
# Run it as root or as a user who may use sudo. It is quick when nothing has changed.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
case "$mode" in
  play | test | sanitize | fuzz) ;;
  *) echo "usage: $0 play|test|sanitize|fuzz" >&2; exit 2 ;;
esac

build_packages=(build-essential cmake pkg-config liballegro4-dev libsdl2-dev freepats libfreetype-dev
                fonts-dejavu-core zlib1g-dev libgtest-dev libbenchmark-dev)
test_packages=(xvfb xdotool x11-apps x11-utils imagemagick dpkg-dev file lintian
               desktop-file-utils appstream)
packages=("${build_packages[@]}")
[ "$mode" = test ] && packages+=("${test_packages[@]}")
# libFuzzer's runtime is only recommended by clang, and recommendations are not installed.
[ "$mode" = fuzz ] && packages+=(clang libclang-rt-dev)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)

if [ "$mode" = sanitize ]; then
  # The build runs the resource generator and lists the tests, so these apply there too.
  # Whole allocation stacks: Allegro has no frame pointers, and without them a leak made
  # through it names neither our caller nor the Allegro call that the suppressions match.
  export ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0:detect_stack_use_after_return=1
  export UBSAN_OPTIONS=print_stacktrace=1
  export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp
  # Debug: nothing optimised away before it is checked, and it compiles faster.
  [ -f build-sanitize/CMakeCache.txt ] ||
    cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKORVANTA_SANITIZE=ON -DKORVANTA_BENCH=OFF
  cmake --build build-sanitize -j "$jobs"
  # The end-to-end tests stay with the normal build; here only the headless ones run.
  cd build-sanitize
  exec ctest --output-on-failure --no-tests=error -j "$jobs" -E '^e2e\.'
fi

if [ "$mode" = fuzz ]; then
  export ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0
  export UBSAN_OPTIONS=print_stacktrace=1
  export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp
  [ -f build-fuzz/CMakeCache.txt ] ||
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DKORVANTA_SANITIZE=ON -DKORVANTA_FUZZ=ON -DKORVANTA_TESTS=OFF -DKORVANTA_BENCH=OFF
  targets=(config_file_fuzz high_scores_fuzz resource_check_fuzz)
  cmake --build build-fuzz -j "$jobs" --target "${targets[@]}"
  # The three run side by side, each for 60 s, on copies of the seeds: what they find new
  # stays out of the repository. A finding is saved in build-fuzz/ and fails the run. The
  # paths are absolute, since each target works in a scratch folder of its own.
  pids=()
  for target in "${targets[@]}"; do
    corpus=$PWD/build-fuzz/corpus/$target
    rm -rf "$corpus" && mkdir -p "$corpus"
    cp "fuzz/seeds/${target%_fuzz}/"* "$corpus/"
    build-fuzz/fuzz/$target -max_total_time=60 -print_final_stats=1 \
      -artifact_prefix="$PWD/build-fuzz/$target-" "$corpus" >"build-fuzz/$target.log" 2>&1 &
    pids+=($!)
  done
  failed=0
  for i in "${!targets[@]}"; do
    if wait "${pids[$i]}"; then
      echo "${targets[$i]}: no finding ($(grep -o 'stat::number_of_executed_units: *[0-9]*' \
        "build-fuzz/${targets[$i]}.log" | grep -o '[0-9]*$') inputs)"
    else
      echo "${targets[$i]}: FINDING, see build-fuzz/${targets[$i]}.log"
      tail -n 40 "build-fuzz/${targets[$i]}.log"
      failed=1
    fi
  done
  exit $failed
fi

[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"

cd build
if [ "$mode" = play ]; then
  exec ./korvanta
fi
ctest --output-on-failure -j "$jobs"
