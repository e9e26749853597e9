#!/usr/bin/env bash
# The stripped KORVEX.EXE of each build, the one a release ships, must come out
# the same from the same source wherever and whenever it is built: no time in
# its PE header, no symbols (with their file names), no path of the folders
# it was built in. (scripts/release_check.sh compares two whole builds.)
# Usage: release_exe_test.sh SOURCE-FOLDER RELEASE-EXE...
set -euo pipefail
source_dir="$1"; shift

# u32 FILE OFFSET: the little-endian 32-bit number at OFFSET.
u32() { od -An -tu4 -j "$2" -N4 "$1" | tr -d ' '; }

failed=0
fail() { echo "FAILED: $exe: $*" >&2; failed=1; }
for exe in "$@"; do
  if [[ ! -f "$exe" ]]; then
    echo "FAILED: no $exe (scripts/test.sh builds both builds first)" >&2
    failed=1; continue
  fi
  build_dir="$(cd "$(dirname "$exe")/.." && pwd -P)"
  header="$(u32 "$exe" 60)"  # e_lfanew: where "PE\0\0" and the file header start
  [[ "$(od -An -c -j "$header" -N2 "$exe" | tr -d ' ')" == PE ]] || { fail "no PE header"; continue; }
  stamp="$(u32 "$exe" $((header + 8)))"
  symbols="$(u32 "$exe" $((header + 16)))"
  [[ "$stamp" == 0 ]] || fail "link time stamp $stamp ($(date -u -d "@$stamp"))"
  [[ "$symbols" == 0 ]] || fail "has $symbols symbols: not stripped"
  for dir in "$source_dir" "$build_dir"; do
    if grep -a -F -q "$dir" "$exe"; then fail "holds the path $dir"; fi
  done
done
((failed == 0)) && echo "release EXEs: no time stamp, no symbols, no build paths ($#)"
exit "$failed"
