# Wine prefixes: the user's own, made on first use, and the tests' private one
# under the build folder, so that tests never read or write the user's
# settings. Sourced, not run.

KORVEX_TEST_PREFIX="$KORVEX_BUILD/x64/wineprefix"

# Creates WINEPREFIX if it does not exist yet. Wine would do it by itself on
# first start, but noisily and while the caller is waiting for a window.
korvex_ensure_prefix() {
  [[ -d "$WINEPREFIX" ]] && return 0
  korvex_quietly wineboot korvex_interruptible wineboot -i
}

# Wine's default Direct3D renderer brings up OpenGL as soon as the DirectX probe
# makes its DirectDraw objects, which is most of KORVEX.EXE's start-up time and
# memory. Wine's GDI renderer answers the probe alike (DirectX 7+, the same
# display devices). Set through Wine's per-program settings, so it holds for the
# named program alone, and only where no renderer was chosen for it yet.
korvex_prefer_gdi_renderer() {
  local key="HKCU\\Software\\Wine\\AppDefaults\\$1\\Direct3D"
  wine reg query "$key" /v renderer >/dev/null 2>&1 ||
    korvex_quietly gdi-renderer wine reg add "$key" /v renderer /t REG_SZ /d gdi /f
}

# Creates the test prefix once; a half-made one (interrupted creation) is made anew.
korvex_prepare_test_prefix() {
  local ready="$KORVEX_TEST_PREFIX/.korvex-ready"
  [[ -f "$ready" ]] && return 0
  korvex_stop_test_prefix
  rm -rf "$KORVEX_TEST_PREFIX"
  WINEPREFIX="$KORVEX_TEST_PREFIX" korvex_ensure_prefix
  # With no window manager Wine otherwise waits about a second whenever a
  # window is hidden, and the tests hide many.
  WINEPREFIX="$KORVEX_TEST_PREFIX" korvex_quietly wine-x11-unmanaged \
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
  touch "$ready"
}

# Keeps the prefix's server and services running between the test programs,
# which would otherwise start them anew, a few seconds apiece. The services are
# started here so that they hold this log open, not the output of a test that
# CTest waits on until it is closed.
korvex_keep_test_prefix_running() {
  # A server still up (from making the prefix, or a run that was cut short)
  # would keep its own short persistence: start over with ours.
  korvex_stop_test_prefix
  korvex_quietly wineserver-persistent wineserver -p
  korvex_quietly wine-services wine cmd /c exit
}

# Stops the test prefix's wineserver and every program still running in it.
korvex_stop_test_prefix() {
  [[ -d "$KORVEX_TEST_PREFIX" ]] || return 0
  WINEPREFIX="$KORVEX_TEST_PREFIX" wineserver -k 2>/dev/null || true
}
