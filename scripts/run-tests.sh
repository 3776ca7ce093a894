#!/usr/bin/env bash
# Builds the three builds and runs every test: the native sanitizer build,
# short fuzz runs, then the Windows build under Wine. Ends with one total.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
jobs=$(nproc)

"$root/scripts/configure.sh" "$build" || exit 1
for b in native fuzz win; do
  echo "== building $b"
  cmake --build "$build/$b" -j "$jobs" || exit 1
done

"$root/scripts/wine-session.sh" start "$build/win" || exit 1
trap '"$root/scripts/wine-session.sh" stop "$build/win"' EXIT

passed=0 failed=0 status=0
run_ctest() {
  local dir=$1 log
  shift
  echo "== testing $(basename "$dir")"
  log=$(mktemp)
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 300 "$@" 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  [ "$rc" -eq 0 ] || status=1
  local line; line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
  if [ -n "$line" ]; then
    local total fail
    total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
    fail=$(sed -E 's/.*, ([0-9]+) tests failed.*/\1/' <<<"$line")
    passed=$((passed + total - fail)); failed=$((failed + fail))
  elif [ "$rc" -ne 0 ]; then
    failed=$((failed + 1))
  fi
  rm -f "$log"
}
run_ctest "$build/native"
run_ctest "$build/fuzz"
# A failed test is not repeated; scripts/wine-run.sh repeats only a run that
# Wine's loader broke as the program exited.
run_ctest "$build/win"
echo
echo "Total: $passed passed, $failed failed"
exit $status
