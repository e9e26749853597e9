# Installs the Debian packages the build, the tests and the run need, only those
# that are missing. Sourced, not run.

# Cross compilers with std::thread (GoogleTest), 64-bit Wine, a display server
# without a screen, screenshots, the build tools and GoogleTest's sources.
# fonts-wine gives dialogs the metrics of the fonts their templates name; without
# it labels sized for those fonts are cut short. xdotool makes clicks in the X
# server, which reach Wine as a user's clicks do.
KORVEX_PACKAGES=(mingw-w64 wine wine64 fonts-wine xvfb imagemagick cmake make googletest xdotool)

korvex_missing_packages() {
  local package
  for package in "${KORVEX_PACKAGES[@]}"; do
    if [[ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null)" != ii* ]]; then
      echo "$package"
    fi
  done
}

korvex_install_packages() {
  local missing
  mapfile -t missing < <(korvex_missing_packages)
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
