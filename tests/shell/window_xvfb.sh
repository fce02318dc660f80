#!/usr/bin/env bash
# The real game under Xvfb: it opens a window, shows something other than
# black, and ends with exit status 0 within two seconds of SIGTERM.
set -euo pipefail
game_dir="$1"
work="$(mktemp -d)"
trap 'kill "$game_pid" "$xvfb_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
game_pid=""

# Xvfb picks a free display and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do
    [[ -s "$work/display" ]] && break
    sleep 0.1
done
export DISPLAY=":$(cat "$work/display")"
export XDG_DATA_HOME="$work/data"
# The real window loads the system's X and GL drivers, whose caches live
# until exit; leak checking belongs to the offscreen tests.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

"$game_dir/bubblehive" >"$work/game.log" 2>&1 &
game_pid=$!

# Wait for the window to be mapped, then give it a few frames to draw.
for _ in $(seq 100); do
    if xwininfo -root -tree 2>/dev/null | grep -q '"Bubblehive"'; then break; fi
    sleep 0.1
done
if ! xwininfo -root -tree | grep -q '"Bubblehive"'; then
    echo "no window titled Bubblehive appeared"; cat "$work/game.log"; exit 1
fi
# A loaded machine may take a while to draw the first frames: look again
# for up to ten seconds before calling the picture black.
max=0
for _ in $(seq 20); do
    sleep 0.5
    xwd -root -silent >"$work/shot.xwd"
    /usr/bin/convert "xwd:$work/shot.xwd" "$work/shot.png"
    max="$(/usr/bin/convert "$work/shot.png" -colorspace Gray -format '%[fx:maxima]' info:)"
    [[ "$max" != "0" ]] && break
done
echo "brightest pixel: $max"
if [[ "$max" == "0" ]]; then
    echo "the window's picture is all black"; cat "$work/game.log"; exit 1
fi
if [[ -n "${BUBBLEHIVE_SHOT:-}" ]]; then cp "$work/shot.png" "$BUBBLEHIVE_SHOT"; fi

kill -TERM "$game_pid"
start=$(date +%s%N)
status=0
for _ in $(seq 40); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.05
done
if kill -0 "$game_pid" 2>/dev/null; then
    echo "the game did not end within two seconds of SIGTERM"; exit 1
fi
wait "$game_pid" || status=$?
game_pid=""
echo "ended after $(( ($(date +%s%N) - start) / 1000000 )) ms with status $status"
cat "$work/game.log"
[[ "$status" -eq 0 ]]
