#!/usr/bin/env bash
# run.sh and test.sh run Wine in a UTF-8 locale whatever the caller's, and keep
# the caller's own when it is one. Each row: the caller's locale variables, and
# the character set and LC_ALL the scripts then have.
# Usage: locale_test.sh SETUP.SH
set -euo pipefail
setup="$1"
failed=0
row() {
  local expected="$1"; shift
  local got
  got="$(env -i PATH="$PATH" HOME="$HOME" "$@" bash -c \
    'source "$1" >/dev/null && echo "$(locale charmap 2>/dev/null) ${LC_ALL-(unset)}"' row "$setup")"
  if [[ "$got" != "$expected" ]]; then
    echo "FAILED: caller ${*:-with no locale}: got '$got', expected '$expected'" >&2
    failed=1
  fi
}
row "UTF-8 C.UTF-8"                                    # a minimal container: the POSIX locale
row "UTF-8 (unset)" LANG=C.UTF-8                       # the caller's own stays
row "UTF-8 C.UTF-8" LANG=C.UTF-8 LC_ALL=C              # LC_ALL outranks LANG
row "UTF-8 C.UTF-8" LANG=xx_YY.UTF-8                   # named UTF-8 but not installed
exit "$failed"
