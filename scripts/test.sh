#!/usr/bin/env bash
# Builds the program twice, as an optimised release build and under
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test in both:
# the unit tests, the offscreen Qt tests and the end-to-end tests of the real
# program under Xvfb.
#
# Both are RelWithDebInfo and built with -Werror (DRELLOK_WERROR). The release
# build also builds the developer tools and runs the packaging test: a plain
# Release build (-O3, also with -Werror) from scratch without the test tools,
# installed into a staging folder and started under Xvfb.
#
# Build folders: $DRELLOK_BUILD (default build) and $DRELLOK_BUILD_SANITIZE
# (default build-sanitize), both under the source folder unless absolute.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
release=${DRELLOK_BUILD:-build}
sanitize=${DRELLOK_BUILD_SANITIZE:-build-sanitize}
jobs=$(nproc)

# Some third-party libraries keep memory for the life of the process; the
# leak checker lets only those listed in scripts/lsan.supp through.
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

started=$SECONDS
stamp() { printf '[%4ds] %s\n' $((SECONDS - started)) "$*"; }

build() {
    local dir=$1
    shift
    stamp "configure $dir"
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRELLOK_WERROR=ON "$@" >"$dir/configure.log" 2>&1 ||
        { cat "$dir/configure.log"; return 1; }
    stamp "build $dir"
    cmake --build "$dir" -j "$jobs"
}

passed=0
failed=0
status=0

# Runs one build's tests and adds its counts to the totals.
run_tests() {
    local dir=$1 log
    log=$(mktemp)
    stamp "test $dir"
    ctest --test-dir "$dir" -j "$jobs" --output-on-failure --timeout 600 </dev/null 2>&1 | tee "$log" || status=1
    local line
    line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1 || true)
    if [[ -z "$line" ]]; then
        echo "no test ran in $dir" >&2
        status=1
    else
        local bad total
        bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
        total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
        ((bad == 0)) || status=1
        passed=$((passed + total - bad))
        failed=$((failed + bad))
    fi
    rm -f "$log"
}

bash scripts/install-deps.sh  # only what is missing
mkdir -p "$release" "$sanitize"
build "$release" -DDRELLOK_TOOLS=ON -DDRELLOK_PACKAGING_TEST=ON
run_tests "$release"
build "$sanitize" -DDRELLOK_SANITIZE=ON -DDRELLOK_BENCH=OFF
run_tests "$sanitize"

stamp "done"
echo "$passed passed, $failed failed"
exit $status
