# Shared helpers of the scripts: where things are, and how steps report.
# Sourced, not run.

KORVEX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
KORVEX_BUILD="$KORVEX_ROOT/build"
KORVEX_LOGS="$KORVEX_BUILD/logs"

korvex_fail() {
  echo "error: $*" >&2
  exit 1
}

# Runs a step with its output in a log, shown only when the step fails: the
# scripts stay quiet when all is well.
korvex_quietly() {
  local name="$1"; shift
  local log="$KORVEX_LOGS/$name.log"
  mkdir -p "$KORVEX_LOGS"
  if ! "$@" >"$log" 2>&1; then
    echo "error: $name failed: $*" >&2
    tail -n 40 "$log" >&2
    echo "(whole output in $log)" >&2
    return 1
  fi
}

# Runs a long step (waiting for a window, the test run) so that Ctrl-C stops the
# script at once. A Wine program ends on Ctrl-C with status 0, and bash goes on
# after a foreground command that did not die of the signal; waiting on a
# background one lets the INT trap run instead.
KORVEX_STEP_PID=""
korvex_interruptible() {
  "$@" &
  KORVEX_STEP_PID=$!
  local status=0
  wait "$KORVEX_STEP_PID" || status=$?
  KORVEX_STEP_PID=""
  return "$status"
}

# Ends the step above if the script is leaving while it runs.
korvex_stop_step() {
  [[ -n "$KORVEX_STEP_PID" ]] || return 0
  kill "$KORVEX_STEP_PID" 2>/dev/null || true
  wait "$KORVEX_STEP_PID" 2>/dev/null || true
  KORVEX_STEP_PID=""
}
