#!/usr/bin/env bash
# End-to-end run of the real program, driven by keys only, on a private X
# display with a window manager and silent audio:
#   start-up and media extraction; title -> name -> game; pause and resume;
#   save into slot 2; back to the title; load it; options and a track change;
#   rebinding Start and pausing with the new key; a played-out game over into
#   the high-score table; back to the title; Quit, after which the program
#   ends on its own.
# Every wait is for an event (a window title, a file, pixels on screen), with
# a deadline. On failure the screenshots and captions of the run are kept in
# the folder named by $E2E_ARTIFACTS (default: a folder under /tmp).
#
# Usage: tests/e2e/e2e.sh path/to/varnholt
set -u
exe=${1:?usage: e2e.sh path/to/varnholt}
exe_dir=$(cd "$(dirname "$exe")" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
. "$here/xdrive.sh"

work=$(mktemp -d /tmp/vrh-e2e.XXXXXX)
artifacts=${E2E_ARTIFACTS:-$work/artifacts}
mkdir -p "$artifacts"
rm -f "$artifacts"/[0-9][0-9]-*.png "$artifacts/steps.log" "$artifacts/program.log" "$artifacts/openbox.log"  # an earlier run's
cp "$exe_dir/varnholt" "$work/"
printf 'Yes\r\n' > "$work/ws.txt"
# A table of low scores, so that the few points of a short run get in.
for i in 1 2 3 4 5 6 7 8 9 10; do printf 'Low\r\n1\r\n1\r\n'; done > "$work/vrhhs.txt"
log="$artifacts/steps.log"
step_no=0

start_display
trap stop_display EXIT

say() { echo "[$(date +%T)] $*" | tee -a "$log"; }
shot() { step_no=$((step_no + 1)); import -window root "$artifacts/$(printf %02d "$step_no")-$1.png" 2>/dev/null; }
captions() { xdotool search --onlyvisible --name '.' getwindowname %@ 2>/dev/null | sort; }
fail() {
  say "FAILED: $* (keys: $hands, E2E_SEED=$E2E_SEED)"
  shot failure
  { echo "--- visible windows:"; captions; } >> "$log"
  echo "e2e: screenshots and log kept in $artifacts"
  echo "--- steps:"; cat "$log"
  echo "--- what the program printed:"; tail -n 40 "$artifacts/program.log" 2>/dev/null
  echo "--- window manager:"; tail -n 10 "$artifacts/openbox.log" 2>/dev/null
  exit 1
}
# Pixels of the pause screen's "Resume"/"MainMenu" colours in the game window.
pause_pixels() {
  local id
  id=$(xdotool search --onlyvisible --name '^Level:' | head -1) || { echo 0; return; }
  import -window "$id" png:- 2>/dev/null |
    convert png:- -fill black +opaque '#00FF00' -fill white -opaque '#00FF00' -format '%[fx:round(mean*w*h)]' info: 2>/dev/null || echo 0
}
# Top row of the green (chosen) pause text in the game window, -1 when none.
green_top() {
  local id box
  id=$(xdotool search --onlyvisible --name '^Level:' | head -1) || { echo -1; return; }
  box=$(import -window "$id" png:- 2>/dev/null |
    convert png:- -fill black +opaque '#00FF00' -format '%@' info: 2>/dev/null)
  case "$box" in *+*+*) echo "${box##*+}" ;; *) echo -1 ;; esac
}
# No window titled RE shows up within SECS.
stays_away() {
  local deadline=$((SECONDS + $2))
  while [ $SECONDS -le $deadline ]; do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && fail "$3"
    sleep 0.1
  done
}
# wait_paused yes|no SECS KEY: KEY is the press that should have done it.
# Should the window manager end meanwhile (openbox under Xvfb sometimes
# does), the game loses the front and that press may have gone nowhere: the
# manager is started again, the game brought back and the press repeated.
wait_paused() {
  local want=$1 deadline=$((SECONDS + $2)) again=$3 n
  while [ $SECONDS -le $deadline ]; do
    n=$(pause_pixels)
    if [ "$want" = yes ] && [ "${n:-0}" -gt 30 ]; then return 0; fi
    if [ "$want" = no ] && [ "${n:-0}" -le 30 ]; then return 0; fi
    if ! ensure_wm; then
      say "the window manager had ended: game brought back, $again pressed again"
      activate '^Level:'
      sleep 0.3
      key "$again"
    fi
    sleep 0.15
  done
  fail "pause screen expected '$want'"
}

