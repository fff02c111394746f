#!/usr/bin/env bash
# The core, its tests, the command line and the simulated radio built with
# AddressSanitizer and UndefinedBehaviorSanitizer (clang, into build-fuzz/) and
# tested, the fuzz targets replaying their seeds and regression inputs among
# them; then every fuzz target runs for FUZZ_SECONDS (60) seconds. Any sanitizer
# report, failed test or fuzz finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-fuzz

mkdir -p "$build/logs"
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DZQ_BUILD_GUI=OFF -DZQ_SANITIZE=ON -DZQ_BUILD_FUZZERS=ON \
  >"$build/logs/configure.log"
nice ninja -C "$build" -j"$(nproc)" core_tests default_settings fuzz_seeds \
  datafile_fuzz json_fuzz csv_fuzz image_fuzz ini_fuzz transfer_fuzz >"$build/logs/build.log" ||
  { tail -40 "$build/logs/build.log"; exit 1; }

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p -m 0700 "${XDG_RUNTIME_DIR:-/tmp/zq4071-runtime}"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 300

FUZZ_JOBS=${FUZZ_JOBS:-$(nproc)} scripts/fuzz.sh "${FUZZ_SECONDS:-60}"
