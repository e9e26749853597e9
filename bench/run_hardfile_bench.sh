#!/bin/bash
# Compares the product's two ways of creating a hard file with dd writing the
# same number of bytes to the same folder, in 4 KiB and in 1 MiB blocks: the
# sparse way (the default: the length set at once, no block written) and the
# full way (every 4096-byte block written through Wine). Rounds are interleaved
# (every size and writer once per round); prints the median seconds, the ratios
# product / dd and the disk space each file takes right after creation (du) as
# a Markdown table.
#   bench/run_hardfile_bench.sh [build-dir] [sizes in MiB...]   (RUNS=7 rounds by default)
# The build dir defaults to build/x64 (a 64-bit build with hardfile_bench.exe).
# A size that the folder's free space cannot hold written in full is measured
# the sparse way only, and the table says so.
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

# Whole files of this size fit, one at a time, with 1 GiB to spare.
fits_in_full() {
    local free_kib
    free_kib=$(df --output=avail -k "$work_dir" | tail -1)
    [ "$free_kib" -gt $((($1 + 1024) * 1024)) ]
}
declare -A full
for mib in "${sizes[@]}"; do
    if fits_in_full "$mib"; then full[$mib]=1; else full[$mib]=0; fi
done

seconds_of() {  # runs the command, prints its wall time in seconds
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" 'BEGIN { print e - s }'
}

# Times the product's way (sparse or full) at that size, notes the KiB its
# file takes, and removes it.
product() {
    local way=$1 mib=$2 file="$work_dir/bench-$1-$2.hfi"
    wine "$bench_exe" "$win_dir" "$way" "$mib" | tr -d '\r' | awk '{print $2}' >>"$work_dir/$way-$mib"
    du -k "$file" | cut -f1 >"$work_dir/$way-du-$mib"
    rm -f "$file"
}
# Times dd writing that size in blocks of `bs`, notes the KiB its file takes, and removes it.
dd_write() {
    local name=$1 bs=$2 count=$3 mib=$4 file="$work_dir/$1.bin"
    seconds_of dd if=/dev/zero of="$file" bs="$bs" count="$count" >>"$work_dir/$name-$mib"
    du -k "$file" | cut -f1 >"$work_dir/$name-du-$mib"
    rm -f "$file"
}

for ((round = 1; round <= runs; round++)); do
    for mib in "${sizes[@]}"; do
        product sparse "$mib"
        [ "${full[$mib]}" = 1 ] || continue
        product full "$mib"
        dd_write dd4k 4k $((mib * 256)) "$mib"
        dd_write dd1m 1M "$mib" "$mib"
    done
done
wineserver -k 2>/dev/null || true

median() {
    sort -g "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "Hard-file creation, median of $runs interleaved runs; disk space each file takes right after creation (du):"
echo
echo "| MiB | way | product (s) | dd 4 KiB (s) | dd 1 MiB (s) | product / dd 4 KiB | product / dd 1 MiB | du product (KiB) | du dd (KiB) |"
echo "| ---: | --- | ---: | ---: | ---: | ---: | ---: | ---: | ---: |"
for mib in "${sizes[@]}"; do
    if [ "${full[$mib]}" = 1 ]; then
        a=$(median "$work_dir/dd4k-$mib") b=$(median "$work_dir/dd1m-$mib") dd_du=$(cat "$work_dir/dd1m-du-$mib")
        for way in sparse full; do
            awk -v m="$mib" -v w="$way" -v p="$(median "$work_dir/$way-$mib")" -v a="$a" -v b="$b" \
                -v du="$(cat "$work_dir/$way-du-$mib")" -v dd_du="$dd_du" \
                'BEGIN { printf "| %d | %s | %.3g | %.3f | %.3f | %.3g | %.3g | %d | %d |\n", m, w, p, a, b, p / a, p / b, du, dd_du }'
        done
    else
        awk -v m="$mib" -v p="$(median "$work_dir/sparse-$mib")" -v du="$(cat "$work_dir/sparse-du-$mib")" \
            'BEGIN { printf "| %d | sparse | %.3g | - | - | - | - | %d | - |\n", m, p, du }'
        echo "| $mib | full | not measured: the free space cannot hold it | | | | | | |"
    fi
done
