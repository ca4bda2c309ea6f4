#!/usr/bin/env bash
# The real window on a virtual X server, driven as a user would with the
# mouse and the keyboard: it opens at 399 x 310, grows to 900 x 700, a
# click near its bottom-right corner lands in the output box and one at its
# right edge beside the input box presses the button, and Ctrl+Enter
# translates without typing a line break. The boxes are read back the way a
# user would: select all, copy.
#
# usage: window_drive_test.sh MIKAWASE
# Skips (exit 77) when xvfb-run, xdotool or xclip is missing.
set -euo pipefail

if [[ ${1:-} == --inside-x ]]; then
  program=$2
  fail() {
    echo "window_drive_test: $*" >&2
    exit 1
  }
  "$program" &
  window_pid=$!
  trap 'kill "$window_pid" 2>/dev/null || true' EXIT
  window=$(timeout 20 xdotool search --sync --onlyvisible --class mikawase | head -n 1) ||
    fail "the window did not appear"
  xdotool windowfocus --sync "$window"
  sleep 0.5

  size() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    echo "${WIDTH}x${HEIGHT}"
  }
  [[ $(size) == 399x310 ]] || fail "opened at $(size), not 399x310"

  xdotool windowsize --sync "$window" 900 700
  sleep 0.5
  [[ $(size) == 900x700 ]] || fail "resized to $(size), not 900x700"
  eval "$(xdotool getwindowgeometry --shell "$window")"

  # Reads a box by clicking into it at (x, y) of the window, then select all
  # and copy.
  copy_of() {
    printf '' | xclip -selection clipboard
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1 key ctrl+a key ctrl+c
    sleep 0.3
    xclip -selection clipboard -o
  }
  expect() {  # expect WHAT ACTUAL EXPECTED
    [[ $2 == "$3" ]] || fail "$1: expected '$3', got '$2'"
    echo "$1: $2"
  }

  # The input box has the focus when the window opens.
  xdotool type --delay 30 "I like you."
  xdotool key ctrl+Return
  sleep 0.5
  expect "after Ctrl+Enter, the input box" "$(copy_of 100 40)" "I like you."
  expect "the output box, clicked near the bottom-right corner" "$(copy_of 880 680)" \
    "私が好きなのはあなた。"

  # A new input, then the button, at the window's right edge beside Text1.
  xdotool mousemove $((X + 100)) $((Y + 40)) click 1 key ctrl+a
  xdotool type --delay 30 "Hello, Japan!"
  xdotool mousemove $((X + 900 - 10)) $((Y + 40)) click 1
  sleep 0.5
  expect "after the button, the output box" "$(copy_of 880 680)" "こんにちは、日本！"

  # The result is drawn in glyphs, not in empty boxes: two renderings of
  # the same length look alike in boxes and differ in glyphs, and each
  # differs from the empty box. Nothing is selected and the output box has
  # no caret when it is looked at.
  look_at_output() {  # look_at_output INPUT: the output box's pixels, as a digest
    xdotool mousemove $((X + 100)) $((Y + 40)) click 1 key ctrl+a
    if [[ -n $1 ]]; then xdotool type --delay 30 "$1"; else xdotool key BackSpace; fi
    xdotool key ctrl+Return
    sleep 0.5
    xdotool mousemove $((X + 880)) $((Y + 680)) click 1
    xdotool mousemove $((X + 100)) $((Y + 40)) click 1
    sleep 0.3
    xwd -silent -id "$window" | python3 "$ink" 20 82 400 140
  }
  empty=$(look_at_output "")
  cat=$(look_at_output "The cat.")
  dog=$(look_at_output "The dog.")
  [[ $cat != "$empty" ]] || fail "the output box looks empty after translating 'The cat.'"
  [[ $cat != "$dog" ]] ||
    fail "'その猫。' and 'その犬。' look alike: the window draws no Japanese glyphs"
  echo "the output box shows glyphs"
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
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" \
  "$0" --inside-x "$program"
