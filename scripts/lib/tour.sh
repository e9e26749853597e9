# The screenshot tour: shows every page of the sheet on the current display,
# saves a picture of each and closes the sheet with Cancel, so that no page
# writes a setting. Sourced, not run.
#
# The program runs in a Wine desktop of its own: a window of the display in
# which Wine draws every window whole, caption and frame included, as Windows
# does. On a display without a window manager Wine would otherwise leave the
# caption and frame to the manager that is not there, and the pictures would
# show the client area only. A desktop is made by starting it, not by a
# setting: nothing is written to the prefix.

KORVEX_SHEET_PID=""
KORVEX_SHEET_CAPTION="KORVEX Properties"
KORVEX_TOUR_DESKTOP="KORVEX-tour"
KORVEX_TOUR_DESKTOP_SIZE="1024x768"

KORVEX_SHEETCTL="$KORVEX_BUILD/x64/scripts/sheetctl.exe"

korvex_sheetctl() {
  wine "$KORVEX_SHEETCTL" --desktop "$KORVEX_TOUR_DESKTOP" "$@" | tr -d '\r'
}

# A tab title as part of a file name: no mnemonic ampersand, no spaces or slashes.
korvex_file_title() {
  local title="${1//&/}"
  echo "${title//[^A-Za-z0-9._-]/-}"
}

# korvex_screenshot_tour EXE DIR: one PNG per page in DIR, named by tab order
# and title (01-General.png, ...); the folder's older PNGs are removed. Says
# the folder, the number of pages and the sheet's size in pixels.
korvex_screenshot_tour() {
  local exe="$1" dir="$2"
  mkdir -p "$dir"
  rm -f "$dir"/*.png
  wine explorer "/desktop=$KORVEX_TOUR_DESKTOP,$KORVEX_TOUR_DESKTOP_SIZE" "$exe" >"$KORVEX_LOGS/sheet.log" 2>&1 &
  KORVEX_SHEET_PID=$!
  # The first start in a new prefix creates it first, which takes a while.
  korvex_interruptible wine "$KORVEX_SHEETCTL" --desktop "$KORVEX_TOUR_DESKTOP" wait 180 ||
    korvex_fail "the sheet did not appear (see $KORVEX_LOGS/sheet.log)"

  local count index title file size
  count="$(korvex_sheetctl count)"
  size="$(korvex_sheetctl size)"
  for ((index = 0; index < count; index++)); do
    title="$(korvex_sheetctl title "$index")"
    korvex_sheetctl select "$index" || korvex_fail "page $index ($title) could not be shown"
    sleep 0.5  # Wine copies the painted page to the X window shortly after
    file="$dir/$(printf '%02d' $((index + 1)))-$(korvex_file_title "$title").png"
    import -window "$KORVEX_SHEET_CAPTION" "$file" 2>/dev/null ||
      korvex_quietly screenshot import -window root "$file"
  done

  korvex_sheetctl cancel || korvex_fail "the sheet did not close on Cancel"
  local tenths=100
  while kill -0 "$KORVEX_SHEET_PID" 2>/dev/null && ((tenths-- > 0)); do sleep 0.1; done
  kill -0 "$KORVEX_SHEET_PID" 2>/dev/null && korvex_fail "KORVEX.EXE did not end after Cancel"
  wait "$KORVEX_SHEET_PID" || true  # the program sets no exit code of its own
  KORVEX_SHEET_PID=""
  echo "Screenshots: $dir ($count pages of ${size/ /x} pixels)"
}

# Ends a sheet the tour left open (a failed step, Ctrl-C). The process started
# is Wine's launcher of the desktop; Cancel ends the program in it, and with
# the program the desktop.
korvex_stop_sheet() {
  [[ -n "$KORVEX_SHEET_PID" ]] || return 0
  timeout 20 wine "$KORVEX_SHEETCTL" --desktop "$KORVEX_TOUR_DESKTOP" cancel >/dev/null 2>&1 || true
  kill "$KORVEX_SHEET_PID" 2>/dev/null || true
  wait "$KORVEX_SHEET_PID" 2>/dev/null || true
  KORVEX_SHEET_PID=""
}
