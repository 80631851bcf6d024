#!/usr/bin/env bash
# The help page is well-formed HTML, every picture and in-page link it
# points at exists, and it quotes the program's own texts exactly.
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

# The page quotes the program's own texts exactly: the tab names, the
# messages of its boxes and the trace lines, each taken from the sources.
literal='"([^"\\]|\\.)*"'
call="\\((${literal}|[^\";{}])*\\);"   # a call's arguments, to its semicolon
one_line() { tr -s '[:space:]' ' '; }
# Source files on one line, without whole-line comments, with adjacent
# literals joined as the compiler joins them.
# A character literal '"' holds no text and would pair its quote with the next one.
source_text() { sed "/^[[:space:]]*\/\//d; s/'\"'//g" "$@" | one_line | sed -E 's/([^\\])" +"/\1/g'; }
# A literal's text, one line for each line it holds.
unescape() { sed 's/^"//; s/"$//; s/\\\\/\x01/g; s/\\n/\n/g; s/\\"/"/g; s/\x01/\\/g' | grep -v '^$'; }
text=$(one_line <"$page" | sed 's/&quot;/"/g; s/&lt;/</g; s/&gt;/>/g; s/&amp;/\&/g')
has() { grep -qF -- "$1" <<<"$text"; }

for tab in Collections Schedule Tray Options Folders Information Uninstall; do
  grep -qx "CAPTION \"$tab\"" src/res/pages.rc; check "page $tab is a CAPTION of src/res/pages.rc" $?
  has ">$tab</a>"; check "the page names the page $tab" $?
done

