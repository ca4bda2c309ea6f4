#!/usr/bin/env bash
# Runs the window on a virtual X server, types "I like you." into the input
# box, clicks 英和, saves a screenshot and checks what a user would see: the
# caption "ミカワセ <version>" and "私が好きなのはあなた。" in the output box.
# The picture holds the menu bar, the boxes and, with a window manager, the
# title bar.
#
# usage: tools/screenshot.sh [MIKAWASE [PNG]]
#   MIKAWASE  the window's executable (default: build/dev/bin/mikawase)
#   PNG       where the screenshot goes (default: docs/screenshot.png)
#
# Needs xvfb, xauth, xdotool, xclip, x11-apps (xwd), python3, openbox and
# fonts-noto-cjk, which tools/install-deps.sh installs; without openbox the
# screenshot has no title bar. Exits non-zero when a check fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [[ ${1:-} == --inside-x ]]; then
  shift
  program=$1
  png=$2
  version=$3

  fail() {
    echo "screenshot.sh: $*" >&2
    exit 1
  }

  if command -v openbox >/dev/null; then
    openbox --sm-disable >/dev/null 2>&1 &
    frame=(--frame)
    sleep 1
  else
    echo "screenshot.sh: openbox is not installed; the screenshot has no title bar" >&2
    frame=()
  fi

  "$program" &
  window_pid=$!
  trap 'kill "$window_pid" 2>/dev/null || true' EXIT
  window=$(timeout 20 xdotool search --sync --onlyvisible --class mikawase | head -n 1) ||
    fail "the window did not appear"
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
  sleep 0.5

  caption=$(xdotool getwindowname "$window")
  expected_caption="ミカワセ $version"
  [[ $caption == "$expected_caption" ]] ||
    fail "caption: expected '$expected_caption', got '$caption'"
  echo "caption: $caption"

  # The input box has the focus when the window opens: no click needed.
  xdotool type --delay 40 "I like you."

  # At 96 DPI the client area opens at 399 x 310 below the menu bar; the
  # controls stand where the layout table puts them, in pixels here.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  menu=$((HEIGHT - 310))
  at() {  # at LEFT TOP: that point of the client area on the screen
    echo $((X + $1)) $((Y + menu + $2))
  }
  # shellcheck disable=SC2046
  xdotool mousemove $(at 360 40) click 1  # the middle of 英和
  sleep 1
  # The mouse out of the picture, so that no control shows it hovering.
  xdotool mousemove 630 470
  sleep 0.5

  mkdir -p "$(dirname "$png")"
  python3 "$root/tools/lib/xwd_png.py" "${frame[@]}" "$png" "$window"
  echo "screenshot: $png"

  # Read the output box back the way a user would: select all, copy.
  # shellcheck disable=SC2046
  xdotool mousemove $(at 200 200) click 1 key ctrl+a key ctrl+c
  sleep 0.5
  output=$(xclip -selection clipboard -o)
  [[ $output == "私が好きなのはあなた。" ]] ||
    fail "output box: expected '私が好きなのはあなた。', got '$output'"
  echo "output box: $output"
  exit 0
fi

for command in xvfb-run xauth xdotool xclip xwd python3; do
  command -v "$command" >/dev/null || {
    echo "screenshot.sh: $command is missing; tools/install-deps.sh installs it" >&2
    exit 1
  }
done
program=$(realpath "${1:-$root/build/dev/bin/mikawase}")
png=$(realpath -m "${2:-$root/docs/screenshot.png}")
[[ -x $program ]] || { echo "screenshot.sh: no window executable at $program; build first" >&2; exit 1; }
version=$(sed -n 's/^project(mikawase VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")

# The image is the same on every machine: a fixed screen at 96 DPI, a fixed
# language, and no settings from the user's desktop.
export LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI XDG_CURRENT_DESKTOP
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME=$scratch XDG_RUNTIME_DIR=$scratch
xvfb-run --auto-servernum --server-args="-screen 0 640x480x24 -dpi 96" \
  "$0" --inside-x "$program" "$png" "$version"
