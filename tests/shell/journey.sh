#!/usr/bin/env bash
# The whole journey a player makes, in two runs on one save folder. First
# run: the logo, start, New on slot 1, OK with the name the box offers, a
# shot that pops three bubbles and one more, the in-game menu, save, back to
# the start menu, the high scores, OK, quit. Second run: the slot shows the
# name, the high scores hold the player, and Continue resumes the game.
set -euo pipefail
game_dir="$1"
replay="$game_dir/bubblehive-replay"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() { echo "FAIL: $*"; exit 1; }
# check FILE PYTHON-EXPRESSION: the expression holds for the dump d.
check() {
    python3 - "$1" "$2" <<'PY' || fail "$1: $2"
import json, sys
d = json.load(open(sys.argv[1]))
sys.exit(0 if eval(sys.argv[2]) else 1)
PY
}

# A score file of one entry, so that a game of a few points gets in.
mkdir -p saves/script
printf 'numplayer 1\r\nname queen\r\nscore 20\r\n' >saves/script/score

# One red short of a group of three on either side of where a straight shot
# lands.
cat >board.txt <<'BOARD'
2 2 2 2 1 1 . 1 1 2 2 2
3 3 3 . . . . . . 3 3
BOARD

cat >first.replay <<'SCRIPT'
# the logo gives way to the menu on frame 61 at 30 frames a second
at 62 mouse 400 289
at 63 press
at 64 release
at 66 dump slots.json
at 67 mouse 471 176
at 68 press
at 69 release
at 71 dump name.json
at 72 mouse 315 366
at 73 press
at 74 release
at 76 dump ready.json
# the ready banner has given way to play by frame 140
at 140 board board.txt
at 140 shooter 1 4
at 141 key SPACE down
at 142 key SPACE up
at 170 key SPACE down
at 171 key SPACE up
at 200 dump shots.json
at 201 mouse 650 492
at 202 press
at 203 release
at 205 dump menu.json
at 206 mouse 400 297
at 207 press
at 208 release
at 210 dump saved.json
at 211 mouse 400 405
at 212 press
at 213 release
at 215 dump back.json
at 216 mouse 400 349
at 217 press
at 218 release
at 220 dump top.json
at 221 mouse 400 497
at 222 press
at 223 release
at 225 dump end.json
at 226 quit
SCRIPT
"$replay" --save-dir "$work/saves" first.replay 2>first.err || fail "first run: status $? $(cat first.err)"

check slots.json 'd["appState"] == 1 and d["menuState"] == 2'
check name.json 'd["menuState"] == 1 and d["save"]["currentSlot"] == 0'
check ready.json 'd["appState"] == 2 and d["gameState"] == 0 and d["level"]["current"] == 1'
check shots.json 'd["gameState"] == 1 and d["score"]["total"] >= 30'
check menu.json 'd["gameState"] == 9 and d["gameMenu"] == {"open": True, "buttonsLive": True, "savedState": 1}'
# Saved mid-level: the slot holds the progress as the level began.
check saved.json 'd["gameMenu"]["open"] and d["save"]["slots"][0]["used"] == 1 and d["save"]["slots"][0]["points"] == 0 and d["save"]["slots"][0]["score"] == 0'
check saved.json 'd["save"]["scoreTable"][0]["name"] == d["save"]["playerName"] and d["save"]["scoreTable"][0]["score"] == d["score"]["total"]'
check back.json 'd["appState"] == 1 and d["menuState"] == 0 and d["gameState"] == 9 and not d["gameMenu"]["open"]'
check top.json 'd["menuState"] == 5'
check end.json 'd["menuState"] == 0'
python3 - shots.json >expected_total <<'PY'
import json, sys
print(json.load(open(sys.argv[1]))["score"]["total"])
PY
grep -q '^used 1' saves/script/player || fail "player file: $(cat -A saves/script/player)"
grep -q '^name queen' saves/script/score || fail "score file: $(cat -A saves/script/score)"

cat >second.replay <<'SCRIPT'
at 62 mouse 400 289
at 63 press
at 64 release
at 66 dump slots.json
at 66 shot slots.png
at 67 mouse 603 176
at 68 press
at 69 release
at 71 dump continued.json
at 72 quit
SCRIPT
"$replay" --save-dir "$work/saves" second.replay 2>second.err || fail "second run: status $? $(cat second.err)"
total="$(cat expected_total)"
check slots.json 'd["save"]["slots"][0]["used"] == 1 and d["save"]["slots"][0]["name"] != "n"'
check slots.json "[e['score'] for e in d['save']['scoreTable']] == [$total, 20]"
# Points 0: the game starts over at level 1 with no points, under the name.
check continued.json 'd["appState"] == 2 and d["menuState"] == 0 and d["gameState"] == 0'
check continued.json 'd["level"]["current"] == 1 and d["score"]["total"] == 0'
check continued.json 'd["save"]["currentSlot"] == 0 and d["save"]["playerName"] == d["save"]["slots"][0]["name"]'
[[ -s slots.png ]] || fail "no picture of the slots"
echo "ok"
