#!/usr/bin/env bash
# The Windows build, proved under Wine. Cross-builds the radio logic, zq4071-cli,
# make_templates and the core tests with MinGW-w64 into build-windows/, then:
#   1. runs the core tests under Wine (the tests that need a pseudo-terminal or
#      POSIX calls are not built for Windows; they are listed here by name);
#   2. compares the templates make_templates.exe made under Wine with the Linux ones;
#   3. reads and writes the simulated radio of the Linux build, served on a
#      pseudo-terminal that a throw-away Wine prefix maps to COM5, with zq4071-cli.exe.
# Needs the Linux build in build/ (scripts/build.sh makes it).
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS

packages=(g++-mingw-w64-x86-64-posix wine wine64 googletest nlohmann-json3-dev libcli11-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

linux=build/stage/LR_902
windows=build-windows/stage/LR_902
for tool in zq4071-cli zq4071-radiosim; do
  [ -x "$linux/$tool" ] || { echo "test-windows: $linux/$tool is missing; run scripts/build.sh first" >&2; exit 1; }
done

# A fresh prefix every run, so that no earlier run's COM ports or settings count. CMake
# needs it already: the templates of Init/ are made by make_templates.exe under Wine.
# Wine speaks English in the C locale, and stores file names as UTF-8 only in a UTF-8 one.
export WINEPREFIX="$PWD/build-windows/wine-prefix" WINEDEBUG=-all LANG=C.UTF-8 LC_ALL=C.UTF-8
mkdir -p build-windows
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1

generator=()
[ -f build-windows/CMakeCache.txt ] || generator=(-G Ninja)
cmake -S . -B build-windows "${generator[@]}" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} >/dev/null
cmake --build build-windows -j"$(nproc)"

# 1. The core tests. A file named for POSIX (posix_*, *_posix*, *_linux*, pty_*) is not
#    built for Windows; its tests are named here so that none is left out unseen.
echo "Left out under Wine: they need a pseudo-terminal, child processes of POSIX or POSIX files:"
skipped=0
while IFS= read -r file; do
  names=$(grep -oE '^TEST(_F)?\([A-Za-z0-9_]+, *[A-Za-z0-9_]+\)' "$file" | sed -E 's/^TEST(_F)?\(([^,]+), *(.*)\)$/\2.\3/' || true)
  [ -n "$names" ] || continue
  echo "  $file:"
  for name in $names; do
    echo "    $name"
    skipped=$((skipped + 1))
  done
done < <(find tests -name '*.cpp' | grep -E '/((posix|linux|pty)_|[^/]*_(posix|linux)[_.])[^/]*$' | sort)

log=build-windows/core_tests.log
if ! wine build-windows/tests/core_tests.exe --gtest_brief=1 >"$log" 2>&1; then
  cat "$log"
  echo "test-windows: the core tests failed under Wine" >&2
  exit 1
fi
passed=$(grep -oE '\[  PASSED  \] [0-9]+' "$log" | grep -oE '[0-9]+$')
echo "Core tests under Wine: $passed passed"

