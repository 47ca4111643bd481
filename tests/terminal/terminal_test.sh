#!/usr/bin/env bash
# The viewer at a real terminal: tmux runs it in an 80x24 pseudo-terminal on
# the demo tree, keys are typed with send-keys and each whole screen is read
# with capture-pane. The terminal echoes what is typed (an erased character
# is taken back by the terminal itself, a cursor key shows as ^[[D), so the
# screens show the echo. A private socket keeps any tmux of the user apart.
# Usage: terminal_test.sh RCVIEWER MAKE_DEMO
set -euo pipefail
viewer=$1 make_demo=$2
work=$(mktemp -d)
socket="$work/tmux.socket"
term() { tmux -u -S "$socket" -f "$work/tmux.conf" "$@"; }
trap 'term kill-server 2>/dev/null || true; rm -rf "$work"' EXIT

"$make_demo" "$work/root"
echo "set-option -g status off" >"$work/tmux.conf"
export RCVIEWER_ROOT="$work/root" LANG=C.UTF-8
unset TMUX
# A shell around the viewer shows its exit status and keeps the terminal
# open after it, so its last output is never lost with the pane.
term new-session -d -x 80 -y 24 sh -c '"$0" tonbar47; echo "[rcviewer ended with status $?]"; exec sleep 600' "$viewer"

screens=0 failures=0
shown() { term capture-pane -p; }
last_line() { shown | sed '/^$/d' | tail -n 1; }
# Waits until the command ($1) prints $2, for at most 20 seconds; trailing
# empty lines don't count.
wait_for() {
  for ((tick = 0; tick < 400; ++tick)); do
    [ "$($1)" = "$2" ] && return 0
    sleep 0.05
  done
  return 1
}
# Waits until the screen is the expected one (standard input).
expect_screen() {
  local expected
  expected=$(cat)
  screens=$((screens + 1))
  wait_for shown "$expected" && return 0
  echo "FAIL: the $1 screen differs:" >&2
  diff -u --label expected --label shown <(echo "$expected") <(shown) >&2 || true
  failures=$((failures + 1))
}
type_keys() { term send-keys "$@"; }
# Waits until the last line shown is the prompt, nothing typed after it yet.
wait_prompt() {
  wait_for last_line "$1" && return 0
  echo "FAIL: no prompt \"$1\"; the screen shows:" >&2
  shown >&2
  exit 1
}
# Types an answer and waits for the next prompt.
answer() {
  type_keys "$1" Enter
  wait_prompt "$2"
}

wait_prompt "Select command :"

# "d", cursor left, "r": the program drops the cursor key's sequence.
type_keys d Left r Enter
wait_prompt "(0-2, [q]) :"
# The list's pages are compared whole by the end-to-end tests; here it is
# enough that its pager waits at the terminal.
type_keys 0 Enter
wait_prompt "-- more (q:quit) --"
answer q "(0-2, [q]) :"
answer 1 "Enter RC ([quit]) :"
# The terminal erases the X; the dictionary's Shift-JIS comment shows in UTF-8.
type_keys "4A 0402 40 000000X" BSpace "01 00000000" Enter
expect_screen "dictionary reference" <<'SCREEN'

Enter RC ([quit]) :4A 0402 40 00000001 00000000


RC      : 4A 0402 40 00000001 00000000
RC NAME : FAN2 SPEED LOW
--- COMMENT ---
装置内部の環境異常を検出しました。
ファンの回転状態と吸気温度を確認してください。
異常が続く場合は、保守員に連絡してください。

FRU(1/2) +---------+-----------------+--------+----------+
         |   UNIT  |  FRU MNIMONIC   | ACTION | PRIORITY |
         +---------+-----------------+--------+----------+
         | FAN2    | FAN_UNIT        |  RPL   |   1      |
         +---------+-----------------+--------+----------+
FRU(2/2) +---------+-----------------+--------+----------+
         |   UNIT  |  FRU MNIMONIC   | ACTION | PRIORITY |
         +---------+-----------------+--------+----------+
         | MB      | FAN_CABLE       |  CHK   |   2      |
         +---------+-----------------+--------+----------+
---------- End of data ----------
PRESS ENTER KEY
SCREEN
type_keys Enter
wait_prompt "(0-2, [q]) :"
answer q "Select command :"
answer ds "(0, [q]) :"
answer 0 "(0, [q]) :"
answer q "Select command :"
# The SEL list, the MARLOG index and the TQR menu are compared whole by
# their end-to-end tests; the last screen shows the end of the TQR menu,
# echoed answers included.
answer dm "Select MARLOG No. [quit] :"
type_keys Enter
wait_prompt "Select command :"
answer tqr "(1-2, [q]) :"
answer q "Select command :"
# The last screen holds the whole menu, then the end of the run.
type_keys q Enter
expect_screen "end" <<'SCREEN'
 2 . Setting Ignore RC
 q . quit

(1-2, [q]) : q


============= RC Viewer <CE Mode> ============
MODEL CODE : QX2400 / PRODUCT No. : PQ240-0001
MODEL NAME : QX-2400 Enterprise
MODEL FRU  : QX24MB01
RC DICT    : rcdict/1.23

**************** Command Menu ****************
 dr  : Display RC
 ds  : Display SEL
 dm  : Display MAR
 tqr : TQR setting
 sr  : Save RC
 q   : quit

Select command : q

[rcviewer ended with status 1]
SCREEN

[ "$failures" -eq 0 ] || exit 1
echo "terminal screens: $screens passed, 0 failed"