# ---------------------------------------------------------------- start-up
say "start-up with ws.txt = Yes"
(cd "$work" && exec ./varnholt >"$artifacts/program.log" 2>&1) &
game_pid=$!
wait_window '^Main Menu$' 15
shot title
for f in bgm1.mp3 bgm2.mp3 bgm3.mp3 bgm4.mp3 bgm5.mp3 bgm6.mp3 bgm7.mp3 bgm8.mp3 bgm9.mp3 bgm10.mp3 \
         es3.wav ex.wav hs.wav lvlup.wav mms.wav ps2.wav ts1.mp3 ts2.mp3 ts.wav; do
  [ -s "$work/$f" ] || fail "media file $f was not written"
done
[ "$(tr -d '\r\n' < "$work/ws.txt")" = "No" ] || fail "ws.txt does not read No"

# ---------------------------------------------------------------- menu moves
say "one press moves the highlight one entry"
activate '^Main Menu$'
sleep 1.2  # the menu takes keys after its first second
[ "$(entry_green 400)" -gt 20 ] || fail "New Game is not highlighted at the start"
key Down
sleep 0.3
[ "$(entry_green 432)" -gt 20 ] || fail "one Down did not highlight Load"
[ "$(entry_green 464)" -le 20 ] || fail "one Down moved the highlight two entries"
key Up
sleep 0.3
[ "$(entry_green 400)" -gt 20 ] || fail "one Up did not go back to New Game"

# ---------------------------------------------------------------- new game
say "title -> name prompt -> game"
key Return
wait_window '^Name$' 4
stays_away '^Varnholt$' 1 "the Enter that chose New Game answered the name prompt"
activate '^Name$'
xdotool type --delay 30 "Tester"
key Return
wait_window '^Level:1 Score:0 Lives:5 HP:5 \$0$' 6
sleep 1
[ "$(pause_pixels)" -le 30 ] || fail "the Enter that confirmed the name paused the new run"
shot game

# ---------------------------------------------------------------- pause
say "pause and resume"
activate '^Level:'
sleep 0.3
key Return
wait_paused yes 4 Return
shot paused
sleep 0.3
key Return
wait_paused no 4 Return

# ---------------------------------------------------------------- save
say "save into slot 2"
key alt+f
sleep 0.3
key s
wait_window '^Load/Save    Click on file to load/save$' 4
activate '^Load/Save'
shot save-picker
key Down
key Return
wait_window '^Are you sure you want to save\?$' 4
key alt+y
wait_no_window '^Are you sure you want to save\?$' 4
for _ in $(seq 40); do [ -s "$work/vrhsf.txt" ] && break; sleep 0.1; done
[ "$(sed -n 11p "$work/vrhsf.txt" | tr -d '\r')" = "Tester" ] || fail "slot 2 does not hold the run"
[ "$(wc -l < "$work/vrhsf.txt")" -eq 30 ] || fail "the save file does not have 30 lines"
activate '^Load/Save'
key Tab Tab
key Return
wait_window '^Level:' 4

# ---------------------------------------------------------------- main menu
say "back to the title through the pause screen"
activate '^Level:'
sleep 0.4
key Return
wait_paused yes 4 Return
sleep 0.3
resume_top=$(green_top)
key Down
sleep 0.3
[ "$(green_top)" -gt "$resume_top" ] || fail "the pause screen does not show MainMenu chosen after Down"
key Return
wait_window '^Are you sure\?$' 4
key alt+y
wait_window '^Main Menu$' 4
wait_no_window '^Level:' 4

