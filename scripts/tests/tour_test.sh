#!/usr/bin/env bash
# run.sh's screenshot tour against the real KORVEX.EXE, in the tests' prefix and
# on their display: one picture per page in tab order, each of the whole sheet,
# and Cancel leaves the settings as they were.
# Usage: tour_test.sh KORVEX.EXE sheetctl.exe
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/../lib/common.sh"
source "$here/../lib/tour.sh"
KORVEX_SHEETCTL="$2"
KORVEX_LOGS="$(mktemp -d)"

# The tests' prefix leaves windows unmanaged, so Wine frames them itself. A
# user's prefix hands them to a window manager, and run.sh's display has none:
# make this prefix the user's kind while the tour runs, so that a picture
# without caption and frame shows here as it would there.
x11_driver='HKCU\Software\Wine\X11 Driver'
managed() { wine reg add "$x11_driver" /v Managed /t REG_SZ /d "$1" /f >/dev/null 2>&1; }
trap 'korvex_stop_sheet; managed N; rm -rf "$KORVEX_LOGS"' EXIT
managed Y

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
summary="[(]${#files[@]} pages of ([0-9]+x[0-9]+) pixels[)]$"
check '[[ ${#files[@]} -gt 0 && $said =~ $summary ]]' "$said: ${files[*]}"
sheet="${BASH_REMATCH[1]}"
check '[[ ${files[0]} == 01-* && ${files[-1]} == $(printf %02d ${#files[@]})-*.png ]]' "${files[*]}"
for file in "${files[@]}"; do
  # The whole sheet as Windows measures it, caption and frame included: a
  # picture of the client area alone is smaller.
  size="$(identify -format '%wx%h' "$shots/$file")"
  check '[[ $size == "$sheet" && ${sheet%x*} -ge 200 ]]' "$file is $size, the sheet $sheet"
done
check '[[ "$(settings)" == "$before" ]]' "the settings changed although the sheet was cancelled"
echo "tour: ${#files[@]} pages, nothing written"