# 2. Templates made under Wine are the Linux ones, byte for byte.
for file in "$linux"/Init/*; do
  cmp "$file" "$windows/Init/$(basename "$file")"
done
echo "Templates made under Wine equal the Linux ones ($(ls "$linux"/Init | wc -l) files)"

# 3. Read and write through COM5, which Wine maps to the simulated radio's pseudo-terminal.
e2e=build-windows/end-to-end
rm -rf "$e2e"
mkdir -p "$e2e"
"$linux/zq4071-cli" new --range 0 -o "$e2e/radio.dat" >/dev/null
"$linux/zq4071-cli" encode "$e2e/radio.dat" -o "$e2e/radio.bin"
"$linux/zq4071-cli" new --range 1 -o "$e2e/sent.dat" >/dev/null
"$linux/zq4071-cli" encode "$e2e/sent.dat" -o "$e2e/expected.bin"
if cmp -s "$e2e/radio.bin" "$e2e/expected.bin"; then
  echo "test-windows: the image to write must differ from the radio's" >&2
  exit 1
fi

radiosim_pid=""
# Starts the simulated radio for one transfer and points COM5 at its pseudo-terminal.
serve_on_com5() {
  "$linux/zq4071-radiosim" --exit-after-transfer "$@" >"$e2e/radiosim.out" 2>&1 &
  radiosim_pid=$!
  for _ in $(seq 50); do
    [ -s "$e2e/radiosim.out" ] && break
    sleep 0.1
  done
  ln -sfn "$(head -n1 "$e2e/radiosim.out")" "$WINEPREFIX/dosdevices/com5"
}
finish_radiosim() {
  wait "$radiosim_pid" || true
  radiosim_pid=""
}
trap '[ -n "$radiosim_pid" ] && kill "$radiosim_pid" 2>/dev/null; wineserver -k 2>/dev/null || true' EXIT

cli_exe="$PWD/$windows/zq4071-cli.exe"
serve_on_com5 --image "$e2e/radio.bin"
(cd "$e2e" && wine "$cli_exe" read --port COM5 --image read.bin --no-backup) >"$e2e/read.log" 2>&1 \
  || { cat "$e2e/read.log"; echo "test-windows: the read through COM5 failed" >&2; exit 1; }
finish_radiosim
cmp "$e2e/read.bin" "$e2e/radio.bin"
echo "Read through COM5 under Wine: the image equals the simulated radio's"

serve_on_com5 --save-written "$e2e/written.bin"
(cd "$e2e" && wine "$cli_exe" write sent.dat --port COM5 --no-backup) >"$e2e/write.log" 2>&1 \
  || { cat "$e2e/write.log"; echo "test-windows: the write through COM5 failed" >&2; exit 1; }
finish_radiosim
cmp "$e2e/written.bin" "$e2e/expected.bin"
echo "Write through COM5 under Wine: the radio holds the encoder's image"

# COM5 moved to a second radio in the middle of a write, after which the first goes away
# (--hang-up-after, at wire speed so that the write lasts): the write fails, and the second
# radio, which would end at the first frame it hears, is still there.
"$linux/zq4071-radiosim" --hang-up-after 0 >"$e2e/second.out" 2>&1 &
second_pid=$!
serve_on_com5 --baud 115200 --hang-up-after 1200
for _ in $(seq 50); do
  [ -s "$e2e/second.out" ] && break
  sleep 0.1
done
(cd "$e2e" && wine "$cli_exe" write sent.dat --port COM5 --no-backup --trace moved.trace) >"$e2e/moved.log" 2>&1 &
wine_pid=$!
for _ in $(seq 600); do
  grep -q " TX 57" "$e2e/moved.trace" 2>/dev/null && break
  sleep 0.05
done
ln -sfn "$(head -n1 "$e2e/second.out")" "$WINEPREFIX/dosdevices/com5"
status=0
wait "$wine_pid" || status=$?
finish_radiosim
if [ "$status" -ne 11 ] || ! grep -q "partly written" "$e2e/moved.log" || ! kill "$second_pid" 2>/dev/null; then
  cat "$e2e/moved.log"
  echo "test-windows: the write whose COM5 moved gave exit code $status, or reached the second radio" >&2
  exit 1
fi
wait "$second_pid" 2>/dev/null || true
echo "COM5 moved to another radio mid-write under Wine: the write failed (exit code 11), the other radio heard nothing"

# A port that is not there: the message, the reason and the exit code of Linux.
rm -f "$WINEPREFIX/dosdevices/com5"
status=0
(cd "$e2e" && wine "$cli_exe" read --port COM5 --image none.bin --no-backup) >"$e2e/none.log" 2>&1 || status=$?
if [ "$status" -ne 10 ] || ! grep -q "Cannot Open Communication Port." "$e2e/none.log"; then
  cat "$e2e/none.log"
  echo "test-windows: a missing COM5 gave exit code $status" >&2
  exit 1
fi
echo "A missing COM5 under Wine: \"Cannot Open Communication Port.\", exit code 10"

echo "test-windows: took $((SECONDS - started)) s"
echo "wine: $passed passed, 0 failed, $skipped skipped"
