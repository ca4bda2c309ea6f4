#!/usr/bin/env bash
# The real window on a virtual X server, driven as a user would with the
# mouse and the keyboard: its client area opens at 399 x 310 below the menu
# bar and grows to 900 x 700, a click near its bottom-right corner lands in
# the output box and one at its right edge beside the input box presses the
# button, and Ctrl+Enter translates without typing a line break; the output
# box takes no typing; Japanese shows as glyphs; dragging the gap between
# the boxes moves the boundary between them. A word selected in the
# input goes into the user's dictionary through Dictionary > Add a word, is
# rendered at the next press, listed in My words, removed there, and gone.
# Then, under a Japanese locale, the menu and the dialog are in Japanese.
# The boxes are read back the way a user would: select all, copy.
#
# usage: window_drive_test.sh MIKAWASE
# With MIKAWASE_SCREENSHOTS=DIR, the Japanese menu and dialog are saved
# there as PNG files (docs/ holds two).
# Skips (exit 77) when xvfb-run, xdotool, xclip or xwd is missing; fails
# without a Japanese font.
set -euo pipefail

if [[ ${1:-} == --inside-x ]]; then
  program=$2
  language=$3
  fail() {
    echo "window_drive_test: $*" >&2
    exit 1
  }
  # A command that fails says where, rather than ending the test unsaid.
  trap 'echo "window_drive_test: line $LINENO failed: $BASH_COMMAND" >&2' ERR
  "$program" &
  window_pid=$!
  trap 'kill "$window_pid" 2>/dev/null || true' EXIT
  window=$(timeout 20 xdotool search --sync --onlyvisible --class mikawase | head -n 1) ||
    fail "the window did not appear"
  xdotool windowfocus --sync "$window"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # The client area opens at the table's 399 x 310, below the menu bar.
  menu=$((HEIGHT - 310))
  [[ $WIDTH == 399 ]] && ((menu > 10 && menu < 60)) ||
    fail "opened at ${WIDTH}x${HEIGHT}, not 399 wide and 310 high below a menu bar"

  xdotool windowsize --sync "$window" 900 $((700 + menu))
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [[ ${WIDTH}x${HEIGHT} == 900x$((700 + menu)) ]] ||
    fail "resized to ${WIDTH}x${HEIGHT}, not 900x$((700 + menu))"
  at() {  # at X Y: that point of the client area, on the screen
    echo $((X + $1)) $((Y + menu + $2))
  }

  # The clipboard, once the window has put something there in place of a
  # mark set before: a busy window is waited for, never read too early.
  mark_clipboard() {
    mark="not copied yet $RANDOM"
    printf '%s' "$mark" | xclip -selection clipboard
    until [[ $(xclip -selection clipboard -o 2>/dev/null) == "$mark" ]]; do sleep 0.05; done
  }
  read_clipboard() {
    local out
    for _ in $(seq 200); do
      out=$(xclip -selection clipboard -o 2>/dev/null || true)
      [[ $out != "$mark" ]] && break
      sleep 0.05
    done
    printf '%s' "$out"
  }
  # Reads a box by clicking into it at (x, y) of the client area, then
  # select all and copy.
  copy_of() {
    mark_clipboard
    xdotool mousemove $(at "$1" "$2") click 1 key ctrl+a key ctrl+c
    read_clipboard
  }
  expect() {  # expect WHAT ACTUAL EXPECTED
    [[ $2 == "$3" ]] || fail "$1: expected '$3', got '$2'"
    echo "$1: $2"
  }
  # The program's windows named NAME, by their names as the program set
  # them (xdotool's own search by name fails on Japanese without a locale).
  windows_named() {
    local id
    for id in $(xdotool search --onlyvisible --class mikawase 2>/dev/null); do
      [[ $(xdotool getwindowname "$id" 2>/dev/null) == "$1" ]] && echo "$id"
    done
    return 0
  }
  # Waits for a window named NAME to show (or, with "gone", to go); $found
  # is its id. Thirty seconds: under the sanitizers on a loaded machine a
  # dialog of the toolkit has taken more than ten.
  dialog() {  # dialog NAME [gone]
    for _ in $(seq 600); do
      found=$(windows_named "$1" | head -n 1)
      if [[ ${2:-} == gone ]]; then [[ -z $found ]] && return 0; else [[ -n $found ]] && return 0; fi
      sleep 0.05
    done
    fail "the window '$1' did not ${2:-show}"
  }
  # Without a window manager nothing gives the focus back to the window
  # when a dialog closes; a user would click it.
  refocus() { xdotool windowfocus --sync "$window"; }
  # Japanese goes in as an input method commits it: whole. (xdotool's
  # typing of characters beyond the keyboard's drops some of them.)
  paste() {  # paste TEXT
    printf '%s' "$1" | xclip -selection clipboard
    until [[ $(xclip -selection clipboard -o 2>/dev/null) == "$1" ]]; do sleep 0.05; done
    xdotool key ctrl+v
  }
  shoot() {  # shoot NAME WINDOW...: a PNG for the documentation, when asked for
    [[ -n ${MIKAWASE_SCREENSHOTS:-} ]] || return 0
    sleep 1  # for the popup to be drawn; only when pictures are asked for
    python3 "$png" "$MIKAWASE_SCREENSHOTS/$1.png" "${@:2}"
  }

  # A menu is a window of its own, unnamed, over the main one; $popup is
  # its id.
  wait_for_popup() {
    popup=""
    for _ in $(seq 100); do
      popup=$(xdotool search --onlyvisible --class mikawase | grep -vx "$window" | head -n 1 || true)
      [[ -n $popup ]] && return 0
      sleep 0.05
    done
    return 1
  }

  if [[ $language == ja ]]; then
    # Under a Japanese locale: the menu and its dialogs in Japanese.
    xdotool type --delay 30 "I have a laptop."
    xdotool key End Left shift+ctrl+Left ctrl+d
    dialog "語を加える"
    paste "ノートパソコン"
    shoot add-word-ja "$found"
    xdotool key Escape
    dialog "語を加える" gone
    refocus
    xdotool key alt+d
    wait_for_popup || fail "the Dictionary menu did not open with Alt+D"
    shoot menu-ja "$window" $popup
    xdotool key Escape Escape
    # The program's own translations are found beside it: Open's file
    # dialog carries the window's Japanese title.
    xdotool key ctrl+o
    dialog "テキストファイルを開く"
    shoot open-ja "$found"
    # A key sent while the dialog is still taking the focus is lost (there
    # is no window manager to hand it over): Escape again, every two
    # seconds, until the dialog has gone.
    for _ in $(seq 15); do
      [[ -z $(windows_named "テキストファイルを開く" | head -n 1) ]] && break
      xdotool windowfocus --sync "$found" 2>/dev/null || true
      xdotool key Escape
      sleep 2
    done
    dialog "テキストファイルを開く" gone
    refocus
    # Qt's own words: the input box's context menu (元に戻す, 切り取り, ...),
    # from Qt's translations.
    xdotool mousemove $(at 100 40) click 3
    wait_for_popup || fail "the input box's context menu did not open"
    shoot context-menu-ja "$window" $popup
    xdotool key Escape
    echo "the Dictionary menu, the Add a word and Open dialogs are in Japanese"
    exit 0
  fi

  # The input box has the focus when the window opens.
  xdotool type --delay 30 "I like you."
  xdotool key ctrl+Return
  expect "after Ctrl+Enter, the input box" "$(copy_of 100 40)" "I like you."
  expect "the output box, clicked near the bottom-right corner" "$(copy_of 880 680)" \
    "私が好きなのはあなた。"

  # A new input, then the button, at the window's right edge beside Text1.
  xdotool mousemove $(at 100 40) click 1 key ctrl+a
  xdotool type --delay 30 "Hello, Japan!"
  xdotool mousemove $(at $((900 - 10)) 40) click 1
  expect "after the button, the output box" "$(copy_of 880 680)" "こんにちは、日本！"

  # The result box can be selected and copied, not typed over.
  xdotool mousemove $(at 880 680) click 1 key End
  xdotool type --delay 30 "typed"
  expect "after typing into the output box" "$(copy_of 880 680)" "こんにちは、日本！"

  # A word of one's own from the window: "laptop" selected in the input,
  # Dictionary > Add a word (Ctrl+D), the Japanese typed, saved with Enter;
  # the next press renders it. Listed in My words; removed there; gone at
  # the next press.
  xdotool mousemove $(at 100 40) click 1 key ctrl+a
  xdotool type --delay 30 "A laptop."
  xdotool key ctrl+Return
  before=$(copy_of 880 680)
  [[ $before != *ノートパソコン* ]] || fail "'laptop' rendered as ノートパソコン before it was added"
  xdotool mousemove $(at 100 40) click 1 key End Left shift+ctrl+Left ctrl+d
  dialog "Add a word"
  paste "ノートパソコン"
  xdotool key Return
  dialog "Add a word" gone
  refocus
  xdotool key ctrl+Return
  expect "with the word added, the output box" "$(copy_of 880 680)" "一つのノートパソコン。"

  xdotool key alt+d m
  dialog "My words"
  mark_clipboard
  xdotool key Down Right ctrl+c
  expect "the first of my words" "$(read_clipboard)" "laptop"
  named() {  # named NAME COUNT: waits until COUNT windows named NAME show
    for _ in $(seq 200); do
      (($(windows_named "$1" | wc -l) == $2)) && return 0
      sleep 0.05
    done
    fail "not $2 windows named '$1'"
  }
  xdotool key alt+r
  named "My words" 2  # the question, in front of the list, bears its name
  xdotool key alt+y
  named "My words" 1
  xdotool windowfocus --sync "$(windows_named "My words")"
  mark_clipboard
  xdotool key Down Right ctrl+c
  expect "my words after the removal" "$(read_clipboard)" "$mark"
  xdotool key Escape
  dialog "My words" gone
  refocus
  xdotool key ctrl+Return
  expect "with the word removed, the output box" "$(copy_of 880 680)" "$before"

  # The result is drawn in glyphs, not in empty boxes: two renderings of
  # the same length look alike in boxes and differ in glyphs, and each
  # differs from the empty box. Nothing is selected and the output box has
  # no caret when it is looked at.
  look_at_output() {  # look_at_output INPUT: the output box's pixels, as a digest
    xdotool mousemove $(at 100 40) click 1 key ctrl+a
    if [[ -n $1 ]]; then xdotool type --delay 30 "$1"; else xdotool key BackSpace; fi
    xdotool key ctrl+Return
    # Read back, so that the rendering is known to be there.
    copy_of 880 680 >/dev/null
    xdotool mousemove $(at 880 680) click 1
    xdotool mousemove $(at 100 40) click 1
    sleep 0.3
    xwd -silent -id "$window" | python3 "$ink" 20 $((82 + menu)) 400 $((140 + menu))
  }
  empty=$(look_at_output "")
  cat=$(look_at_output "The cat.")
  dog=$(look_at_output "The dog.")
  [[ $cat != "$empty" ]] || fail "the output box looks empty after translating 'The cat.'"
  [[ $cat != "$dog" ]] ||
    fail "'その猫。' and 'その犬。' look alike: the window draws no Japanese glyphs"
  echo "the output box shows glyphs"

  # The gap below the top row, dragged with the mouse, moves the boundary
  # between the boxes: 100 down, a point 70 below Text1's old bottom is in
  # Text1; far up, Text1 is back at its opening 65 and the same point is in
  # Text2. Each box keeps its text. (Text1 ends at 73, Text2 starts at 80.)
  drag_gap() {  # drag_gap FROM_Y TO_Y
    xdotool mousemove $(at 100 "$1") mousedown 1
    xdotool mousemove $(at 100 $((($1 + $2) / 2)))
    xdotool mousemove $(at 100 "$2") mouseup 1
    sleep 0.3
  }
  expect "below the top row before the drag" "$(copy_of 100 143)" "その犬。"
  drag_gap 76 176
  expect "dragged 100 down, Text1 reaches" "$(copy_of 100 143)" "The dog."
  expect "dragged 100 down, Text2 starts below" "$(copy_of 100 200)" "その犬。"
  expect "dragged 100 down, Text2 still ends" "$(copy_of 880 680)" "その犬。"
  drag_gap 176 0
  expect "dragged far up, Text1 stops at its height" "$(copy_of 100 40)" "The dog."
  expect "dragged far up, below the top row again" "$(copy_of 100 90)" "その犬。"
  exit 0
