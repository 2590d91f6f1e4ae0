#!/usr/bin/env bash
# The fault matrix against the real program: things an unlucky player or an
# attacker puts where the game keeps its files. For each case the program is
# started in a folder of its own on a private X display, opens the windows
# that read and write the file, and must stay up; afterwards no file it could
# not read has changed and nothing outside its folder was written.
#
# Cases that need root (a small tmpfs as a full disk, a read-only mount,
# another user's file) run when the script runs as root; otherwise the unit
# tests cover them through the file layer's seams.
#
# Usage: tests/e2e/faults.sh path/to/varnholt
set -u
exe=${1:?usage: faults.sh path/to/varnholt}
exe=$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/xdrive.sh"

root=$(mktemp -d /tmp/vrh-faults.XXXXXX)
outside="$root/outside"    # stands for the rest of the player's disk
mkdir -p "$outside"
tried=0 held=0 case_name=""
mounts=()

cleanup() {
  stop_display
  for m in "${mounts[@]}"; do umount "$m" 2>/dev/null; done
  chmod -R u+rwX "$root" 2>/dev/null
  rm -rf "$root"
}
fail() {
  echo "FAILED [$case_name]: $*"
  import -window root "${FAULTS_ARTIFACTS:-/tmp}/faults-failure.png" 2>/dev/null &&
    echo "screen: ${FAULTS_ARTIFACTS:-/tmp}/faults-failure.png"
  echo "windows: $(xdotool search --name '.' getwindowname %@ 2>/dev/null | tr '\n' '|')"
  [ -f "${log:-}" ] && { echo "--- program output:"; tail -n 20 "$log"; }
  exit 1
}
start_display
trap cleanup EXIT

# fresh_case NAME: a game folder with the media flag saying "No" (no
# extraction, so a case takes a few seconds) and a victim file outside.
fresh_case() {
  case_name=$1
  tried=$((tried + 1))
  dir="$root/case$tried"
  log="$root/case$tried.log"   # outside the folder: some cases make it read-only
  mkdir -p "$dir"
  cp "$exe" "$dir/varnholt"
  printf 'No\r\n' > "$dir/ws.txt"
  printf 'not the game'"'"'s\n' > "$outside/victim"
  echo "case $tried: $case_name"
}
launch() {
  (cd "$dir" && exec env "$@" ./varnholt >"$log" 2>&1) &
  game_pid=$!
}
start_game() {
  launch "$@"
  wait_window '^Main Menu$' 40
}
alive() { kill -0 "$game_pid" 2>/dev/null || fail "the program ended (status: $(wait "$game_pid"; echo $?))"; }
# A notice (the boxes carry the game's name as their title) is answered.
answer_notice() {
  local deadline=$((SECONDS + ${1:-3}))
  while [ $SECONDS -le $deadline ]; do
    if xdotool search --onlyvisible --name '^Varnholt$' >/dev/null 2>&1; then
      activate '^Varnholt$'; key space; sleep 0.3; return 0  # not Return: the title would take it as Start
    fi
    sleep 0.1
  done
  return 1
}
no_notice() { ! answer_notice "${1:-2}" || fail "a notice appeared: $(cat "$log" | tail -n 3)"; }
open_from_title() {  # ENTRY_Y: the title entry's row
  activate '^Main Menu$'
  sleep 1.2  # the menu takes keys after its first second
  for _ in $(seq 20); do  # patient: a loaded machine slows the menu's ticks
    [ "$(entry_green "$1")" -gt 20 ] && { key Return; return 0; }
    key Down
    sleep 0.35
  done
  fail "could not highlight the title entry at y=$1"
}
high_scores_round() {
  open_from_title 464
  answer_notice 4 || true
  wait_window '^High Scores$' 6
  alive
  activate '^High Scores$'
  key Return
  wait_window '^Main Menu$' 6
  alive
}
load_round() {
  open_from_title 432
  answer_notice 4 || true
  wait_window '^Load/Save' 6
  alive
}
end_game() { kill "$game_pid" 2>/dev/null; wait "$game_pid" 2>/dev/null; game_pid=""; }
# What a file is: its type, size, time, owner and (when readable) contents.
describe() { stat -c '%F %s %Y %U' "$1" 2>/dev/null; [ -f "$1" ] && [ -r "$1" ] && md5sum < "$1"; }
unchanged() { [ "$(describe "$1")" = "$2" ] || fail "$1 changed"; }  # PATH DESCRIPTION-BEFORE
victim_untouched() { [ "$(cat "$outside/victim")" = "not the game's" ] || fail "a file outside the folder was written"; }
passed() { held=$((held + 1)); end_game; }

plant() {  # KIND PATH
  case $1 in
    folder) mkdir -p "$2/inside" ;;
    link) ln -s "$outside/victim" "$2" ;;
    unreadable) printf 'x\r\n' > "$2"; chmod 000 "$2" ;;
    other-user) printf 'x\r\n' > "$2"; chown 65534:65534 "$2" ;;
  esac
}
kinds="folder link"
if [ "$(id -u)" = 0 ]; then kinds="$kinds other-user"; else kinds="$kinds unreadable"; fi

