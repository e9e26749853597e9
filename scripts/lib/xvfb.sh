# A private X display for machines without one (CI, a server over ssh).
# Sourced, not run.

KORVEX_XVFB_PID=""

# Starts Xvfb on a free display and exports DISPLAY for it.
korvex_start_xvfb() {
  local number_file
  number_file="$(mktemp)"
  # -displayfd: Xvfb picks a free display itself and writes its number.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" 2>/dev/null &
  KORVEX_XVFB_PID=$!
  local tries=100
  until [[ -s "$number_file" ]]; do
    if ! kill -0 "$KORVEX_XVFB_PID" 2>/dev/null || ((--tries == 0)); then
      rm -f "$number_file"
      korvex_stop_xvfb
      korvex_fail "Xvfb did not start"
    fi
    sleep 0.1
  done
  DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
  export DISPLAY
  rm -f "$number_file"
}

# Stops the Xvfb started above, if any; safe to call more than once.
korvex_stop_xvfb() {
  [[ -n "$KORVEX_XVFB_PID" ]] || return 0
  kill "$KORVEX_XVFB_PID" 2>/dev/null || true
  wait "$KORVEX_XVFB_PID" 2>/dev/null || true
  KORVEX_XVFB_PID=""
}
