# Driving the real program on a private X display, by keys only. Sourced by
# tests/e2e/e2e.sh and bench/whole-program; the caller defines
# `fail MESSAGE` (it must exit) and may set `game_pid` (a wait gives up when
# that process has ended).
#
#   start_display [WxH]    Xvfb on a free display number, openbox on it,
#                          DISPLAY exported, SDL's dummy audio driver
#   stop_display
#   wait_window RE SECS / wait_no_window RE SECS
#   activate RE / key KEY... / press_until KEY RE SECS
#   entry_green Y / highlight_entry KEY Y (the title menu's entries)
#   game_caption / pid_of_window RE

for tool in Xvfb openbox xdotool xdpyinfo import convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/setup.sh installs it)"; exit 1; }
done

xvfb="" wm="" game_pid="${game_pid:-}"

# A display number from a range away from the usual ones; another one is
# tried when its server does not come up or dies.
_start_x() {
  local n=$1 size=$2
  { [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; } && return 1
  Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do
    kill -0 "$xvfb" 2>/dev/null || return 1
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  kill "$xvfb" 2>/dev/null
  return 1
}
start_display() {
  local size=${1:-1024x768} n
  for n in $(shuf -i 300-900 -n 20); do
    if _start_x "$n" "$size"; then
      openbox >/dev/null 2>&1 &
      wm=$!
      export SDL_AUDIODRIVER=dummy
      return 0
    fi
  done
  echo "no X display could be started"
  exit 1
}
stop_display() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  kill $wm $xvfb 2>/dev/null
  wait $wm $xvfb 2>/dev/null
  return 0
}

wait_window() {
  local deadline=$((SECONDS + $2))
  while [ $SECONDS -le $deadline ]; do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return 0
    [ -n "$game_pid" ] && ! kill -0 "$game_pid" 2>/dev/null && fail "the program ended while waiting for '$1'"
    sleep 0.1
  done
  fail "no window titled '$1' within $2 s"
}
wait_no_window() {
  local deadline=$((SECONDS + $2))
  while [ $SECONDS -le $deadline ]; do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window '$1' still open after $2 s"
}
activate() { xdotool search --onlyvisible --name "$1" windowactivate --sync >/dev/null 2>&1 || true; }
key() { xdotool key --clearmodifiers "$@"; }
# Press a key again and again until a window titled RE shows up.
press_until() {
  local k=$1 re=$2 deadline=$((SECONDS + $3))
  while [ $SECONDS -le $deadline ]; do
    key "$k"
    for _ in 1 2 3 4; do
      xdotool search --onlyvisible --name "$re" >/dev/null 2>&1 && return 0
      sleep 0.1
    done
  done
  fail "pressing $k did not bring up '$re'"
}
# Green (highlighted) pixels of a title-menu entry whose text row starts at y.
entry_green() {
  local id
  id=$(xdotool search --onlyvisible --name '^Main Menu$' | head -1) || { echo 0; return; }
  import -window "$id" png:- 2>/dev/null |
    convert png:- -crop "220x30+150+$1" +repage -fill black +opaque '#00FF00' -fill white -opaque '#00FF00' \
      -format '%[fx:round(mean*w*h)]' info: 2>/dev/null || echo 0
}
# Moves the title's highlight with KEY until the entry at row Y is green.
highlight_entry() {
  local k=$1 y=$2
  for _ in 1 2 3 4 5 6 7 8; do
    [ "$(entry_green "$y")" -gt 20 ] && return 0
    key "$k"
    sleep 0.35
  done
  fail "could not highlight the title entry at y=$y"
}
game_caption() { xdotool search --onlyvisible --name '^Level:' getwindowname 2>/dev/null | head -1; }
