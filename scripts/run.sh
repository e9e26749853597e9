#!/usr/bin/env bash
# Builds KORVEX.EXE and opens its sheet in your own Wine prefix (WINEPREFIX, or
# ~/.wine), where an emulator running under Wine reads its settings.
# With a display it runs the program until you close it. Without one it starts
# a private Xvfb, saves a screenshot of every page in ./screenshots, and closes
# the sheet with Cancel, so nothing is written.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

korvex_build x64 KORVEX sheetctl
KORVEX_EXE="$KORVEX_BUILD/x64/app/KORVEX.EXE"
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine}"

if [[ -n "${DISPLAY:-}" ]]; then
  korvex_ensure_prefix
  korvex_prefer_gdi_renderer KORVEX.EXE
  exec wine "$KORVEX_EXE"
fi

stop_all() {
  korvex_stop_step
  korvex_stop_sheet
  # Let the prefix's own helpers end before their display goes away.
  timeout 10 wineserver -w 2>/dev/null || true
  korvex_stop_xvfb
}
trap stop_all EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

korvex_start_xvfb
korvex_ensure_prefix
korvex_prefer_gdi_renderer KORVEX.EXE
korvex_screenshot_tour "$KORVEX_EXE" "$KORVEX_ROOT/screenshots"
