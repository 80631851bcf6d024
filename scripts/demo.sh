#!/usr/bin/env bash
# The main job: Windows starts Tombolix2.scr /s and the user's screen savers
# rotate. Installs Tombolix, Blank Screen and three sample screen savers into
# a private Wine prefix, makes a cycling collection whose screen savers each
# run for 0 minutes (so each is replaced at the next one-second check), runs
# the session for about 20 seconds, saves a screenshot of each screen saver
# shown into demo-out/, prints the sequence it saw and ends what it started.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${DEMO_SECONDS:-20}

if [ -z "${INSIDE_DEMO_DISPLAY:-}" ]; then
  scripts/deps.sh >/dev/null
  scripts/build.sh >/dev/null
  if [ -n "${DISPLAY:-}" ] && xset q >/dev/null 2>&1; then
    INSIDE_DEMO_DISPLAY=1 exec "$0" "$@"
  fi
  INSIDE_DEMO_DISPLAY=1 DEMO_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
fi

export WINEPREFIX=$PWD/build/demo-prefix
source scripts/wine-env.sh
# On the user's own display their window manager is already there.
[ -n "${DEMO_ON_XVFB:-}" ] && start_window_manager
wine_start
trap wine_stop EXIT

# Install, as a user would: into the Windows system folder.
bin=build/win64/bin
system32=$WINEPREFIX/drive_c/windows/system32
cp "$bin/Tombolix2.scr" "$bin/Blank Screen.scr" "$system32/"
for name in Aurora Bubbles Starfield; do cp "$bin/SampleSaver.scr" "$system32/$name.scr"; done

"$WINE" reg.exe add 'HKCU\Software\Brackwen\Tombolix2\Config' /v UseTray /t REG_DWORD /d 0 /f >/dev/null 2>&1
"$WINE" reg.exe add 'HKCU\Software\Brackwen\Tombolix2\Config' /v Current /t REG_SZ /d Demo /f >/dev/null 2>&1
printf '[Demo]\r\nAurora=2\\0\\1\\0\\\r\nBubbles=2\\0\\1\\1\\\r\nStarfield=2\\0\\1\\2\\\r\nTombolixCycle=1\r\nTombolixNextToUse=0\r\n' \
  > "$WINEPREFIX/drive_c/windows/Tombolix2.ini"

rm -rf demo-out && mkdir -p demo-out
log=$WINEPREFIX/drive_c/demo.log
rm -f "$log"
export TOMBOLIX_DEMO_LOG='C:\demo.log'

echo "demo: running Tombolix2.scr /s for ${seconds}s on display $DISPLAY"
"$WINE" 'C:\windows\system32\Tombolix2.scr' /s </dev/null >/dev/null 2>&1 &
session=$!

shown=0
sequence=()
end=$((SECONDS + seconds))
while [ $SECONDS -lt $end ]; do
  mapfile -t started < <(cat "$log" 2>/dev/null)
  while [ $shown -lt ${#started[@]} ]; do
    name=${started[$shown]}
    shown=$((shown + 1))
    sequence+=("$name")
    sleep 0.6   # let it draw
    import -window root "demo-out/$(printf '%02d' $shown)-$name.png" 2>/dev/null || true
  done
  sleep 0.2
done

kill "$session" 2>/dev/null || true
echo "demo: screen savers shown, in order: ${sequence[*]:-(none)}"
echo "demo: screenshots in demo-out/: $(ls demo-out | tr '\n' ' ')"
echo "demo: TombolixNextToUse is now $(sed -n 's/^TombolixNextToUse=//p' "$WINEPREFIX/drive_c/windows/Tombolix2.ini" | tr -d '\r')"
