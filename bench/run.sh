#!/usr/bin/env bash
# Reports under Wine what a session costs against the floor a user would
# otherwise have, how the settings sheet keeps up with thousands of screen
# savers, the shipped files' sizes and the time of a silent install and
# uninstall, all in a display of one monitor; then, in a display of two,
# what a session with one screen saver per monitor costs. The shipped 64-bit
# program is what is measured, in the 64-bit prefix; then the shipped 32-bit
# program, in the 32-bit prefix (as 32-bit Windows runs it), for its first
# screen saver's start and its settings sheet beside the 64-bit figures.
# Usage: bench/run.sh [runs] [seconds to watch]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
export TOMBOLIX_BIN="Z:${PWD//\//\\}\\build\\win64\\bin"
export TOMBOLIX_SHIPPED="Z:${PWD//\//\\}\\build\\ship64\\bin"
case "${INSIDE_XVFB:-}" in
  "")
    scripts/build.sh >/dev/null
    INSIDE_XVFB=one-monitor xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
    INSIDE_XVFB=two-monitors xvfb-run -a -s "$TWO_MONITORS_XVFB_OPTIONS" "$0" "$@"
    if reason=$(wine_32_bit_unavailable) && [ -n "$reason" ]; then
      echo "the 32-bit program was not measured: $reason"
    else
      INSIDE_XVFB=32-bit exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
    fi
    exit
    ;;
  two-monitors)
    wine_start_on_two_monitors
    "$WINE" build/win64/bin/monitor_bench.exe "${1:-5}" "${2:-60}"
    exit
    ;;
  32-bit)
    wine_use_32_bit_windows
    export TOMBOLIX_BIN="Z:${PWD//\//\\}\\build\\win32\\bin"
    export TOMBOLIX_SHIPPED="Z:${PWD//\//\\}\\build\\ship32\\bin"
    start_window_manager
    wine_start
    trap wine_stop EXIT
    echo
    echo "== the shipped 32-bit program on 32-bit Windows"
    "$WINE" build/win32/bin/session_bench.exe "${1:-5}" "${2:-60}"
    "$WINE" build/win32/bin/sheet_bench.exe "${1:-5}"
    exit
    ;;
esac
start_window_manager
wine_start
trap wine_stop EXIT
"$WINE" build/win64/bin/session_bench.exe "${1:-5}" "${2:-60}"
"$WINE" build/win64/bin/sheet_bench.exe "${1:-5}"

# What a user downloads and waits for: the shipped files' sizes, and a silent
# install and uninstall of the shipped 64-bit setup, which runs here.
milliseconds() { echo $(( $(date +%s%N) / 1000000 )); }
installed="$WINEPREFIX/drive_c/Program Files/Tombolix"
begin=$(milliseconds)
"$WINE" dist/TombolixSetup64.exe /S </dev/null >/dev/null 2>&1
installMs=$(( $(milliseconds) - begin ))
begin=$(milliseconds)
"$WINE" 'C:\Program Files\Tombolix\Uninstall.exe' /S </dev/null >/dev/null 2>&1
# Its helper removes Uninstall.exe and the folder just after it ends.
while [ -d "$installed" ] && [ $(( $(milliseconds) - begin )) -lt 30000 ]; do sleep 0.05; done
uninstallMs=$(( $(milliseconds) - begin ))
echo "shipped files: Tombolix2.scr $(stat -c %s dist/Tombolix2.scr) bytes (64-bit $(stat -c %s dist/x64/Tombolix2.scr))," \
     "TombolixSetup.exe $(stat -c %s dist/TombolixSetup.exe) bytes, TombolixSetup64.exe" \
     "$(stat -c %s dist/TombolixSetup64.exe) bytes; silent install ${installMs} ms, silent uninstall ${uninstallMs} ms"
