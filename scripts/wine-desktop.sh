# shellcheck shell=bash
# Sourced (bash) by the scripts that drive a Windows window under Wine: a private X server (Xvfb)
# on a free display with openbox as its window manager, a private Wine prefix (scripts/wine.sh),
# and helpers that find a window by its exact title, photograph it and wait for a program's end.
#
#   trap desk_stop EXIT         (first) stops everything started here, by any path out
#   desk_start WORKDIR PREFIX   starts the X server, openbox and Wine's server
#   desk_run EXE ARGS...        starts a Windows program (its log in WORKDIR/program.log)
#
# Every process started here is stopped by its own id (Wine's through scripts/wine.sh stop).

desk_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
desk_work=""
desk_xvfb_pid=""
desk_wm_pid=""
desk_program_pid=""

desk_wine() { TAVOLEX_WINEPREFIX="$desk_prefix" "$desk_root/scripts/wine.sh" "$@"; }

desk_stop() {
  # Wine first: its processes hold connections to the X server.
  if [ -n "${desk_prefix:-}" ]; then desk_wine stop || true; fi
  local pid
  for pid in "$desk_program_pid" "$desk_wm_pid" "$desk_xvfb_pid"; do
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    fi
  done
  desk_program_pid="" desk_wm_pid="" desk_xvfb_pid=""
}

# Waits up to $1 seconds for the command after it to succeed.
desk_poll() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" 2>/dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}

desk_start() {
  desk_work="$1"
  desk_prefix="$2"
  mkdir -p "$desk_work"
  # An interrupt leaves through the caller's EXIT trap.
  trap 'exit 130' INT TERM
  local display_file="$desk_work/display"
  : >"$display_file"
  # -displayfd: the server takes the first free display and writes its number when it is ready.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$display_file" \
    >"$desk_work/xvfb.log" 2>&1 &
  desk_xvfb_pid=$!
  desk_poll 20 grep -q '^[0-9]' "$display_file" || {
    echo "no X server started (see $desk_work/xvfb.log)" >&2
    return 1
  }
  DISPLAY=":$(head -n 1 "$display_file")"
  export DISPLAY
  openbox --sm-disable >"$desk_work/openbox.log" 2>&1 &
  desk_wm_pid=$!
  # openbox names itself on the root window once it manages the screen.
  desk_poll 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || {
    echo "openbox did not start (see $desk_work/openbox.log)" >&2
    return 1
  }
  # The prefix belongs to these scripts: a server that a killed run left behind goes first.
  desk_wine stop
  desk_wine start || {
    echo "Wine's server did not start in $desk_prefix" >&2
    return 1
  }
}

desk_run() {
  desk_wine "$@" >"$desk_work/program.log" 2>&1 &
  desk_program_pid=$!
}

# A Linux path as the Windows program sees it: Wine's drive Z: is this machine's root.
desk_windows_path() {
  local p
  p="$(realpath -m "$1")"
  printf 'Z:%s\n' "${p//\//\\}"
}

# The top-level windows that openbox manages, one id a line.
desk_windows() {
  xprop -root _NET_CLIENT_LIST | sed -n 's/.*window id # //p' | tr -d ' ' | tr ',' '\n' |
    while read -r id; do echo $((id)); done
}

# Prints the id of the managed window whose title is exactly $1; waits up to $2 seconds.
desk_find_title() {
  local id
  for id in $(desk_windows); do
    if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}
desk_wait_title() { desk_poll "$2" desk_find_title "$1"; }

# Prints the id of a managed window not among the ids in $1; waits up to $2 seconds.
desk_find_new() {
  local id
  for id in $(desk_windows); do
    if ! grep -qx "$id" <<<"$1"; then
      echo "$id"
      return 0
    fi
  done
  return 1
}
desk_wait_new() { desk_poll "$2" desk_find_new "$1"; }

# The window manager's frame around a window: its ancestor just below the root.
desk_frame() {
  local id="$1" parent root
  root="$(xwininfo -root | sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p')"
  while :; do
    parent="$(xwininfo -tree -id "$id" | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')"
    if [ -z "$parent" ] || [ $((parent)) -eq $((root)) ]; then break; fi
    id="$parent"
  done
  echo "$id"
}

desk_xwd_png() { xwd -silent "$@" | xwdtopnm 2>/dev/null | pnmtopng 2>/dev/null; }

# Writes a PNG of window $1 with its frame to $2 once Wine has painted it: three pictures of the
# window in a row agree and hold more than one colour (a window just mapped is one flat colour).
# A window that stays flat is taken after some seconds all the same.
desk_shoot() {
  local inner="$desk_work/inner.pnm" last="" now same=0 tries=30
  sleep 0.3
  while [ "$tries" -gt 0 ] && [ "$same" -lt 2 ]; do
    xwd -silent -id "$1" | xwdtopnm >"$inner" 2>/dev/null
    now="$(md5sum <"$inner")"
    if [ "$now" = "$last" ] && [ "$(ppmhist -noheader "$inner" | head -n 2 | wc -l)" -gt 1 ]; then
      same=$((same + 1))
    else
      same=0
    fi
    last="$now"
    tries=$((tries - 1))
    sleep 0.2
  done
  desk_xwd_png -id "$(desk_frame "$1")" >"$2"
}

desk_shoot_screen() { desk_xwd_png -root >"$1"; }

# True when the program started by desk_run has ended within $1 seconds.
desk_wait_program_end() {
  desk_poll "$1" sh -c "! kill -0 $desk_program_pid"
}
