#!/bin/bash
# Compares the product's hard-file writing (4096-byte blocks through Wine) with
# dd writing the same number of bytes to the same folder, in 4 KiB and in 1 MiB
# blocks. Rounds are interleaved (every size and writer once per round); prints
# the median seconds and the ratios product / dd as a Markdown table.
#   bench/run_hardfile_bench.sh [build-dir] [sizes in MiB...]   (RUNS=7 rounds by default)
# The build dir defaults to build/x64 (a 64-bit build with hardfile_bench.exe).
set -euo pipefail

build_dir=$(realpath "${1:-build/x64}")
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(64 300)
runs=${RUNS:-7}

bench_exe="$build_dir/bench/hardfile_bench.exe"
[ -x "$bench_exe" ] || { echo "no $bench_exe: build first" >&2; exit 1; }

# A prefix of its own, so the user's Wine setup is never touched.
export WINEPREFIX="$build_dir/bench-wineprefix" WINEDEBUG=-all
[ -d "$WINEPREFIX" ] || wineboot -i >/dev/null 2>&1

work_dir=$(mktemp -d -p "$build_dir" hardfile-bench.XXXXXX)
trap 'rm -rf "$work_dir"' EXIT
win_dir=$(winepath -w "$work_dir" 2>/dev/null)

seconds_of() {  # runs the command, prints its wall time in seconds
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" 'BEGIN { print e - s }'
}

for ((round = 1; round <= runs; round++)); do
    for mib in "${sizes[@]}"; do
        wine "$bench_exe" "$win_dir" "$mib" | tr -d '\r' | awk '{print $2}' >>"$work_dir/product-$mib"
        seconds_of dd if=/dev/zero of="$work_dir/dd4k.bin" bs=4k count=$((mib * 256)) >>"$work_dir/dd4k-$mib"
        rm -f "$work_dir/dd4k.bin"
        seconds_of dd if=/dev/zero of="$work_dir/dd1m.bin" bs=1M count="$mib" >>"$work_dir/dd1m-$mib"
        rm -f "$work_dir/dd1m.bin"
    done
done
wineserver -k 2>/dev/null || true

median() {
    sort -g "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "Hard-file creation, median of $runs interleaved runs:"
echo
echo "| MiB | product (s) | dd 4 KiB (s) | dd 1 MiB (s) | product / dd 4 KiB | product / dd 1 MiB |"
echo "| ---: | ---: | ---: | ---: | ---: | ---: |"
for mib in "${sizes[@]}"; do
    awk -v m="$mib" -v p="$(median "$work_dir/product-$mib")" -v a="$(median "$work_dir/dd4k-$mib")" \
        -v b="$(median "$work_dir/dd1m-$mib")" \
        'BEGIN { printf "| %d | %.3f | %.3f | %.3f | %.2f | %.2f |\n", m, p, a, b, p / a, p / b }'
done
