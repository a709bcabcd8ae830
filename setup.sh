#!/usr/bin/env bash
# Korvanta's one entry for players and developers on Debian 12:
#   ./setup.sh play   installs what is missing, builds, and starts the game
#   ./setup.sh test   installs what is missing, builds, and runs every test
# Run it as root or as a user who may use sudo. It is quick when nothing has changed.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
case "$mode" in
  play | test) ;;
  *) echo "usage: $0 play|test" >&2; exit 2 ;;
esac

build_packages=(build-essential cmake pkg-config liballegro4-dev freepats libfreetype-dev
                fonts-dejavu-core libgtest-dev libbenchmark-dev)
test_packages=(xvfb xdotool x11-apps x11-utils imagemagick)
packages=("${build_packages[@]}")
[ "$mode" = test ] && packages+=("${test_packages[@]}")

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
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"

cd build
if [ "$mode" = play ]; then
  exec ./korvanta
fi
ctest --output-on-failure -j "$jobs"
