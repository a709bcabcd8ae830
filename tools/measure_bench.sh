#!/usr/bin/env bash
# The benchmarks' figures as a markdown table: the median of 5 runs of each, in CPU time
# (wall time counts whatever else the machine runs meanwhile), with the machine and its load.
# Usage: tools/measure_bench.sh BUILD_DIR   (a build with KORVANTA_BENCH on, the default)
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
cd "$1"
[ -x bench/korvanta_bench ] || cmake --build . --target korvanta_bench >&2
LOAD_BEFORE=$(cut -d' ' -f1-3 /proc/loadavg)
# The benchmark runs from the build folder, where korvanta.dat lies.
RESULTS=$(./bench/korvanta_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_color=false 2>/dev/null)
echo "Measured $(date -u +%Y-%m-%d), $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1)," \
  "$(nproc) cores, load average $LOAD_BEFORE before and $(cut -d' ' -f1-3 /proc/loadavg) after."
echo
echo "| benchmark | CPU time (median of 5) | wall time (median of 5) |"
echo "|---|---|---|"
# Console lines: name, wall time, its unit, CPU time, its unit, iterations, counters.
echo "$RESULTS" | awk '
  function shown(value, unit,   ns) {
    ns = value * (unit == "ms" ? 1e6 : unit == "us" ? 1e3 : 1)
    if (ns >= 1e6) return sprintf("%.2f ms", ns / 1e6)
    if (ns >= 1e5) return sprintf("%.0f us", ns / 1e3)
    if (ns >= 1e3) return sprintf("%.1f us", ns / 1e3)
    return sprintf("%.0f ns", ns)
  }
  $1 ~ /_median$/ {
    name = $1; sub(/^BM_/, "", name); sub(/_median$/, "", name)
    printf "| %s | %s | %s |\n", name, shown($4, $5), shown($2, $3) }'
