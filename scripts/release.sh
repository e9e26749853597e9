#!/usr/bin/env bash
# Makes the release of the checked-out commit: builds KORVEX.EXE in both
# Windows builds and writes dist/korvex-VERSION-windows.zip, with
# x86/KORVEX.EXE (i686), x64/KORVEX.EXE, README.txt and LICENSE.txt, and
# dist/SHA256SUMS. The EXEs are the tested ones without their symbols. The same
# commit gives the same bytes in any folder at any time: the zip holds its
# files in a fixed order, dated at the commit's time; scripts/release_check.sh
# makes two releases from clean clones and compares them.
set -euo pipefail
for korvex_lib in common packages build; do
  # shellcheck source=/dev/null
  source "$(dirname "${BASH_SOURCE[0]}")/lib/$korvex_lib.sh"
done
unset korvex_lib
# git: the commit's time; zip: the archive.
korvex_install_packages "${KORVEX_BUILD_PACKAGES[@]}" git zip

# A clone owned by another user than the one running this (root, to install)
# is refused by git unless named safe.
korvex_git() { git -c safe.directory="$KORVEX_ROOT" -C "$KORVEX_ROOT" "$@"; }
commit_time="$(korvex_git log -1 --format=%ct 2>/dev/null)" ||
  korvex_fail "$KORVEX_ROOT is not a git clone: a release is made from a commit"
[[ -z "$(korvex_git status --porcelain)" ]] ||
  korvex_fail "the working tree has changes that are not committed: commit them," \
    "or a release would not be the commit it names"

korvex_build x64 release_files
korvex_build i686 release_files

version="$(<"$KORVEX_BUILD/x64/release/VERSION")"
zip_name="korvex-$version-windows.zip"
stage="$KORVEX_BUILD/release-zip"
dist="$KORVEX_ROOT/dist"
rm -rf "$stage" "$dist"
mkdir -p "$stage/x86" "$stage/x64" "$dist"
cp "$KORVEX_BUILD/i686/release/KORVEX.EXE" "$stage/x86/"
cp "$KORVEX_BUILD/x64/release/KORVEX.EXE" "$stage/x64/"
cp "$KORVEX_BUILD/x64/release/README.txt" "$KORVEX_BUILD/x64/release/LICENSE.txt" "$stage/"

# A zip stores each file's mode, and its date in local time: both fixed here.
# -X leaves out the owner and the Unix times, -D the folders' own entries.
files=(README.txt LICENSE.txt x86/KORVEX.EXE x64/KORVEX.EXE)
(
  cd "$stage"
  chmod 644 "${files[@]}"
  TZ=UTC touch -d "@$commit_time" "${files[@]}"
  TZ=UTC korvex_quietly zip zip -X -D -9 "$dist/$zip_name" "${files[@]}"
)
(cd "$dist" && sha256sum "$zip_name" >SHA256SUMS)

echo "Release $version of commit $(korvex_git rev-parse --short HEAD):"
echo "  $dist/$zip_name ($(stat -c %s "$dist/$zip_name") bytes)"
echo "  $dist/SHA256SUMS: $(cut -d' ' -f1 "$dist/SHA256SUMS")"
echo "  x86/KORVEX.EXE $(stat -c %s "$stage/x86/KORVEX.EXE") bytes, x64/KORVEX.EXE $(stat -c %s "$stage/x64/KORVEX.EXE") bytes"
