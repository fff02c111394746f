#!/usr/bin/env bash
# Installs what is missing, builds, tests the packages, and runs every test and the
# killed and failed saves of scripts/test-faults.sh and what a screen reader reads
# of the running program (scripts/test-accessibility.sh); then
# the sanitized build with a minute of fuzzing per fuzz target, and the Windows build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
scripts/test-package.sh
mkdir -p -m 0700 "${XDG_RUNTIME_DIR:-/tmp/zq4071-runtime}"
ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 300
scripts/test-faults.sh
scripts/test-accessibility.sh
scripts/test-sanitizers.sh
scripts/test-windows.sh
