#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; quick when all
# of them are already there.
#
# The tests run the 64-bit build under wine64: this machine's kernel runs no
# 32-bit Linux programs, so the 32-bit Wine loader cannot start here. The
# shipped 32-bit program is still built and checked (see scripts/test.sh).
set -euo pipefail

packages=(g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32
          wine wine64 xvfb xauth openbox googletest cmake ninja-build g++ imagemagick nsis libxml2-utils
          libxrandr-dev xdotool)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
  as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
echo "deps: all packages present"
