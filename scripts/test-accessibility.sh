#!/usr/bin/env bash
# What a screen reader reads of the program: starts it in demonstration mode on
# a virtual screen, with a session bus of its own and the accessibility bus, and
# reads its tree over AT-SPI (scripts/read_accessibility_tree.py prints it and
# fails when a piece is missing). Every step has a time limit.
set -euo pipefail
cd "$(dirname "$0")/.."

# Inside the virtual screen and the session bus: the bus, the program, the reader.
if [ "${1:-}" = --inside ]; then
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  bus=$!
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$2/LR_902/zq4071" --demo &
  program=$!
  status=0
  timeout 90 /usr/bin/python3 scripts/read_accessibility_tree.py  # Debian's Python, where python3-pyatspi is || status=$?
  kill "$program" "$bus" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  exit "$status"
fi

stage=build/stage/LR_902
[ -x "$stage/zq4071" ] || { echo "build the program first (scripts/build.sh)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$stage" "$work/LR_902"  # the program keeps its settings beside itself
mkdir -p -m 0700 "$work/runtime" "$work/home"
HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
  timeout 150 xvfb-run -a -s "-screen 0 1366x768x24" dbus-run-session -- "$0" --inside "$work"
