#!/usr/bin/env bash
# Pictures of the main window and Option Features on a 1366 x 768 screen at scale 1,
# 1920 x 1080 at 1.5 and 2560 x 1440 at 2, in English and Chinese, into
# docs/screenshots/ (scale-WIDTHxHEIGHT-LANGUAGE-main.png / -options.png), reduced
# to a small palette and half size. Option Features is opened with the keyboard.
set -euo pipefail
cd "$(dirname "$0")/.."
out=docs/screenshots
stage=build/stage/LR_902
[ -x "$stage/zq4071" ] || { echo "build the program first (scripts/build.sh)" >&2; exit 1; }

# Inside the virtual screen: start, picture, Alt+E O, picture.
if [ "${1:-}" = --inside ]; then
  "$2/LR_902/zq4071" --demo &
  program=$!
  sleep 5
  import -window root "$3-main.png"
  window=$(xdotool search --name '^\*?ZQ4071\[' | head -1)
  xdotool windowfocus --sync "$window" key alt+e key o
  sleep 2
  import -window root "$3-options.png"
  kill "$program"
  exit 0
fi

mkdir -p "$out"
for screen in "1366x768 1" "1920x1080 1.5" "2560x1440 2"; do
  read -r size scale <<<"$screen"
  for language in en zh; do
    work=$(mktemp -d)
    cp -r "$stage" "$work/LR_902"
    mkdir -p -m 0700 "$work/runtime"
    locale=C.UTF-8
    [ "$language" = zh ] && locale=zh_CN.UTF-8
    name="$out/scale-$size-$language"
    LANG=$locale LC_ALL=$locale XDG_RUNTIME_DIR="$work/runtime" QT_SCALE_FACTOR=$scale \
      timeout 60 xvfb-run -a -s "-screen 0 ${size}x24" "$0" --inside "$work" "$work/shot"
    for kind in main options; do
      convert "$work/shot-$kind.png" -resize 50% -colors 64 "PNG8:$name-$kind.png"
    done
    rm -rf "$work"
  done
done
ls -l "$out"
