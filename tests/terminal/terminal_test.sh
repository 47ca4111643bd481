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
type_keys 0 Enter
expect_screen "RC list" <<'SCREEN'

(0-2, [q]) : 0


date/time          Lv RE UID  EC Failure  Additional RC Name
------------------ -- -- ---- -- -------- ---------- --------------------
25/11/21 22:14:30     47 0203 21 00000010 00015301   DIMM3 CORRECTABLE ERR
25/11/21 20:44:36  01 47 0100 10 00000001 00015201   CPU0 CACHE CORRECTED
25/11/21 19:14:42  02 E7 0010 02 00001000 00015101   LMON_DETECTION_FAILURE
25/11/21 17:44:48  03 47 0100 11 0000A003 00015001   CPU0 UNCORRECTABLE ERR
25/11/21 16:22:01     4A 0402 40 00000001 00014F01   FAN2 SPEED LOW
25/11/21 14:52:07  01 47 0203 21 00000010 00014E01   DIMM3 CORRECTABLE ERR
25/11/21 13:22:13  02 47 0100 10 00000001 00014D01   CPU0 CACHE CORRECTED
25/11/21 11:52:19  03 47 0301 30 00000000 00014C01   PSU1 INPUT LOST
25/11/21 10:22:25     47 0100 11 0000A003 00014B01   CPU0 UNCORRECTABLE ERR
25/11/21 08:52:31  01 4A 0500 50 00000000 00014A01   INTAKE TEMP HIGH
25/11/21 07:22:37  01 47 0200 22 00000020 00014901   DIMM0 UNCORRECTABLE ERR
25/11/21 05:59:50  02 51 0999 01 00000001 00014801   LMON_DETECTION_FAILURE
25/11/21 04:29:56  03 47 0301 30 00000000 00014701   PSU1 INPUT LOST
25/11/21 03:00:02     47 0100 11 0000A003 00014601   CPU0 UNCORRECTABLE ERR
25/11/21 01:30:08  01 4A 0500 50 00000000 00014501   INTAKE TEMP HIGH
25/11/21 00:00:14  02 47 0200 22 00000020 00014401   DIMM0 UNCORRECTABLE ERR
-- more (q:quit) --
SCREEN
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
type_keys 0 Enter
expect_screen "SEL" <<'SCREEN'
25/11/01 19:59:35   1101 02 2000 04 0241 01 52B8BA
25/11/01 18:47:47   1001 02 2000 04 0880 6F 01FFFF
25/11/01 17:35:59   0F01 02 2000 04 0130 01 594B46
25/11/01 16:24:11   0E01 02 2000 04 0451 81 501300
25/11/01 15:12:23   0D01 02 2000 04 2390 6F C1FFFF
25/11/01 14:21:36   0C01 02 2000 04 0241 01 52B8BA
25/11/01 13:09:48   0B01 02 2000 04 0880 6F 01FFFF
25/11/01 11:58:00   0A01 02 2000 04 0130 01 594B46
25/11/01 10:46:12   0901 02 2000 04 0451 81 501300
25/11/01 09:34:24   0801 02 2000 04 2390 6F C1FFFF
25/11/01 08:22:36   0701 02 2000 04 0241 01 52B8BA
25/11/01 07:10:48   0601 02 2000 04 0880 6F 01FFFF
25/11/01 05:59:00   0501 02 2000 04 0130 01 594B46
25/11/01 04:47:12   0401 02 2000 04 0451 81 501300
25/11/01 03:35:24   0301 02 2000 04 2390 6F C1FFFF
25/11/01 02:23:36   0201 02 2000 04 0241 01 52B8BA
25/11/01 01:11:48   0101 02 2000 04 0880 6F 01FFFF
pre init timestamp  0001 02 2000 04 0130 01 594B46

-------- Display SEL Menu --------
 0 . Display SEL history
 q . quit

(0, [q]) :
SCREEN
answer q "Select command :"
# The MARLOG index and the TQR menu are compared whole by their end-to-end
# tests; the last screen shows the end of the second, echoed answers included.
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
