#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on its built-in simulated radio.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/stage/LR_902/zq4071 --demo "$@"
