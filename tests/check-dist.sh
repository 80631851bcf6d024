#!/usr/bin/env bash
# Checks the shipped programs as files: 32-bit GUI programs that import only
# Windows' own DLLs, and of those only the functions on the allow-list (all
# on Windows XP SP3), each no larger than the size limit.
# Usage: tests/check-dist.sh program.scr... ; ALLOWED_IMPORTS names another list.
set -uo pipefail
cd "$(dirname "$0")/.."
allowList=${ALLOWED_IMPORTS:-tests/xp-imports.txt}
maxBytes=327680
allowedDlls='^(KERNEL32|USER32|GDI32|ADVAPI32|SHELL32|COMCTL32|OLE32|OLEAUT32|VERSION|MSVCRT)\.DLL$'
passed=0 failed=0
check() {   # description condition-result
  if [ "$2" = 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; fi
}

# "DLL Function" lines of the import table, DLL names in capitals; a
# function imported by ordinal reads "DLL #ordinal".
imports() {
  i686-w64-mingw32-objdump -p "$1" | awk '
    /DLL Name:/ { dll = toupper($3); listing = 0; next }
    /vma: +Hint\/Ord/ { listing = 1; next }
    listing && NF == 0 { listing = 0; next }
    listing { name = $3; if (name == "" || name == "<none>") name = "#" $2; print dll " " name }'
}

for file in "$@"; do
  name=$(basename "$file")
  dump=$(i686-w64-mingw32-objdump -p "$file")
  grep -q 'file format pei-i386' <<<"$dump"; check "$name: 32-bit PE" $?
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

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
