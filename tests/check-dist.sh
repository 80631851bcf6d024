#!/usr/bin/env bash
# The shipped program is a 32-bit GUI program that imports only Windows' own
# DLLs: no C++ runtime, libgcc or winpthread DLL may be needed beside it.
set -uo pipefail
file=$1
allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|SHELL32|COMCTL32|OLE32|OLEAUT32|VERSION|msvcrt)\.dll$'
passed=0 failed=0
check() {   # description condition-result
  if [ "$2" = 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; fi
}

dump=$(i686-w64-mingw32-objdump -p "$file")
grep -q 'file format pei-i386' <<<"$dump"; check "32-bit PE" $?
grep -qE 'Subsystem[[:space:]]+00000002' <<<"$dump"; check "GUI subsystem" $?
dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump")
[ -n "$dlls" ]; check "has an import table" $?
while read -r dll; do
  grep -qiE "$allowed" <<<"$dll"; check "imports only Windows DLLs ($dll)" $?
done <<<"$dlls"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
