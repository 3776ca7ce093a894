#!/usr/bin/env bash
# Configures the three builds under BUILD_DIR (default build):
#   win     Windows x86_64 with mingw-w64, tests run under Wine
#   native  the platform-free code with g++, AddressSanitizer and UBSan
#   fuzz    the libFuzzer targets with clang
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
mkdir -p "$build"
# Compiles go through ccache when it is there; paths are taken relative to
# the checkout's parent, so that checkouts side by side share the cache.
launcher=()
if command -v ccache >/dev/null; then
  cache="env;CCACHE_BASEDIR=$(dirname "$root");CCACHE_NOHASHDIR=1;ccache"
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER="$cache" -DCMAKE_CXX_COMPILER_LAUNCHER="$cache")
fi
configure() {
  local dir=$build/$1; shift
  [ -f "$dir/build.ninja" ] && return 0
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
}
configure win -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
CC=gcc CXX=g++ configure native -DZR_SANITIZE=ON
CC=clang CXX=clang++ configure fuzz -DZR_FUZZ=ON
