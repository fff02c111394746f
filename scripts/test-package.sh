#!/usr/bin/env bash
# Builds the .deb and .tar.gz from build/, validates the desktop files they
# carry, unpacks the .deb into a scratch root and runs it there as a user with
# a fresh home folder (and, when run as root, again as root): the templates
# must be found, the settings file and the backups must land in that user's
# folders, and nothing may change below the scratch root.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$PWD/build

failures=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then echo "ok    $1"; else echo "FAIL  $1"; failures=$((failures + 1)); fi
}

rm -rf "$build/packages"
(cd "$build" && cpack -G "DEB;TGZ" >/dev/null)
deb=$(ls "$build"/packages/*.deb)
tgz=$(ls "$build"/packages/*.tar.gz)
du -k "$deb" "$tgz" | awk '{printf "package %s: %d KiB\n", $2, $1}'

scratch=$(mktemp -d /tmp/zq4071-package-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
root=$scratch/root
dpkg-deb -x "$deb" "$root"
usr=$root/usr

# Debian's policy checks: no error and no warning (the remaining notes are
# information only: hardening flags and the compiler's .comment section).
lintian_report=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -E '^[EW]: ' || true)
check "lintian reports no error and no warning" test -z "$lintian_report"
[ -z "$lintian_report" ] || echo "$lintian_report"
dpkg-deb -c "$deb" >"$scratch/contents"
check "the .deb carries the copyright file, the changelog and compressed manual pages" \
  bash -c "grep -q ' ./usr/share/doc/zq4071/copyright\$' '$scratch/contents' &&
           grep -q ' ./usr/share/doc/zq4071/changelog.gz\$' '$scratch/contents' &&
           grep -q ' ./usr/share/man/man1/zq4071-cli.1.gz\$' '$scratch/contents'"

check "desktop entry passes desktop-file-validate" \
  desktop-file-validate "$usr/share/applications/org.zq4071.programmer.desktop"
check "AppStream metadata passes appstreamcli validate" \
  appstreamcli validate --no-net --pedantic "$usr/share/metainfo/org.zq4071.programmer.metainfo.xml"
check "the .deb declares its libraries and the display plugins" \
  bash -c "dpkg-deb -f '$deb' Depends | grep -q libqt6serialport6 && dpkg-deb -f '$deb' Depends | grep -q qt6-qpa-plugins"
check "the .tar.gz holds the same tree without /usr" \
  bash -c "tar -tzf '$tgz' | grep -q '/bin/zq4071-cli\$' && tar -tzf '$tgz' | grep -q '/share/zq4071/Init/1_LR4417_New.dat\$'"

snapshot() { (cd "$root" && find . -printf '%p %s %m %T@\n' | sort); }
snapshot >"$scratch/before"

# run_as UID HOME COMMAND...: UID "self" keeps the user running this script.
run_as() {
  local who=$1 home=$2
  shift 2
  local env=(env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" LANG=C.UTF-8 LC_ALL= LC_MESSAGES=
             QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$home/runtime")
  if [ "$who" = self ]; then
    "${env[@]}" "$@"
  else
    setpriv --reuid="$who" --regid="$who" --clear-groups "${env[@]}" "$@"
  fi
}

# Everything a new user does first, in that user's fresh home folder.
try_as() {
  local who=$1 name=$2
  local home=$scratch/home-$name
  local work=$home/work
  mkdir -p -m 0700 "$home/runtime" "$work"
  [ "$who" = self ] || chown -R "$who:$who" "$home"
  local as=(run_as "$who" "$home")

  "${as[@]}" "$usr/bin/zq4071" --exit-after-first-paint >"$work/program.out" 2>"$work/program.err" || true
  check "$name: the program starts and paints its window" grep -q first-paint "$work/program.out"
  check "$name: the settings file is the user's own" grep -q '^IsFirstRun=0' "$home/.config/ZQ4071/mysetup.ini"

  "${as[@]}" "$usr/bin/zq4071-cli" new -o "$work/radio.dat" >/dev/null || true
  "${as[@]}" "$usr/bin/zq4071-cli" info "$work/radio.dat" >"$work/info.out" || true
  # The New template fills the CB groups (group 3 with 80 channels); the bare
  # defaults leave them empty, and without the version list info refuses the file.
  check "$name: new finds the templates and info the version list" grep -q '^  CB: .* 3 DE 80 ' "$work/info.out"
  check "$name: encode makes the memory image" \
    "${as[@]}" "$usr/bin/zq4071-cli" encode "$work/radio.dat" -o "$work/radio.bin"

  "${as[@]}" "$usr/bin/zq4071-radiosim" --image "$work/radio.bin" --exit-after-transfer >"$work/radio.out" &
  local radio=$! port=""
  for _ in $(seq 50); do
    port=$(head -n1 "$work/radio.out")
    [ -n "$port" ] && break
    sleep 0.1
  done
  "${as[@]}" "$usr/bin/zq4071-cli" read --port "$port" -o "$work/read.dat" >"$work/read.out" 2>&1 || true
  wait "$radio" || true
  check "$name: a read from the simulated radio completes" grep -qx 'Read Data Completed.' "$work/read.out"
  local backups=$home/.local/share/ZQ4071/backups
  check "$name: the read's backup is in the user's data folder" \
    bash -c "cmp -s '$work/radio.bin' '$backups'/*_read.bin && ls '$backups'/*_read.dat >/dev/null"
}

if [ "$(id -u)" -eq 0 ]; then
  try_as 65534 user
  try_as 0 root
else
  try_as self "$(id -un)"
fi

snapshot >"$scratch/after"
check "nothing changed below the installed tree" cmp -s "$scratch/before" "$scratch/after"

echo "package test: $failures failed"
[ "$failures" -eq 0 ]
