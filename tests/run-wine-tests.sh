#!/usr/bin/env bash
# Runs the Windows tests under Wine inside virtual X displays, in three
# passes; the arguments go to ctest in each (-R, -V, ...), and a pass that
# they select no test of is left out. PASSES names the passes to run
# (default: "64 monitors 32").
#
#  64. 64-bit Windows: every test of build/win64 but those labelled
#      "monitors", in a display of one 1024x768 monitor, in the 64-bit
#      prefix, which runs 32-bit programs too (WoW64).
#  monitors. The tests of build/win64 labelled "monitors"
#      (e2e_monitor_tests), in a display of two 1024x768 monitors side by
#      side. Xvfb cannot make such a display for Windows programs by itself
#      (its screens all start at 0,0 for them), so this pass starts it with
#      one 2048x768 screen, kept across client disconnects (-noreset),
#      splits that with RandR 1.5 monitors
#      (build/native/tests/monitors/SplitScreen), and has Wine read the
#      monitors through Xinerama (UseXRandR=N) for the length of the pass.
#      The setting lives in the shared prefix: it is taken out again however
#      the pass ends, so that no other run sees two monitors' worth of it.
#  32. 32-bit Windows: every test of build/win32 but those labelled
#      "monitors" (the 32-bit Windows tests, and the scenarios against the
#      shipped 32-bit programs and TombolixSetup.exe), in a 32-bit prefix of
#      its own under the 32-bit loader. On a machine that cannot run it, it
#      says so and why in one line instead, and the other passes count.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh

# Each suite is one ctest test of several minutes: the limit holds on a busy
# two-core machine and still ends a hung run.
ctest_run=(ctest --test-dir build/win64 --output-on-failure --timeout 1200)
ctest_run32=(ctest --test-dir build/win32 --output-on-failure --timeout 1200)
passes=" ${PASSES:-64 monitors 32} "

# True when the pass is asked for and ctest, with these options added,
# selects at least one test.
selects_tests() {   # pass ctest-command... options...
  local pass=$1; shift
  [[ $passes == *" $pass "* ]] && "$@" -N | grep -q '^Total Tests: [1-9]'
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

thirty_two_bit_pass() {
  wine_use_32_bit_windows
  start_window_manager
  wine_start
  trap wine_stop EXIT
  "${ctest_run32[@]}" -LE monitors "$@"
}

case "${INSIDE_XVFB:-}" in
  one-monitor) one_monitor_pass "$@" ;;
  two-monitors) two_monitors_pass "$@" ;;
  32-bit) thirty_two_bit_pass "$@" ;;
  *)
    for tree in build/win64 build/win32; do
      [ -f $tree/CTestTestfile.cmake ] || { echo "run-wine-tests: $tree is not built" >&2; exit 1; }
    done
    status=0
    if selects_tests 64 "${ctest_run[@]}" -LE monitors "$@"; then
      INSIDE_XVFB=one-monitor xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@" || status=$?
    fi
    if selects_tests monitors "${ctest_run[@]}" -L monitors "$@"; then
      INSIDE_XVFB=two-monitors xvfb-run -a -s "$TWO_MONITORS_XVFB_OPTIONS" "$0" "$@" || status=$?
    fi
    if selects_tests 32 "${ctest_run32[@]}" -LE monitors "$@"; then
      if reason=$(wine_32_bit_unavailable) && [ -n "$reason" ]; then
        echo "run-wine-tests: the 32-bit Windows pass did not run: $reason"
      else
        echo "== 32-bit Windows: the shipped 32-bit programs and the 32-bit tests"
        INSIDE_XVFB=32-bit xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@" || status=$?
      fi
    fi
    exit "$status"
    ;;
esac
