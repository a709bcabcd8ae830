#!/usr/bin/env bash
# Stages the developers' scenes in the real game on a private Xvfb display and saves them as
# PNGs (see tools/stage_scene.cpp for what each one shows).
# Usage: tools/stage_scenes.sh BUILD_DIR [FOLDER [SEED]]   FOLDER defaults to /tmp/korvanta-shots
set -eu
build=$(cd "$1" && pwd)
folder=${2:-/tmp/korvanta-shots}
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)
work=$(mktemp -d /tmp/korvanta-stage.XXXXXX)
xvfb=
trap '[ -n "$xvfb" ] && kill "$xvfb"; rm -rf "$work"' EXIT

# The game needs sound; a machine without a sound card plays it into /dev/null.
mkdir -p "$work/home"
printf 'pcm.!default { type file slave.pcm "null" file "/dev/null" format "raw" }\n' \
  > "$work/home/.asoundrc"
cp "$build/korvanta.dat" "$build/patches.dat" "$work/"

# Displays above the end-to-end tests' range, so that both can run at once.
for number in $(seq 150 199); do
  [ -e /tmp/.X11-unix/X$number ] || [ -e /tmp/.X$number-lock ] || break
done
Xvfb :$number -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$number ] && break; sleep 0.1; done

cd "$work"
DISPLAY=:$number HOME=$work/home "$build/stage_scene" "$folder" ${3:-}
