#!/bin/bash
# Compares the product's hard-file writing (4096-byte blocks through Wine) with
# dd writing the same number of bytes to the same folder, in 4 KiB and in 1 MiB
# blocks. Prints the seconds and the ratios product / dd.
#   bench/run_hardfile_bench.sh [build-dir] [sizes in MiB...]
# The build dir defaults to build/x64 (a 64-bit build with hardfile_bench.exe).
set -euo pipefail

build_dir=$(realpath "${1:-build/x64}")
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(64 300)

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

printf '%8s %10s %10s %10s %12s %12s\n' MiB product dd_4k dd_1M product/4k product/1M
for mib in "${sizes[@]}"; do
    product=$(wine "$bench_exe" "$win_dir" "$mib" | tr -d '\r' | awk '{print $2}')
    dd4k=$(seconds_of dd if=/dev/zero of="$work_dir/dd4k.bin" bs=4k count=$((mib * 256)))
    rm -f "$work_dir/dd4k.bin"
    dd1m=$(seconds_of dd if=/dev/zero of="$work_dir/dd1m.bin" bs=1M count="$mib")
    rm -f "$work_dir/dd1m.bin"
    awk -v m="$mib" -v p="$product" -v a="$dd4k" -v b="$dd1m" \
        'BEGIN { printf "%8d %10.3f %10.3f %10.3f %12.2f %12.2f\n", m, p, a, b, p / a, p / b }'
done
wineserver -k 2>/dev/null || true
