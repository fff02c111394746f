#!/usr/bin/env bash
# Configures and builds everything into ./build (program folder: build/stage/LR_902).
set -euo pipefail
cd "$(dirname "$0")/.."
generator=()
[ -f build/CMakeCache.txt ] || generator=(-G Ninja)  # a build folder keeps the generator it was made with
cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} >/dev/null
cmake --build build -j"$(nproc)"
