#!/usr/bin/env bash
# Cross-builds the part of Qt the program needs (qtbase: Core, Gui, Widgets,
# PrintSupport, Test and the windows/offscreen platform plugins) for 64-bit Windows
# with Debian's MinGW-w64, from Debian's own qt6-base source package, with the
# build machine's Qt of the same version as host tools.
#
# Installs into ZQ_QT_WINDOWS (default ${XDG_CACHE_HOME:-~/.cache}/zq4071/qt-<version>-mingw64),
# stamped with the version and the configure options: a second run with the same
# stamp returns at once. Nothing is downloaded but Debian's packages. ccache is used
# when installed (a warm rebuild takes minutes instead of half an hour).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
version=6.4.2
prefix=${ZQ_QT_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/zq4071/qt-$version-mingw64}
work=${ZQ_QT_WINDOWS_WORK:-${XDG_CACHE_HOME:-$HOME/.cache}/zq4071/qt-$version-mingw64-build}

options=(
  -platform win32-g++ -qt-host-path /usr -release -shared -nomake examples -nomake tests
  -no-opengl -no-dbus -no-icu -no-pkg-config -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype
  -qt-harfbuzz -qt-pcre
  -no-feature-network -no-feature-sql -no-feature-xml -no-feature-concurrent
  -no-feature-vulkan -no-feature-tabletevent -no-feature-zstd
)
stamp="qtbase $version mingw-w64 ${options[*]}"
if [ -f "$prefix/zq4071-stamp" ] && [ "$(cat "$prefix/zq4071-stamp")" = "$stamp" ]; then
  echo "build-qt-windows: Qt $version for Windows is ready in $prefix"
  exit 0
fi
echo "build-qt-windows: building Qt $version for Windows into $prefix"
echo "build-qt-windows: the first build takes about 35 minutes on two cores (5 with a warm ccache)"
started=$SECONDS

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
packages=(g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools cmake ninja-build ccache dpkg-dev xz-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Source packages need a deb-src entry for the suites the machine already uses.
sources=/etc/apt/sources.list.d/zq4071-deb-src.sources
if [ ! -f "$sources" ]; then
  sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | $sudo tee "$sources" >/dev/null
  $sudo apt-get update -qq
elif [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get update -qq
fi
[ ${#missing[@]} -eq 0 ] || $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

mkdir -p "$work"
cd "$work"
source_dir=$(find . -maxdepth 1 -type d -name "qt6-base-$version*" | head -n1)
if [ -z "$source_dir" ]; then
  apt-get source --download-only qt6-base >/dev/null
  orig=$(ls qt6-base_"$version"*.orig.tar.xz | head -n1)
  tar -xf "$orig"
  source_dir=$(find . -maxdepth 1 -type d -name "qtbase-*" | head -n1)
  mv "$source_dir" "qt6-base-$version"
  source_dir="qt6-base-$version"
fi
source_dir=$(cd "$source_dir" && pwd)

ccache=()
if command -v ccache >/dev/null; then
  ccache=(-ccache)
  export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
  export CCACHE_BASEDIR="$work"
fi

rm -rf build
mkdir build
cd build
"$source_dir/configure" -prefix "$prefix" "${options[@]}" "${ccache[@]}" \
  -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-compilers.cmake" \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 \
  || { tail -n 40 configure.log; echo "build-qt-windows: configure failed" >&2; exit 1; }
cmake --build . --parallel "$(nproc)" >build.log 2>&1 \
  || { tail -n 40 build.log; echo "build-qt-windows: the build failed" >&2; exit 1; }
rm -rf "$prefix"
cmake --install . >install.log 2>&1
echo "$stamp" >"$prefix/zq4071-stamp"
cd "$work"
rm -rf build
echo "build-qt-windows: Qt $version for Windows built in $((SECONDS - started)) s"
