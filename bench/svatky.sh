#!/usr/bin/env bash
# Measures voranek-svatky from a release build: the cold start of today's status line beside
# /bin/true (median of RUNS starts, interleaved in rounds so load hits both alike), the
# export of every year 1989-2099 (median of EXPORTS runs), and the peak memory of the longest
# export the program accepts, 1583-9999 of both calendars with reminders. Prints a Markdown table.
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

# Measured by a small parent of its own: the peak of a child counts its parent's pages.
read -r pamet cas < <(python3 -c 'import resource, subprocess, sys, time
t = time.monotonic()
subprocess.run(sys.argv[1:], check=True)
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss, time.monotonic() - t)' \
    "$P" --ics 1583-9999 --varianta obe --pripominka 8:00 -o "$tmp/vse.ics")
vse=$(grep -c '^BEGIN:VEVENT' "$tmp/vse.ics")

cat <<TABLE
| measure | value |
|---|---|
| \`/bin/true\`, median start (ms) | $(awk "BEGIN {printf \"%.2f\", $t / 1000}") |
| \`voranek-svatky --radek\`, median start (ms) | $(awk "BEGIN {printf \"%.2f\", $r / 1000}") |
| difference (ms) | $(awk "BEGIN {printf \"%.2f\", ($r - $t) / 1000}") |
| \`--ics 1989-2099\` to a file (s) | $(awk "BEGIN {printf \"%.3f\", $e / 1e6}") |
| \`--ics 1989-2099 --varianta obe\`, $udalosti events (s) | $(awk "BEGIN {printf \"%.3f\", $o / 1e6}") |
| \`--ics 1583-9999 --varianta obe --pripominka 8:00\`, $vse events, peak memory (MB) | $(awk "BEGIN {printf \"%.1f\", $pamet / 1024}") |
| the same, time (s) | $(awk "BEGIN {printf \"%.1f\", $cas}") |
TABLE
