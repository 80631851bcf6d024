#!/usr/bin/env bash
# Pictures for the help page and the README: the settings sheet's pages,
# the notification-area menu and a running session, of the real
# Tombolix2.scr of build/win64 under Xvfb, in a private Wine prefix with a
# few sample screen savers installed. Writes docs/screenshots/*.png.
# A new page gets its picture by a line in the pages list below.
#
# scripts/screenshots.sh <dpi> shows the sheet's pages, its New dialog and the
# notification-area icon at that screen resolution (Windows' LogPixels, for
# example 144 or 192) into docs/screenshots/dpi-<dpi>/ instead.
set -euo pipefail
cd "$(dirname "$0")/.."

# Tab index and file name of each page to picture.
pages=(
  "0 collections"
  "1 schedule"
  "2 tray"
  "3 options"
  "4 folders"
  "5 information"
  "6 uninstall"
)

if [ -z "${INSIDE_XVFB:-}" ]; then
  scripts/deps.sh >/dev/null
  scripts/build.sh >/dev/null
  # A screen as large in inches at any resolution.
  scale=${1:-96}
  INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 $((1024 * scale / 96))x$((768 * scale / 96))x24" "$0" "$@"
fi

dpi=${1:-}
export WINEPREFIX=$PWD/build/screenshots-prefix${dpi:+-$dpi}
source scripts/wine-env.sh
bin=build/win64/bin
out=docs/screenshots${dpi:+/dpi-$dpi}
mkdir -p "$out"

# A window manager gives the sheet its frame and spares Wine's hide waits.
wm=
if command -v openbox >/dev/null; then
  openbox </dev/null >/dev/null 2>&1 &
  wm=$!
fi
program=
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null
  wine_stop
  [ -n "$wm" ] && kill "$wm" 2>/dev/null
  true
}
trap cleanup EXIT
wine_start
if [ -n "$dpi" ]; then
  # Where Wine, as Windows, keeps the screen's resolution; read at start.
  "$WINE" reg.exe add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
  "$WINE" reg.exe add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
    /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
  wine_stop
  wine_start
fi

