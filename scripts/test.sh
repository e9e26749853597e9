#!/usr/bin/env bash
# Builds both Windows builds (x64 and i686; tests are compiled in both) and runs
# the x64 tests under Wine, in a private prefix under build/x64, on a private
# Xvfb when there is no display. Exit status is the tests' status.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

korvex_build x64
korvex_build i686

stop_all() {
  korvex_stop_step
  korvex_stop_test_prefix
  korvex_stop_xvfb
}
trap stop_all EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Everything Wine does from here on happens in the private prefix.
export WINEPREFIX="$KORVEX_TEST_PREFIX"
[[ -n "${DISPLAY:-}" ]] || korvex_start_xvfb
korvex_prepare_test_prefix
korvex_keep_test_prefix_running

# One at a time: the test programs share the prefix's registry. A hung program
# (a dialog nobody closes) fails after the time-out instead of stalling.
status=0
cd "$KORVEX_BUILD/x64"
korvex_interruptible ctest --output-on-failure --parallel 1 --timeout 300 || status=$?
exit "$status"
