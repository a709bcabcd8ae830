#!/usr/bin/env bash
# A newcomer's check: on a fresh Debian 12 system, a clean clone of this repository must
# install, build and pass every test with `./setup.sh test` alone, and `./setup.sh play` must
# get as far as starting the game, which without a display says so on stderr and exits 1.
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
  cp "$LOGS/newcomer.sh" "$root/logs/"
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
    tail -n 30 "$4"
    verdict=1
  fi
}
echo "Newcomer's check on $SYSTEM, about $MINUTES min; logs in $LOGS"
passed() { [ "$(cat "$LOGS/$1.rc")" = "$2" ] && echo yes || echo no; }
judge "./setup.sh test" "$(passed test 0)" \
  "$(grep -E 'tests passed|tests failed' "$LOGS/test.log" | tail -n 1)" "$LOGS/test.log"
play_ok=$(passed play 1)
grep -qi 'display' "$LOGS/play.err" || play_ok=no
judge "./setup.sh play without a display (exit $(cat "$LOGS/play.rc"))" "$play_ok" \
  "stderr: $(tr '\n' ' ' <"$LOGS/play.err")" "$LOGS/play.err"
if [ -f "$LOGS/ci.rc" ]; then
  judge ".ci/run" "$(passed ci 0)" "$(grep -c 'no finding' "$LOGS/ci.log") fuzz targets without a finding" \
    "$LOGS/ci.log"
fi
exit $verdict
