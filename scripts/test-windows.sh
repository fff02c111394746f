#!/usr/bin/env bash
# The Windows build, proved under Wine. Builds Qt for Windows once (cached, see
# scripts/build-qt-windows.sh), cross-builds the whole program, its tests and
# its packages with MinGW-w64 into build-windows/, then:
#   1. runs the core tests under Wine (the tests that need a pseudo-terminal or
#      POSIX calls are not built for Windows; they are listed here by name);
#   2. compares the templates make_templates.exe made under Wine with the Linux ones;
#   3. reads and writes the simulated radio of the Linux build, served on a
#      pseudo-terminal that a throw-away Wine prefix maps to COM5, with zq4071-cli.exe;
#   4. runs the window tests under Wine on the offscreen platform, and one of them
#      reads and writes the simulated radio through COM5 from the main window;
#   5. makes the portable zip and the NSIS installer, installs the one and unpacks
#      the other into a fresh Wine prefix, and starts zq4071.exe from each under
#      Xvfb with the windows platform: in English and in Chinese, screenshots,
#      the window found by its title, a clean exit when it is closed; then
#      uninstalls it.
# Needs the Linux build in build/ (scripts/build.sh makes it). ZQ_SKIP_WINDOWS=1
# leaves all of it out of a quick local run.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${ZQ_SKIP_WINDOWS:-0}" = 1 ]; then
  echo "test-windows: left out (ZQ_SKIP_WINDOWS=1)"
  exit 0
fi
started=$SECONDS
step_started=$SECONDS
# Ends a step: its name and the seconds it took.
step_done() {
  echo "test-windows: [$((SECONDS - step_started)) s] $1"
  step_started=$SECONDS
}

packages=(g++-mingw-w64-x86-64-posix wine wine64 googletest nlohmann-json3-dev libcli11-dev
          librsvg2-bin imagemagick nsis xvfb xauth xdotool fonts-wqy-microhei fonts-dejavu-core
          qt6-translations-l10n)
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
step_done "packages"

qt=${ZQ_QT_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/zq4071/qt-6.4.2-mingw64}
if [ ! -f "$qt/zq4071-stamp" ]; then
  echo "test-windows: Qt for Windows is not built yet: building it now from Debian's sources"
  echo "test-windows: about 35 minutes on two cores, once; later runs reuse $qt"
fi
scripts/build-qt-windows.sh
step_done "Qt for Windows"

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
export CCACHE_BASEDIR=$PWD
configure() {  # configure LAYOUT: the same build, laid out as a folder install or a system install
  cmake -S . -B build-windows "${generator[@]}" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} -DZQ_QT_WINDOWS="$qt" -DZQ_BUILD_GUI=ON \
    -DZQ_INSTALL_LAYOUT="$1" >/dev/null
  generator=()
}
configure portable
cmake --build build-windows -j"$(nproc)"
step_done "cross build (program, command line, tests)"

# 1. The core tests. A file named for POSIX (posix_*, *_posix*, *_linux*, pty_*) is not
#    built for Windows; its tests are named here so that none is left out unseen.
echo "Left out under Wine: they need a pseudo-terminal, child processes of POSIX, POSIX files or Qt modules built only for POSIX:"
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

# Every program run under Wine finds Qt's DLLs (the command line paints hand-over
# sheets with Qt) and MinGW's runtime through WINEPATH.
runtime_path="$(winepath -w "$qt/bin")"
for dll in libstdc++-6.dll libwinpthread-1.dll; do
  runtime_path+=";$(winepath -w "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)")")"
done
export WINEPATH="$runtime_path"

log=build-windows/core_tests.log
if ! wine build-windows/tests/core_tests.exe --gtest_brief=1 >"$log" 2>&1; then
  cat "$log"
  echo "test-windows: the core tests failed under Wine" >&2
  exit 1
fi
passed=$(grep -oE '\[  PASSED  \] [0-9]+' "$log" | grep -oE '[0-9]+$')
echo "Core tests under Wine: $passed passed"
step_done "core tests under Wine"

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
# Starts the simulated radio and points COM5 at its pseudo-terminal.
radiosim_on_com5() {
  "$linux/zq4071-radiosim" "$@" >"$e2e/radiosim.out" 2>&1 &
  radiosim_pid=$!
  for _ in $(seq 50); do
    [ -s "$e2e/radiosim.out" ] && break
    sleep 0.1
  done
  ln -sfn "$(head -n1 "$e2e/radiosim.out")" "$WINEPREFIX/dosdevices/com5"
}
# ... for one transfer.
serve_on_com5() { radiosim_on_com5 --exit-after-transfer "$@"; }
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

# The connection doctor greets the radio on COM5 (nothing is read or written), lists
# the ports the device manager knows, and names a COM5 that is not there.
serve_on_com5 --model OTHER
status=0
(cd "$e2e" && wine "$cli_exe" doctor --port COM5 --language 1) >"$e2e/doctor-other.log" 2>&1 || status=$?
finish_radiosim
if [ "$status" -ne 12 ] || ! grep -q "The radio answers as model OTHER, not VESTRAX." "$e2e/doctor-other.log"; then
  cat "$e2e/doctor-other.log"
  echo "test-windows: the doctor on a radio of another model gave exit code $status" >&2
  exit 1
