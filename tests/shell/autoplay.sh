#!/usr/bin/env bash
# The replay tool's autoplay from the command line: it runs without a script,
# ends on --frames or --seconds with one summary line, plays the same game on
# every run, and refuses a run with no end or a bad --seconds (status 2).
set -euo pipefail
game_dir="$1"
replay="$game_dir/bubblehive-replay"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() { echo "FAIL: $*"; exit 1; }

# No script: a game at level 1, one line on stdout.
"$replay" --fps 30 --autoplay --frames 300 >out.txt 2>/dev/null || fail "--frames: status $?"
[[ "$(wc -l <out.txt)" -eq 1 ]] || fail "more than the summary: $(cat out.txt)"
grep -qE '^autoplay: 300 frames, highest level 1, 0 passes, 0 fails, [0-9]+ frames/s$' out.txt ||
    fail "summary: $(cat out.txt)"

# The same options play the same game: the dumps of two runs agree.
printf 'at 700 dump end.json\n' >dump.replay
"$replay" --fps 30 --autoplay dump.replay >/dev/null 2>&1 || fail "first run: status $?"
mv end.json first.json
"$replay" --fps 30 --autoplay dump.replay >/dev/null 2>&1 || fail "second run: status $?"
cmp -s first.json end.json || fail "two runs differ"
grep -q '"appState": 2' end.json || fail "no game in play: $(head -c 300 end.json)"
python3 - end.json <<'PY' || fail "no shot landed in 700 frames"
import json, sys
dump = json.load(open(sys.argv[1]))
assert dump["score"]["total"] > 0, dump["score"]
PY

# --seconds ends the run by the clock.
"$replay" --autoplay --seconds 1 >timed.txt 2>/dev/null || fail "--seconds: status $?"
grep -qE '^autoplay: [1-9][0-9]* frames, ' timed.txt || fail "timed summary: $(cat timed.txt)"

# A run with no end, and bad values, are refused before anything runs.
for args in "--autoplay" "--autoplay --seconds 0" "--autoplay --seconds soon" "--seconds"; do
    status=0
    # shellcheck disable=SC2086
    "$replay" $args >/dev/null 2>err.txt || status=$?
    [[ "$status" -eq 2 ]] || fail "'$args' gave status $status"
    grep -q '^usage: ' err.txt || fail "'$args' printed no usage: $(cat err.txt)"
done
echo "autoplay: ok"
