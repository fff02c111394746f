#!/usr/bin/env bash
# Starts the program under a virtual display and saves a picture of the screen.
#   scripts/screenshot.sh OUT.png [SECONDS] [program arguments...]
set -euo pipefail
out=$(realpath -m "$1"); shift
wait=${1:-4}; shift || true
program="$(dirname "$0")/../build/stage/LR_902/zq4071"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/zq4071-runtime}
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s '-screen 0 1280x900x24' bash -c '
  "$0" "${@:3}" & pid=$!
  sleep "$2"
  import -window root "$1"
  kill $pid' "$program" "$out" "$wait" "$@"
