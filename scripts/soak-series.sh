#!/usr/bin/env bash
# A long series: RADIOS radios (default 500) written one after another with
# `zq4071-cli write --repeat --verify --log` through the simulated radio, each
# radio with at most one random fault: replies dropped, Acks and blocks
# corrupted, a data reply naming the wrong block, noise ahead of a reply, a
# block acknowledged but not stored, or the radio taken away in the middle of
# its write. Prints the radios written and failed, the log lines, the time it
# took and the command line's resident memory after the first radio and after
# the last. Fails when a radio is missing from the log or has another result
# than its fault calls for, when the log stops growing for a minute (a hang),
# or when the resident memory grew by more than GROWTH_KB (default 256).
# Needs the build in build/ (scripts/build.sh). Not part of scripts/test.sh:
# 500 radios take about half an hour, two seconds each between radios.
#
#   scripts/soak-series.sh [RADIOS [SEED]]
set -euo pipefail
cd "$(dirname "$0")/.."
radios=${1:-500}
seed=${2:-$$}
growth_limit_kb=${GROWTH_KB:-256}
program=build/stage/LR_902
for tool in zq4071-cli zq4071-radiosim; do
  [ -x "$program/$tool" ] || { echo "soak-series: $program/$tool is missing; run scripts/build.sh first" >&2; exit 1; }
done

work=$(mktemp -d /tmp/zq-soak-XXXXXX)
sim_pid="" cli_pid="" keep=""
cleanup() {
  [ -n "$cli_pid" ] && kill "$cli_pid" 2>/dev/null
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null
  wait 2>/dev/null || true
  [ -n "$keep" ] || rm -rf "$work"
}
trap cleanup EXIT
# A copy of the installation, so that a build during the half hour leaves the run alone.
cp -r "$(dirname "$program")" "$work/stage"
program=$work/stage/$(basename "$program")

# One fault or none per radio, with the result the log must show for it. Faults
# that cost retransmissions stay inside the block phases: the simulated radio
# is taken away a moment after an END, so a retransmitted END (or the greeting
# of the read-back after it) would find it gone, which is the rig's way of
# playing a dealer and not the program's fault.
RANDOM=$seed
faults=()
declare -a expected
written=0 failed=0
block_frame() {  # a frame number inside the write (4..1875) or the read-back (1879..3750), with room for $1 more
  if ((RANDOM % 2)); then echo $((4 + RANDOM % (1872 - $1))); else echo $((1879 + RANDOM % (1872 - $1))); fi
}
for ((r = 1; r <= radios; r++)); do
  result="written and verified"
  k=$((1 + RANDOM % 3))
  case $((RANDOM % 20)) in
    8 | 9 | 10) faults+=(--drop "$(block_frame $k):$k@$r") ;;
    11 | 12) faults+=(--corrupt-checksum "$(block_frame $k):$k@$r") ;;
    13 | 14) faults+=(--garbage "$(block_frame 1)@$r") ;;
    15) faults+=(--wrong-address "$(block_frame 1)@$r") ;;
    16 | 17)
      faults+=(--drop-out "$r:$((4 + RANDOM % 1870))")
      result="failed: no response"
      ;;
    18)
      faults+=(--lose-block "$((4 + RANDOM % 1872))@$r")
      result="failed: the radio does not hold what was written"
      ;;
  esac
  expected[r]=$result
  if [ "$result" = "written and verified" ]; then written=$((written + 1)); else failed=$((failed + 1)); fi
done

printf '%s %s\n' "${faults[@]}" >"$work/faults.txt"
printf '[Version]\r\nCurrentVersion=V100\r\nFirmVersionCount=1\r\n[Firm]\r\nFirm0=V100V100\r\n' >"$work/Version.ini"
"$program/zq4071-cli" new --range 1 -o "$work/radio.dat" >/dev/null

# Each radio arrives holding noise, so that a block it does not store always shows.
head -c 139776 /dev/urandom >"$work/arriving.bin"
"$program/zq4071-radiosim" --series "$radios" --absent 1200 --image "$work/arriving.bin" "${faults[@]}" >"$work/radiosim.out" 2>&1 &
sim_pid=$!
for _ in $(seq 50); do
  [ -s "$work/radiosim.out" ] && break
  sleep 0.1