# ----------------------------------------------- something in each file's place
for kind in $kinds; do
  fresh_case "$kind in the place of vrhhs.txt; High Scores from the title"
  plant "$kind" "$dir/vrhhs.txt"
  before=$(describe "$dir/vrhhs.txt")
  start_game
  high_scores_round
  unchanged "$dir/vrhhs.txt" "$before"; victim_untouched; passed

  fresh_case "$kind in the place of vrhsf.txt; the slot picker"
  plant "$kind" "$dir/vrhsf.txt"
  before=$(describe "$dir/vrhsf.txt")
  start_game
  load_round
  unchanged "$dir/vrhsf.txt" "$before"; victim_untouched; passed

  fresh_case "$kind in the place of ws.txt; start-up"
  rm "$dir/ws.txt"; plant "$kind" "$dir/ws.txt"
  before=$(describe "$dir/ws.txt")
  start_game
  no_notice 1
  alive
  unchanged "$dir/ws.txt" "$before"; victim_untouched; passed
done

# ----------------------------------------------- links planted at temporary names
fresh_case "links planted where older versions put their temporary files"
for f in vrhhs.txt vrhsf.txt ws.txt; do ln -s "$outside/victim" "$dir/$f.tmp"; done
printf 'Yes\r\n' > "$dir/ws.txt"
start_game
high_scores_round
victim_untouched; passed

# ----------------------------------------------- unterminated quotes
fresh_case "a name with an unterminated quote"
{ printf '"Open quote\r\n 9000 \r\n 9 \r\n'; for i in 2 3 4 5 6 7 8 9 10; do printf 'Next%s\r\n %s \r\n 1 \r\n' $i $((9000 - i)); done; } > "$dir/vrhhs.txt"
start_game
high_scores_round
[ "$(grep -c $'\r$' "$dir/vrhhs.txt")" = 30 ] || fail "the table is not 30 lines"
grep -q '^Next10' "$dir/vrhhs.txt" || fail "an entry after the open quote was lost"
passed

# ----------------------------------------------- huge files
fresh_case "100 MB score and save files"
{ printf 'Big\r\n 70000 \r\n 7 \r\n'; head -c 100000000 /dev/zero | tr '\0' 'x'; } > "$dir/vrhhs.txt"
head -c 100000000 /dev/zero | tr '\0' 'y' > "$dir/vrhsf.txt"
start_game
high_scores_round
end_game; start_game   # each window from a fresh title: Return from "Okay" must not reach it
load_round
grep -q '^Big' "$dir/vrhhs.txt" || fail "the readable entry was lost"
passed

# ----------------------------------------------- two copies at once
fresh_case "two copies started together on a first start"
printf 'Yes\r\n' > "$dir/ws.txt"
(cd "$dir" && exec ./varnholt >"$log.second" 2>&1) &
second=$!
start_game
no_notice 3
kill -0 "$second" 2>/dev/null || fail "the second copy ended"
[ "$(tr -d '\r\n' < "$dir/ws.txt")" = No ] || fail "ws.txt does not read No"
kill "$second"; wait "$second" 2>/dev/null
passed

# ----------------------------------------------- a full disk, a read-only folder
# small_disk SIZE_KB: a tmpfs of its own as the game's folder (root only).
small_disk() {
  mkdir -p "$dir/disk"
  mount -t tmpfs -o "size=${1}k" tmpfs "$dir/disk" || fail "cannot mount a tmpfs"
  mounts+=("$dir/disk")
  cp "$exe" "$dir/disk/varnholt"
  mv "$dir/ws.txt" "$dir/disk/"
  dir="$dir/disk"
}
if [ "$(id -u)" = 0 ]; then
  fresh_case "a full disk (a small tmpfs)"
  small_disk $(( $(stat -c %s "$exe") / 1024 + 256 ))
  printf 'Keep\r\n 80000 \r\n 8 \r\n' > "$dir/vrhhs.txt"
  printf 'Kept\r\n' > "$dir/vrhsf.txt"
  dd if=/dev/zero of="$dir/filler" bs=4k 2>/dev/null  # takes what is left
  before_hs=$(describe "$dir/vrhhs.txt") before_sf=$(describe "$dir/vrhsf.txt")
  start_game
  high_scores_round
  end_game; start_game   # each window from a fresh title
  load_round
  unchanged "$dir/vrhhs.txt" "$before_hs"; unchanged "$dir/vrhsf.txt" "$before_sf"; passed
fi

fresh_case "a read-only folder with an unwritable home"
if [ "$(id -u)" = 0 ]; then
  small_disk 65536
  mkdir -p "$dir/home"
  mount -o remount,ro "$dir" || fail "cannot make the folder read-only"
else
  mkdir -p "$dir/home"
  chmod 555 "$dir/home" "$dir"
fi
launch HOME="$dir/home" XDG_DATA_HOME=
answer_notice 40 || fail "no notice that the media could not be written"  # true, and said once
wait_window '^Main Menu$' 40
high_scores_round
passed

# ----------------------------------------------- no display
fresh_case "no display"
out=$(cd "$dir" && env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= ./varnholt 2>&1 >/dev/null)
status=$?
[ $status = 1 ] || fail "status $status, not 1"
[ "$(printf '%s\n' "$out" | wc -l)" = 1 ] || fail "printed more than one line: $out"
echo "  $out"
held=$((held + 1))

echo "faults: $tried attacks tried, $held held, nothing lost"
[ $tried = $held ]
