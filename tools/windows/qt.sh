#!/bin/bash
# Builds Qt for 64-bit Windows once, from Debian's own source of the Qt the
# Linux build uses, into a cache folder outside the checkout; prints its path.
# A half-built Qt is never used: it is built in a temporary folder and moved
# into place only when complete.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
step() { echo "== tools/dev windows: $*" >&2; }
fail() { echo "tools/dev windows: $1 failed. $2" >&2; exit 1; }

version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) || fail "finding the host Qt" "Install qt6-base-dev."
upstream=${version%%+*}
cache=${AUGURIUM_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/augurium}
prefix=$cache/qt-$upstream-mingw64
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

step "fetching Debian's source of qtbase $version"
sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
if ! apt-get source --print-uris "qt6-base=$version" >/dev/null 2>&1; then
  # The source entries mirror the binary ones of /etc/apt, from the same archive.
  archive=$("$here/../debian-archive") || fail "finding Debian's archive in /etc/apt" "Set AUGURIUM_DEBIAN_ARCHIVE to its address."
  $sudo tee /etc/apt/sources.list.d/augurium-deb-src.sources >/dev/null <<SOURCES
Types: deb-src
URIs: $archive
Suites: $(. /etc/os-release && echo "$VERSION_CODENAME") $(. /etc/os-release && echo "$VERSION_CODENAME")-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
  $sudo apt-get update -qq || fail "updating the package lists with the source entry" "Check the network to $archive."
fi
mkdir -p "$cache"
work=$(mktemp -d "$cache/qt-build.XXXXXX")
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get source -qq "qt6-base=$version" >/dev/null) \
  || fail "downloading qt6-base's source" "Check the network, and that dpkg-dev is installed."
source=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -1)
[ -n "$source" ] || fail "unpacking qt6-base's source" "Install dpkg-dev."

step "building qtbase $upstream for Windows (about 45 minutes on 2 cores, once)"
cmake -S "$source" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$work/prefix" \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_testlib=OFF \
  -DFEATURE_tabletevent=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_fontconfig=OFF -DFEATURE_icu=OFF \
  >"$work/configure.log" 2>&1 || { tail -30 "$work/configure.log" >&2; fail "configuring qtbase" "See the lines above."; }
cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 \
  || { tail -30 "$work/build.log" >&2; fail "building qtbase" "See the lines above."; }
cmake --install "$work/build" >/dev/null || fail "installing qtbase into the cache" "Check the free space in $cache."
touch "$work/prefix/.complete"
rm -rf "$prefix"
mv "$work/prefix" "$prefix"
echo "$prefix"
