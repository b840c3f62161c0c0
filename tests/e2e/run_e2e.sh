#!/usr/bin/env bash
# Starts the real program on a copy of the program directory (so its data
# folder starts empty) under a virtual X server, checks the caption of the
# dealt game, keeps a screenshot, and closes it through its File menu. A
# second start drags a Klondike card, opens the game chooser with Ctrl+F12,
# picks FreeCell with the keyboard and plays two moves to its free cells.
# Exit keeps that game; a third start goes on with it (a fourth start on the
# same folder meanwhile ends at once) and Ctrl+Z takes its second move back.
# Then, under the window manager openbox on screens of 1280x1024 and
# 1920x1080, maximised starts of Klondike, FreeCell and Double Klondike with
# fitted cards must show the whole table (maximised_start.sh); their
# screenshots stay in OUT_DIR.
#
# usage: run_e2e.sh BIN_DIR OUT_DIR
# Exit status 77 (skipped) when xvfb-run, xdotool, import, openbox, wmctrl or
# xprop or xwininfo is missing.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
bin=${1:?usage: run_e2e.sh BIN_DIR OUT_DIR}
out=${2:?usage: run_e2e.sh BIN_DIR OUT_DIR}

for tool in xvfb-run xdotool import openbox wmctrl xprop xwininfo; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "end-to-end test skipped: $tool is missing"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$bin/vellomir" "$bin/GAMES.DAT" "$bin/KAR.RGF" "$work/"
[ -f "$bin/marbleon.hlp" ] && cp "$bin/marbleon.hlp" "$work/"
mkdir -p "$out"

cat > "$work/session.sh" <<'SESSION'
#!/usr/bin/env bash
set -euo pipefail
work=$1
out=$2
# Messages go to stderr, so that they show also from inside $(...).
fail() { echo "FAIL: $*" >&2; kill "$pid" 2>/dev/null || true; exit 1; }

# The id of the first window whose name matches $1, waiting up to 10 s while
# the program runs; fails with $2 when none shows.
wait_for_window() {
    local found=""
    for _ in $(seq 1 100); do
        found=$(xdotool search --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$found" ] && break
        kill -0 "$pid" 2>/dev/null || fail "the program ended: $2"
        sleep 0.1
    done
    [ -n "$found" ] || fail "$2"
    echo "$found"
}

# Saves the window $1 alone into the PNG $2.
shoot_window() {
    local WIDTH HEIGHT X Y SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$2"
}

# The number of pixels that differ between two pictures.
pixels_changed() {
    local changed
    changed=$(compare -metric AE "$1" "$2" null: 2>&1 || true)
    echo "${changed%% *}"
}

# Drags with the left button from ($1, $2) to ($3, $4) in a few steps.
drag() {
    xdotool mousemove "$1" "$2" mousedown 1
    xdotool mousemove $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 )) sleep 0.1 mousemove "$3" "$4" sleep 0.1
    xdotool mouseup 1
    sleep 0.3
}

# Saves the screen area $1 (WxH+X+Y) into $2 once it has stopped changing (a
# flying card has landed), looking every 0.2 s for up to 6 s.
settle() {
    import -window root -crop "$1" "$2"
    for _ in $(seq 1 30); do
        sleep 0.2
        cp "$2" "$2.previous.png"
        import -window root -crop "$1" "$2"
        [ "$(pixels_changed "$2.previous.png" "$2")" = 0 ] && break
    done
    rm -f "$2.previous.png"
}

# Exit through the menu: Alt+F opens File, X is the Exit command.
exit_through_menu() {
    xdotool key alt+f || fail "could not open the File menu"
    sleep 0.3
    if [ -n "${1:-}" ]; then
        import -window root "$1"
    fi
    xdotool key x || fail "could not choose Exit"
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        fail "the program did not close"
    fi
    wait "$pid" || fail "the program ended with status $?"
}

# Waits until the X server answers, so a start never races its set-up.
wait_for_display() {
    for _ in $(seq 1 50); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "FAIL: the X server does not answer" >&2
    exit 1
}

# A real window on the virtual X server, whatever platform the tests use.
wait_for_display
QT_QPA_PLATFORM=xcb XDG_DATA_HOME="$work/xdg" "$work/vellomir" &
pid=$!

