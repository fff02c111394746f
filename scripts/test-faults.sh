#!/usr/bin/env bash
# Kills the command line's save at every system call of it, and fails each call
# with EIO, through strace; after each run the data file pair must read as the
# old pair or the new one (as the program reads it, so an interrupted save may
# be completed by that read), and a run that exits 0 must have left the new one.
# Linux only; the portable walk over every file step is a core test
# (PairCommit.*). Needs the Linux build in build/ (scripts/build.sh makes it).
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
cli="$PWD/build/stage/LR_902/zq4071-cli"
[ -x "$cli" ] || { echo "test-faults: $cli is missing; run scripts/build.sh first" >&2; exit 1; }
command -v strace >/dev/null || { echo "test-faults: strace is missing; run scripts/install-deps.sh" >&2; exit 1; }

work=build/test-faults
rm -rf "$work"
mkdir -p "$work"
cd "$work"
csv_of() {  # channel table lines: Location, Frequency
  echo "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE"
  local location=1
  for frequency in "$@"; do
    echo "$location,,$frequency,,0.000000,,88.5,88.5,23,NN,23,Tone->Tone,AM,5.00,,High,,,,,"
    location=$((location + 1))
  done
}
csv_of 25.100000 25.200000 >two.csv
csv_of 28.100000 28.200000 28.300000 28.400000 >four.csv

# The old pair has two channels in each of HF groups 1 and 2; the save under test
# grows group 1 to four, so a channel file of one beside the data file of the
# other shows group 2 the wrong channels.
mkdir old new
"$cli" new --range 0 -o old/pair.dat >/dev/null
"$cli" import-csv old/pair.dat --band HF --group 1 two.csv >/dev/null
"$cli" import-csv old/pair.dat --band HF --group 2 two.csv >/dev/null
cp old/pair.dat old/pair.fre new/
"$cli" import-csv new/pair.dat --band HF --group 1 four.csv >/dev/null
"$cli" dump old/pair.dat -o old.json
"$cli" dump new/pair.dat -o new.json
cmp -s old.json new.json && { echo "test-faults: the save under test changes nothing" >&2; exit 1; }

calls="rename,renameat,renameat2,openat,write,fsync,fdatasync,close,unlink,unlinkat"
fresh_pair() {
  rm -rf run
  mkdir run
  cp old/pair.dat old/pair.fre run/
}
fresh_pair
strace -f -qq -o calls.log -e trace="$calls" "$cli" import-csv run/pair.dat --band HF --group 1 four.csv >/dev/null

points=0 mixed=0 false_success=0 unreported=0 completed=0
for call in ${calls//,/ }; do
  count=$(grep -cE "^[0-9]+ +$call\(" calls.log || true)
  for ((n = 1; n <= count; n++)); do
    for fault in signal=KILL error=EIO; do
      fresh_pair
      status=0
      # The outer subshell takes the shell's "Killed" report of the inner one.
      ( (strace -f -qq -o /dev/null -e trace="$call" -e inject="$call:$fault:when=$n" \
        "$cli" import-csv run/pair.dat --band HF --group 1 four.csv >run.out 2>run.err); exit $? ) 2>/dev/null || status=$?
      points=$((points + 1))
      # Read as the program reads: this completes a save that was cut short.
      if ! "$cli" dump run/pair.dat -o run.json 2>dump.err; then
        mixed=$((mixed + 1))
        echo "  $call #$n $fault: the pair cannot be read: $(cat dump.err)"
        continue
      fi
      grep -q "was interrupted" dump.err && completed=$((completed + 1))
      if cmp -s run.json new.json; then
        :
      elif cmp -s run.json old.json; then
        if [ "$status" -eq 0 ]; then
          false_success=$((false_success + 1))
          echo "  $call #$n $fault: exit code 0, but the old pair is on disk"
        fi
      else
        mixed=$((mixed + 1))
        echo "  $call #$n $fault: the pair is neither the old nor the new one"
      fi
      if [ "$fault" = error=EIO ] && [ "$status" -ne 0 ] && [ ! -s run.err ]; then
        unreported=$((unreported + 1))
        echo "  $call #$n $fault: exit code $status without a message"
      fi
    done
  done
done

echo "test-faults: $points fault points tried, $mixed pairs mixed, $false_success failures reported as success, $unreported failures without a message; $completed interrupted saves completed by the next read ($((SECONDS - started)) s)"
[ "$mixed" -eq 0 ] && [ "$false_success" -eq 0 ] && [ "$unreported" -eq 0 ] && [ "$completed" -gt 0 ]
