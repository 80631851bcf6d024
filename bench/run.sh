#!/usr/bin/env bash
# Reports the session's start-up cost and its processor use under Wine.
# Usage: bench/run.sh [runs] [seconds to watch]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${INSIDE_XVFB:-}" ]; then
  scripts/build.sh >/dev/null
  INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
source scripts/wine-env.sh
start_window_manager
wine_start
trap wine_stop EXIT
TOMBOLIX_BIN="Z:${PWD//\//\\}\\build\\win64\\bin" "$WINE" build/win64/bin/session_bench.exe "${1:-5}" "${2:-60}"
