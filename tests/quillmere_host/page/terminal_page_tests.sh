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
# terminal's settings are as they were before it started. The program's
# process id goes to $WORK/pid; it dumps no core. OUTPUTS says where its
# output goes: "files" ($WORK/out and $WORK/err), "tee" (both through a pipe
# into tee $WORK/out), "json-err" (a JSON report, errors into $WORK/err),
# "piped" (the terminal, with $ANSWERS on standard input). NOHUP=1 runs it
# with SIGHUP ignored.
cat >"$work/run.sh" <<'EOF'
ulimit -c 0
trap : INT # outlives a Ctrl-C that ends the program, to say how it ended
if [ -n "${NOHUP:-}" ]; then trap '' HUP; fi # as nohup leaves it
stty -g >"$WORK/stty.before"
run() { sh -c 'echo $$ >"$WORK/pid"; exec "$@"' program "$@"; }
if [ -n "${REDIRECT:-}" ]; then
  OUTPUTS=files
fi
case "${OUTPUTS:-}" in
files) run "$@" >"$WORK/out" 2>"$WORK/err" ;;
tee) run "$@" 2>&1 | tee "$WORK/out" ;;
json-err) run "$@" --report json 2>"$WORK/err" ;;
piped) printf '%s\n' "$ANSWERS" | run "$@" ;;
*) run "$@" ;;
esac
status=$?
stty -g >"$WORK/stty.after"
cmp -s "$WORK/stty.before" "$WORK/stty.after" && restored=yes || restored=no
echo "[exit $status, terminal restored: $restored]"
EOF

tmux_() { tmux -L "$socket" "$@"; }

# start [ENV=VALUE...] -- ARGS...: the program in a fresh 100x40 terminal;
# with REDIRECT=1, its output and errors go to $work/out and $work/err (and
# see OUTPUTS above); RUN_SHELL=dash runs it from dash instead of bash.
start() {
  local env=() shell=bash
  while [ "$1" != "--" ]; do
    case "$1" in
    RUN_SHELL=*) shell=${1#RUN_SHELL=} ;;
    *) env+=("$1") ;;
    esac
    shift
  done
  shift
  rm -f "$work/pid" "$work/out" "$work/err"
  local command
  command=$(printf '%q ' env WORK="$work" "${env[@]}" "$shell" "$work/run.sh" "$program" --scene "$scene" "$@")
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
# The report's list of what was deleted, and of what was kept, by object.
deletions() { screen | sed -n '/^DeleteObj calls/,/^Deleted, per kind:/p'; }
kept() { screen | sed -n '/^Kept on the selected 3D objects/,/^Kept, per reason:/p'; }
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

# Waits for the help line to be drawn on screen line N, as after a resize.
help_on_line() {
  local i
  for ((i = 0; i < 1200; ++i)); do
    [ "$(tmux_ capture-pane -p -t page | sed -n "$1p" | cut -c1-11)" = "Tab, arrows" ] && return 0
    sleep 0.1
  done
  fail "no help on line $1"
}
the_run_ended() { wait_for "[exit "; }

# A new tmux server for the next run of a table, not one still on its way out.
fresh_server() {
  tmux_ kill-server
  socket="$socket+"
}

# The terminal's modes as the program left them: alternate screen, mouse
# tracking (every protocol), keypad and cursor-key modes all off.
modes_off() {
  local modes
  modes=$(tmux_ display -p -t page '#{alternate_on}#{mouse_any_flag}#{mouse_standard_flag}#{mouse_button_flag}'\
'#{mouse_all_flag}#{mouse_sgr_flag}#{keypad_flag}#{keypad_cursor_flag}')
  [ "$modes" = 00000000 ] || fail "modes left on (alternate, mouse x5, keypad, cursor keys): $modes"
}

# Signals the program, as `kill -SIGNAL` does.
signal() { kill -"$1" "$(cat "$work/pid")"; }

case "$case" in
ok_deletes)
  start -- --select arm_L,sword
  the_page_is_up
  keys Space Down Up Left Right # the focus opens on the first option
  wait_for "[ ] Position"
  for raw in "[A" "[B" "[C" "[D" "^[" "OA"; do lacks "$raw"; done # arrow keys are moves, never text
  once "Target Constraints"
  keys Enter # on a check box: OK
  the_run_ended
  shows "Option page, as it closed (confirmed with OK):"
  shows " | [ ] Position "
  [ "$(deletions | grep -A3 -x '  arm_L' | grep -cF 'Constraint "Position Cns"')" -eq 0 ] || fail "Position Cns went"
  deletions | grep -A1 -x '  arm_L' | grep -qF 'Constraint "Orientation Cns"' || fail "Orientation Cns stayed"
  kept | grep -A1 -x '  arm_L' | grep -qxF '    Constraint "Position Cns": Position was off on the page' ||
    fail "no kept Position Cns, and why"
  shows "[exit 0, terminal restored: yes]"
  ;;