# A first run (no player statistics yet) opens the game chooser by itself:
# take the game it offers (87, the default) with Return.
chooser=$(wait_for_window '^Open a game$' "the game chooser did not open on a first run")
sleep 0.3
import -window root "$out/first_run_chooser.png"
xdotool windowfocus --sync "$chooser" 2>/dev/null || true
sleep 0.2
xdotool key Return || fail "could not answer the chooser"

# The main window, once its caption names the dealt game.
window=$(wait_for_window '^Vellomir \[.*\]  \[[0-9]{13}\]$' "no main window with a game caption appeared")

caption=$(xdotool getwindowname "$window")
echo "caption: $caption"
[[ "$caption" =~ ^Vellomir\ \[Put-Them-In-Order\ \(3x3\ square\)\]\ \ \[[0-9]{13}\]$ ]] ||
    fail "unexpected caption: $caption"

sleep 0.5
import -window root "$out/main_window.png"

xdotool windowfocus --sync "$window" 2>/dev/null || true
exit_through_menu "$out/file_menu.png"

# Closing saved the window's state into the fresh preferences file.
grep -q '^MainWindowState_Maximized=' "$work/DATA/CFG.DAT" || fail "the window state was not saved"
[ -f "$work/KARV0520.DAT" ] || fail "no version marker was written"

# A second start, as a returning player of Klondike (statistics present, so no
# chooser), in a window of known place and size: drag the card of the first
# tableau onto the bare cloth. The drop is refused, so the card flies back.
cat > "$work/DATA/CFG.DAT" <<'CFG'
[Preference]
Game=1
Game_name=Klondike
AutoPlay=N
Deal_Animation=N
MainWindowState_Maximized=N
MainWindowState_Left=0
MainWindowState_Top=0
MainWindowState_Width=1000
MainWindowState_Height=720
CFG
touch "$work/DATA/Stat_e00.dat"
wait_for_display
QT_QPA_PLATFORM=xcb XDG_DATA_HOME="$work/xdg" "$work/vellomir" &
pid=$!
window=$(wait_for_window '^Vellomir \[Klondike\]  \[[0-9]{13}\]$' "no Klondike game on the second start")
sleep 0.8
table="1000x480+0+130"   # the table below the tool bar: the clock is left out
import -window root -crop "$table" "$out/klondike_before.png"
xdotool mousemove 218 250 mousedown 1
xdotool mousemove 240 300 sleep 0.1 mousemove 400 500 sleep 0.1 mousemove 600 560
sleep 0.3
import -window root -crop "$table" "$out/klondike_dragging.png"
xdotool mouseup 1
sleep 0.3
settle "$table" "$out/klondike_after.png"
moved=$(compare -metric AE "$out/klondike_before.png" "$out/klondike_dragging.png" null: 2>&1 || true)
back=$(compare -metric AE "$out/klondike_before.png" "$out/klondike_after.png" null: 2>&1 || true)
echo "pixels changed while dragging: $moved, after the refused drop: $back"
[ "${moved%% *}" -gt 2000 ] 2>/dev/null || fail "the dragged card did not move on the screen ($moved)"
[ "${back%% *}" -lt 200 ] 2>/dev/null || fail "the card did not come back to its place ($back)"

# Ctrl+F12 opens the game chooser on the game being played.
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key ctrl+F12 || fail "could not press Ctrl+F12"
chooser=$(wait_for_window '^Open a game$' "Ctrl+F12 did not open the game chooser")
sleep 0.5
xdotool windowfocus --sync "$chooser" 2>/dev/null || true
shoot_window "$chooser" "$out/chooser_klondike.png"
# Home selects the group of all games: no game, the product picture.
xdotool key Home
sleep 0.4
shoot_window "$chooser" "$out/chooser_root.png"
# Typing a name's first letters finds the game ("free" alone finds Free Fan); Return is OK.
xdotool type --delay 80 freec
sleep 0.6
shoot_window "$chooser" "$out/chooser_freecell.png"
[ "$(pixels_changed "$out/chooser_klondike.png" "$out/chooser_freecell.png")" -gt 5000 ] 2>/dev/null ||
    fail "the chooser did not describe another game"
xdotool key Return
window=$(wait_for_window '^Vellomir \[FreeCell\]  \[[0-9]{13}\]$' "FreeCell was not opened from the chooser")
sleep 0.8
grep -q '^Game=10$' "$work/DATA/CFG.DAT" || fail "the chooser did not store the game chosen"
grep -q '^Game_TreeNum=-30$' "$work/DATA/CFG.DAT" || fail "the chooser did not store the group"

