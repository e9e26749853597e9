#!/usr/bin/env bash
# Checks by hand that a release is reproducible: clones the commit (HEAD, or the
# one named) twice into two folders under build/release-check/, runs
# scripts/release.sh in each, one after the other, the second in another time
# zone and with another umask and locale, and compares the zips, their
# SHA256SUMS and the EXEs byte for byte. Prints the hashes; exit status 0 when
# all are identical. Takes as long as two builds of KORVEX.EXE in both builds.
# Usage: scripts/release_check.sh [COMMIT]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"

commit="$(git -C "$KORVEX_ROOT" rev-parse --verify "${1:-HEAD}^{commit}")"
work="$KORVEX_BUILD/release-check"
first="$work/first"
second="$work/second-in-a-longer-folder"
rm -rf "$work"
mkdir -p "$work"

# release_from FOLDER: a clean clone of the commit in FOLDER, released there.
release_from() {
  git clone -q --no-checkout "$KORVEX_ROOT" "$1"
  git -C "$1" checkout -q --detach "$commit"
  echo "Release in $1, $(date -u '+%F %T') UTC"
  "$1/scripts/release.sh"
}
release_from "$first"
# The second differs also in what a build or zip could let slip in: the time
# zone of the dates, the modes of new files, the locale.
(umask 077 && export TZ=Pacific/Chatham LC_ALL=C.UTF-8 && release_from "$second")

# The zip's name holds the version: whatever the first made.
zip_path="$(cd "$first" && ls dist/*.zip)"
status=0
echo "SHA-256 of the two releases:"
for file in build/i686/release/KORVEX.EXE build/x64/release/KORVEX.EXE "$zip_path" dist/SHA256SUMS; do
  a="$(sha256sum <"$first/$file" | cut -d' ' -f1)"
  b="$(sha256sum <"$second/$file" | cut -d' ' -f1)"
  if [[ "$a" == "$b" ]]; then
    echo "  identical  $a  $file"
  else
    echo "  DIFFERENT  $a  $file (first)"
    echo "             $b  $file (second)"
    status=1
  fi
done
if ((status == 0)); then
  echo "Reproducible: both clean builds of $commit are byte-identical."
  rm -rf "$work"
else
  echo "NOT reproducible; the two clones are kept in $work" >&2
fi
exit "$status"
