#!/usr/bin/env bash
# Shows that tests/check-dist.sh can fail: on the 32-bit build with posix
# threads (too large, and it imports GetTickCount64, which Windows XP lacks),
# on the shipped program against an allow-list without one of its imports,
# on a copy of it padded past the size limit, and on it as the 64-bit one.
set -uo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
limit=$(sed -n 's/^maxBytes=//p' tests/check-dist.sh)
passed=0 failed=0
expect() {   # description condition-result
  if [ "$2" = 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; fi
}

posix=$(tests/check-dist.sh build/win32/bin/Tombolix2.scr)
[ $? -ne 0 ]; expect "the posix-thread build is refused" $?
grep -q "FAILED: Tombolix2.scr: KERNEL32.DLL GetTickCount64 is on the allow-list" <<<"$posix"; expect "GetTickCount64 is named" $?
grep -qE "FAILED: Tombolix2.scr: [0-9]+ bytes, at most $limit" <<<"$posix"; expect "its size is named" $?

grep -vxF "KERNEL32.DLL CloseHandle" tests/xp-imports.txt > "$work/allowed.txt"
shortList=$(ALLOWED_IMPORTS="$work/allowed.txt" tests/check-dist.sh dist/Tombolix2.scr)
[ $? -ne 0 ]; expect "an import left off the allow-list is refused" $?
[ "$(grep FAILED <<<"$shortList")" = "FAILED: Tombolix2.scr: KERNEL32.DLL CloseHandle is on the allow-list" ]
expect "and named, alone" $?

wrongKind=$(tests/check-dist.sh --x64 dist/Tombolix2.scr)
[ $? -ne 0 ]; expect "the 32-bit program is refused as the 64-bit one" $?
grep -qxF "FAILED: Tombolix2.scr: 64-bit PE" <<<"$wrongKind"; expect "for its format" $?

cp dist/Tombolix2.scr "$work/Tombolix2.scr"
truncate -s $((limit + 1)) "$work/Tombolix2.scr"
padded=$(tests/check-dist.sh "$work/Tombolix2.scr")
[ $? -ne 0 ]; expect "a program one byte over the limit is refused" $?
[ "$(grep -c FAILED <<<"$padded")" = 1 ]; expect "for its size alone" $?

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