escape_cancels)
  start -- --select arm_L,sword
  the_page_is_up
  keys Space
  wait_for "[ ] Position"
  keys Escape
  the_run_ended
  shows "Option page, as it closed (cancelled):"
  shows " | [x] Position " # as it opened: a cancelled change is dropped
  shows "DeleteObj calls (0), by the object they belonged to:"
  ! deletions | grep -qF 'Constraint "' || fail "a constraint went"
  kept | grep -qxF '    Constraint "Position Cns": the option page was cancelled' || fail "no kept Position Cns, and why"
  shows "[exit 0, terminal restored: yes]"
  ;;
q_and_ctrl_c_cancel)
  # On the full-screen page, and Ctrl-C at a dumb terminal's line prompt too.
  for key in q C-c dumb-C-c; do
    TERM_USED=full
    if [ "$key" = dumb-C-c ]; then
      start TERM=dumb -- --select arm_L,sword
      wait_for "help lists them"
      key=C-c
      TERM_USED=dumb
    else
      start -- --select arm_L,sword
      the_page_is_up
    fi
    keys "$key"
    the_run_ended
    shows "Option page, as it closed (cancelled):"
    shows "DeleteObj calls (0), by the object they belonged to:"
    # A key on the full-screen page; at the line prompt a SIGINT, which
    # ends the program as it does once the run is reported.
    if [ "$key" = C-c ] && [ "$TERM_USED" = dumb ]; then
      shows "[exit 130, terminal restored: yes]"
    else
      shows "[exit 0, terminal restored: yes]"
    fi
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
  help_on_line 10
  lacks "[ OK ]"
  keys Tab Tab Tab Tab Tab Tab Tab Tab # from the first option past the other seven: OK
  wait_for "[ OK ]"
  lacks "All ON"
  # Grown back, the page is whole again, its title on top.
  tmux_ resize-window -t page -x 100 -y 40
  wait_for "== QuillmereOption"
  shows "[ All ON ]"
  keys Enter
  the_run_ended
  shows "(confirmed with OK)"
  ;;
dumb_terminal_line_mode)
  start TERM=dumb -- --select arm_L,sword
  wait_for "help lists them"
  once "Target Constraints"
  keys "alloff pos" Enter
  wait_for "Position on, Orientation off, Direction off, Pose off," # the whole page, in its order
  keys Up Enter # at a line prompt an arrow key is typed text: quoted, escaped
  wait_for 'no option or button called "\x1b[A"'
  keys "All OFF" Enter "position=ON dir" Enter # a label with its blank; a name set in another case
  wait_for "Position off, Orientation off, Direction off, Pose off,"
  wait_for "Position on, Orientation off, Direction on, Pose off,"
  keys OK Enter
  the_run_ended
  shows "(confirmed with OK)"
  deletions | grep -A1 -x '  arm_L' | grep -qF 'Constraint "Position Cns"' || fail "Position Cns stayed"
  shows "[exit 0, terminal restored: yes]"
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
# --- The --out file against every way a run at the terminal ends ----------
# One table: how the run ends, the exit status, whether --out is written,
# what standard error says. Unless the page was confirmed, an existing file
# is left exactly as it was (the same inode, the same bytes).
out_file_by_way_the_run_ends)
  # The runner outlives its terminal and a Ctrl-C (traps on SIGHUP and
  # SIGINT, which the program does not inherit) to record how it ended.
  cat >"$work/run_out.sh" <<'EOF'
