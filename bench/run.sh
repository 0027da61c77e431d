#!/usr/bin/env bash
# Measures VORANEK against a bare Qt window of similar widget load, side by side (A B A B ...)
# under a private Xvfb: start-up to the window mapped, instructions to the first frame, memory,
# idle CPU and context switches. Prints a Markdown table of the figures and their ratios.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
for p in valgrind libx11-dev gcc; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=" $p"
done
if [ -n "${missing:-}" ]; then
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get install -y -qq $missing
fi

runs=${RUNS:-31}
idle=${IDLE_SECONDS:-30}
tmp=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$tmp"' EXIT

cmake --preset release >/dev/null
cmake --build --preset release >/dev/null
g++ -O2 -fPIC -std=c++20 bench/holeokno.cpp -o "$tmp/holeokno" $(pkg-config --cflags --libs Qt6Widgets)
gcc -O2 bench/mapwait.c -o "$tmp/mapwait" -lX11

A=build/release/src/voranek
B=$tmp/holeokno

n=90
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
export DISPLAY=:$n
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
export XDG_CACHE_HOME=$tmp/cache XDG_RUNTIME_DIR=$tmp/run
mkdir -p "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# Start-up: exec to mapped, in nanoseconds.
start() {
    local out pid ns
    out=$("$tmp/mapwait" "$1")
    pid=${out% *}; ns=${out#* }
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo "$ns"
}
start "$A" >/dev/null; start "$B" >/dev/null   # warm the caches for both
: > "$tmp/a.start"; : > "$tmp/b.start"
for _ in $(seq "$runs"); do
    start "$A" >> "$tmp/a.start"
    start "$B" >> "$tmp/b.start"
done
median() { sort -n "$1" | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }

# Instructions from exec to the first frame put on the screen.
instr() {
    local pid f
    valgrind --tool=callgrind --dump-before='QBackingStore::flush*' \
        --callgrind-out-file="$tmp/cg.$2" "$1" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 600); do [ -s "$tmp/cg.$2.1" ] && break; sleep 0.1; done
    sleep 0.5
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
    f=$tmp/cg.$2.1
    awk '/^summary:/ {print $2; exit} /^totals:/ {print $2; exit}' "$f"
}

# Idle: CPU, wake-ups, context switches and memory while nothing happens but the clock.
# Per thread: CPU time in nanoseconds (schedstat, finer than the clock ticks of stat), then
# voluntary switches (going to sleep and being woken: the wake-ups) and involuntary ones
# (preempted by other load). Threads are matched by id, since a pool thread may end between
# two readings and take its counts with it.
threads() {
    local f
    for f in /proc/"$1"/task/*; do
        printf '%s %s %s\n' "${f##*/}" "$(cut -d' ' -f1 "$f/schedstat")" \
            "$(awk '/^voluntary_ctxt/ {v = $2} /^nonvoluntary_ctxt/ {n = $2} END {print v, n}' \
                "$f/status")"
    done 2>/dev/null
}
idle_run() {
    local pid
    "$1" >/dev/null 2>&1 &
    pid=$!
    sleep 5
    threads "$pid" > "$tmp/t0"
    sleep "$idle"
    threads "$pid" > "$tmp/t1"
    awk -v t="$idle" \
        -v rss="$(awk '/VmRSS/ {print $2}' /proc/$pid/status)" \
        -v hwm="$(awk '/VmHWM/ {print $2}' /proc/$pid/status)" \
        'NR == FNR {c[$1] = $2; v[$1] = $3; n[$1] = $4; next}
         ($1 in c) {dc += $2 - c[$1]; dv += $3 - v[$1]; dn += $4 - n[$1]}
         END {printf "%.4f %.2f %d %d %.2f\n", 100 * dc / 1e9 / t, (dv + dn) / t, rss, hwm, dv / t}' \
        "$tmp/t0" "$tmp/t1"
    kill "$pid"; wait "$pid" 2>/dev/null || true
}

ia=$(instr "$A" a); ib=$(instr "$B" b)
read -r ca wa ra ha va < <(idle_run "$A")
read -r cb wb rb hb vb < <(idle_run "$B")
read -r ca2 wa2 ra2 ha2 va2 < <(idle_run "$A")
read -r cb2 wb2 rb2 hb2 vb2 < <(idle_run "$B")

ma=$(median "$tmp/a.start"); mb=$(median "$tmp/b.start")
awk -v ma="$ma" -v mb="$mb" -v ia="$ia" -v ib="$ib" \
    -v ca="$ca" -v ca2="$ca2" -v cb="$cb" -v cb2="$cb2" \
    -v wa="$wa" -v wa2="$wa2" -v wb="$wb" -v wb2="$wb2" \
    -v ra="$ra" -v ra2="$ra2" -v rb="$rb" -v rb2="$rb2" \
    -v ha="$ha" -v ha2="$ha2" -v hb="$hb" -v hb2="$hb2" -v runs="$runs" \
    -v va="$va" -v va2="$va2" -v vb="$vb" -v vb2="$vb2" 'BEGIN {
    printf "| measure | VORANEK | bare window | ratio |\n|---|---|---|---|\n"
    printf "| start-up to mapped, median of %d (ms) | %.1f | %.1f | %.2f |\n", runs, ma / 1e6, mb / 1e6, ma / mb
    printf "| instructions to the first frame (M) | %.1f | %.1f | %.2f |\n", ia / 1e6, ib / 1e6, ia / ib
    a = (ra + ra2) / 2; b = (rb + rb2) / 2
    printf "| steady memory, RSS (MB) | %.1f | %.1f | %+.1f MB |\n", a / 1024, b / 1024, (a - b) / 1024
    a = (ha > ha2 ? ha : ha2); b = (hb > hb2 ? hb : hb2)
    printf "| peak memory, HWM (MB) | %.1f | %.1f | %+.1f MB |\n", a / 1024, b / 1024, (a - b) / 1024
    printf "| idle CPU (%% of one core) | %.3f | %.3f | |\n", (ca + ca2) / 2, (cb + cb2) / 2
    printf "| wake-ups per second | %.2f | %.2f | |\n", (va + va2) / 2, (vb + vb2) / 2
    printf "| context switches per second, preemptions included | %.2f | %.2f | |\n", (wa + wa2) / 2, (wb + wb2) / 2
}'
