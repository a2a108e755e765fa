#!/usr/bin/env bash
# Times kinrow-tool on a generated family of a million persons: wall time and peak memory.
# Usage: bench/run.sh BUILD_DIR [PERSONS]
set -euo pipefail

build=${1:?usage: bench/run.sh BUILD_DIR [PERSONS]}
persons=${2:-1000000}
tool="$build/tools/kinrow-tool"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --build "$build" -j 2 --target kinrow-tool >/dev/null

measure() {
    local label=$1
    shift
    /usr/bin/time -v "$@" >"$work/out" 2>"$work/time"
    local wall rss user sys
    wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time")
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time")
    user=$(sed -n 's/.*User time (seconds): //p' "$work/time")
    sys=$(sed -n 's/.*System time (seconds): //p' "$work/time")
    printf '%-10s wall %-8s cpu %5.2f s  max RSS %6d MB\n' "$label" "$wall" \
        "$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')" $((rss / 1024))
}

measure generate "$tool" generate "$persons" "$work/aile.ged" --seed 1
size=$(stat -c %s "$work/aile.ged")
printf 'file       %d persons, %d MB\n' "$persons" $((size / 1024 / 1024))
measure check "$tool" check "$work/aile.ged"
tail -n 1 "$work/out"
measure convert "$tool" convert "$work/aile.ged" "$work/kopya.ged"
echo "load       $(cut -d' ' -f1-3 /proc/loadavg)"
echo "machine    $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1)"

if [[ -x "$build/bench/kinrow_bench" ]]; then
    "$build/bench/kinrow_bench" --benchmark_min_time=0.01
fi
