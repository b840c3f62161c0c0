#!/usr/bin/env bash
# Runs inside a virtual X server (xvfb-run) with the window manager openbox:
# starts the program as a returning player would, maximised (the default),
# with cards fitted to the window, and checks that the first table fills the whole client area: the window is
# maximised, the table picture reaches the right and bottom edges, the last
# foundation is on the screen, and the first picture is the one the program
# draws when it lays the table out again after an unmaximise and maximise.
# FreeCell's window, minimised, comes back when the program is started again.
#
# usage: maximised_start.sh WORK_DIR OUT_DIR LABEL
# WORK_DIR holds a copy of the program directory; screenshots go to
# OUT_DIR/maximised_LABEL_*.png.
set -euo pipefail
work=$1
out=$2
label=$3
pid=""
wm=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
}
trap cleanup EXIT
fail() { echo "FAIL ($label): $*" >&2; exit 1; }

for _ in $(seq 1 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done
read -r screen_w screen_h < <(xdotool getdisplaygeometry)

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 1 100); do
    wmctrl -m >/dev/null 2>&1 && break
    sleep 0.1
done
wmctrl -m >/dev/null 2>&1 || fail "the window manager did not start"

# Saves the screen area $1 (WxH+X+Y) into $2 once it has stopped changing.
settle() {
    import -window root -crop "$1" +repage "$2"
    for _ in $(seq 1 40); do
        sleep 0.25
        cp "$2" "$2.previous.png"
        import -window root -crop "$1" +repage "$2"
        local changed
        changed=$(compare -metric AE "$2.previous.png" "$2" null: 2>&1 || true)
        [ "${changed%% *}" = 0 ] && break
    done
    rm -f "$2.previous.png"
}

# The number of pixels of $1 that are not the default table's colours (the
# cloth is a solid or faded green: red and blue stay 0).
card_pixels() {
    convert "$1" -fx "(r > 0.05 || b > 0.05) ? 1 : 0" -format "%[fx:int(mean * w * h + 0.5)]" info:
}

# $1 game number, $2 caption name.
check_game() {
    local game=$1 name=$2
    mkdir -p "$work/DATA"
    cat > "$work/DATA/CFG.DAT" <<CFG
[Preference]
Game=$game
Game_name=$name
AutoPlay=N
Deal_Animation=N
Card_Size=F
CFG
    touch "$work/DATA/Stat_e00.dat"
    QT_QPA_PLATFORM=xcb XDG_DATA_HOME="$work/xdg" "$work/vellomir" &
    pid=$!
    local window=""
    for _ in $(seq 1 150); do
        window=$(xdotool search --name "^Vellomir \\[$name\\]  \\[[0-9]{13}\\]\$" 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        kill -0 "$pid" 2>/dev/null || fail "the program ended before showing $name"
        sleep 0.1
    done
    [ -n "$window" ] || fail "no $name game appeared"

    # The client area's place on the screen (xdotool's counts the frame twice).
    local info X Y WIDTH HEIGHT
    info=$(xwininfo -id "$window")
    X=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$info")
    Y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")
    WIDTH=$(awk '/^ *Width:/ {print $NF}' <<<"$info")
    HEIGHT=$(awk '/^ *Height:/ {print $NF}' <<<"$info")
    echo "$label $name: client area ${WIDTH}x${HEIGHT} at $X,$Y"
    xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ ||
        fail "$name: the window did not open maximised"
    [ "$WIDTH" -ge $((screen_w - 10)) ] || fail "$name: the window is $WIDTH wide on a $screen_w screen"
    # The table below the tool bar panel and the menu: the clock is left out.
    local top=$((Y + 90)) height=$((HEIGHT - 90))
    local area="${WIDTH}x${height}+${X}+${top}"
    local stem="$out/maximised_${label}_$(echo "$name" | tr -c 'A-Za-z0-9\n' '_')"
    settle "$area" "$stem.png"
    import -window root "$stem-screen.png"

    # The right and bottom edges of the client area show the drawn table,
    # not the plain colour of a view the picture does not cover.
    convert "$stem.png" -crop "8x${height}+$((WIDTH - 8))+0" +repage "$work/right.png"
    convert "$stem.png" -crop "${WIDTH}x8+0+$((height - 8))" +repage "$work/bottom.png"
    local plain
    for edge in right bottom; do
        plain=$(convert "$work/$edge.png" -fx "(r < 0.01 && b < 0.01 && abs(g * 255 - 128) < 0.5) ? 1 : 0" \
            -format "%[fx:int(mean * w * h + 0.5)]" info:)
        [ "$plain" -lt 20 ] || fail "$name: $plain pixels at the $edge edge show no table"
    done
    # The last foundation: piles in the right quarter of the first row (a
    # fitted table as tall as the window may leave the right edge free).
    local strip=$((WIDTH / 4))
    convert "$stem.png" -crop "${strip}x110+$((WIDTH - strip))+0" +repage "$work/last.png"
    local marks
    marks=$(card_pixels "$work/last.png")
    [ "$marks" -gt 300 ] || fail "$name: nothing drawn at the right end of the first row ($marks)"

    # Laid out again for the same client area, the table looks the same.
    wmctrl -i -r "$window" -b remove,maximized_vert,maximized_horz
    sleep 0.6
    wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
    sleep 0.6
    settle "$area" "$stem-again.png"
    # The status bar is left out: its word for the deal ("searching",
    # "winnable") may change between the two pictures on a loaded machine.
    local table="${WIDTH}x$((height - 40))+0+0" differ
    convert "$stem.png" -crop "$table" +repage "$work/first-table.png"
    convert "$stem-again.png" -crop "$table" +repage "$work/again-table.png"
    differ=$(compare -metric AE "$work/first-table.png" "$work/again-table.png" null: 2>&1 || true)
    echo "$label $name: first table and laid out again differ in ${differ%% *} pixels"
    [ "${differ%% *}" -lt 50 ] 2>/dev/null || fail "$name: the first table was not laid out for the window (${differ%% *})"

    if [ "$game" = 10 ]; then
        # Minimised, the window comes back when the program is started again
        # on the same data folder; that second start ends at once.
        xdotool windowminimize --sync "$window" || fail "$name: could not minimise the window"
        QT_QPA_PLATFORM=xcb XDG_DATA_HOME="$work/xdg" timeout 20 "$work/vellomir" ||
            fail "$name: the second start ended with status $?"
        for _ in $(seq 1 50); do
            xwininfo -id "$window" | grep -q 'Map State: IsViewable' && break
            sleep 0.1
        done
        xwininfo -id "$window" | grep -q 'Map State: IsViewable' ||
            fail "$name: a second start did not bring the minimised window back"
        xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ ||
            fail "$name: the window came back unmaximised"
        active=$(xdotool getactivewindow 2>/dev/null || true)
        echo "$label $name: back on the screen after a second start (active window $active, ours $window)"
        [ "$active" = "$window" ] || fail "$name: the window came back but is not the active one"
    fi

    wmctrl -i -c "$window"
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "$name: the program did not close"
    wait "$pid" || fail "$name: the program ended with status $?"
    pid=""
    grep -q '^MainWindowState_Maximized=Y' "$work/DATA/CFG.DAT" || fail "$name: the maximised state was not saved"
}

check_game 1 Klondike
check_game 10 FreeCell
check_game 8 "Double Klondike"
echo "maximised start at ${screen_w}x${screen_h} passed"