# Two moves: the top cards of the first and the fifth tableau to the first
# two free cells (the table below the tool bar, which holds the clock).
board="1000x630+0+83"
import -window root -crop "$board" "$out/freecell_before.png"
drag 173 345 45 130
settle "$board" "$out/freecell_one_move.png"
drag 537 326 126 130
settle "$board" "$out/freecell_two_moves.png"
# Free cell n lies at x = 10 + 81 (n - 1), from the top of the board.
cell() { convert "$1" +repage -crop "70x94+$((10 + 81 * ($2 - 1)))+0" +repage "$3"; }
cell "$out/freecell_before.png" 1 "$work/cell1_before.png"
cell "$out/freecell_one_move.png" 1 "$work/cell1_after.png"
cell "$out/freecell_one_move.png" 2 "$work/cell2_before.png"
cell "$out/freecell_two_moves.png" 2 "$work/cell2_after.png"
first=$(pixels_changed "$work/cell1_before.png" "$work/cell1_after.png")
second=$(pixels_changed "$work/cell2_before.png" "$work/cell2_after.png")
echo "pixels changed in the first free cell: $first, in the second: $second"
[ "$first" -gt 1500 ] 2>/dev/null || fail "the first move did not fill the first free cell ($first)"
[ "$second" -gt 1500 ] 2>/dev/null || fail "the second move did not fill the second free cell ($second)"
caption=$(xdotool getwindowname "$window")
exit_through_menu

# Exit kept the game in play; the next start goes on with it: the same
# caption (deal number) and the same table, and Ctrl+Z takes the second
# move back.
[ -f "$work/DATA/SAVEDGAME.DAT" ] || fail "Exit did not keep the game in play"
wait_for_display
QT_QPA_PLATFORM=xcb XDG_DATA_HOME="$work/xdg" "$work/vellomir" &
pid=$!
window=$(wait_for_window '^Vellomir \[FreeCell\]  \[[0-9]{13}\]$' "the kept FreeCell game did not come back")
[ "$(xdotool getwindowname "$window")" = "$caption" ] ||
    fail "another deal came back: $(xdotool getwindowname "$window"), not $caption"
sleep 0.8
settle "$board" "$out/freecell_resumed.png"
resumed=$(pixels_changed "$out/freecell_two_moves.png" "$out/freecell_resumed.png")
echo "pixels that differ between the table at exit and the resumed one: $resumed"
[ "$resumed" -lt 50 ] 2>/dev/null || fail "the resumed table is not the one left ($resumed)"

# A second start on the same data folder ends at once, writes nothing and
# opens no second window.
touch "$work/before_second_start"
sleep 1
status=0
QT_QPA_PLATFORM=xcb XDG_DATA_HOME="$work/xdg" timeout 20 "$work/vellomir" || status=$?
[ "$status" = 0 ] || fail "the second start ended with status $status"
kill -0 "$pid" 2>/dev/null || fail "the running copy ended on a second start"
written=$(find "$work" -newer "$work/before_second_start" -type f)
[ -z "$written" ] || fail "the second start wrote $written"
windows=$(xdotool search --name '^Vellomir \[' 2>/dev/null | wc -l)
[ "$windows" = 1 ] || fail "$windows program windows after a second start"

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key ctrl+z || fail "could not press Ctrl+Z"
settle "$board" "$out/freecell_undone.png"
undone=$(pixels_changed "$out/freecell_one_move.png" "$out/freecell_undone.png")
echo "pixels that differ between the table after one move and after the undo: $undone"
[ "$undone" -lt 50 ] 2>/dev/null || fail "Ctrl+Z did not take the second move back ($undone)"
exit_through_menu
echo "end-to-end test passed"
SESSION
chmod +x "$work/session.sh"

# -noreset: without it the server resets when its last client leaves, and a
# program started in that moment (the second start, right after the first
# one closed) fails to connect.
xvfb-run -a -s "-screen 0 1280x800x24 -noreset" "$work/session.sh" "$work" "$out"

# Maximised starts under a window manager, each on a fresh program directory.
for screen in 1280x1024 1920x1080; do
    fresh="$work/maximised_$screen"
    mkdir -p "$fresh"
    cp "$work/vellomir" "$work/GAMES.DAT" "$work/KAR.RGF" "$fresh/"
    xvfb-run -a -s "-screen 0 ${screen}x24 -noreset" \
        "$here/maximised_start.sh" "$fresh" "$out" "$screen"
done
