#!/usr/bin/env bash
# A newcomer's check: on a fresh Debian 12 system, a clean clone of this repository must
# install, build and pass every test with `./setup.sh test` alone, and `./setup.sh play` must
# get as far as starting the game, which without a display says so on stderr and exits 1.
# Then the Debian package made from that build must install with apt (which fetches freepats
# for it), answer `korvanta --help` and start in Xvfb for a user, playing its music and making
# his files in ~/.local/share/korvanta, and be removed with apt, leaving those files.
# Usage, as root: tools/newcomer_check.sh [REVISION]   (default HEAD)
# The fresh system is a debian:12 container when Docker works here, else a Debian 12 chroot
# made by debootstrap (minbase, as small as the container image), run in mount and PID
# namespaces of its own so that nothing it mounts or starts outlives it. Logs are kept in
# $NEWCOMER_LOGS (default /tmp/korvanta-newcomer). With NEWCOMER_CI=1 the same system then
# runs CI's own script, .ci/run, as CI does on its fresh machines.
set -euo pipefail
[ "$(id -u)" -eq 0 ] || { echo "run it as root: it makes a Debian system from nothing" >&2; exit 2; }
REPO=$(cd "$(dirname "$0")/.." && pwd)
REVISION=${1:-HEAD}
LOGS=${NEWCOMER_LOGS:-/tmp/korvanta-newcomer}
WORK=$(mktemp -d /var/tmp/korvanta-newcomer.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
rm -rf "$LOGS"
mkdir -p "$LOGS"
note() { echo "$*" >&2; }

# Only what is committed: a clone, not this working folder with its builds.
git clone -q --no-hardlinks "$REPO" "$WORK/korvanta"
git -C "$WORK/korvanta" checkout -q "$(git -C "$REPO" rev-parse "$REVISION")"
note "checking $(git -C "$WORK/korvanta" log -1 --format='%h %s')"

# What a newcomer types, as root (a fresh container has no sudo) and with no display.
cat >"$LOGS/newcomer.sh" <<'EOF'
cd /root/korvanta
./setup.sh test >/logs/test.log 2>&1; echo $? >/logs/test.rc
unset DISPLAY
./setup.sh play >/logs/play.out 2>/logs/play.err; echo $? >/logs/play.rc
bash /logs/package.sh >/logs/package.log 2>&1
EOF

# The package, as a user gets it: freepats goes first, so that apt must fetch it as the
# package's dependency. The user's shell is a login shell, whose PATH holds /usr/games.
cat >"$LOGS/package.sh" <<'EOF'
set -x
cd /root/korvanta/build || exit
cpack -G DEB || exit
apt-get purge -y -q freepats
apt-get install -y -q ./korvanta_*.deb; echo $? >/logs/install.rc
dpkg-query -W -f='${Status}\n' freepats >/logs/freepats.status
useradd --create-home --shell /bin/bash player
# The X servers' socket folder, which a booted system makes for its users.
mkdir -p -m 1777 /tmp/.X11-unix
runuser -l player -c 'korvanta --help' >/logs/help.out 2>&1; echo $? >/logs/help.rc
cp /logs/installed_game.sh /home/player/
runuser -l player -c 'bash installed_game.sh' >/logs/installed_game.log 2>&1
cp /home/player/report.txt /logs/installed_game.txt
apt-get remove -y -q korvanta; echo $? >/logs/remove.rc
ls /usr/games /usr/share/games >/logs/after_remove.txt 2>&1
ls -A /home/player/.local/share/korvanta >/logs/user_files.txt
EOF

# The installed game, started by the user as from his menu: with its sound recorded to a file
# and Xvfb for a display, it runs a few seconds on the title screen, then is stopped.
cat >"$LOGS/installed_game.sh" <<'EOF'
printf 'pcm.!default {\n type file\n slave.pcm "null"\n file "%s"\n format "raw"\n}\n' \
  "$HOME/sound.raw" >"$HOME/.asoundrc"
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$HOME/display" &
xvfb=$!
for _ in $(seq 50); do [ -s "$HOME/display" ] && break; sleep 0.1; done
DISPLAY=:$(cat "$HOME/display") korvanta &
game=$!
sleep 10
kill "$game"; sleep 2; kill -9 "$game" 2>/dev/null; kill "$xvfb"
folder=$HOME/.local/share/korvanta
{
  echo "files: $(cd "$folder" && stat -c '%n %s' korvanta.cfg korvanta.hgh | xargs)"
  # The level of the last megabyte as the end-to-end tests measure it: silence gives 0.
  echo "sound level: $(tail -c 1000000 "$HOME/sound.raw" | od -An -tu2 -v -w2 |
    awk '{ s += $1; q += $1 * $1 } END { print NR ? int(sqrt(q / NR - (s / NR) ^ 2)) : 0 }')"
} >"$HOME/report.txt"
EOF
[ "${NEWCOMER_CI:-0}" = 1 ] &&
  echo 'bash .ci/run >/logs/ci.log 2>&1; echo $? >/logs/ci.rc' >>"$LOGS/newcomer.sh"