fi
serve_on_com5
(cd "$e2e" && wine "$cli_exe" doctor --port COM5 --language 1) >"$e2e/doctor.log" 2>&1 \
  || { cat "$e2e/doctor.log"; echo "test-windows: the doctor on COM5 failed" >&2; exit 1; }
finish_radiosim
grep -q "Radio: VESTRAX, firmware V100" "$e2e/doctor.log" || { cat "$e2e/doctor.log"; exit 1; }
(cd "$e2e" && wine "$cli_exe" doctor --language 1) >"$e2e/doctor-all.log" 2>&1 \
  || { cat "$e2e/doctor-all.log"; echo "test-windows: the doctor's list failed" >&2; exit 1; }
echo "Doctor under Wine: the radio on COM5 greeted (exit code 0), another model named (exit code 12), $(grep -c '^COM' "$e2e/doctor-all.log" || true) ports listed"

# A port that is not there: the message, the reason and the exit code of Linux.
rm -f "$WINEPREFIX/dosdevices/com5"
status=0
(cd "$e2e" && wine "$cli_exe" doctor --port COM5 --language 1) >"$e2e/doctor-none.log" 2>&1 || status=$?
if [ "$status" -ne 10 ]; then
  cat "$e2e/doctor-none.log"
  echo "test-windows: the doctor on a missing COM5 gave exit code $status" >&2
  exit 1
fi
status=0
(cd "$e2e" && wine "$cli_exe" read --port COM5 --image none.bin --no-backup) >"$e2e/none.log" 2>&1 || status=$?
if [ "$status" -ne 10 ] || ! grep -q "Cannot Open Communication Port." "$e2e/none.log"; then
  cat "$e2e/none.log"
  echo "test-windows: a missing COM5 gave exit code $status" >&2
  exit 1
fi
echo "A missing COM5 under Wine: \"Cannot Open Communication Port.\", exit code 10"
step_done "command line through COM5 under Wine"

# 4. The window tests on the offscreen platform. Wine passes no variable that starts
#    with QT_ (it takes WINEQT_... and strips WINE), and the offscreen platform finds
#    fonts only in the folder QT_QPA_FONTDIR names. Qt's DLLs come from its own folder.
fonts=build-windows/fonts
mkdir -p "$fonts"
cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$fonts/"
# The test program finds Qt's plugins and Chinese texts through a qt.conf beside it.
printf '[Paths]\r\nPrefix = %s\r\nTranslations = %s\r\n' "$(winepath -w "$qt" | tr '\\' /)" \
  "$(winepath -w /usr/share/qt6/translations | tr '\\' /)" >build-windows/tests/qt.conf
gui=(env WINEPATH="$runtime_path" WINEQT_QPA_PLATFORM=offscreen
     WINEQT_QPA_FONTDIR="$(winepath -w "$fonts")" wine build-windows/tests/gui_tests.exe --gtest_brief=1)
log=build-windows/gui_tests.log
# ScreenFit.* needs the screens ctest gives it on Linux (offscreen screens of given sizes and scales).
if ! "${gui[@]}" --gtest_filter='-RadioPort.*:ScreenFit.*' >"$log" 2>&1; then
  grep -vE 'propagateSizeHints|^$' "$log" | tail -n 60
  echo "test-windows: the window tests failed under Wine" >&2
  exit 1
fi
gui_passed=$(grep -oE '\[  PASSED  \] [0-9]+' "$log" | grep -oE '[0-9]+$')
echo "Window tests under Wine: $gui_passed passed"
step_done "window tests under Wine"

# The main window reads the simulated radio through COM5 and writes it back changed;
# the radio must then hold what the encoder made of the window's configuration.
radiosim_on_com5 --image "$e2e/radio.bin" --save-written "$e2e/window-written.bin"
log=build-windows/gui_radio_port.log
if ! ZQ_TEST_RADIO_PORT=5 ZQ_TEST_RADIO_IMAGE="$(winepath -w "$e2e/radio.bin")" \
     ZQ_TEST_ENCODED_IMAGE="$(winepath -w "$e2e")\\window-encoded.bin" \
     "${gui[@]}" --gtest_filter='RadioPort.*' >"$log" 2>&1; then
  grep -vE 'propagateSizeHints|^$' "$log" | tail -n 30
  echo "test-windows: the main window's read and write through COM5 failed" >&2
  exit 1
fi
kill "$radiosim_pid" 2>/dev/null || true
finish_radiosim
cmp "$e2e/window-written.bin" "$e2e/window-encoded.bin"
echo "Main window under Wine through COM5: the read equals the radio's image, the radio holds the encoder's image after the write"
step_done "main window through COM5 under Wine"

# 5. The packages: the folder install as a zip, the system install as an installer.
rm -rf build-windows/packages
(cd build-windows && cpack -G ZIP >/dev/null)
configure system
(cd build-windows && cpack -G NSIS >/dev/null)
configure portable
zip=build-windows/packages/zq4071-1.0.0-win64.zip
setup=build-windows/packages/zq4071-1.0.0-win64-setup.exe
du -k "$zip" "$setup" | awk '{printf "package %s: %d KiB\n", $2, $1}'
step_done "zip and installer"

