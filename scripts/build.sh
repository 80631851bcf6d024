#!/usr/bin/env bash
# Configures and builds: the native unit tests; the shipped 32-bit programs
# (small, for Windows XP on); every target of the 32-bit build with warnings
# as errors, whose tests run against the shipped 32-bit programs in a 32-bit
# Wine prefix; the shipped 64-bit programs; and the 64-bit build, whose
# tests run against those in the 64-bit prefix, with the 32-bit build's test
# screen saver as a 32-bit one. Deliverables go to dist/.
set -euo pipefail
cd "$(dirname "$0")/.."

configure() {   # build-folder [cmake options...]
  local dir=$1; shift
  # Again whenever the options change.
  if [ ! -f "$dir/build.ninja" ] || [ "$(cat "$dir/.configured-with" 2>/dev/null)" != "$*" ]; then
    cmake -S . -B "$dir" -G Ninja --no-warn-unused-cli "$@" >/dev/null
    echo "$*" > "$dir/.configured-with"
  fi
}

configure build/native -DCMAKE_BUILD_TYPE=Debug
configure build/ship32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686-shipped.cmake -DCMAKE_BUILD_TYPE=MinSizeRel
configure build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DTOMBOLIX_SHIPPED_DIR="$PWD/build/ship32/bin"
configure build/ship64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64-shipped.cmake -DCMAKE_BUILD_TYPE=MinSizeRel
configure build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DTOMBOLIX_SHIPPED_DIR="$PWD/build/ship64/bin" -DTOMBOLIX_BIN32_DIR="$PWD/build/win32/bin" \
  -DTOMBOLIX_SHIPPED32_DIR="$PWD/build/ship32/bin"

cmake --build build/native
cmake --build build/ship32 --target Tombolix2 BlankScreen Installer
cmake --build build/ship64 --target Tombolix2 BlankScreen Installer
cmake --build build/win32
cmake --build build/win64

mkdir -p dist
cp build/ship32/bin/Tombolix2.scr "build/ship32/bin/Blank Screen.scr" build/ship32/bin/TombolixSetup.exe \
   build/ship64/bin/TombolixSetup64.exe docs/Tombolix.htm dist/
mkdir -p dist/x64
cp build/ship64/bin/Tombolix2.scr "build/ship64/bin/Blank Screen.scr" dist/x64/
rm -rf dist/screenshots
[ -d docs/screenshots ] && cp -r docs/screenshots dist/screenshots
echo "build: dist/ holds $(cd dist && ls | tr '\n' ' ')"