run_in_docker() {
  docker run --rm -v "$WORK/korvanta:/root/korvanta" -v "$LOGS:/logs" debian:12 \
    bash /logs/newcomer.sh
}

run_in_chroot() {
  local root=$WORK/root
  command -v debootstrap >/dev/null ||
    { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap; }
  note "making a fresh Debian 12 with debootstrap (log: $LOGS/debootstrap.log)"
  debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian \
    >"$LOGS/debootstrap.log" 2>&1
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  # As in the container image: packages do not start services in a system that is not booted.
  printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
  chmod +x "$root/usr/sbin/policy-rc.d"
  cp -a "$WORK/korvanta" "$root/root/korvanta"
  mkdir -p "$root/logs"
  cp "$LOGS"/*.sh "$root/logs/"
  unshare --mount --pid --fork --mount-proc="$root/proc" bash -c '
    mount --rbind /dev "$1/dev" && mount -t sysfs sysfs "$1/sys" &&
      exec chroot "$1" env -i HOME=/root TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin bash /logs/newcomer.sh
  ' chroot-run "$root"
  cp "$root"/logs/* "$LOGS/"
}

START=$(date +%s)
if docker run --rm debian:12 true >"$LOGS/docker.log" 2>&1; then
  SYSTEM="a fresh debian:12 container"
  run_in_docker
else
  note "Docker cannot run debian:12 here: $(head -n 1 "$LOGS/docker.log")"
  SYSTEM="a fresh Debian 12 chroot from debootstrap (Docker: $(head -n 1 "$LOGS/docker.log"))"
  run_in_chroot
fi
MINUTES=$((($(date +%s) - START + 59) / 60))

verdict=0
# Reports one step: NAME, whether it passed, what to say if so, and the log whose end shows why
# not.
judge() {
  if [ "$2" = yes ]; then
    echo "PASS $1: $3"
  else
    echo "FAIL $1; the end of $4:"
    tail -n 30 "$4" || true
    verdict=1
  fi
}
echo "Newcomer's check on $SYSTEM, about $MINUTES min; logs in $LOGS"
passed() { [ "$(cat "$LOGS/$1.rc" 2>/dev/null)" = "$2" ] && echo yes || echo no; }
judge "./setup.sh test" "$(passed test 0)" \
  "$(grep -E 'tests passed|tests failed' "$LOGS/test.log" | tail -n 1)" "$LOGS/test.log"
play_ok=$(passed play 1)
grep -qi 'display' "$LOGS/play.err" || play_ok=no
judge "./setup.sh play without a display (exit $(cat "$LOGS/play.rc"))" "$play_ok" \
  "stderr: $(tr '\n' ' ' <"$LOGS/play.err")" "$LOGS/play.err"

install_ok=$(passed install 0)
grep -qx 'install ok installed' "$LOGS/freepats.status" 2>/dev/null || install_ok=no
judge "apt-get install ./korvanta_*.deb" "$install_ok" "freepats came with it" "$LOGS/package.log"
help_ok=$(passed help 0)
grep -q '^Usage: korvanta' "$LOGS/help.out" 2>/dev/null || help_ok=no
judge "korvanta --help as a user" "$help_ok" "$(head -n 1 "$LOGS/help.out")" "$LOGS/package.log"
# The user's two files with their default sizes, and music louder than -40 dB, as the
# end-to-end tests ask.
game_ok=yes
grep -qx 'files: korvanta.cfg 19 korvanta.hgh 110' "$LOGS/installed_game.txt" 2>/dev/null ||
  game_ok=no
[ "$(sed -n 's/^sound level: //p' "$LOGS/installed_game.txt" 2>/dev/null)" -gt 330 ] 2>/dev/null ||
  game_ok=no
judge "the installed game in Xvfb as a user" "$game_ok" \
  "$(tr '\n' ' ' <"$LOGS/installed_game.txt")" "$LOGS/installed_game.log"
remove_ok=$(passed remove 0)
grep -q korvanta "$LOGS/after_remove.txt" 2>/dev/null && remove_ok=no
[ "$(xargs <"$LOGS/user_files.txt" 2>/dev/null)" = "korvanta.cfg korvanta.hgh" ] || remove_ok=no
judge "apt-get remove korvanta" "$remove_ok" "the user's files stay: $(xargs <"$LOGS/user_files.txt")" \
  "$LOGS/package.log"
if [ -f "$LOGS/ci.rc" ]; then
  judge ".ci/run" "$(passed ci 0)" "$(grep -c 'no finding' "$LOGS/ci.log") fuzz targets without a finding" \
    "$LOGS/ci.log"
fi
exit $verdict