trap : HUP INT
echo $$ >"$WORK/runner.pid"
"$@" 2>"$WORK/err"
status=$?
echo "$status" >"$WORK/status"
echo "[exit $status]"
EOF
  program_pid() {
    local i pid
    for ((i = 0; i < 1200; ++i)); do
      if [ -s "$work/runner.pid" ] && pid=$(pgrep -P "$(cat "$work/runner.pid")") && [ -n "$pid" ]; then
        echo "$pid"
        return 0
      fi
      sleep 0.1
    done
    fail "the program never started"
  }
  mkdir "$work/out"
  destination="$work/out/scene.json"
  while IFS='|' read -r -u 3 ending page expected_status written expected_err; do
    echo "old content" >"$destination"
    inode=$(stat -c %i "$destination")
    rm -f "$work/status" "$work/err" "$work/runner.pid"
    env=()
    if [ "$page" = dumb ]; then env=(TERM=dumb); fi
    command=$(printf '%q ' env WORK="$work" "${env[@]}" bash "$work/run_out.sh" "$program" --scene "$scene" \
      --select arm_L,sword --out "$destination")
    tmux_ -f "$work/tmux.conf" new-session -d -s page -x 100 -y 40 "$command"
    if [ "$page" = dumb ]; then wait_for "help lists them"; else the_page_is_up; fi
    case "$ending" in
    ok) click "[ OK ]" ;;
    cancel-button) click "[ Cancel ]" ;;
    escape) keys Escape ;;
    q) keys q Enter ;; # a key on the page; a word at the prompt
    ctrl-c) keys C-c ;;
    sigint) kill -INT "$(program_pid)" ;;
    sigterm) kill -TERM "$(program_pid)" ;;
    sighup) kill -HUP "$(program_pid)" ;;
    closed-terminal)
      # The terminal goes, with the hangup its shell passes on to the
      # program. Stopped meanwhile, the program meets both at once rather
      # than the end of its input first, which cancels the page as well.
      pid=$(program_pid)
      kill -STOP "$pid"
      tmux_ kill-pane -t page
      kill -HUP "$pid"
      kill -CONT "$pid"
      ;;
    word-ok) keys "ok" Enter ;;
    word-cancel) keys "AllOff cancel" Enter ;;
    end-of-input) keys C-d ;;
    *) fail "unknown ending $ending" ;;
    esac
    for ((i = 0; i < 1200; ++i)); do
      if [ -s "$work/status" ]; then break; fi
      sleep 0.1
    done
    [ -s "$work/status" ] || fail "$ending ($page): the program never ended"
    status=$(cat "$work/status")
    err=$(cat "$work/err")
    [ "$status" = "$expected_status" ] || fail "$ending ($page): exit $status, not $expected_status; $err"
    [ "$err" = "$expected_err" ] || fail "$ending ($page): standard error says \"$err\", not \"$expected_err\""
    if [ "$written" = yes ]; then
      grep -qF '"objects"' "$destination" || fail "$ending ($page): --out not written"
    else
      [ "$(cat "$destination")" = "old content" ] || fail "$ending ($page): --out was written"
      [ "$(stat -c %i "$destination")" = "$inode" ] || fail "$ending ($page): --out was replaced"
    fi
    [ "$(ls -A "$work/out")" = scene.json ] || fail "$ending ($page): left $(ls -A "$work/out")"
    tmux_ kill-server 2>/dev/null || true
    socket="$socket+" # a new server, not one still on its way out
  done 3<<'EOF'
ok|full|0|yes|
cancel-button|full|0|no|quillmere-host: the option page was cancelled; --out was not written
escape|full|0|no|quillmere-host: the option page was cancelled; --out was not written
q|full|0|no|quillmere-host: the option page was cancelled; --out was not written
ctrl-c|full|0|no|quillmere-host: the option page was cancelled; --out was not written
sigint|full|130|no|quillmere-host: the option page was cancelled by SIGINT; --out was not written
sigterm|full|143|no|quillmere-host: the option page was cancelled by SIGTERM; --out was not written
sighup|full|129|no|quillmere-host: the option page was cancelled by SIGHUP; --out was not written
closed-terminal|full|129|no|quillmere-host: the option page was cancelled by SIGHUP; --out was not written
word-ok|dumb|0|yes|
word-cancel|dumb|0|no|quillmere-host: the option page was cancelled; --out was not written
q|dumb|0|no|quillmere-host: the option page was cancelled; --out was not written
ctrl-c|dumb|130|no|quillmere-host: the option page was cancelled by SIGINT; --out was not written
end-of-input|dumb|0|no|quillmere-host: the option page was cancelled; --out was not written
sigterm|dumb|143|no|quillmere-host: the option page was cancelled by SIGTERM; --out was not written
closed-terminal|dumb|129|no|quillmere-host: the option page was cancelled by SIGHUP; --out was not written
EOF
  ;;