box_sources=(src/config/*.cpp src/app/*.cpp src/tray/*.cpp src/os/SystemServices.cpp)
boxes=$(source_text "${box_sources[@]}" | grep -oE "\\b(ShowError|ShowNote|MessageBoxA)$call")
titles=$(grep -oE "$literal, MB_" <<<"$boxes" | sed 's/, MB_$//' | unescape)
app_title=$(sed -nE 's/^[[:space:]]*IDS_APP_TITLE[[:space:]]+"(.*)"$/\1/p' src/res/Tombolix2.rc)
[ -n "$titles" ] && [ -n "$app_title" ]; check "titles of message boxes found in the sources" $?
while IFS= read -r title; do
  has "titled \"$title\""; check "the page names the box title \"$title\"" $?
done <<<"$titles"$'\n'"$app_title"
messages=$(sed -E "s/$literal, MB_//g" <<<"$boxes" | grep -oE "$literal")
for maker in src/config/ConfigProp.cpp:DescribeFailures src/config/CollectionsPage.cpp:RefusalOf src/app/ResidentInstance.cpp:ReportRemovalFailures; do
  made=$(sed -n "/^[^ ].*\\b${maker#*:}(/,/^}/p" "${maker%%:*}" | source_text | grep -oE "$literal")
  [ -n "$made" ]; check "messages of ${maker#*:} found in ${maker%%:*}" $?
  messages+=$'\n'$made
done
format=$(sed -n '/^void DDV_MinMaxDigits/,/^}/p' src/framework/DataExchange.cpp | grep -oE "printfA?\\([^\"]*$literal" |
         grep -oE "$literal" | unescape)
while read -r low high; do
  min=$(grep -hoE "\\b$low = -?[0-9]+;" src/config/*.h src/config/*.cpp | grep -oE -- '-?[0-9]+')
  max=$(grep -hoE "\\b$high = -?[0-9]+;" src/config/*.h src/config/*.cpp | grep -oE -- '-?[0-9]+')
  # A range that a page takes from the table of the stored options.
  member=$(grep -hoE 'RangeOf\(&ProgramOptions::[A-Za-z]+\)' src/config/*.cpp | head -1 | sed -E 's/.*:://; s/\)$//')
  range=$(grep -hoE "&ProgramOptions::$member\\b.*\\{-?[0-9]+, -?[0-9]+\\}" src/collections/Settings.cpp | grep -oE '\{-?[0-9]+, -?[0-9]+\}')
  [ -z "$min" ] && [ -n "$member" ] && min=$(sed -E 's/\{(-?[0-9]+),.*/\1/' <<<"$range")
  [ -z "$max" ] && [ -n "$member" ] && max=$(sed -E 's/.* (-?[0-9]+)\}/\1/' <<<"$range")
  [ -n "$format" ] && [ -n "$min" ] && [ -n "$max" ]; check "range $low to $high and its message found" $?
  filled=${format/\%d/$min}; messages+=$'\n'\"${filled/\%d/$max}\"
done < <(source_text src/config/*.cpp | grep -oE "DDV_MinMaxDigits$call" | sed -E 's/.*, *([A-Za-z_]+), *([A-Za-z_]+)\);/\1 \2/')
while IFS= read -r message; do
  has "$message"; check "the page quotes the message \"$message\"" $?
done < <(unescape <<<"$messages")

# Every message the page shows as one is the program's, word for word.
pool=$(source_text $(find src -name '*.cpp' -o -name '*.h' -o -name '*.rc') | grep -oE "$literal" | unescape)
pool+=$'\n'$(unescape <<<"$messages")   # the range messages, filled in
while IFS= read -r part; do
  [[ $part == *[[:alpha:]]* ]] || continue   # nothing but a blank or an "&" between names
  grep -qF -- "$part" <<<"$pool"; check "the page's message text \"$part\" is the program's" $?
done < <(grep -oE '<span class="msg">([^<]|</?i>)*</span>' <<<"$text" | sed -E 's/<\/?span[^>]*>//g; s/<i>[^<]*<\/i>/\n/g' |
         sed 's/^ *//; s/ *$//')

# Trace lines: each literal with the mark-up the page puts around it, <i>
# for each variable part.
trace_quotes() {   # a call's argument list
  local rest=$1 before line after open close
  local re='^([^"]*)("([^"\\]|\\.)*")(.*)$'
  while [[ $rest =~ $re ]]; do
    before=${BASH_REMATCH[1]} line=${BASH_REMATCH[2]} rest=${BASH_REMATCH[4]}
    after=${rest%%\"*}
    if [[ $before == *+* ]]; then open='</i>'; else open='<code>'; fi
    if [[ $after == *+* ]]; then close='<i>'; else close='</code>'; fi
    printf '%s%s%s\n' "$open" "$(unescape <<<"$line")" "$close"
  done
}
quotes=$(while IFS= read -r args; do trace_quotes "$args"; done < <(
  { source_text src/session/Session.cpp src/session/SessionCollections.cpp src/session/Showing.cpp src/session/Playlist.cpp |
      grep -oE "\\b(host\\.Trace|EndSession)$call"
    source_text src/session/Win32SessionHost.cpp | grep -oE "\\bTrace$call"
    source_text src/tray/TrayWnd.cpp | grep -oE "\\bTraceTray$call"; } | sed -E 's/^[^(]*\(//; s/\);$//'))
seed=$(sed -n '/^void TraceSeed/,/^}/p' src/app/App.cpp | grep -oE "TraceWrite\\([^\"]*$literal" | grep -oE "$literal" | unescape)
for number in $(source_text src/app/App.cpp | grep -oE 'TraceSeed\([0-9]+' | grep -oE '[0-9]+'); do
  filled=${seed%\%d}; quotes+=$'\n'"<code>${filled/\%d/$number}<i>"
done
[ -n "$seed" ] && [ "$(grep -c . <<<"$quotes")" -ge 10 ]; check "trace lines found in the sources" $?
while IFS= read -r quote; do
  has "$quote"; check "the page quotes the trace text $quote" $?
done <<<"$quotes"
prefix_of() { source_text "$1" | grep -oE "TraceWrite\\($literal" | grep -oE "$literal" | unescape | sed 's/%s$//'; }
session_prefix=$(prefix_of src/session/Win32SessionHost.cpp)
tray_prefix=$(prefix_of src/tray/TrayWnd.cpp)
preview_prefix=$(prefix_of src/session/PreviewWnd.cpp)
for prefix in "$session_prefix" "$tray_prefix" "$preview_prefix"; do
  [ -n "$prefix" ] && has "${prefix% }"; check "the page names the trace prefix \"$prefix\"" $?
done
traced=$(sed -E 's/.*<h2 id="trace">//; s/<h2 id="faq">.*//' <<<"$text")
while IFS= read -r piece; do
  grep -qxF -- "$piece" <<<"$quotes"; check "the page's trace text $piece is the program's" $?
done < <(grep -oE '<tr><td><code>([^<]|</?i>)*</code></td>' <<<"$traced" | sed 's/^<tr><td>//; s/<\/td>$//' |
         grep -oE '(<code>|</i>)[^<]*(<i>|</code>)' | grep -vE '^(<code>|</i>)(<i>|</code>)$')
openings=$(grep '^<code>' <<<"$quotes" | sed -E 's/^<code>//; s/(<i>|<\/code>)$//')
while IFS= read -r line; do
  rest=${line#*"$session_prefix"} known=1
  while IFS= read -r opening; do [[ $rest == "$opening"* ]] && known=0; done <<<"$openings"
  check "the page's example trace line \"$rest\" begins as the program's" $known
done < <(sed -n '/<pre>$/,/<\/pre>/p' "$page" | grep -F -- "$session_prefix")

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
