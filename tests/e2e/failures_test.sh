# Start-up failures end the game with a message on stderr (and in a message box) and exit 1.
source "$(dirname "$0")/lib.sh" "$@"

# Runs the game in the foreground; it must end with exit code 1.
expect_failure() {
  (cd "$WORK/run" && exec "$GAME" >"$WORK/stdout" 2>"$WORK/stderr")
  local code=$?
  [ $code -eq 1 ] || fail "$1: the exit code is $code, not 1"
}

unset DISPLAY
expect_failure "without a display"
grep -q "display" "$WORK/stderr" || fail "without a display stderr says: $(cat "$WORK/stderr")"

start_display
expect_failure "without korvanta.dat"
grep -qx "file not found: korvanta.dat" "$WORK/stderr" || fail "stderr: $(cat "$WORK/stderr")"
grep -q "file not found: korvanta.dat" "$MESSAGES" || fail "no message box about the missing file"
echo "not a datafile" > "$WORK/run/korvanta.dat"
expect_failure "with an unreadable korvanta.dat"
grep -qx "file not found: korvanta.dat" "$WORK/stderr" || fail "stderr: $(cat "$WORK/stderr")"

# A resource file cut short or with a changed byte is not given to the library's loader,
# which would crash on it: it counts as missing.
for damage in cut changed; do
  cp "$BUILD_DIR/korvanta.dat" "$WORK/run/korvanta.dat"
  size=$(stat -c %s "$WORK/run/korvanta.dat")
  if [ $damage = cut ]; then
    truncate -s $((size / 2)) "$WORK/run/korvanta.dat"
  else
    printf '\377' | dd of="$WORK/run/korvanta.dat" bs=1 seek=$((size / 3)) conv=notrunc 2>/dev/null
  fi
  cmp -s "$BUILD_DIR/korvanta.dat" "$WORK/run/korvanta.dat" && fail "the copy is not damaged"
  (cd "$WORK/run" && "$GAME" >"$WORK/stdout" 2>"$WORK/stderr")
  code=$?
  [ $code -eq 1 ] || fail "a $damage korvanta.dat ends the game with exit code $code, not 1"
  grep -qx "file not found: korvanta.dat" "$WORK/stderr" || fail "stderr: $(cat "$WORK/stderr")"
done

# No usable sound: the sound message comes before the resource file is even looked at.
rm -f "$WORK/run/korvanta.dat" "$MESSAGES"
printf '[sound]\ndigi_card = ALSA\nalsa_device = korvanta_has_no_such_device\n' > "$HOME/.allegrorc"
expect_failure "without sound"
# (ALSA may add lines of its own before the game's message.)
reason=$(grep -x -A1 "Error initialising sound system" "$WORK/stderr" | sed -n 2p)
[ -n "$reason" ] || fail "no sound message with the library's reason; stderr: $(cat "$WORK/stderr")"
grep -q "Error initialising sound system" "$MESSAGES" || fail "no message box about the sound"
grep -q "korvanta.dat" "$WORK/stderr" && fail "the resource file was looked at after the sound failed"
echo "1 passed, 0 failed"
