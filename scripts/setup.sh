# Set-up shared by run.sh and test.sh: the helpers, and the Debian packages both
# need. Sourced, not run.

for korvex_lib in common locale packages build xvfb wineprefix tour; do
  # shellcheck source=/dev/null
  source "$(dirname "${BASH_SOURCE[0]}")/lib/$korvex_lib.sh"
done
unset korvex_lib

# Wine's own chatter (and its note that 32-bit Wine is missing) stays out.
export WINEDEBUG="${WINEDEBUG:--all}"
korvex_use_utf8_locale

korvex_install_packages "${KORVEX_BUILD_PACKAGES[@]}" "${KORVEX_RUN_PACKAGES[@]}"
