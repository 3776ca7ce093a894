#!/usr/bin/env bash
# Runs each libFuzzer target for SECONDS (default 120) over its seed corpus.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
seconds=${2:-120}
for f in "$build"/fuzz/fuzz/fuzz_*; do
  [ -x "$f" ] || continue
  name=$(basename "$f")
  mkdir -p "$build/fuzz/fuzz/corpus/$name"
  echo "== $name for ${seconds}s"
  "$f" -max_total_time="$seconds" -artifact_prefix="$build/fuzz/" \
       "$build/fuzz/fuzz/corpus/$name" "$root/fuzz/corpus/$name" 2>&1 | grep -E '^(#[0-9]+ +DONE|Done|==|SUMMARY|INFO: seed)' || true
done
