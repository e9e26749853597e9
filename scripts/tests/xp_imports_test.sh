#!/usr/bin/env bash
# The 32-bit KORVEX.EXE must load on Windows XP: every function it imports has
# to be on the list of calls XP has. A new import fails here until it has been
# checked against XP and added to the list.
# Usage: xp_imports_test.sh KORVEX.EXE ALLOWED-LIST
set -euo pipefail
exe="$1" allowed="$2"
[[ -f "$exe" ]] || { echo "FAILED: no $exe (the i686 build makes it; scripts/test.sh builds it first)" >&2; exit 1; }

# "dll function" per import, the library in lower case as Windows matches it.
# A function imported by number alone shows as "#number".
imports() {
  i686-w64-mingw32-objdump -p "$exe" | awk '
    /^\tDLL Name: / { dll = tolower($3); next }
    /^$/ { dll = "" }
    dll != "" && /^\t[0-9a-f]+\t/ { name = $NF; if ($NF ~ /^[0-9]+$/) name = "#" $NF; print dll, name }
  ' | sort -u
}

mapfile -t found < <(imports)
# An unreadable table would pass every check below.
if [[ ${#found[@]} -lt 20 ]] || ! printf '%s\n' "${found[@]}" | grep -q '^kernel32\.dll '; then
  echo "FAILED: could not read the imports of $exe" >&2
  exit 1
fi

mapfile -t extra < <(comm -23 <(printf '%s\n' "${found[@]}") <(grep -v '^#' "$allowed" | sed '/^$/d' | sort -u))
if [[ ${#extra[@]} -gt 0 ]]; then
  echo "FAILED: $exe imports what is not on the list of Windows XP calls ($allowed):" >&2
  printf '  %s\n' "${extra[@]}" >&2
  exit 1
fi
echo "xp imports: ${#found[@]} functions, all on the list"
