#!/usr/bin/env bash
# Installs what is missing, builds the program with its sounds (RelWithDebInfo,
# in build/) and runs it. The tests and benchmarks are left to scripts/test.sh,
# which builds them in the same folder.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/install-deps.sh
# No option but the build type: one set here would replace the value that
# scripts/test.sh keeps in build/'s cache (warnings as errors), and a change of
# compiler flags compiles every file again at the next build of either script.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target drellok
if ((EUID == 0)); then
    # As root the program could set the machine's clock: take that right away.
    exec setpriv --inh-caps=-sys_time --bounding-set=-sys_time build/bin/drellok
fi
exec build/bin/drellok
