#!/usr/bin/env bash
# Starts the real program on a copy of the program directory (so its data
# folder starts empty) under a virtual X server, checks the caption of the
# dealt game, keeps a screenshot, and closes it through its File menu.
#
# usage: run_e2e.sh BIN_DIR OUT_DIR
# Exit status 77 (skipped) when xvfb-run, xdotool or import is missing.
set -euo pipefail

bin=${1:?usage: run_e2e.sh BIN_DIR OUT_DIR}
out=${2:?usage: run_e2e.sh BIN_DIR OUT_DIR}

for tool in xvfb-run xdotool import; do
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
fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null || true; exit 1; }

# A real window on the virtual X server, whatever platform the tests use.
QT_QPA_PLATFORM=xcb XDG_DATA_HOME="$work/xdg" "$work/vellomir" &
pid=$!

# A first run (no player statistics yet) opens the game chooser by itself:
# take the game it offers (87, the default) with Return.
chooser=""
for _ in $(seq 1 100); do
    chooser=$(xdotool search --name '^Open a game$' 2>/dev/null | head -n 1 || true)
    [ -n "$chooser" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended at start-up"
    sleep 0.1
done
[ -n "$chooser" ] || fail "the game chooser did not open on a first run"
sleep 0.3
import -window root "$out/first_run_chooser.png"
xdotool windowfocus --sync "$chooser" 2>/dev/null || true
sleep 0.2
xdotool key Return || fail "could not answer the chooser"

# The main window, once its caption names the dealt game.
window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --name '^Vellomir \[.*\]  \[[0-9]{13}\]$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended at start-up"
    sleep 0.1
done
[ -n "$window" ] || fail "no main window with a game caption appeared"

caption=$(xdotool getwindowname "$window")
echo "caption: $caption"
[[ "$caption" =~ ^Vellomir\ \[Put-Them-In-Order\ \(3x3\ square\)\]\ \ \[[0-9]{13}\]$ ]] ||
    fail "unexpected caption: $caption"

sleep 0.5
import -window root "$out/main_window.png"

# Exit through the menu: Alt+F opens File, X is the Exit command.
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key alt+f || fail "could not open the File menu"
sleep 0.3
import -window root "$out/file_menu.png"
xdotool key x || fail "could not choose Exit"
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    fail "the program did not close"
fi
wait "$pid" || fail "the program ended with status $?"

# Closing saved the window's state into the fresh preferences file.
grep -q '^MainWindowState_Maximized=' "$work/DATA/CFG.DAT" || fail "the window state was not saved"
[ -f "$work/KARV0520.DAT" ] || fail "no version marker was written"
echo "end-to-end test passed"
SESSION
chmod +x "$work/session.sh"

xvfb-run -a -s "-screen 0 1280x800x24" "$work/session.sh" "$work" "$out"
