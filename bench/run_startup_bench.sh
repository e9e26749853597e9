#!/bin/bash
# Start-up of KORVEX.EXE against two reference programs, all measured alike by
# startup_timer.exe (time from CreateProcess until the "KORVEX Properties" sheet
# is up, and the peak working set then):
#   one_page_sheet.exe   nothing but a one-page property sheet
#   startup_calls.exe    KORVEX.EXE's start-up platform calls, then one page
# and each start-up discovery step against the bare platform call it makes
# (discovery_bench.exe). Rounds are interleaved, in a rotating order, after one
# round that is not counted. Figures are medians over the rounds; the fastest
# run is shown beside them, since on a busy machine it is the steadier of the two.
# Prints Markdown tables.
#   bench/run_startup_bench.sh [build-dir]      (RUNS=11 rounds by default)
# The build dir defaults to build/x64. Uses a Wine prefix of its own under it,
# set up as scripts/run.sh sets up the user's, and its own Xvfb when there is no
# DISPLAY.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
for lib in common xvfb wineprefix; do
  # shellcheck source=/dev/null
  source "$here/../scripts/lib/$lib.sh"
done

build_dir=$(realpath "${1:-$KORVEX_BUILD/x64}")
runs=${RUNS:-11}
korvex_exe="$build_dir/app/KORVEX.EXE"
timer="$build_dir/bench/startup_timer.exe"
discovery="$build_dir/bench/discovery_bench.exe"
for exe in "$korvex_exe" "$timer" "$discovery" "$build_dir"/bench/{one_page_sheet,startup_calls}.exe; do
  [ -x "$exe" ] || korvex_fail "no $exe: build first"
done

export WINEPREFIX="$build_dir/bench-wineprefix" WINEDEBUG=-all
KORVEX_LOGS="$build_dir/bench-logs"
mkdir -p "$KORVEX_LOGS"
errors="$KORVEX_LOGS/startup-bench.log"  # what the programs say (Wine's sound complaints...)
: >"$errors"
samples=$(mktemp -d)
trap 'rm -rf "$samples"; wineserver -k 2>/dev/null || true; korvex_stop_xvfb' EXIT
[[ -n "${DISPLAY:-}" ]] || korvex_start_xvfb
korvex_ensure_prefix
# One server for the whole run, not one per program (a server still up from
# elsewhere would keep its own short persistence).
wineserver -k 2>/dev/null || true
wineserver -p
# What run.sh does for KORVEX.EXE, done for every program that probes DirectX.
for program in KORVEX.EXE startup_calls.exe discovery_bench.exe; do
  korvex_prefer_gdi_renderer "$program"
done

win_path() { local path="Z:$1"; echo "${path//\//\\}"; }

# The programs timed, by label. "default" is KORVEX.EXE with Wine's default
# renderer: the environment's Direct3D setting overrides the per-program one.
labels=(one_page calls korvex default)
declare -A command=(
  [one_page]="$(win_path "$build_dir/bench/one_page_sheet.exe")"
  [calls]="$(win_path "$build_dir/bench/startup_calls.exe")"
  [korvex]="$(win_path "$korvex_exe")"
  [default]="$(win_path "$korvex_exe")"
)

time_start() {  # time_start LABEL: one start-up, appended to its samples
  local label="$1" env=()
  [[ $label == default ]] && env=(WINE_D3D_CONFIG=renderer=gl)
  env "${env[@]}" wine "$timer" "${command[$label]}" 2>>"$errors" | tr -d '\r' >>"$samples/$label" ||
    korvex_fail "timing $label failed (see $errors)"
}
time_discovery() {  # time_discovery ours|platform: the steps, and their sum as "all"
  wine "$discovery" "$1" 2>>"$errors" | tr -d '\r' |
    awk '{ print; sum += $2 } END { print "all", sum, "-" }' >>"$samples/$1" ||
    korvex_fail "discovery_bench $1 failed (see $errors)"
}

for ((round = 0; round <= runs; round++)); do
  for ((i = 0; i < ${#labels[@]}; i++)); do
    time_start "${labels[(round + i) % ${#labels[@]}]}"
  done
  # The discovery steps take milliseconds, where the machine's noise is large:
  # three pairs a round.
  for ((i = 0; i < 3; i++)); do
    if (((round + i) % 2)); then time_discovery ours; time_discovery platform
    else time_discovery platform; time_discovery ours; fi
  done
  # Round 0 warms the server, the prefix and the page cache: not counted.
  ((round == 0)) && rm -f "$samples"/*
done

column() {  # column FILE N [KEY]: field N of the rows (whose first field is KEY), sorted
  awk -v col="$2" -v key="${3:-}" 'key == "" || $1 == key { print $col }' "$1" | sort -g
}
median() { column "$@" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
fastest() { column "$@" | head -n 1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

declare -A seconds best mib
for label in "${labels[@]}"; do
  seconds[$label]=$(median "$samples/$label" 1)
  best[$label]=$(fastest "$samples/$label" 1)
  mib[$label]=$(median "$samples/$label" 2)
done
pages=$(median "$samples/korvex" 3)

echo "Start-up until the sheet is up: median of $runs interleaved runs (fastest run in brackets)."
echo "Ratios are KORVEX.EXE as run.sh starts it, divided by the program of the row."
echo
echo "| program | seconds | peak working set (MiB) | ratio, time | ratio, working set |"
echo "| --- | ---: | ---: | ---: | ---: |"
row() {  # row LABEL TEXT
  printf '| %s | %.2f (%.2f) | %.1f | %s (%s) | %s |\n' "$2" "${seconds[$1]}" "${best[$1]}" "${mib[$1]}" \
    "$(ratio "${seconds[korvex]}" "${seconds[$1]}")" "$(ratio "${best[korvex]}" "${best[$1]}")" \
    "$(ratio "${mib[korvex]}" "${mib[$1]}")"
}
row one_page "one-page sheet (one_page_sheet.exe)"
row calls "the same start-up calls, then one page (startup_calls.exe)"
row korvex "KORVEX.EXE, $pages pages, as run.sh starts it"
row default "KORVEX.EXE, $pages pages, Wine's default Direct3D renderer"
echo
echo "Start-up discovery steps, each the first use of its libraries in a fresh process:"
echo "median of $((3 * runs)) runs (fastest in brackets)."
echo
echo "| step | ours (s) | platform call (s) | ours / platform | found (ours; platform) |"
echo "| --- | ---: | ---: | ---: | --- |"
for step in aspi directx sound display all; do
  ours=$(median "$samples/ours" 2 "$step")
  platform=$(median "$samples/platform" 2 "$step")
  found="$(awk -v s="$step" '$1 == s { print $3; exit }' "$samples/ours"); $(awk -v s="$step" '$1 == s { print $3; exit }' "$samples/platform")"
  printf '| %s | %.4f (%.4f) | %.4f (%.4f) | %s (%s) | %s |\n' "$step" "$ours" "$(fastest "$samples/ours" 2 "$step")" \
    "$platform" "$(fastest "$samples/platform" 2 "$step")" "$(ratio "$ours" "$platform")" \
    "$(ratio "$(fastest "$samples/ours" 2 "$step")" "$(fastest "$samples/platform" 2 "$step")")" "$found"
done
