#!/usr/bin/env bash
# Times kinrow-tool on generated families: reading (check), reading and saving (convert), and the
# save alone (convert minus check), each the median of RUNS runs (default 5), with processor time
# and peak memory; then the Google Benchmark programs for reading, writing, saving, opening and the
# jump list.
# Usage: bench/run.sh BUILD_DIR [PERSONS...]   (default 10000 100000 1000000)
set -euo pipefail

build=${1:?usage: bench/run.sh BUILD_DIR [PERSONS...]}
shift
sizes=("$@")
[[ ${#sizes[@]} -gt 0 ]] || sizes=(10000 100000 1000000)
runs=${RUNS:-5}
tool="$build/tools/kinrow-tool"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --build "$build" -j 2 --target kinrow-tool >/dev/null

# One run: "wall cpu rss_kb" of the command.
once() {
    /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" >"$work/out" 2>/dev/null
    awk '{ printf "%.3f %.3f %d\n", $1, $2 + $3, $4 }' "$work/time"
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "load       $(cut -d' ' -f1-3 /proc/loadavg) (before)"
echo "machine    $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1)"
printf '%-9s %-8s %8s %8s %9s %9s %8s %8s %9s\n' persons MB check_s cpu_s rss_MB xfile convert_s cpu_s save_s
for persons in "${sizes[@]}"; do
    "$tool" generate "$persons" "$work/aile.ged" --seed 1 >/dev/null
    size=$(stat -c %s "$work/aile.ged")
    : >"$work/check"
    : >"$work/convert"
    for _ in $(seq "$runs"); do
        once "$tool" check "$work/aile.ged" >>"$work/check"
        once "$tool" convert "$work/aile.ged" "$work/kopya.ged" >>"$work/convert"
    done
    cw=$(cut -d' ' -f1 "$work/check" | median)
    cc=$(cut -d' ' -f2 "$work/check" | median)
    cr=$(cut -d' ' -f3 "$work/check" | sort -n | tail -n 1)
    vw=$(cut -d' ' -f1 "$work/convert" | median)
    vc=$(cut -d' ' -f2 "$work/convert" | median)
    printf '%-9s %-8s %8s %8s %9d %9.2f %8s %8s %9.3f\n' "$persons" $((size / 1000000)) "$cw" "$cc" \
        $((cr / 1024)) "$(awk -v r="$cr" -v s="$size" 'BEGIN { print r * 1024 / s }')" "$vw" "$vc" \
        "$(awk -v a="$vw" -v b="$cw" 'BEGIN { print a - b }')"
    rm -f "$work"/*.ged "$work"/*.bak
done
echo "load       $(cut -d' ' -f1-3 /proc/loadavg) (after)"

if [[ -x "$build/bench/kinrow_bench" ]]; then
    "$build/bench/kinrow_bench" --benchmark_min_time=0.01 --benchmark_filter='BM_(Read|Write|Save)/'
fi
if [[ -x "$build/bench/window_bench" ]]; then
    QT_QPA_PLATFORM=offscreen "$build/bench/window_bench" --benchmark_filter=BM_OpenFamilyFile
fi
if [[ -x "$build/bench/listedlg_bench" ]]; then
    QT_QPA_PLATFORM=offscreen "$build/bench/listedlg_bench" --benchmark_min_time=0.01
fi
