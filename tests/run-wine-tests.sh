#!/usr/bin/env bash
# Runs the tests of build/win64 under Wine inside virtual X displays, in two
# passes; the arguments go to ctest in both (-R, -V, ...), and a pass that
# they select no test of is left out.
#
#  1. Every test but those labelled "monitors", in a display of one
#     1024x768 monitor.
#  2. The tests labelled "monitors" (e2e_monitor_tests), in a display of two
#     1024x768 monitors side by side. Xvfb cannot make such a display for
#     Windows programs by itself (its screens all start at 0,0 for them), so
#     this pass starts it with one 2048x768 screen, kept across client
#     disconnects (-noreset), splits that with RandR 1.5 monitors
#     (build/native/tests/monitors/SplitScreen), and has Wine read the
#     monitors through Xinerama (UseXRandR=N) for the length of the pass.
#     The setting lives in the shared prefix: it is taken out again however
#     the pass ends, so that no other run sees two monitors' worth of it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh

ctest_run=(ctest --test-dir build/win64 --output-on-failure --timeout 300)

# True when ctest, with these options added, selects at least one test.
selects_tests() {
  "${ctest_run[@]}" -N "$@" | grep -q '^Total Tests: [1-9]'
}

one_monitor_pass() {
  start_window_manager
  wine_start
  trap wine_stop EXIT
  "${ctest_run[@]}" -LE monitors "$@"
}

two_monitors_pass() {
  wine_start_on_two_monitors
  "${ctest_run[@]}" -L monitors "$@"
}

case "${INSIDE_XVFB:-}" in
  one-monitor) one_monitor_pass "$@" ;;
  two-monitors) two_monitors_pass "$@" ;;
  *)
    [ -f build/win64/CTestTestfile.cmake ] || { echo "run-wine-tests: build/win64 is not built" >&2; exit 1; }
    status=0
    if selects_tests -LE monitors "$@"; then
      INSIDE_XVFB=one-monitor xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@" || status=$?
    fi
    if selects_tests -L monitors "$@"; then
      INSIDE_XVFB=two-monitors xvfb-run -a -s "$TWO_MONITORS_XVFB_OPTIONS" "$0" "$@" || status=$?
    fi
    exit "$status"
    ;;
esac
