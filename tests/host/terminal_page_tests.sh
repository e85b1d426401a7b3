#!/usr/bin/env bash
# The option page in a real terminal: quillmere-host runs under tmux, keys
# go in with send-keys, and each case judges what capture-pane shows. A case
# waits for a screen with a generous bound and fails on what the screen
# shows, never on how long it took.
#   terminal_page_tests.sh PROGRAM SCENE CASE
set -euo pipefail
program=$1 scene=$2 case=$3

if ! command -v tmux >/dev/null; then
  echo "tmux is not installed (bash scripts/install-deps.sh installs it)" >&2
  exit 1
fi

work=$(mktemp -d)
socket="quillmere-terminal-test-$$" # a tmux server of this test's own
unset TMUX
sockets="${TMUX_TMPDIR:-/tmp}/tmux-$(id -u)"
cleanup() {
  tmux -L "$socket" kill-server 2>/dev/null || true
  rm -f "$sockets/quillmere-terminal-test-$$" "$sockets/quillmere-terminal-test-$$"+* # left behind by kill-server
  rm -rf "$work"
}
trap cleanup EXIT

# No user configuration; a pane stays after its program ends so that its last
# screen can be read.
printf 'set -g remain-on-exit on\nset -g history-limit 10000\n' >"$work/tmux.conf"

# Runs the program in the pane, then says how it ended and whether the
# terminal's settings are as they were before it started.
cat >"$work/run.sh" <<'EOF'
stty -g >"$WORK/stty.before"
if [ -n "${REDIRECT:-}" ]; then
  "$@" >"$WORK/out" 2>"$WORK/err"
else
  "$@"
fi
status=$?
stty -g >"$WORK/stty.after"
cmp -s "$WORK/stty.before" "$WORK/stty.after" && restored=yes || restored=no
echo "[exit $status, terminal restored: $restored]"
EOF

tmux_() { tmux -L "$socket" "$@"; }

# start [ENV=VALUE...] -- ARGS...: the program in a fresh 100x40 terminal;
# with REDIRECT=1, its output and errors go to $work/out and $work/err.
start() {
  local env=()
  while [ "$1" != "--" ]; do env+=("$1"); shift; done
  shift
  local command
  command=$(printf '%q ' env WORK="$work" "${env[@]}" bash "$work/run.sh" "$program" --scene "$scene" "$@")
  tmux_ -f "$work/tmux.conf" new-session -d -s page -x 100 -y 40 "$command"
}

screen() { tmux_ capture-pane -p -t page -S -10000; }

fail() {
  echo "FAIL ($case): $1; the screen shows:" >&2
  screen >&2
  exit 1
}

# Waits for the screen to show TEXT (a fixed string).
wait_for() {
  local i
  for ((i = 0; i < 1200; ++i)); do
    if screen | grep -qF -- "$1"; then
      return 0
    fi
    sleep 0.1
  done
  fail "never showed \"$1\""
}

shows() { screen | grep -qF -- "$1" || fail "does not show \"$1\""; }
lacks() { ! screen | grep -qF -- "$1" || fail "shows \"$1\""; }
times_shown() { screen | grep -cF -- "$1" || true; }
once() { [ "$(times_shown "$1")" -eq 1 ] || fail "shows \"$1\" $(times_shown "$1") times, not once"; }

keys() { tmux_ send-keys -t page "$@"; }

