#!/usr/bin/env bash
# Runs a Windows program under the build's Wine session (see
# wine-session.sh); ctest uses it as the cross-compiling emulator. Output goes
# through a file, so that no Wine helper process can hold the caller's pipe.
set -u

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

out=$(mktemp)
trap 'kill "$child" 2>/dev/null; rm -f "$out"' EXIT
trap 'kill "$child" 2>/dev/null; exit 143' TERM INT
env LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 wine "$@" </dev/null >"$out" 2>&1 &
child=$!
wait "$child"
rc=$?
cat "$out"
exit $rc
