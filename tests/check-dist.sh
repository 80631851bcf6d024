#!/usr/bin/env bash
# Checks the shipped programs as files: GUI programs of their kind (32-bit,
# or 64-bit after --x64) that import only Windows' own DLLs, and of those
# only the functions on the allow-list (all on Windows XP SP3 and XP x64),
# each no larger than the size limit.
# Usage: tests/check-dist.sh [--x64] program.scr... ; ALLOWED_IMPORTS names another list.
set -uo pipefail
cd "$(dirname "$0")/.."
allowList=${ALLOWED_IMPORTS:-tests/xp-imports.txt}
maxBytes=360448
allowedDlls='^(KERNEL32|USER32|GDI32|ADVAPI32|SHELL32|COMCTL32|OLE32|OLEAUT32|VERSION|MSVCRT)\.DLL$'
format='pei-i386' kind=32-bit objdump=i686-w64-mingw32-objdump
if [ "${1:-}" = --x64 ]; then format='pei-x86-64' kind=64-bit objdump=x86_64-w64-mingw32-objdump; shift; fi
passed=0 failed=0
check() {   # description condition-result
  if [ "$2" = 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; fi
}

# "DLL Function" lines of the import table, DLL names in capitals; a
# function imported by ordinal reads "DLL #ordinal".
imports() {
  "$objdump" -p "$1" | awk '
    /DLL Name:/ { dll = toupper($3); listing = 0; next }
    /vma: +Hint\/Ord/ { listing = 1; next }
    listing && NF == 0 { listing = 0; next }
    listing { name = $3; if (name == "" || name == "<none>") name = "#" $2; print dll " " name }'
}

for file in "$@"; do
  name=$(basename "$file")
  dump=$("$objdump" -p "$file")
  grep -q "file format $format" <<<"$dump"; check "$name: $kind PE" $?
  grep -qE 'Subsystem[[:space:]]+00000002' <<<"$dump"; check "$name: GUI subsystem" $?
  size=$(stat -c %s "$file")
  [ "$size" -le "$maxBytes" ]; check "$name: $size bytes, at most $maxBytes" $?
  list=$(imports "$file")
  [ -n "$list" ]; check "$name: has an import table" $?
  while read -r dll function; do
    [ -n "$dll" ] || continue
    grep -qE "$allowedDlls" <<<"$dll"; check "$name: imports only Windows DLLs ($dll)" $?
    grep -qxF "$dll $function" "$allowList"; check "$name: $dll $function is on the allow-list" $?
  done <<<"$list"
done

# The functions the programs load at their first call are in no import
# table: each that the delay-load lists name must be on the allow-list too.
for def in cmake/delay-load/*.def; do
  dll=$(awk '/^LIBRARY/ { print toupper($2) }' "$def")
  for function in $(sed -n '/^EXPORTS/,$p' "$def" | tail -n +2 | sed -E 's/@[0-9]+$//'); do
    grep -qxF "$dll $function" "$allowList"; check "delay-loaded $dll $function is on the allow-list" $?
  done
done

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