# --- end of the --out table --------------------------------------------------
# The page where the user is, its keys, clicks and signals, and terminals
# small or plain.
page_where_the_user_is)
  # Typed at the terminal, the page is drawn there whatever the outputs are;
  # the report goes where they go. Answers piped in are taken.
  for outputs in files tee json-err dumb-json-err piped; do
    case $outputs in
    dumb-json-err)
      start TERM=dumb OUTPUTS=json-err -- --select arm_L,sword
      wait_for "help lists them"
      keys pos Enter OK Enter
      ;;
    piped)
      start OUTPUTS=piped "ANSWERS=alloff pos ok" -- --select arm_L,sword
      ;;
    *)
      start OUTPUTS=$outputs -- --select arm_L,sword
      the_page_is_up
      keys Space Enter
      ;;
    esac
    the_run_ended
    shows "[exit 0, terminal restored: yes]"
    case $outputs in
    files)
      grep -qF " | [ ] Position " "$work/out" || fail "the report: $(cat "$work/out")"
      [ ! -s "$work/err" ] || fail "on standard error: $(cat "$work/err")"
      ;;
    tee)
      grep -qF " | [ ] Position " "$work/out" || fail "the report: $(cat "$work/out")"
      ! grep -qF "Esc, q: Cancel" "$work/out" || fail "the page went into the pipe"
      ;;
    json-err | dumb-json-err)
      shows '"Pos": false,'
      [ ! -s "$work/err" ] || fail "on standard error: $(cat "$work/err")"
      ;;
    piped)
      lacks "Esc, q: Cancel"
      shows " | [x] Position "
      shows " | [ ] Orientation "
      ;;
    esac
    fresh_server
  done
  ;;
enter_space_and_the_first_focus)
  # KEYS;how the page closed;what the report shows. The focus opens on the
  # first option; Enter is OK wherever the focus is, but on Cancel. Keypad
  # Enter (ESC O M, in the keypad mode the page turns on; the terminal's
  # description here names no such key) and Ctrl-J (a bare line feed) are
  # Enter.
  while IFS=';' read -r row closed expected; do
    read -ra pressed <<<"$row"
    start -- --select arm_L,sword
    the_page_is_up
    shows "Space: flip, click   Enter: OK   Esc, q: Cancel"
    keys "${pressed[@]}"
    the_run_ended
    shows "Option page, as it closed ($closed):"
    shows "$expected"
    fresh_server
  done <<'TABLE'
Enter;confirmed with OK; | [x] Position 
Space Enter;confirmed with OK; | [ ] Position 
Space BTab Enter;confirmed with OK; | [ ] Position 
Space BTab BTab BTab BTab Enter;cancelled; | [x] Position 
Space KPEnter;confirmed with OK; | [ ] Position 
Space C-j;confirmed with OK; | [ ] Position 
Space BTab BTab BTab BTab KPEnter;cancelled; | [x] Position 
TABLE
  ;;
clicks_off_the_items)
  # Scrolled, the help line covers the page's tenth line (Symmetry's box):
  # a click there, or on no item, does nothing.
  start -- --select arm_L,sword
  the_page_is_up
  tmux_ resize-window -t page -x 80 -y 10
  help_on_line 10
  click "QuillmereOption"
  click "Target Constraints"
  click "arrows: move" # on the help line, over Symmetry's box
  keys Enter
  the_run_ended
  shows "(confirmed with OK)"
  shows " | [x] Symmetry "
  lacks "[ ]"
  ;;
escape_then_a_key)
  # Escape and the next key in one read, as over ssh: Escape cancels, and
  # the key is not lost either.
  for typed in $'\e\e' $'\eq'; do
    start -- --select arm_L,sword
    the_page_is_up
    keys Space
    wait_for "[ ] Position"
    keys -l "$typed"
    the_run_ended
    shows "Option page, as it closed (cancelled):"
    shows "[exit 0, terminal restored: yes]"
    fresh_server
  done
  ;;
signals_restore_the_terminal)
  # From bash and from dash (which restores nothing itself): a signal that
  # ends the program leaves the terminal as it was and ends it as the
  # signal does; SIGTERM cancels the page, the run is reported, and then it
  # ends the program as it does.
  for shell in bash dash; do
    for name in QUIT USR1 ALRM PIPE TERM; do
      start RUN_SHELL=$shell -- --select arm_L,sword
      the_page_is_up
      signal "$name"
      the_run_ended
      if [ "$name" = TERM ]; then
        shows "Option page, as it closed (cancelled):"
        shows "[exit 143, terminal restored: yes]"
      else
        shows "[exit $((128 + $(kill -l "$name"))), terminal restored: yes]"
      fi
      modes_off
      fresh_server
    done
  done
  ;;
