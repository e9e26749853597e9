#!/usr/bin/env bash
# The 32-bit KORVEX.EXE must be large-address-aware: without the flag in its
# header a 32-bit process on a 64-bit Windows gets 2 GiB of address space, and
# the memory figures it is given are held to that too.
# Usage: large_address_test.sh KORVEX.EXE
set -euo pipefail
exe="$1"
[[ -f "$exe" ]] || { echo "FAILED: no $exe (the i686 build makes it; scripts/test.sh builds it first)" >&2; exit 1; }

# IMAGE_FILE_LARGE_ADDRESS_AWARE is bit 0x20 of the file header's characteristics.
characteristics="$(i686-w64-mingw32-objdump -p "$exe" | awk '/^Characteristics 0x/ && !seen++ { print $2 }')"
[[ -n "$characteristics" ]] || { echo "FAILED: could not read the header of $exe" >&2; exit 1; }
if (( (characteristics & 0x20) == 0 )); then
  echo "FAILED: $exe is not large-address-aware (characteristics $characteristics)" >&2
  exit 1
fi
echo "large address aware: $exe (characteristics $characteristics)"