# The sample screen savers and one collection that uses some of them.
windows="$WINEPREFIX/drive_c/windows"
rm -f "$windows"/*.scr "$windows"/system32/*.scr "$windows/Tombolix2.ini"
for name in Aquarium Bubbles "Blank Screen" Clock Fireworks Mystify Starfield; do
  cp "$bin/FixtureSaver.scr" "$windows/$name.scr"
done
for name in Curves Flowerbox Marquee; do
  cp "$bin/FixtureSaver.scr" "$windows/system32/$name.scr"
done
printf '[Default]\r\nClock=1\\10\\1\\0\\\r\nAquarium=2\\15\\1\\1\\\r\nStarfield=3\\5\\1\\2\\\r\n' > "$windows/Tombolix2.ini"
printf 'TombolixCycle=0\r\nTombolixNextToUse=0\r\n[Night]\r\nStarfield=2\\15\\1\\0\\\r\n' >> "$windows/Tombolix2.ini"
# Two extra folders for the Folders page.
mkdir -p "$WINEPREFIX/drive_c/Savers" "$WINEPREFIX/drive_c/More Savers"
cp "$bin/FixtureSaver.scr" "$WINEPREFIX/drive_c/Savers/Ribbons.scr"
printf '[TombolixInternal]\r\nFolders=C:\\Savers*C:\\More Savers*\r\n' >> "$windows/Tombolix2.ini"
# The Night collection in the evenings and at the weekend, and a rule whose
# collection is gone, for the Schedule page.
printf 'ScheduleRule1=62,1260,420,Night\r\nScheduleRule2=65,0,0,Night\r\nScheduleRule3=62,720,780,Lunch\r\n' \
  >> "$windows/Tombolix2.ini"
"$WINE" reg.exe delete 'HKCU\Software\Brackwen' /f </dev/null >/dev/null 2>&1 || true
"$WINE" reg.exe add 'HKCU\Software\Brackwen\Tombolix2\Config' /v OlderFileImported /t REG_DWORD /d 1 /f \
  </dev/null >/dev/null 2>&1
"$WINE" reg.exe add 'HKCU\Software\Brackwen\Tombolix2\Config' /v FollowSchedule /t REG_DWORD /d 1 /f \
  </dev/null >/dev/null 2>&1

"$WINE" "$bin/Tombolix2.scr" /c </dev/null >/dev/null 2>&1 &
program=$!

# The X window of the sheet, once it shows.
sheet_window() { xwininfo -root -tree | awk '/"Tombolix Screensaver"/ && !found { print $1; found = 1 }'; }
window=
for _ in $(seq 100); do
  window=$(sheet_window)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "screenshots: the settings sheet did not show" >&2; exit 1; }

for page in "${pages[@]}"; do
  read -r index name <<<"$page"
  "$WINE" "$bin/SheetPager.exe" "$index" </dev/null >/dev/null 2>&1
  sleep 1
  # The frame that the window manager adds is part of the picture.
  frame=$(xwininfo -root -tree | awk -v id="$window" '$1 == id { print $1 }')
  import -window "${frame:-$window}" -frame "$out/$name.png"
  echo "screenshots: $out/$name.png"
done

if [ -n "$dpi" ]; then
  # The New dialog over the Collections page.
  "$WINE" "$bin/SheetPager.exe" 0 1060 </dev/null >/dev/null 2>&1
  sleep 1
  dialog=$(xwininfo -root -tree | awk '/"New"/ && !found { print $1; found = 1 }')
  [ -n "$dialog" ] && import -window "$dialog" -frame "$out/new.png" && echo "screenshots: $out/new.png"
  "$WINE" "$bin/SheetPager.exe" 1 1113 </dev/null >/dev/null 2>&1
  sleep 1
  dialog=$(xwininfo -root -tree | awk '/"Rule"/ && !found { print $1; found = 1 }')
  [ -n "$dialog" ] && import -window "$dialog" -frame "$out/rule.png" && echo "screenshots: $out/rule.png"
  # The notification-area icon, in Wine's own tray window.
  "$WINE" "$bin/Tombolix2.scr" /tray </dev/null >/dev/null 2>&1 &
  sleep 3
  tray=$(xwininfo -root -tree | awk '/"Wine System Tray"/ && !found { print $1; found = 1 }')
  [ -n "$tray" ] && import -window "$tray" "$out/tray-icon.png" && echo "screenshots: $out/tray-icon.png"
  exit 0
fi

kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
program=

# The notification-area icon's menu, with a margin of the screen around it.
"$WINE" "$bin/Tombolix2.scr" /tray </dev/null >/dev/null 2>&1 &
program=$!
read -r x y width height < <("$WINE" "$bin/TrayMenuOpener.exe" </dev/null 2>/dev/null | tr -d '\r')
margin=12
import -window root "$out/screen.png"
convert "$out/screen.png" -crop "$((width + 2 * margin))x$((height + 2 * margin))+$((x - margin < 0 ? 0 : x - margin))+$((y - margin < 0 ? 0 : y - margin))" +repage "$out/tray-menu.png"
rm -f "$out/screen.png"
echo "screenshots: $out/tray-menu.png"
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
program=

# A session: the current collection's first screen saver covers the screen.
for name in Aurora Bubbles Starfield; do cp "$bin/SampleSaver.scr" "$windows/system32/$name.scr"; done
printf '[Default]\r\nAurora=2\\15\\1\\0\\\r\nTombolixCycle=1\r\nTombolixNextToUse=0\r\n' > "$windows/Tombolix2.ini"
"$WINE" reg.exe add 'HKCU\Software\Brackwen\Tombolix2\Config' /v UseTray /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
"$WINE" "$bin/Tombolix2.scr" /s </dev/null >/dev/null 2>&1 &
program=$!
sleep 3
import -window root -resize 640x480 "$out/session.png"
echo "screenshots: $out/session.png"
