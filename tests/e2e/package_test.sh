# The Debian package: made by cpack from the build, unpacked into a scratch root, it holds the
# game and its files where Debian keeps them and no more, passes lintian and the desktop entry's
# and AppStream's validators, asks for the libraries the game links and for freepats, and its
# game runs from an unrelated folder: it reads its resources from the unpacked data folder,
# plays its music with freepats' instruments, and keeps its controls and table in the user's
# data folder (~/.local/share/korvanta, made on this first start), writing nothing elsewhere.
source "$(dirname "$0")/lib.sh" "$@"
ROOT=$WORK/root
ELSEWHERE=$WORK/elsewhere
USER_FOLDER=$HOME/.local/share/korvanta
mkdir -p "$ROOT" "$ELSEWHERE"

cpack -G DEB -B "$WORK/package" --config "$BUILD_DIR/CPackConfig.cmake" >"$WORK/cpack.log" 2>&1 ||
  fail "cpack failed: $(tail -n 20 "$WORK/cpack.log")"
deb=$(ls "$WORK"/package/korvanta_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "cpack made no korvanta .deb: $(ls "$WORK/package")"
dpkg-deb -x "$deb" "$ROOT" || fail "the package does not unpack"

# The layout, and nothing from the build but the game itself.
expected="usr/games/korvanta
usr/share/applications/korvanta.desktop
usr/share/doc/korvanta/changelog.gz
usr/share/doc/korvanta/copyright
usr/share/games/korvanta/freepats.cfg
usr/share/games/korvanta/korvanta.dat
usr/share/icons/hicolor/128x128/apps/korvanta.png
usr/share/icons/hicolor/256x256/apps/korvanta.png
usr/share/icons/hicolor/48x48/apps/korvanta.png
usr/share/icons/hicolor/64x64/apps/korvanta.png
usr/share/man/man6/korvanta.6.gz
usr/share/metainfo/org.example.korvanta.metainfo.xml"
found=$(cd "$ROOT" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$found" = "$expected" ] || fail "the package holds:
$found"
cmp -s "$ROOT/usr/share/games/korvanta/korvanta.dat" "$BUILD_DIR/korvanta.dat" || fail "korvanta.dat is not the built one"
[ "$(head -c 8 "$ROOT/usr/share/icons/hicolor/48x48/apps/korvanta.png" | od -An -tx1 | xargs)" = \
  "89 50 4e 47 0d 0a 1a 0a" ] || fail "the icon is not a PNG file"
grep -qx "Exec=korvanta" "$ROOT/usr/share/applications/korvanta.desktop" || fail "the desktop entry does not start korvanta"
zcat "$ROOT/usr/share/man/man6/korvanta.6.gz" | grep -q "^\.SH FILES" || fail "the manual page has no FILES section"

# Depends: what the game links, and freepats, whose patches the music is played with.
depends=$(dpkg-deb -f "$deb" Depends)
for package in liballegro4.4 libc6 libstdc++6 freepats; do
  echo "$depends" | grep -q "\b$package\b" || fail "Depends lacks $package: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package's section is $(dpkg-deb -f "$deb" Section)"

# What a distribution checks. Lintian's errors and warnings fail the test (its notes on
# information are printed only); the desktop entry and the AppStream description pass their
# validators, the latter without fetching the screenshots from the home page.
lintian --pedantic --display-info "$deb" >"$WORK/lintian.log" 2>&1
grep '^[IPX]:' "$WORK/lintian.log"
grep -q '^[EW]:' "$WORK/lintian.log" && fail "lintian reports: $(grep '^[EW]:' "$WORK/lintian.log")"
desktop-file-validate "$ROOT/usr/share/applications/korvanta.desktop" ||
  fail "the desktop entry does not validate"
metainfo=$ROOT/usr/share/metainfo/org.example.korvanta.metainfo.xml
appstreamcli validate-tree --no-net --pedantic "$ROOT" >"$WORK/appstream.log" 2>&1 ||
  fail "the AppStream description does not validate: $(cat "$WORK/appstream.log")"
for picture in "$(dirname "$0")"/../../docs/screenshots/*.png; do
  grep -q "<image>[^<]*/screenshots/$(basename "$picture")</image>" "$metainfo" ||
    fail "the AppStream description lacks the README's screenshot $(basename "$picture")"
done

# The changelog's newest entry and the AppStream description's newest release are this version.
version=$(dpkg-deb -f "$deb" Version)
zcat "$ROOT/usr/share/doc/korvanta/changelog.gz" | head -n 1 | grep -q "^korvanta ($version) " ||
  fail "the changelog's newest entry is not $version"
grep -m 1 '<release ' "$metainfo" | grep -q "version=\"$version\"" ||
  fail "the AppStream description's newest release is not $version"

# Every instrument the index names is a freepats patch installed on this machine.
grep -Eo '[^[:space:]]+\.pat' "$ROOT/usr/share/games/korvanta/freepats.cfg" >"$WORK/patches"
[ "$(wc -l <"$WORK/patches")" -gt 100 ] || fail "the instrument index names $(wc -l <"$WORK/patches") patches"
while read -r patch; do
  case "$patch" in /usr/share/midi/freepats/*) ;; *) fail "the index names $patch" ;; esac
  [ -f "$patch" ] || fail "the index names $patch, which freepats did not install"
done <"$WORK/patches"
(cd "$ROOT" && find . | LC_ALL=C sort) >"$WORK/unpacked"

# The unpacked game, started from an unrelated folder with the default user data folder.
unset XDG_DATA_HOME
start_display
(cd "$ELSEWHERE" && exec "$ROOT/usr/games/korvanta" >"$WORK/stdout" 2>"$WORK/stderr") &
GAME_PID=$!
for _ in $(seq 100); do
  [ -n "$(xdotool search --name '^Korvanta$' 2>/dev/null)" ] && break
  kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before opening its window: $(cat "$WORK/stderr")"
  sleep 0.1
done
wait_for_title_menu

# Start-up has written both files, with the defaults, into the user's folder.
for _ in $(seq 30); do
  [ -s "$USER_FOLDER/korvanta.cfg" ] && [ -s "$USER_FOLDER/korvanta.hgh" ] && break
  sleep 0.1
done
[ "$(stat -c %s "$USER_FOLDER/korvanta.cfg" 2>/dev/null)" = 19 ] || fail "no controls file in $USER_FOLDER"
[ "$(stat -c %s "$USER_FOLDER/korvanta.hgh" 2>/dev/null)" = 110 ] || fail "no table file in $USER_FOLDER"

# The music plays, so the library found freepats' patches through the installed index: with
# patches it cannot find, its MIDI player plays silence.
expect_sound

# ESC on the title screen leaves; the goodbye screen ends by itself within two seconds.
hold_key Escape
for _ in $(seq 60); do kill -0 "$GAME_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$GAME_PID" 2>/dev/null && fail "the game did not end within 6 seconds"
wait "$GAME_PID"
code=$?
GAME_PID=
[ "$code" = 0 ] || fail "the game exited with $code: $(cat "$WORK/stderr")"
[ -z "$(ls -A "$ELSEWHERE")" ] || fail "the game wrote into its working directory: $(ls -A "$ELSEWHERE")"
[ "$(ls -A "$USER_FOLDER" | LC_ALL=C sort | xargs)" = "korvanta.cfg korvanta.hgh" ] ||
  fail "the user's folder holds: $(ls -A "$USER_FOLDER")"
# Nor into the install (the library saves its settings beside the program when it can).
(cd "$ROOT" && find . | LC_ALL=C sort) | diff "$WORK/unpacked" - >"$WORK/install_changes" ||
  fail "the game changed its install: $(cat "$WORK/install_changes")"
echo "1 passed, 0 failed"