sigterm_during_a_paste)
  # A paste far longer than the terminal's buffer, ending in Enter: SIGTERM
  # cancels the page between its keys, before Enter is reached.
  start REDIRECT=1 -- --select arm_L,sword
  the_page_is_up
  head -c 200000 /dev/zero | tr '\0' ' ' >"$work/paste"
  echo >>"$work/paste"
  tmux_ load-buffer -b paste "$work/paste"
  tmux_ paste-buffer -b paste -t page
  signal TERM
  the_run_ended
  shows "terminal restored: yes]"
  grep -qF "Option page, as it closed (cancelled):" "$work/out" || fail "the report: $(head -3 "$work/out")"
  ;;
narrow_terminal)
  # Twenty columns: the view follows the focus sideways, so that what
  # Space acts on is always in sight.
  start REDIRECT=1 -- --select arm_L,sword
  the_page_is_up
  tmux_ resize-window -t page -x 20 -y 40
  wait_for "Tab, arrows: move"
  lacks "[ All OFF ]"
  keys BTab
  wait_for "[ All Toggle ]"
  keys BTab
  wait_for "[ All OFF ]"
  keys Space Tab Tab Tab Tab Tab Tab Tab Tab Tab # All OFF, then on to Chain Up Vector
  wait_for "[ ] Chain Up Vector"
  keys Tab Tab
  wait_for "[ Cancel ]"
  keys BTab Enter
  the_run_ended
  grep -qF "(confirmed with OK)" "$work/out" || fail "the report: $(head -3 "$work/out")"
  ! grep -qF "[x]" "$work/out" || fail "an option stayed on: $(cat "$work/out")"
  ;;
plain_terminals)
  # No alternate screen: the page stays, and the report starts on a line
  # of its own below the help line.
  for term in vt100 linux; do
    start TERM=$term -- --select arm_L,sword
    the_page_is_up
    keys Enter
    the_run_ended
    screen | grep -qx "Tab, arrows: move   Space: flip, click   Enter: OK   Esc, q: Cancel" ||
      fail "$term: the help line was written over"
    screen | grep -qx "Option page, as it closed (confirmed with OK):" || fail "$term: the report's first line"
    fresh_server
  done
  ;;
hangup_ignored_under_nohup)
  # Started with SIGHUP ignored, the program keeps it ignored: a hangup
  # does not cancel the page.
  start NOHUP=1 -- --select arm_L,sword
  the_page_is_up
  signal HUP
  keys Enter
  the_run_ended
  shows "Option page, as it closed (confirmed with OK):"
  shows "[exit 0, terminal restored: yes]"
  ;;
closed_terminal_without_a_hangup)
  # The terminal closes, but the shell it ran from keeps the hangup to
  # itself: the page finds its terminal gone, cancels as a hangup would,
  # and the program ends by that signal, --out untouched, instead of
  # waiting on a terminal that will never answer.
  cat >"$work/run_kept_hangup.sh" <<'EOF'
trap : HUP
sh -c 'echo $$ >"$WORK/pid"; exec "$@"' program "$@" 2>"$WORK/err"
echo $? >"$WORK/status"
EOF
  echo "old content" >"$work/kept.json"
  command=$(printf '%q ' env WORK="$work" bash "$work/run_kept_hangup.sh" "$program" --scene "$scene" \
    --select arm_L,sword --out "$work/kept.json")
  tmux_ -f "$work/tmux.conf" new-session -d -s page -x 100 -y 40 "$command"
  the_page_is_up
  tmux_ kill-pane -t page
  for ((i = 0; i < 1200; ++i)); do
    if [ -s "$work/status" ]; then break; fi
    sleep 0.1
  done
  ended() { echo "FAIL ($case): $1" >&2; exit 1; }
  [ -s "$work/status" ] || ended "the program never ended once its terminal was gone"
  [ "$(cat "$work/status")" = 129 ] || ended "exit $(cat "$work/status"), not 129"
  [ "$(cat "$work/kept.json")" = "old content" ] || ended "--out was written"
  grep -qF "cancelled by SIGHUP; --out was not written" "$work/err" || ended "standard error says: $(cat "$work/err")"
  ;;
*)
  echo "unknown case: $case" >&2
  exit 2
  ;;
esac
echo "ok: $case"
