#!/usr/bin/env bash
# What the program costs while it idles as a clock: how often its main thread
# wakes (voluntary context switches per second), CPU seconds per minute and
# peak resident memory, measured under Xvfb beside a bare Qt window of the
# same size with a 50 ms tick (bench/bare_window) and the same window drawing
# one line of text. The memory goal is stated against the second: where a
# desktop's full font set is installed, any window that draws text holds some
# 14 MB more than one that draws none. Prints figures; never fails on them.
#
#   bench/idle.sh [build-folder] [seconds]      (defaults: build 60)
set -euo pipefail

build=${1:-build}
seconds=${2:-60}
settle=5  # start-up work is left out: measuring begins this many seconds in
program=$build/bin/drellok
bare=$build/bench/bare_window

for b in "$program" "$bare"; do
    [[ -x "$b" ]] || { echo "idle.sh: $b is missing; build first (cmake --build $build)" >&2; exit 1; }
done
for tool in Xvfb setpriv; do
    command -v "$tool" >/dev/null || { echo "idle.sh: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
child=
cleanup() {
    [[ -n "$child" ]] && kill "$child" 2>/dev/null && wait "$child" 2>/dev/null
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A private X server; it writes its display number once it is ready. The file
# exists before the server starts, so that the first look never misses it.
: >"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display=
for _ in $(seq 100); do
    display=$(tr -dc 0-9 <"$work/display")
    [[ -n "$display" ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
    sleep 0.1
done
[[ -n "$display" ]] || { echo "idle.sh: Xvfb did not start" >&2; exit 1; }

clk_tck=$(getconf CLK_TCK)

# CPU time (user + system) of a process in clock ticks.
cpu_ticks() {
    local stat fields
    stat=$(<"/proc/$1/stat")
    read -r -a fields <<<"${stat##*) }"  # the fields after the command name
    echo $((fields[11] + fields[12]))
}

# Voluntary context switches of a process's main thread: each is a sleep in
# its event loop, so their count is the number of wake-ups.
wakeups() {
    awk '/^voluntary_ctxt_switches:/ {print $2}' "/proc/$1/task/$1/status"
}

# measure NAME BINARY [ARGUMENT...]: starts it idle with a fresh HOME and no
# right to set the clock; sets wakeups_per_second, cpu_per_minute and peak_mb.
measure() {
    local name=$1 binary=$2 home="$work/home-$1"
    shift 2
    mkdir -p "$home/.config/Vistrel Simulator" "$home/run"
    chmod 700 "$home/run"
    # A settled store, as after the first start: the program idles as a
    # clock with no Instructions window open.
    cat >"$home/.config/Vistrel Simulator/Vistrel Simulator.conf" <<'CONF'
[Drellok]
Alarm%20On=False
Alarm%20Time=120000 PM
Always%20on%20Top=False
Auto%20Show=True
Diver%20Speed=300
Game%20A%20High%20Score=0
Game%20A%20Speed=220
Game%20B%20High%20Score=0
Game%20B%20Speed=170
Left=-45
Sound=True
Top=-330
CONF
    env -u DBUS_SESSION_BUS_ADDRESS -u XDG_CONFIG_HOME -u SESSION_MANAGER \
        HOME="$home" XDG_RUNTIME_DIR="$home/run" DISPLAY=":$display" QT_QPA_PLATFORM=xcb \
        setpriv --inh-caps=-sys_time --bounding-set=-sys_time "$binary" "$@" >"$work/$name.log" 2>&1 </dev/null &
    child=$!
    sleep "$settle"
    kill -0 "$child" 2>/dev/null || { echo "idle.sh: $name ended early:" >&2; cat "$work/$name.log" >&2; exit 1; }
    local t0 c0 w0 t1 c1 w1 hwm
    t0=$(date +%s.%N)
    c0=$(cpu_ticks "$child")
    w0=$(wakeups "$child")
    sleep "$seconds"
    w1=$(wakeups "$child")
    c1=$(cpu_ticks "$child")
    t1=$(date +%s.%N)
    hwm=$(awk '/^VmHWM:/ {print $2}' "/proc/$child/status")
    kill "$child"
    wait "$child" 2>/dev/null || true
    child=
    cpu_per_minute=$(awk -v c="$((c1 - c0))" -v hz="$clk_tck" -v t0="$t0" -v t1="$t1" \
        'BEGIN { printf "%.3f", c / hz * 60 / (t1 - t0) }')
    wakeups_per_second=$(awk -v w="$((w1 - w0))" -v t0="$t0" -v t1="$t1" 'BEGIN { printf "%.1f", w / (t1 - t0) }')
    peak_mb=$(awk -v kb="$hwm" 'BEGIN { printf "%.1f", kb / 1024 }')
}

echo "Idling ${seconds} s each under Xvfb :$display (after ${settle} s of start-up)..."
measure drellok "$program"
prog_wake=$wakeups_per_second prog_cpu=$cpu_per_minute prog_mb=$peak_mb
measure bare "$bare"
bare_wake=$wakeups_per_second bare_cpu=$cpu_per_minute bare_mb=$peak_mb
measure text "$bare" --text
text_wake=$wakeups_per_second text_cpu=$cpu_per_minute text_mb=$peak_mb
# The program may hold at most this much more than the window with text.
memory_margin=12

row='%-22s %14s %14s %16s\n'
printf "\n$row" "" "wake-ups / s" "CPU s / minute" "peak resident MB"
printf "$row" "drellok" "$prog_wake" "$prog_cpu" "$prog_mb"
printf "$row" "bare window" "$bare_wake" "$bare_cpu" "$bare_mb"
printf "$row" "window with text" "$text_wake" "$text_cpu" "$text_mb"
awk -v row="$row" -v a="$prog_wake" -v b="$bare_wake" -v c="$prog_cpu" -v d="$bare_cpu" -v e="$prog_mb" -v f="$bare_mb" '
    function ratio(x, y) { return y > 0 ? sprintf("%.2f", x / y) : "-" }
    BEGIN { printf row, "ratio drellok / bare", ratio(a, b), ratio(c, d), ratio(e, f) }'
awk -v row="$row" -v p="$prog_mb" -v t="$text_mb" -v m="$memory_margin" '
    BEGIN {
        printf row, "drellok - with text", "", "", sprintf("%+.1f", p - t)
        printf row, "goal for drellok", "at most 2", "under 0.05", sprintf("at most %.1f", t + m)
        printf "(memory: at most %d MB above the window with text)\n", m
    }'