# ---------------------------------------------------------------- load
say "load slot 2 from the title"
load_slot_2
wait_window '^Level:1 Score:0 Lives:5 HP:5 \$0$' 6
shot loaded

# ---------------------------------------------------------------- options
say "options: change the track"
activate '^Level:'
key alt+o
sleep 0.3
key o
wait_window '^Options$' 4
activate '^Options$'
shot options
key Down
key Tab
key Return
wait_no_window '^Options$' 4

# ---------------------------------------------------------------- key configuration
say "rebind Start to P and pause with it"
activate '^Level:'
key F2
wait_window '^Button Configuration $' 4
activate '^Button Configuration $'
shot keys
for _ in $(seq 10); do key Tab; done   # ComboA .. ComboR, then ComboStart
key P
key Return  # the default button, "Ok"
wait_no_window '^Button Configuration $' 4
activate '^Level:'
sleep 1.2
key p
wait_paused yes 4 p
sleep 0.3
key p
wait_paused no 4 p

# ---------------------------------------------------------------- game over
say "play until game over (down by the big tank, fire held)"
activate '^Level:'
xdotool keydown Down
sleep 3
xdotool keyup Down
xdotool keydown space
deadline=$((SECONDS + 240))
while ! xdotool search --onlyvisible --name '^Varnholt$' >/dev/null 2>&1; do
  if xdotool search --onlyvisible --name '^High Scores$' >/dev/null 2>&1; then
    xdotool keyup space
    fail "the high scores came up without the Game Over box"
  fi
  [ $SECONDS -le $deadline ] || { xdotool keyup space; fail "no game over within 240 s ($(game_caption))"; }
  shop=$(xdotool search --onlyvisible --name '^Upgrades ' getwindowname 2>/dev/null | head -1)
  if [ -n "$shop" ]; then
    # The big tank fell: the fire key, held all along, must not buy anything.
    say "the shop opened ($shop) with fire held"
    sleep 1
    [ "$(xdotool search --onlyvisible --name '^Upgrades ' getwindowname 2>/dev/null | head -1)" = "$shop" ] ||
      { xdotool keyup space; fail "the held fire key bought something in the shop"; }
    activate '^Upgrades '
    key p  # Start (still bound to P) presses "Next Level", which has the pad's focus
    wait_no_window '^Upgrades ' 4
    activate '^Level:'
  fi
  sleep 0.1
done
xdotool keyup space
shot game-over
activate '^Varnholt$'
key Return
wait_window '^High Scores$' 6
grep -q '^Tester' "$work/vrhhs.txt" || fail "the score is not in the high-score table"
shot high-scores
activate '^High Scores$'
key Return
wait_window '^Main Menu$' 4
stays_away '^Name$' 2 "the Enter that closed the high scores chose New Game"

# ---------------------------------------------------------------- quit
say "quit"
activate '^Main Menu$'
sleep 1.2
highlight_entry Up 496
key p   # Start is still bound to P: a binding lasts until the program ends
for _ in $(seq 30); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "the program did not end within 3 s after Quit"
wait "$game_pid"
status=$?
game_pid=""
[ $status -eq 0 ] || fail "the program ended with status $status"

# ---------------------------------------------------------------- close box
say "closing the game window with the window manager ends the program"
(cd "$work" && exec ./varnholt >>"$artifacts/program.log" 2>&1) &
game_pid=$!
wait_window '^Main Menu$' 15
activate '^Main Menu$'
sleep 1.2
key Return
wait_window '^Name$' 4
activate '^Name$'
xdotool type --delay 30 "Closer"
key Return
wait_window '^Level:' 6
activate '^Level:'
key alt+F4
for _ in $(seq 30); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "the program is still running 3 s after its game window was closed"
wait "$game_pid"
game_pid=""
say "passed"
rm -rf "$work"
