#!/usr/bin/env bash
# Without a display the program says so in one Czech line and ends with status 1. Qt's own
# options reach nothing: "-platform offscreen" would give it a display and keep it running.
set -uo pipefail
program=$1
chyby=$(mktemp)
trap 'rm -f "$chyby"' EXIT

env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 20 "$program" -platform offscreen \
    >/dev/null 2>"$chyby"
stav=$?
[ "$stav" -eq 1 ] || { echo "exit status $stav"; cat "$chyby"; exit 1; }
[ "$(wc -l <"$chyby")" -eq 1 ] || { echo "more than one line:"; cat "$chyby"; exit 1; }
grep -q '^voranek: .*displej' "$chyby" || { cat "$chyby"; exit 1; }
echo "no display: $(cat "$chyby")"
