#!/usr/bin/env bash
# The help page is well-formed HTML, and every picture and in-page link it
# points at exists.
set -uo pipefail
cd "$(dirname "$0")/.."
page=${1:-docs/Tombolix.htm}
folder=$(dirname "$page")
passed=0 failed=0
check() {   # description condition-result
  if [ "$2" = 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; fi
}

problems=$(xmllint --html --noout "$page" 2>&1)
[ -z "$problems" ]; check "well-formed HTML${problems:+: $problems}" $?

while read -r image; do
  [ -f "$folder/$image" ]; check "picture $image exists" $?
done < <(grep -o 'src="[^"]*"' "$page" | sed 's/^src="//; s/"$//')

anchors=$(grep -oE '(id|name)="[^"]*"' "$page" | sed -E 's/^(id|name)="//; s/"$//')
while read -r target; do
  grep -qxF "$target" <<<"$anchors"; check "anchor #$target exists" $?
done < <(grep -o 'href="#[^"]*"' "$page" | sed 's/^href="#//; s/"$//' | sort -u)

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
