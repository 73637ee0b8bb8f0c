#!/usr/bin/env bash
# Builds the program from scratch as a packager would: a Release build without
# the tests, with GoogleTest, Google Benchmark and Qt Test out of reach.
# Installs it into a staging folder (DESTDIR), checks the tree a desktop
# expects, then starts the installed program under Xvfb and waits for its
# window.
#
#     install_test.sh <source folder> [<cmake>]
#
# (install_test.sh --show <program> <home> <window class> is the part that
# runs under Xvfb.)
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Under Xvfb: starts the program with a fresh HOME and without the right to set
# the clock, waits for the device window and stops the program by its pid. The
# window's class is the one the desktop entry names, so that a desktop can tell
# which entry the window belongs to.
show() {
    local program=$1 home=$2 class=$3 pid window geometry
    mkdir -p "$home/run"
    chmod 700 "$home/run"
    local deprive=()
    ((EUID == 0)) && deprive=(setpriv --inh-caps=-sys_time --bounding-set=-sys_time)
    # The program makes its own platform choice; nothing of a desktop session
    # may leak in.
    env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE -u DBUS_SESSION_BUS_ADDRESS \
        -u SESSION_MANAGER -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME \
        HOME="$home" XDG_RUNTIME_DIR="$home/run" "${deprive[@]}" "$program" >"$home/drellok.log" 2>&1 &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true' EXIT
    window=$(timeout 30 xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Drellok$' | head -1) || true
    if [[ -z "$window" ]]; then
        cat "$home/drellok.log" >&2
        fail "the installed program showed no window"
    fi
    [[ "$(xprop -id "$window" WM_CLASS)" == *", \"$class\"" ]] ||
        fail "the device window's class is not $class: $(xprop -id "$window" WM_CLASS)"
    geometry=$(xwininfo -id "$window" | sed -n 's/.*-geometry \([0-9]*x[0-9]*\).*/\1/p')
    [[ "$geometry" == 333x198 ]] || fail "the device window is $geometry, not 333x198"
    kill "$pid"
    wait "$pid" || true
    trap - EXIT
    echo "the installed program showed its window ($geometry)"
}

if [[ "${1:-}" == "--show" ]]; then
    show "$2" "$3" "$4"
    exit 0
fi

source_dir=$(cd "${1:?source folder}" && pwd)
cmake=${2:-cmake}
work=$(mktemp -d "${TMPDIR:-/tmp}/drellok-install.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Runs a step with its output in a log, shown only when it fails.
step() {
    local name=$1
    shift
    "$@" >"$work/$name.log" 2>&1 || {
        cat "$work/$name.log" >&2
        fail "$name failed"
    }
}

prefix=/usr
stage=$work/stage
step configure "$cmake" -S "$source_dir" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX=$prefix -DBUILD_TESTING=OFF -DDRELLOK_WERROR=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON
step build "$cmake" --build "$work/build" -j "$(nproc)"
DESTDIR=$stage step install "$cmake" --install "$work/build"

root=$stage$prefix
link=$root/bin/drellok
programdir=$root/libexec/drellok

# bin/ holds a relative link and nothing else; the real executable lies in a
# folder of its own with the four sounds beside it.
[[ -L "$link" ]] || fail "bin/drellok is not a link"
[[ "$(readlink "$link")" != /* ]] || fail "bin/drellok links to an absolute path"
[[ "$(readlink -f "$link")" == "$programdir/drellok" ]] || fail "bin/drellok does not lead to $programdir/drellok"
[[ -f "$programdir/drellok" && ! -L "$programdir/drellok" && -x "$programdir/drellok" ]] ||
    fail "$programdir/drellok is not an executable file"
[[ "$(ls -A "$root/bin")" == drellok ]] || fail "bin/ holds more than the link: $(ls -A "$root/bin")"
for n in 0 1 2 3; do
    [[ -s "$programdir/Beep$n.wav" ]] || fail "Beep$n.wav is not beside the executable"
done
grep -qx "$prefix/bin/drellok" "$work/build/install_manifest.txt" || fail "the link is not in install_manifest.txt"

# The desktop entry is valid and names the link and the icon.
entry=$root/share/applications/drellok.desktop
[[ -f "$entry" ]] || fail "no desktop entry"
desktop-file-validate "$entry" || fail "the desktop entry is not valid"
[[ "$(sed -n 's/^Exec=//p' "$entry")" == drellok ]] || fail "the desktop entry does not run drellok"
icon=$(sed -n 's/^Icon=//p' "$entry")
class=$(sed -n 's/^StartupWMClass=//p' "$entry")
icons=$root/share/icons/hicolor
grep -q '<svg' "$icons/scalable/apps/$icon.svg" || fail "no scalable icon $icon.svg"
for size in 16 32 48 256; do
    png=$icons/${size}x$size/apps/$icon.png
    [[ -f "$png" ]] || fail "no ${size}x$size icon"
    # The PNG signature, then the width and height of its header chunk.
    read -r -a bytes <<<"$(od -An -tu1 -N24 "$png" | tr '\n' ' ')"
    [[ "${bytes[*]:0:8}" == "137 80 78 71 13 10 26 10" ]] || fail "$png is not a PNG file"
    width=$(((bytes[16] << 24) | (bytes[17] << 16) | (bytes[18] << 8) | bytes[19]))
    height=$(((bytes[20] << 24) | (bytes[21] << 16) | (bytes[22] << 8) | bytes[23]))
    [[ "$width" == "$size" && "$height" == "$size" ]] || fail "$png is ${width}x$height"
done
echo "the installed tree is complete"

mkdir -p "$work/home"
xvfb-run -a -s "-screen 0 1280x1024x24" bash "${BASH_SOURCE[0]}" --show "$link" "$work/home" "$class"
