#!/usr/bin/env bash
# Installs what is missing, checks the formatting (scripts/check-format.sh), builds,
# tests the packages, and runs every test and the killed and failed saves of
# scripts/test-faults.sh and what a screen reader reads of the running program
# (scripts/test-accessibility.sh); then the sanitized build with a minute of fuzzing
# per fuzz target, and the Windows build (left out with ZQ_SKIP_WINDOWS=1). Prints the
# time of each step.
set -euo pipefail
cd "$(dirname "$0")/.."
qt_windows=${ZQ_QT_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/zq4071/qt-6.4.2-mingw64}
if [ "${ZQ_SKIP_WINDOWS:-0}" != 1 ] && [ ! -f "$qt_windows/zq4071-stamp" ]; then
  echo "test: this run also builds Qt for Windows from Debian's sources, once:" \
       "about 35 minutes on two cores (scripts/build-qt-windows.sh)"
fi
started=$SECONDS
step() {  # step COMMAND...: runs it and prints how long it took
  local from=$SECONDS
  "$@"
  echo "test: [$((SECONDS - from)) s] $*"
}
step scripts/install-deps.sh
step scripts/check-format.sh
step scripts/build.sh
step scripts/test-package.sh
mkdir -p -m 0700 "${XDG_RUNTIME_DIR:-/tmp/zq4071-runtime}"
step ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 300
step scripts/test-faults.sh
step scripts/test-accessibility.sh
step scripts/test-sanitizers.sh
step scripts/test-windows.sh
echo "test: everything passed in $((SECONDS - started)) s"
