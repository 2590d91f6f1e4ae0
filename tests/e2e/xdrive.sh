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
#   load_slot_2 (from the title menu, through the slot picker)
#   game_caption

for tool in Xvfb openbox xdotool xdpyinfo xprop import convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/setup.sh installs it)"; exit 1; }
done

xvfb="" wm="" game_pid="${game_pid:-}"

# The X server picks a free display number itself (-displayfd) and writes it
# once it takes connections, so scripts running side by side never share one.
_start_x() {
  local size=$1 numfile
  numfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 200); do
    [ -s "$numfile" ] && break
    kill -0 "$xvfb" 2>/dev/null || { rm -f "$numfile"; return 1; }
    sleep 0.05
  done
  export DISPLAY=":$(head -n 1 "$numfile")"
  rm -f "$numfile"
  [ "$DISPLAY" != ":" ] && xdpyinfo >/dev/null 2>&1 && return 0
  kill "$xvfb" 2>/dev/null
  return 1
}
start_display() {
  local size=${1:-1024x768}
  for _ in 1 2 3 4 5; do
    if _start_x "$size"; then
      start_wm
      export SDL_AUDIODRIVER=dummy
      export QT_QPA_PLATFORM=xcb  # the test presets set offscreen for the window tests
      return 0
    fi
  done
  echo "no X display could be started"
  exit 1
}
# openbox, and a wait until it has announced itself: a window mapped while
# the window manager is still starting can stay unmapped. Its messages go to
# $E2E_ARTIFACTS/openbox.log when that is set.
start_wm() {
  openbox >>"${E2E_ARTIFACTS:-/tmp}/openbox.log" 2>&1 &
  wm=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
}
# A window manager that has gone away is started again (windows it does not
# manage cannot be brought to the front, so keys would go nowhere).
# Returns 1 when it had to.
ensure_wm() {
  local state
  state=$(ps -o stat= -p "$wm" 2>/dev/null) && [[ $state != Z* ]] && return 0  # an ended child lingers as a zombie
  echo "[$(date +%T)] the window manager had ended; starting it again" >>"${E2E_ARTIFACTS:-/tmp}/openbox.log"
  start_wm
  return 1
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
last_active=""
activate() {
  ensure_wm || true
  last_active=$1
  xdotool search --onlyvisible --name "$1" windowactivate --sync >/dev/null 2>&1 || true
}
# Keys as the run presses them. E2E_HANDS=taps: instantaneous synthetic taps
# (they test that a tap between two polls still acts). E2E_HANDS=human: each
# press held a random 60-250 ms, then a gap of 50-400 ms, as people press
# keys; the random source is seeded with E2E_SEED (printed by the caller).
hands=${E2E_HANDS:-taps}
E2E_SEED=${E2E_SEED:-$(( $(date +%s) % 100000 ))}
RANDOM=$E2E_SEED
_ms() { printf '0.%03d' "$1"; }
_human_key() {
  local k mods="" main
  for k in "$@"; do
    # "alt+y": hold the modifiers around the key, as hands do.
    main=${k##*+}
    [ "$main" != "$k" ] && mods=$(echo "${k%+*}" | tr '+' ' ')
    for m in $mods; do xdotool keydown "$m"; done
    xdotool keydown "$main"
    sleep "$(_ms $((60 + RANDOM % 191)))"
    xdotool keyup "$main"
    for m in $mods; do xdotool keyup "$m"; done
    mods=""
    sleep "$(_ms $((50 + RANDOM % 351)))"
  done
}
key() {
  # Keys go to the window in front: if the window manager went away, bring
  # the last window the run put in front back first.
  if ! ensure_wm && [ -n "$last_active" ]; then activate "$last_active"; fi
  if [ "$hands" = human ]; then _human_key "$@"; else xdotool key --clearmodifiers "$@"; fi
}
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
# From the title menu: Load, the second slot, "Yes" to the question.
load_slot_2() {
  activate '^Main Menu$'
  sleep 1.2  # the menu takes keys after its first second
  highlight_entry Down 432
  key Return
  wait_window '^Load/Save' 4
  activate '^Load/Save'
  key Down
  key Return
  wait_window '^Load this file\?$' 4
  key alt+y
}
game_caption() { xdotool search --onlyvisible --name '^Level:' getwindowname 2>/dev/null | head -1; }