fi

program=$(realpath "$1")
# Without a Japanese font the window shows empty boxes; that is a failure,
# not a reason to skip.
if [[ -z $(fc-list :lang=ja) ]]; then
  echo "window_drive_test: no Japanese font is installed (tools/install-deps.sh installs one)" >&2
  exit 1
fi
for command in xvfb-run xauth xdotool xclip xwd; do
  command -v "$command" >/dev/null || {
    echo "window_drive_test: $command is missing; skipped" >&2
    exit 77
  }
done
export LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI XDG_CURRENT_DESKTOP
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME=$scratch XDG_RUNTIME_DIR=$scratch
# A digest of a rectangle of an X window dump (xwd's format: a header of
# 32-bit big-endian fields, a colour map, then the rows of pixels).
export ink=$scratch/ink.py
cat >"$ink" <<'PY'
import hashlib, struct, sys
dump = sys.stdin.buffer.read()
fields = struct.unpack(">25I", dump[:100])
header_size, width, height = fields[0], fields[4], fields[5]
bits_per_pixel, bytes_per_line, colours = fields[11], fields[12], fields[19]
if bits_per_pixel != 32:
    sys.exit(f"xwd: {bits_per_pixel} bits a pixel, expected 32")
pixels = dump[header_size + 12 * colours:]
left, top, right, bottom = (min(int(v), limit) for v, limit in
                            zip(sys.argv[1:5], (width, height, width, height)))
digest = hashlib.sha256()
for y in range(top, bottom):
    digest.update(pixels[y * bytes_per_line + 4 * left:y * bytes_per_line + 4 * right])
print(digest.hexdigest())
PY
# A PNG of the program's windows given by their ids, from xwd's dumps.
png=$(cd "$(dirname "$0")/../../tools/lib" && pwd)/xwd_png.py
export png
# The user's words of this test go into a folder of its own.
export XDG_DATA_HOME=$scratch/data
# In English whatever the language of whoever runs the test.
LC_ALL=C.UTF-8 LANG=C.UTF-8 xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" \
  "$0" --inside-x "$program" en
# Under a Japanese locale, which Qt takes from the environment alone.
LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 xvfb-run --auto-servernum \
  --server-args="-screen 0 1280x1024x24 -dpi 96" "$0" --inside-x "$program" ja
