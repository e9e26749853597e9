#!/usr/bin/env bash
# The README's table of settings values is the program's own: made anew from
# settings/values.h, the README comes out unchanged. And the README shows
# every picture of docs/pages, and no picture that is not there.
# Usage: readme_table_test.sh readme_table.exe README.md
set -euo pipefail
exe="$1" readme="$2"
if ! wine "$exe" <"$readme" | diff -u "$readme" - >&2; then
  echo "FAILED: the README's settings table differs from the program's (the diff above);" \
       "remake it with: wine build/x64/scripts/readme_table.exe < README.md > README.new && mv README.new README.md" >&2
  exit 1
fi
root="$(dirname "$readme")"
shown="$(grep -o 'docs/pages/[^)]*\.png' "$readme" | sort -u)"
there="$(cd "$root" && ls docs/pages/*.png | sort)"
if [[ "$shown" != "$there" ]]; then
  echo "FAILED: the README shows other pictures than docs/pages holds:" >&2
  diff <(echo "$shown") <(echo "$there") >&2 || true
  exit 1
fi
echo "readme: the program's settings table, $(wc -l <<<"$there") pictures"
