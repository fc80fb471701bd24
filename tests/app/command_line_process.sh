#!/usr/bin/env bash
# The built program's answers on its command line, without a display: help and version end well,
# a wrong option is a usage error, and a missing display is one line and exit 1.
set -uo pipefail
exe=$1
failures=0
check() { # description, expected exit, actual exit
  if [ "$2" != "$3" ]; then echo "FAIL: $1: exit $3, expected $2"; failures=$((failures + 1)); fi
}
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

"${no_display[@]}" "$exe" --help > "$out" 2> "$err"
check "--help" 0 $?
grep -q -- "--version" "$out" || { echo "FAIL: --help lists no --version"; failures=$((failures + 1)); }
[ -s "$err" ] && { echo "FAIL: --help wrote to stderr"; cat "$err"; failures=$((failures + 1)); }

"${no_display[@]}" "$exe" --version > "$out" 2> "$err"
check "--version" 0 $?
grep -qx "Dorvane [0-9.]*" "$out" || { echo "FAIL: --version printed: $(cat "$out")"; failures=$((failures + 1)); }

"${no_display[@]}" "$exe" --no-such-option > "$out" 2> "$err"
check "unknown option" 2 $?
[ "$(head -n 1 "$err")" = "$(basename "$exe"): Unknown option 'no-such-option'." ] ||
  { echo "FAIL: unknown option said: $(head -n 1 "$err")"; failures=$((failures + 1)); }
[ -s "$out" ] && { echo "FAIL: unknown option wrote to stdout"; failures=$((failures + 1)); }

"${no_display[@]}" "$exe" > "$out" 2> "$err"
check "no display" 1 $?
[ "$(wc -l < "$err")" -eq 1 ] || { echo "FAIL: no display said more than one line:"; cat "$err"; failures=$((failures + 1)); }
grep -q "cannot open a display: DISPLAY is not set" "$err" ||
  { echo "FAIL: no display said: $(cat "$err")"; failures=$((failures + 1)); }

echo "$((7 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
