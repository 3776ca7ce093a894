#!/usr/bin/env bash
# Runs a Windows program under the build's Wine session (see
# wine-session.sh); ctest uses it as the cross-compiling emulator. Output goes
# through a file, so that no Wine helper process can hold the caller's pipe.
set -u

# Root ignores Unix file modes, so a read-only or unreadable file would not
# behave as it does for a user. The session (Xvfb, wineserver, which opens
# files for the programs, and every program) runs without that power.
if [ "$(id -u)" = 0 ] && [ -z "${ZR_NO_DAC_OVERRIDE:-}" ] && command -v setpriv >/dev/null; then
  export ZR_NO_DAC_OVERRIDE=1
  exec setpriv --bounding-set -dac_override,-dac_read_search "$0" "$@"
fi

find_env() {
  local dir=$PWD
  while [ "$dir" != / ]; do
    [ -f "$dir/wine-session.env" ] && { echo "$dir/wine-session.env"; return; }
    dir=$(dirname "$dir")
  done
  local exe_dir; exe_dir=$(cd "$(dirname "$1")" && pwd)
  while [ "$exe_dir" != / ]; do
    [ -f "$exe_dir/wine-session.env" ] && { echo "$exe_dir/wine-session.env"; return; }
    exe_dir=$(dirname "$exe_dir")
  done
}

envfile=${ZR_WINE_ENV:-$(find_env "$1")}
if [ -z "$envfile" ] || [ ! -f "$envfile" ]; then
  echo "wine-run: no Wine session; run scripts/wine-session.sh start BUILD_DIR first" >&2
  exit 1
fi
# shellcheck disable=SC1090
. "$envfile"

# Wine's own loader now and then fails an assertion as a program exits,
# after the program has done its work; the run then ends in an error that is
# none of the program's. Such a run is repeated (twice at most), and only when
# its output holds that message and no failed test: a failed assertion of a
# test is never retried.
loader_failed() {
  grep -q 'Inconsistency detected by ld.so: dl-fini.c' "$1" && ! grep -q '^\[  FAILED  \]' "$1"
}
# On a loaded machine Wine now and then ends a program before its first line
# with an error and no word (its own messages are off). Nothing of the
# program ran, so such a run is repeated too; it is said on stderr.
ended_unheard() {
  [ ! -s "$1" ]
}

out=$(mktemp)
trap 'kill "$child" 2>/dev/null; rm -f "$out"' EXIT
trap 'kill "$child" 2>/dev/null; exit 143' TERM INT
for attempt in 1 2 3; do
  env LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 wine "$@" </dev/null >"$out" 2>&1 &
  child=$!
  wait "$child"
  rc=$?
  [ "$rc" -ne 0 ] && [ "$attempt" -lt 3 ] || break
  if ended_unheard "$out"; then
    echo "wine-run: $1 ended with code $rc before printing anything; running it again" >&2
  elif loader_failed "$out"; then
    cat "$out"
    echo "wine-run: Wine's loader failed as the program exited; running it again" >&2
  else
    break
  fi
done
cat "$out"
exit $rc
