#!/usr/bin/env bash
# Measures voranek-svatky from a release build: the cold start of today's status line beside
# /bin/true (median of RUNS starts, interleaved in rounds so load hits both alike), and the
# export of every year 1989-2099 (median of EXPORTS runs). Prints a Markdown table.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
runs=${RUNS:-2001}
exports=${EXPORTS:-7}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cmake --preset release >/dev/null
cmake --build --preset release --target voranek-svatky >/dev/null
gcc -O2 bench/spust.c -o "$tmp/spust"
P=$PWD/build/release/src/voranek-svatky

median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }

# Rounds of a few hundred starts each, alternating, so a burst of other load is shared.
rounds=$(( (runs + 199) / 200 ))
for _ in $(seq "$rounds"); do
    "$tmp/spust" 201 /bin/true >> "$tmp/true"
    "$tmp/spust" 201 "$P" --radek >> "$tmp/radek"
done
t=$(median < "$tmp/true")
r=$(median < "$tmp/radek")

for _ in $(seq "$exports"); do
    "$tmp/spust" 1 "$P" --ics 1989-2099 -o "$tmp/svatky.ics" >> "$tmp/export"
    "$tmp/spust" 1 "$P" --ics 1989-2099 --varianta obe -o "$tmp/svatky.ics" >> "$tmp/obe"
done
e=$(median < "$tmp/export")
o=$(median < "$tmp/obe")
udalosti=$(grep -c '^BEGIN:VEVENT' "$tmp/svatky.ics")

cat <<TABLE
| measure | time |
|---|---|
| \`/bin/true\`, median start (ms) | $(awk "BEGIN {printf \"%.2f\", $t / 1000}") |
| \`voranek-svatky --radek\`, median start (ms) | $(awk "BEGIN {printf \"%.2f\", $r / 1000}") |
| difference (ms) | $(awk "BEGIN {printf \"%.2f\", ($r - $t) / 1000}") |
| \`--ics 1989-2099\` to a file (s) | $(awk "BEGIN {printf \"%.3f\", $e / 1e6}") |
| \`--ics 1989-2099 --varianta obe\`, $udalosti events (s) | $(awk "BEGIN {printf \"%.3f\", $o / 1e6}") |
TABLE
