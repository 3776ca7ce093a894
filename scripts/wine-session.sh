#!/usr/bin/env bash
# Starts or stops the Wine session that the Windows build's tests and the
# editor run in: a project-own prefix, a persistent wineserver, a booted
# prefix with the window frame's symbol font, an idle program that keeps
# Wine's desktop alive, and Xvfb when there is no display.
#
#   scripts/wine-session.sh start BUILD_DIR   # writes BUILD_DIR/wine-session.env
#   scripts/wine-session.sh stop BUILD_DIR
set -euo pipefail

# Root ignores Unix file modes, so a read-only or unreadable file would not
# behave as it does for a user. The session (Xvfb, wineserver, which opens
# files for the programs, and every program) runs without that power.
if [ "$(id -u)" = 0 ] && [ -z "${ZR_NO_DAC_OVERRIDE:-}" ] && command -v setpriv >/dev/null; then
  export ZR_NO_DAC_OVERRIDE=1
  exec setpriv --bounding-set -dac_override,-dac_read_search "$0" "$@"
fi

action=${1:?start or stop}
build=$(mkdir -p "${2:?build dir}" && cd "$2" && pwd)
envfile=$build/wine-session.env
here=$(cd "$(dirname "$0")" && pwd)

export WINEPREFIX=$build/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# The Russian locale gives Wine the 1251 ANSI code page; it is passed to Wine
# only, since the shell itself may not have that locale installed.
wine() { env LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 wine "$@"; }
wineserver() { env LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 wineserver "$@"; }

stop() {
  [ -f "$envfile" ] || return 0
  # In a subshell: a restart must not take the stopped session's display
  # for one that is still there.
  (
    # shellcheck disable=SC1090
    . "$envfile"
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "${ZR_XVFB_PID:-}" ]; then kill "$ZR_XVFB_PID" 2>/dev/null || true; fi
  )
  rm -f "$envfile"
}

free_display() {
  local n
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then echo "$n"; return; fi
  done
  echo "no free X display" >&2; exit 1
}

start() {
  stop
  local xvfb_pid=""
  if [ -z "${DISPLAY:-}" ]; then
    local n; n=$(free_display)
    Xvfb ":$n" -screen 0 1600x1000x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  local fresh=""
  [ -f "$WINEPREFIX/system.reg" ] || fresh=1
  mkdir -p "$WINEPREFIX"  # wineserver needs the directory to exist
  wineserver -p </dev/null >/dev/null 2>&1
  wine wineboot </dev/null >/dev/null 2>&1 || true
  if [ -n "$fresh" ]; then
    # No window manager: do not wait for closed dialogs to be withdrawn, and
    # let a crashing program end instead of showing a crash window.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
  fi
  # Debian's Wine looks for its own fonts in a folder that is not there
  # ("share/wine/../fonts"), so a prefix has none of them, and the window
  # frame's caption buttons, drawn with the symbol font Marlett, show the
  # letters "0 1 r". Wine takes the font from the prefix's fonts folder.
  local fonts=$WINEPREFIX/drive_c/windows/Fonts marlett=/usr/share/wine/fonts/marlett.ttf
  if [ -f "$marlett" ] && [ ! -f "$fonts/marlett.ttf" ]; then
    mkdir -p "$fonts"
    cp "$marlett" "$fonts/"
  fi
  # An idle program for the whole session keeps the desktop process alive.
  if [ ! -f "$build/wine-idle.exe" ] || [ "$here/wine-idle.c" -nt "$build/wine-idle.exe" ]; then
    x86_64-w64-mingw32-gcc-posix -O2 -mwindows -o "$build/wine-idle.exe" "$here/wine-idle.c"
  fi
  wine "$build/wine-idle.exe" </dev/null >/dev/null 2>&1 &
  cat >"$envfile" <<ENV
export WINEPREFIX='$WINEPREFIX'
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml='
ZR_WINE_LOCALE='LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8'
export DISPLAY='$DISPLAY'
ZR_XVFB_PID='$xvfb_pid'
ENV
}

case "$action" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop BUILD_DIR" >&2; exit 2 ;;
esac
