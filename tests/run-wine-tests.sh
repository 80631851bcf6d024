#!/usr/bin/env bash
# Runs the tests of build/win64 under Wine inside a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh

if [ -z "${INSIDE_XVFB:-}" ]; then
  INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

start_window_manager
wine_start
trap wine_stop EXIT
ctest --test-dir build/win64 --output-on-failure --timeout 300 "$@"