done
device=$(head -n1 "$work/radiosim.out")

log="$work/series.csv"
started=$SECONDS
"$program/zq4071-cli" write "$work/radio.dat" --port "$device" --versions "$work/Version.ini" --no-backup \
  --verify --repeat --log "$log" >"$work/cli.out" 2>"$work/cli.err" &
cli_pid=$!

log_lines() { if [ -f "$log" ]; then grep -c . "$log"; else echo 0; fi; }
resident_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$cli_pid/status"; }
wait_for_lines() {  # header + $1 radios; false on a hang
  local seen=-1 since=$SECONDS
  while [ "$(log_lines)" -lt $(($1 + 1)) ]; do
    kill -0 "$cli_pid" 2>/dev/null || return 1
    if [ "$(log_lines)" -ne "$seen" ]; then seen=$(log_lines) since=$SECONDS; fi
    [ $((SECONDS - since)) -lt 60 ] || return 1
    sleep 0.2
  done
}

wait_for_lines 1 || { echo "soak-series: the first radio was never logged" >&2; exit 1; }
rss_start=$(resident_kb)
if ! wait_for_lines "$radios"; then
  echo "soak-series: the log stopped at $(($(log_lines) - 1)) radios (a hang, or the command line ended)" >&2
  exit 1
fi
rss_end=$(resident_kb)
elapsed=$((SECONDS - started))
kill -INT "$cli_pid"  # it waits for the next radio: Ctrl+C stops it at once
status=0
wait "$cli_pid" || status=$?
cli_pid=""

# Every radio once, in order, with the identity it reported and the result its fault calls for.
mismatches=0
while IFS=, read -r time number identity firmware result; do
  result=${result%$'\r'}
  want_identity=$(printf 'VESTRAX %06X' "$number")
  if [ "$identity" != "$want_identity" ] || [ "$firmware" != V100 ] || [ "$result" != "${expected[number]}" ]; then
    echo "soak-series: radio $number: $identity,$firmware,$result; expected $want_identity,V100,${expected[number]}" >&2
    mismatches=$((mismatches + 1))
  fi
done < <(tail -n +2 "$log")
numbers=$(tail -n +2 "$log" | cut -d, -f2 | tr '\n' ' ')
[ "$numbers" = "$(seq -s ' ' 1 "$radios") " ] || { echo "soak-series: the log's radios are not 1..$radios in order" >&2; mismatches=$((mismatches + 1)); }
summary=$(tail -n1 "$work/cli.out")
[ "$summary" = "Radios written: $written, failed: $failed." ] || { echo "soak-series: summary \"$summary\"" >&2; mismatches=$((mismatches + 1)); }
want_status=0
[ "$failed" -eq 0 ] || want_status=$(grep -m1 -oE 'failed: (no response|the radio does not hold)' "$log" | sed -e 's/.*no response/11/' -e 's/.*does not hold/14/')
[ "$status" -eq "$want_status" ] || { echo "soak-series: exit code $status, expected $want_status" >&2; mismatches=$((mismatches + 1)); }

echo "soak-series: seed $seed, $((${#faults[@]} / 2)) faults for $radios radios"
echo "radios written: $(grep -c 'written and verified' "$log"), failed: $(grep -c ',failed: ' "$log") (expected $written and $failed)"
echo "log lines: $(($(log_lines) - 1)) radios and the header"
echo "elapsed: ${elapsed} s ($((elapsed * 1000 / radios)) ms a radio)"
echo "resident memory: ${rss_start} kB after the first radio, ${rss_end} kB after the last"
[ "$mismatches" -eq 0 ] || { echo "soak-series: $mismatches mismatches; the run is kept in $work" >&2; keep=1; exit 1; }
if [ $((rss_end - rss_start)) -gt "$growth_limit_kb" ]; then
  echo "soak-series: resident memory grew by $((rss_end - rss_start)) kB" >&2
  exit 1
fi
