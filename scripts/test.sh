#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: native, the shipped
# program's file checks, and the Windows tests and scenarios under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
scripts/build.sh

echo "== native unit tests"
ctest --test-dir build/native --output-on-failure

echo "== shipped programs"
tests/check-dist.sh dist/Tombolix2.scr "dist/Blank Screen.scr"
tests/check-dist.sh --x64 dist/x64/Tombolix2.scr "dist/x64/Blank Screen.scr"
tests/check-dist-test.sh

echo "== help page"
tests/check-help.sh

echo "== Windows tests under Wine"
tests/run-wine-tests.sh
