# Sourced by the scripts that run Windows programs: a private Wine prefix
# under build/, quiet and without the Mono and Gecko prompts. The 64-bit
# one (64-bit Windows, with 32-bit programs beside the 64-bit ones when
# wine32 is installed) unless wine_use_32_bit_windows says otherwise. Each
# loader is named by its path: Debian's `wine` script starts the 32-bit one
# whenever it is installed.
export WINEPREFIX=${WINEPREFIX:-$PWD/build/wine-prefix}
export WINELOADER=/usr/lib/wine/wine64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE=$WINELOADER

# 32-bit Windows, as XP to 10 were: a prefix of its own, without SysWOW64,
# and the 32-bit loader.
WINE32_LOADER=/usr/lib/wine/wine
wine_use_32_bit_windows() {
  export WINEPREFIX=$PWD/build/wine-prefix32
  export WINEARCH=win32
  export WINELOADER=$WINE32_LOADER
  WINE=$WINELOADER
}

# Why this machine cannot run the 32-bit loader, or nothing when it can.
wine_32_bit_unavailable() {
  if [ ! -x "$WINE32_LOADER" ]; then
    echo "$WINE32_LOADER is not installed (Debian's wine32:i386, which scripts/deps.sh installs)"
  elif ! "$WINE32_LOADER" --version </dev/null >/dev/null 2>&1; then
    echo "$WINE32_LOADER does not start: this machine's kernel runs no 32-bit Linux programs"
  fi
}

# Creates the prefix once. A 64-bit prefix made before the 32-bit loader
# was installed has an empty SysWOW64, where no 32-bit program starts, and
# Wine's update does not fill it: such a prefix, the tests' own, is made
# again once the loader is there.
wine_create_prefix() {
  if [ -f "$WINEPREFIX/system.reg" ] && [ "${WINEARCH:-}" != win32 ] && [ -z "$(wine_32_bit_unavailable)" ] &&
     [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
    wineserver -k </dev/null >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$WINE" wineboot.exe -i </dev/null >/dev/null 2>&1
    wineserver -w </dev/null >/dev/null 2>&1
    "$WINE" reg.exe add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
  fi
}

# Starts a persistent server with no inherited output, so that nothing keeps
# a test's pipes open.
wine_start() {
  wine_create_prefix
  # Fails harmlessly when a server already runs.
  wineserver -p </dev/null >/dev/null 2>&1 || true
  "$WINE" wineboot.exe </dev/null >/dev/null 2>&1
}

wine_stop() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  if [ -n "${WINDOW_MANAGER_PID:-}" ]; then kill "$WINDOW_MANAGER_PID" 2>/dev/null || true; fi
}

# A window manager in the display: without one, Wine holds a process about
# two seconds whenever one of its visible windows hides or closes.
start_window_manager() {
  if [ -z "${WINDOW_MANAGER_PID:-}" ] && command -v openbox >/dev/null; then
    openbox --sm-disable </dev/null >/dev/null 2>&1 &
    WINDOW_MANAGER_PID=$!
  fi
}

# Where Wine reads the monitors from, for the servers started after it:
# "xinerama", which sees monitors split off one screen with RandR 1.5
# (tests/monitors/SplitScreen.c), or "xrandr", Wine's default, which sees
# one per output. Wine reads the setting when its server starts, so this
# stops a running one.
wine_monitors_from() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  wine_create_prefix
  if [ "$1" = xinerama ]; then
    "$WINE" reg.exe add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
  else
    "$WINE" reg.exe delete 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /f </dev/null >/dev/null 2>&1 || true
  fi
  wineserver -k </dev/null >/dev/null 2>&1 || true
}

# The X server options of a display that can be split into two 1024x768
# monitors side by side: one 2048x768 screen, kept across client disconnects
# (a server reset drops the monitors).
TWO_MONITORS_XVFB_OPTIONS="-noreset -screen 0 2048x768x24"

# In a display started with those options: splits the screen into the two
# monitors (build/native/tests/monitors/SplitScreen), has Wine read them
# through Xinerama, and starts the window manager and Wine. The setting
# lives in the shared prefix, so the trap this sets takes it out again
# however the calling script ends.
wine_start_on_two_monitors() {
  build/native/tests/monitors/SplitScreen >/dev/null
  trap 'wine_stop; wine_monitors_from xrandr' EXIT
  wine_monitors_from xinerama
  start_window_manager
  wine_start
}