# A fresh prefix that holds nothing of the build: only a Chinese font, copied in
# as a user would install one. The zip is unpacked into it, the installer run in it.
wineserver -k 2>/dev/null || true
export WINEPREFIX="$PWD/build-windows/wine-desktop"
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
cp /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$WINEPREFIX/drive_c/windows/Fonts/"
portable="$WINEPREFIX/drive_c/portable"
mkdir -p "$portable"
cmake -E chdir "$portable" cmake -E tar xf "$PWD/$zip"
portable_exe="$portable/zq4071-1.0.0-win64/LR_902/zq4071.exe"
wine "$setup" /S '/D=C:\ZQ4071' >/dev/null 2>&1
wineserver -w
installed_exe="$WINEPREFIX/drive_c/ZQ4071/bin/zq4071.exe"
for exe in "$portable_exe" "$installed_exe"; do
  [ -f "$exe" ] || { echo "test-windows: $exe is missing" >&2; exit 1; }
done
[ -f "$WINEPREFIX/drive_c/ZQ4071/Uninstall.exe" ] || { echo "test-windows: the installer left no uninstaller" >&2; exit 1; }
find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/*' -name 'ZQ4071*.lnk' | grep -q . \
  || { echo "test-windows: the installer made no Start-menu entry" >&2; exit 1; }
echo "Installer: C:\\ZQ4071\\bin\\zq4071.exe, uninstaller and Start-menu entry in place"
step_done "installed and unpacked in a fresh prefix"

# Starts EXE under Xvfb with the windows platform, finds the main window by its
# title, takes a screenshot into SHOT, closes the window and expects a clean exit.
show_window() {  # show_window EXE SHOT
  local exe=$1 shot=$2
  (
    cd "$(dirname "$exe")"
    xvfb-run -a -s '-screen 0 1280x900x24' bash -c '
      wine "$0" >"$1.out" 2>&1 &
      program=$!
      window=""
      for _ in $(seq 120); do
        window=$(xdotool search --name "^ZQ4071\[" 2>/dev/null | head -n1) && [ -n "$window" ] && break
        sleep 0.5
      done
      [ -n "$window" ] || { echo "no window titled ZQ4071[...] appeared" >&2; kill $program; exit 1; }
      sleep 3  # the first paint, and the background picture
      xdotool getwindowname "$window" >"$1.title"
      import -window root "$1"
      xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
      xdotool key --window "$window" alt+F4
      for _ in $(seq 40); do kill -0 $program 2>/dev/null || break; sleep 0.5; done
      if kill -0 $program 2>/dev/null; then echo "the program did not end when closed" >&2; kill $program; exit 1; fi
      wait $program
    ' "$(basename "$exe")" "$shot"
  )
  # Not blank: a real window has many colours.
  local colours
  colours=$(convert "$shot" -format '%k' info:)
  [ "$colours" -gt 50 ] || { echo "test-windows: $shot has $colours colours: blank" >&2; exit 1; }
  echo "  $(basename "$shot"): title \"$(cat "$shot.title")\", $colours colours"
}
shots=$PWD/build-windows/screenshots
rm -rf "$shots"
mkdir -p "$shots"
show_window "$installed_exe" "$shots/installed-english.png"
settings="$WINEPREFIX/drive_c/users/$(whoami)/AppData/Local/ZQ4071/mysetup.ini"
grep -q '^IsFirstRun=0' "$settings" || { echo "test-windows: the installed program kept no settings in $settings" >&2; exit 1; }
# The unpacked zip, switched to Chinese in its own settings file.
portable_settings="$portable/zq4071-1.0.0-win64/language/mysetup.ini"
printf '[language]\r\nIsFirstRun=0\r\nCurrentLanguage=2\r\n' >"$portable_settings"
show_window "$portable_exe" "$shots/portable-chinese.png"
grep -q '文件名' "$shots/portable-chinese.png.title" \
  || { echo "test-windows: the Chinese title is $(cat "$shots/portable-chinese.png.title")" >&2; exit 1; }
echo "zq4071.exe under Xvfb from the installed folder (English) and the unpacked zip (Chinese): screenshots in $shots"
step_done "zq4071.exe on the windows platform"

# The uninstaller takes the program and its Start-menu entry and leaves the user's settings.
wine 'C:\ZQ4071\Uninstall.exe' /S >/dev/null 2>&1
wineserver -w
if [ -e "$installed_exe" ] || find "$WINEPREFIX/drive_c" -path '*/Start Menu/*' -name 'ZQ4071*.lnk' | grep -q . ||
   [ ! -f "$settings" ]; then
  echo "test-windows: the uninstaller left the program or its menu entry, or took the user's settings" >&2
  exit 1
fi
echo "Uninstaller: the program and its Start-menu entry are gone, the user's settings stay"
step_done "uninstalled"

echo "test-windows: took $((SECONDS - started)) s"
echo "wine: $passed core and $gui_passed window tests passed, 0 failed, $skipped skipped"
