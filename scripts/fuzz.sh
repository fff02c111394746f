#!/usr/bin/env bash
# Builds the fuzz targets (tests/fuzz) with clang's libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer into build-fuzz/, runs each for SECONDS seconds
# one after another, and prints a table of runs, runs per second, coverage and
# findings.
#   scripts/fuzz.sh SECONDS [TARGET...]     targets: datafile json csv image ini transfer
# FUZZ_JOBS=2 runs two targets at a time. What the targets learn is kept in
# build-fuzz/corpus/<target>; the findings of a target's last run (sanitizer
# reports, broken invariants, time-outs, leaks) in build-fuzz/findings/<target>.
# Any finding, or a target that did not run, fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(datafile json csv image ini transfer)
jobs=${FUZZ_JOBS:-1}
build=build-fuzz

mkdir -p "$build/logs"
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DZQ_BUILD_GUI=OFF -DZQ_BUILD_FUZZERS=ON \
  >"$build/logs/configure.log"
nice ninja -C "$build" -j"$(nproc)" fuzz_seeds "${targets[@]/%/_fuzz}" >"$build/logs/build.log" ||
  { tail -40 "$build/logs/build.log"; exit 1; }

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

run_target() {
  local t=$1 inputs=() dict=() options=()
  rm -rf "$build/findings/$t"
  mkdir -p "$build/corpus/$t" "$build/findings/$t"
  inputs+=("$build/corpus/$t")
  for dir in "$build/tests/fuzz/seeds/$t" "tests/fuzz/corpus/$t" "tests/fuzz/regressions/$t"; do
    [ -d "$dir" ] && inputs+=("$dir")
  done
  [ -f "tests/fuzz/$t.dict" ] && dict=(-dict="tests/fuzz/$t.dict")
  [ -f "tests/fuzz/$t.options" ] && mapfile -t options < <(grep -v -e '^#' -e '^$' "tests/fuzz/$t.options")
  # The processor time it took (user + system), so that runs per second on one
  # core can be told even on a machine busy with other work.
  local TIMEFORMAT="%U %S"
  { time "$build/tests/fuzz/${t}_fuzz" -max_total_time="$seconds" -timeout=20 -print_final_stats=1 \
      -artifact_prefix="$build/findings/$t/" "${dict[@]}" "${options[@]}" "${inputs[@]}" >"$build/logs/$t.log" 2>&1 || true; } \
    2>"$build/logs/$t.cpu"
}

running=0
for t in "${targets[@]}"; do
  run_target "$t" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n
    running=$((running - 1))
  fi
done
wait

# A time-out is a finding only when its input still hangs on its own: when the
# whole machine stalls (seen on shared build machines: two targets losing a minute
# of wall-clock time together), the input replays at once and is kept as stalled-*.
for stalled in "$build"/findings/*/timeout-*; do
  [ -f "$stalled" ] || continue
  t=$(basename "$(dirname "$stalled")")
  if timeout 20 "$build/tests/fuzz/${t}_fuzz" "$stalled" >/dev/null 2>&1; then
    mv "$stalled" "$(dirname "$stalled")/stalled-${stalled##*/timeout-}"
    echo "fuzz: $t: an input timed out while the machine stalled and replays at once; kept as stalled-*" >&2
  fi
done

# One line per target: the libFuzzer statistics of its last run.
final_stat() { grep -o "stat::$2: *[0-9]*" "$build/logs/$1.log" | grep -o '[0-9]*$' || echo '?'; }
last() { grep -o "$2: [0-9]*" "$build/logs/$1.log" | tail -1 | grep -o '[0-9]*$' || echo '?'; }
per_cpu_second() {
  local runs=$1 cpu
  cpu=$(awk '{ print $1 + $2 }' "$build/logs/$2.cpu" 2>/dev/null || echo 0)
  awk -v r="$runs" -v c="$cpu" 'BEGIN { if (c > 0 && r ~ /^[0-9]+$/) printf "%d", r / c; else printf "?" }'
}
table="$build/fuzz-table.md"
{
  echo "| Target | Seconds | Runs | Runs/s | Runs per CPU second | Coverage (edges) | Features | Corpus | Findings |"
  echo "|---|---:|---:|---:|---:|---:|---:|---:|---:|"
} >"$table"
found=0
for t in "${targets[@]}"; do
  findings=$(find "$build/findings/$t" -type f ! -name 'slow-unit-*' ! -name 'stalled-*' | wc -l)
  found=$((found + findings))
  runs=$(final_stat "$t" number_of_executed_units)
  [ "$runs" != "?" ] || found=$((found + 1))
  echo "| $t | $seconds | $runs | $(final_stat "$t" average_exec_per_sec) | $(per_cpu_second "$runs" "$t") |" \
    "$(last "$t" cov) | $(last "$t" ft) | $(last "$t" corp) | $findings |" >>"$table"
done
cat "$table"
if [ "$found" -gt 0 ]; then
  echo "Findings, or a target that did not run: see $build/findings/ and the logs in $build/logs/." >&2
  for t in "${targets[@]}"; do grep -h -m3 -E "ERROR|invariant broken|runtime error" "$build/logs/$t.log" >&2 || true; done
  exit 1
fi
