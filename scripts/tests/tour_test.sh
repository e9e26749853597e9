#!/usr/bin/env bash
# run.sh's screenshot tour against the real KORVEX.EXE, in the tests' prefix and
# on their display: one picture per page in tab order, and Cancel leaves the
# settings as they were. Usage: tour_test.sh KORVEX.EXE sheetctl.exe
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/../lib/common.sh"
source "$here/../lib/tour.sh"
KORVEX_SHEETCTL="$2"
KORVEX_LOGS="$(mktemp -d)"
trap 'korvex_stop_sheet; rm -rf "$KORVEX_LOGS"' EXIT

check() {
  if ! eval "$1"; then
    echo "FAILED: $1 ($2)" >&2
    [[ -f "$KORVEX_LOGS/sheet.log" ]] && cat "$KORVEX_LOGS/sheet.log" >&2
    exit 1
  fi
}

settings() { wine reg query 'HKCU\Software\Tessaran' /s 2>&1 || true; }
before="$(settings)"
shots="$KORVEX_LOGS/shots"
korvex_screenshot_tour "$1" "$shots" >"$KORVEX_LOGS/said"
said="$(cat "$KORVEX_LOGS/said")"

# The sheet holds the pages that exist so far; each gets its own picture.
mapfile -t files < <(cd "$shots" && ls)
check '[[ ${#files[@]} -gt 0 && $said == *"(${#files[@]} pages)" ]]' "$said: ${files[*]}"
check '[[ ${files[0]} == 01-* && ${files[-1]} == $(printf %02d ${#files[@]})-*.png ]]' "${files[*]}"
for file in "${files[@]}"; do
  # A picture of the sheet, not an empty or tiny one.
  size="$(identify -format '%w %h' "$shots/$file")"
  check '[[ ${size% *} -ge 200 && ${size#* } -ge 200 ]]' "$file is $size"
done
check '[[ "$(settings)" == "$before" ]]' "the settings changed although the sheet was cancelled"
echo "tour: ${#files[@]} pages, nothing written"
