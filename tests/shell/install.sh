#!/usr/bin/env bash
# `cmake --install` into a fresh prefix: the desktop layout is complete, the
# desktop entry and the AppStream metainfo pass their validators, and the
# installed programs find their data in PREFIX/share/bubblehive by themselves
# (started from another folder, with no game folder given).
set -euo pipefail
game_dir="$1"
build_dir="$(dirname "$game_dir")"
app_id=io.github.bubblehive.bubblehive
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build_dir" --prefix "$prefix" >"$work/install.log" ||
    fail "cmake --install: $(cat "$work/install.log")"

data="$prefix/share/bubblehive"
for file in bin/bubblehive bin/bubblehive-replay \
    share/bubblehive/image.dat share/bubblehive/README.md \
    share/bubblehive/script/config.luac share/bubblehive/res/start.pak \
    share/bubblehive/sound/startmenu.ogg \
    "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
    "share/icons/hicolor/64x64/apps/$app_id.png" "share/icons/hicolor/256x256/apps/$app_id.png"; do
    [[ -s "$prefix/$file" ]] || fail "not installed: $file"
done
[[ -x "$prefix/bin/bubblehive" ]] || fail "bin/bubblehive is not executable"
for file in "$game_dir"/script/*.luac "$game_dir"/res/*.pak "$game_dir"/sound/*; do
    cmp -s "$file" "$data/${file#"$game_dir"/}" || fail "installed data differs: ${file#"$game_dir"/}"
done
head -c 8 "$prefix/share/icons/hicolor/256x256/apps/$app_id.png" | od -An -c |
    grep -q 'P   N   G' || fail "the icon is not a PNG"

desktop-file-validate "$prefix/share/applications/$app_id.desktop" ||
    fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" ||
    fail "appstreamcli validate"

# The installed replay tool, run from elsewhere, loads the menu from the
# installed data: no message about anything missing, and the menu is shown.
cd "$work"
printf 'at 70 dump menu.json\nat 70 shot menu.png\n' >menu.replay
"$prefix/bin/bubblehive-replay" --fps 30 menu.replay 2>err.txt || fail "installed replay: $(cat err.txt)"
[[ ! -s err.txt ]] || fail "installed replay complained: $(cat err.txt)"
grep -q '"appState": 1' menu.json || fail "menu.json: $(cat menu.json)"
echo "installed and validated in $prefix"
