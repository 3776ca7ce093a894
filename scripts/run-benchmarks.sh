#!/usr/bin/env bash
# Builds and runs every benchmark: natively (a release build without
# sanitizers or tests) and as Windows programs under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
native=$build/bench-native
[ -f "$native/build.ninja" ] ||
  cmake -S "$root" -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZR_TESTS=OFF >/dev/null
cmake --build "$native" -j "$(nproc)" >/dev/null
"$root/scripts/configure.sh" "$build"
# The list of benchmarks comes from the build files: bring them up to date
# first, so a benchmark added or removed since the last build counts.
ninja -C "$build/win" build.ninja >/dev/null
win_benches=$(ninja -C "$build/win" -t targets all | sed -nE 's/^bench\/(bench_[a-z_0-9]+)\.exe:.*/\1/p')
cmake --build "$build/win" -j "$(nproc)" --target $win_benches >/dev/null

"$root/scripts/wine-session.sh" start "$build/win"
trap '"$root/scripts/wine-session.sh" stop "$build/win"' EXIT
for b in "$native"/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b") (native)"
  "$b"
done
for b in $win_benches; do
  echo "== $b (Windows build under Wine)"
  (cd "$build/win" && "$root/scripts/wine-run.sh" "bench/$b.exe")
done
