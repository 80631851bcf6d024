#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; quick when all
# of them are already there.
#
# The tests run the 64-bit build under wine64 in a 64-bit prefix, and the
# shipped 32-bit build under the 32-bit loader (wine32, from the i386
# architecture) in a 32-bit prefix. Both loaders are named by their paths:
# with wine32 installed, Debian's `wine` script starts the 32-bit one.
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

# The 32-bit loader, for the 32-bit pass; a machine that cannot have it
# still runs everything else, and the pass says why it did not run.
if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
  echo "deps: installing wine32:i386"
  export DEBIAN_FRONTEND=noninteractive
  if ! { { dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386; } &&
         as_root apt-get update -qq &&
         as_root apt-get install -y -qq --no-install-recommends wine32:i386 >/dev/null; }; then
    echo "deps: wine32:i386 could not be installed; the 32-bit pass will not run"
  fi
fi
echo "deps: all packages present"