# A left-button click where TEXT starts on the screen, as a terminal reports
# it in the X10 mouse protocol: ESC [ M, then the button (0 pressed, 3
# released), the column and the line, each a byte 32 past its value, counted
# from 1.
click() {
  local line column row before
  row=$(tmux_ capture-pane -p -t page | grep -nF -- "$1" | head -1) || fail "nothing to click: no \"$1\""
  line=${row%%:*}
  row=${row#*:}
  before=${row%%"$1"*}
  column=$((${#before} + 1))
  local at
  at=$(printf '%b%b' "\\0$(printf %o $((32 + column)))" "\\0$(printf %o $((32 + line)))")
  keys -l "$(printf '\033[M %s\033[M#%s' "$at" "$at")"
}

the_page_is_up() { wait_for "Esc, q: Cancel"; }
the_run_ended() { wait_for "[exit "; }

case "$case" in
ok_deletes)
  start -- --select arm_L,sword
  the_page_is_up
  keys Down Space Up Down Left Right
  wait_for "[ ] Position"
  for raw in "[A" "[B" "[C" "[D" "^[" "OA"; do lacks "$raw"; done # arrow keys are moves, never text
  once "Target Constraints"
  keys Enter # on a check box: OK
  the_run_ended
  shows "Option page, as it closed (confirmed with OK):"
  shows " | [ ] Position "
  [ "$(screen | grep -A3 -x '  arm_L' | grep -cF 'Constraint "Position Cns"')" -eq 0 ] || fail "Position Cns went"
  screen | grep -A1 -x '  arm_L' | grep -qF 'Constraint "Orientation Cns"' || fail "Orientation Cns stayed"
  shows "[exit 0, terminal restored: yes]"
  ;;
escape_cancels)
  start -- --select arm_L,sword
  the_page_is_up
  keys Down Space
  wait_for "[ ] Position"
  keys Escape
  the_run_ended
  shows "Option page, as it closed (cancelled):"
  shows " | [x] Position " # as it opened: a cancelled change is dropped
  shows "DeleteObj calls (0), by the object they belonged to:"
  lacks "Constraint \""
  shows "[exit 0, terminal restored: yes]"
  ;;
q_and_ctrl_c_cancel)
  # On the full-screen page, and Ctrl-C at a dumb terminal's line prompt too.
  for key in q C-c dumb-C-c; do
    if [ "$key" = dumb-C-c ]; then
      start TERM=dumb -- --select arm_L,sword
      wait_for "help lists them"
      key=C-c
    else
      start -- --select arm_L,sword
      the_page_is_up
    fi
    keys "$key"
    the_run_ended
    shows "Option page, as it closed (cancelled):"
    shows "DeleteObj calls (0), by the object they belonged to:"
    shows "[exit 0, terminal restored: yes]"
    tmux_ kill-server
    socket="$socket+" # a new server, not one still on its way out
  done
  ;;
mouse_click)
  start -- --select arm_L,sword
  the_page_is_up
  click "[x] Orientation"
  wait_for "[ ] Orientation"
  click "[ All OFF ]"
  wait_for "[ ] Position"
  lacks "[x]"
  click "[ OK ]"
  the_run_ended
  shows "Option page, as it closed (confirmed with OK):"
  shows "DeleteObj calls (0), by the object they belonged to:"
  ;;
resize_redraws)
  start -- --select arm_L,sword
  the_page_is_up
  tmux_ resize-window -t page -x 60 -y 10
  # Shorter than the page: the help stays on the last line, the page scrolls.
  for ((i = 0; i < 1200; ++i)); do
    [ "$(tmux_ capture-pane -p -t page | sed -n 10p | cut -c1-11)" = "Tab, arrows" ] && break
    sleep 0.1
  done
  [ "$(tmux_ capture-pane -p -t page | sed -n 10p | cut -c1-11)" = "Tab, arrows" ] || fail "no help on the last line"
  lacks "[ OK ]"
  keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab # past the buttons and the eight boxes: OK
  wait_for "[ OK ]"
  lacks "All ON"
  keys Enter
  the_run_ended
  shows "(confirmed with OK)"
  ;;
dumb_terminal_line_mode)
  start TERM=dumb -- --select arm_L,sword
  wait_for "help lists them"
  once "Target Constraints"
  keys "alloff pos" Enter
  wait_for "Orientation off, Direction off" # Position off, then flipped back on
  keys Up Enter # at a line prompt an arrow key is typed text: quoted, escaped
  wait_for 'no option or button called "\x1b[A"'
  keys "All OFF" Enter "position=ON" Enter # a label with its blank; a name set in another case
  wait_for "Position on."
  keys OK Enter
  the_run_ended
  shows "(confirmed with OK)"
  screen | grep -A1 -x '  arm_L' | grep -qF 'Constraint "Position Cns"' || fail "Position Cns stayed"
  shows "[exit 0, terminal restored: yes]"
  ;;
both_outputs_redirected)
  # Typed at a terminal but seen on none: no page drawn into a file to wait
  # on; confirmed as it opened, as without a terminal, and said so.
  start REDIRECT=1 -- --select arm_L
  the_run_ended
  shows "[exit 0, terminal restored: yes]"
  grep -qF "no terminal to answer the option page on: confirmed as it opened" "$work/err" || fail "$(cat "$work/err")"
  grep -qF "(confirmed with OK)" "$work/out" || fail "$(cat "$work/out")"
  ;;
report_fits_the_terminal)
  objects=150
  python3 - "$work/rig.json" "$objects" <<'EOF'
import json, sys
names = ["object%d" % i for i in range(int(sys.argv[2]))]
objects = [{"name": name, "constraints": ["Position Cns"]} for name in names]
json.dump({"objects": objects, "selection": names}, open(sys.argv[1], "w"))
EOF
  scene="$work/rig.json"
  start -- --page OK
  the_run_ended
  shows "  object99"
  lacks "  object100"
  shows "  ... and 50 more objects, 50 more calls: --report json lists them all, and so does this report"
  shows "  Constraint \"Position Cns\": 150"
  ;;
*)
  echo "unknown case: $case" >&2
  exit 2
  ;;
esac
echo "ok: $case"
