#!/usr/bin/env bash
# Builds the editor and runs it until its window is closed; returns the
# editor's exit code.
#
# On Windows (Git Bash, MSYS) the program is started directly. On Linux it
# runs under Wine in the build's own Wine session, on the current display.
# When there is none, nobody could close the window: it runs on a virtual
# display, is left as a screenshot in the build folder (editor-window.png)
# and is closed as a user would close it.
#
#   scripts/run-editor.sh [BUILD_DIR] [editor arguments...]
#
# An argument that names an existing file of this machine is given to the
# editor as a Windows path, so "make run FILE=job.CSV" opens that job file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
shift || true
"$root/scripts/configure.sh" "$build"
echo "Building the editor in $build/win ..."
if ! cmake --build "$build/win" --target zr780k-editor >"$build/editor-build.log" 2>&1; then
  tail -n 30 "$build/editor-build.log" >&2
  echo "run-editor: the editor could not be built (log: $build/editor-build.log)" >&2
  exit 1
fi
exe=$build/win/zr780k-editor.exe

case "$(uname -s)" in
  MINGW* | MSYS* | CYGWIN*) exec "$exe" "$@" ;;
esac

args=()
for arg in "$@"; do
  if [ -f "$arg" ]; then
    path=$(realpath "$arg")
    arg="Z:${path//\//\\}"
  fi
  args+=("$arg")
done

virtual=""
[ -z "${DISPLAY:-}" ] && virtual=1
"$root/scripts/wine-session.sh" start "$build/win"
# shellcheck disable=SC1090
. "$build/win/wine-session.env"
stop_session() { "$root/scripts/wine-session.sh" stop "$build/win"; }
trap stop_session EXIT

env LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 wine "$exe" ${args[@]+"${args[@]}"} </dev/null >"$build/editor-run.log" 2>&1 &
editor=$!
trap 'kill "$editor" 2>/dev/null || true; stop_session' INT TERM

if [ -n "$virtual" ]; then
  echo "No display: the editor runs on the virtual display $DISPLAY."
  shot=$build/editor-window.png
  for _ in $(seq 150); do
    if xdotool search --name 'ZR780K Editor$' >/dev/null 2>&1; then
      sleep 1  # let it finish painting
      import -display "$DISPLAY" -window root "$shot" 2>/dev/null &&
        echo "Screenshot of the window: $shot"
      break
    fi
    kill -0 "$editor" 2>/dev/null || break
    sleep 0.2
  done
  # Alt+F4, as a user closes a window; again while a message box (a file
  # that could not be opened) stands in front of it.
  for _ in $(seq 10); do
    kill -0 "$editor" 2>/dev/null || break
    xdotool key alt+F4 2>/dev/null || true
    # Waits up to 5 s for the editor to end (tail returns when it does).
    timeout 5 tail --pid="$editor" -f /dev/null 2>/dev/null || true
  done
  if kill -0 "$editor" 2>/dev/null; then
    echo "run-editor: the editor did not close; it is ended." >&2
    kill "$editor" 2>/dev/null || true
  else
    echo "The editor was closed."
  fi
fi

rc=0
wait "$editor" || rc=$?
exit "$rc"
