#!/usr/bin/env bash
# The replay tool from the command line: a good script runs and writes its
# picture and dump, a malformed line or option stops it with status 2 and a
# message naming the script and line, and the saves go to a folder of its own.
set -euo pipefail
game_dir="$1"
replay="$game_dir/bubblehive-replay"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() { echo "FAIL: $*"; exit 1; }

# A good run; relative file names are relative to the working folder.
cat >good.replay <<'SCRIPT'
# the logo, then the menu
at 1 shot logo.png
at 2 dump logo.json
at 70 dump menu.json
SCRIPT
"$replay" --fps 30 --save-dir "$work/saves" good.replay || fail "good script: status $?"
[[ -s logo.png ]] || fail "no logo.png"
head -c 8 logo.png | od -An -c | grep -q 'P   N   G' || fail "logo.png is not a PNG"
grep -q '"appState": 0' logo.json || fail "logo.json: $(cat logo.json)"
grep -q '"appState": 1' menu.json || fail "menu.json: $(cat menu.json)"
grep -q '"frame": 70' menu.json || fail "menu.json: $(cat menu.json)"
python3 -c 'import json,sys; json.load(open(sys.argv[1]))' menu.json || fail "menu.json is not JSON"

# --frames runs that many frames even past the script's last command.
printf 'at 1 press\n' >short.replay
"$replay" --frames 3 short.replay || fail "--frames: status $?"

# A malformed line: status 2, FILE:LINE in the message, nothing run.
printf 'at 1 shot a.png\n\nat 2 key SPAC down\n' >bad.replay
status=0
"$replay" bad.replay 2>err.txt || status=$?
[[ "$status" -eq 2 ]] || fail "bad script gave status $status"
grep -q '^bad.replay:3: unknown key `SPAC`' err.txt || fail "message: $(cat err.txt)"
[[ ! -e a.png ]] || fail "a malformed script still ran"

# Bad options and a missing script file.
for args in "--fps 0 good.replay" "--bogus good.replay" "" "good.replay other.replay" "missing.replay"; do
    status=0
    # shellcheck disable=SC2086
    "$replay" $args 2>err.txt || status=$?
    [[ "$status" -eq 2 ]] || fail "'$args' gave status $status: $(cat err.txt)"
done
grep -q 'missing.replay' err.txt || fail "missing script not named: $(cat err.txt)"
echo "ok"
