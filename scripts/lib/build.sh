# Configures and builds one of the two Windows builds. Sourced, not run.

# korvex_build ARCH [TARGET...]: ARCH is x64 (built and run under Wine) or i686
# (compiled only: no 32-bit Wine here); no target builds everything.
korvex_build() {
  local arch="$1"; shift
  local dir="$KORVEX_BUILD/$arch"
  local options=()
  case "$arch" in
    # The tests' prefix is the one test.sh prepares.
    x64) options=(-DCMAKE_TOOLCHAIN_FILE="$KORVEX_ROOT/cmake/mingw-x86_64.cmake"
                  -DKORVEX_TEST_PREFIX="$KORVEX_BUILD/x64/wineprefix") ;;
    i686) options=(-DCMAKE_TOOLCHAIN_FILE="$KORVEX_ROOT/cmake/mingw-i686.cmake") ;;
    *) korvex_fail "unknown build $arch" ;;
  esac
  local targets=()
  [[ $# -gt 0 ]] && targets=(--target "$@")
  korvex_quietly "configure-$arch" cmake -S "$KORVEX_ROOT" -B "$dir" "${options[@]}"
  korvex_quietly "build-$arch" cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
}
