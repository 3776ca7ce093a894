#!/usr/bin/env bash
# scripts/wine-run.sh against a stand-in wine: a run is repeated only when no
# test could have failed in it (it printed nothing, or Wine's loader failed
# as it exited), at most three runs, and a failed test is never repeated.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT
: >"$fake/env"
cat >"$fake/wine" <<'WINE'
#!/bin/sh
n=$(($(cat "$FAKE/count" 2>/dev/null || echo 0) + 1)); echo $n >"$FAKE/count"
case "$MODE" in
  silent-once) [ $n -eq 1 ] && exit 3; echo "[  PASSED  ] 1 test."; exit 0 ;;
  silent-always) exit 5 ;;
  loader-once) [ $n -eq 1 ] && { echo "Inconsistency detected by ld.so: dl-fini.c: 1"; exit 127; }; exit 0 ;;
  failed) echo "[  FAILED  ] Some.Test"; echo "Inconsistency detected by ld.so: dl-fini.c: 1"; exit 1 ;;
esac
WINE
chmod +x "$fake/wine"

status=0
expect() {  # mode, exit code, runs
  rm -f "$fake/count"
  MODE=$1 FAKE=$fake PATH="$fake:$PATH" ZR_WINE_ENV="$fake/env" "$root/scripts/wine-run.sh" prog.exe >/dev/null 2>&1
  local rc=$? runs; runs=$(cat "$fake/count")
  if [ "$rc" != "$2" ] || [ "$runs" != "$3" ]; then
    echo "$1: exit $rc after $runs runs, expected exit $2 after $3"
    status=1
  fi
}
expect silent-once 0 2
expect silent-always 5 3
expect loader-once 0 2
expect failed 1 1
exit $status
