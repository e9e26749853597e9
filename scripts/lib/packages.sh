# Installs the Debian packages the scripts need, only those that are missing.
# Sourced, not run.

# Building: cross compilers with std::thread (GoogleTest), the build tools, and
# GoogleTest's sources, which every configuration of the project includes.
KORVEX_BUILD_PACKAGES=(mingw-w64 cmake make googletest)
# Running under Wine: 64-bit Wine, a display server without a screen,
# screenshots. fonts-wine gives dialogs the metrics of the fonts their templates
# name; without it labels sized for those fonts are cut short. xdotool makes
# clicks in the X server, which reach Wine as a user's clicks do.
KORVEX_RUN_PACKAGES=(wine wine64 fonts-wine xvfb imagemagick xdotool)

# korvex_missing_packages PACKAGE...: those of them not installed, one a line.
korvex_missing_packages() {
  local package
  for package in "$@"; do
    if [[ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null)" != ii* ]]; then
      echo "$package"
    fi
  done
}

# korvex_install_packages PACKAGE...: installs those missing, as root; as
# another user names them and stops.
korvex_install_packages() {
  local missing
  mapfile -t missing < <(korvex_missing_packages "$@")
  [[ ${#missing[@]} -eq 0 ]] && return 0
  if [[ $(id -u) -ne 0 ]]; then
    korvex_fail "missing packages: ${missing[*]}; install them as root:" \
      "apt-get install ${missing[*]}"
  fi
  echo "Installing ${missing[*]} ..."
  # The package index of a fresh machine is empty or stale.
  korvex_quietly apt-update apt-get update
  korvex_quietly apt-install env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
}
