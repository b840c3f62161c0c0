#!/usr/bin/env bash
# Times the program from launch to the first dealt table on the screen, and
# its resident memory then, under Xvfb with warm caches.
#   bench/startup.sh [BUILD_DIR] [RUNS] [GAME]
# The program runs from a copy of BUILD_DIR/bin in a scratch folder with
# Klondike (or GAME) chosen, autoplay and the deal animation off; with
# VELLOMIR_STARTUP_PROBE set it prints its own time to the first dealt paint
# and ends. GNU time gives the whole run's wall time and peak memory.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-11}
game=${3:-1}
# VELLOMIR_WINDOW=WIDTHxHEIGHT sizes the window (1024x768), VELLOMIR_CARD_SIZE
# the cards (B; F fits them to the window).
window=${VELLOMIR_WINDOW:-1024x768}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build"/bin/{vellomir,GAMES.DAT,KAR.RGF,marbleon.hlp} "$work"/
mkdir -p "$work/DATA"
cat > "$work/DATA/CFG.DAT" <<CFG
[Preference]
Game=$game
AutoPlay=N
Deal_Animation=N
Sounds_Enabled=N
MainWindowState_Maximized=N
MainWindowState_Left=0
MainWindowState_Top=0
MainWindowState_Width=${window%x*}
MainWindowState_Height=${window#*x}
Card_Size=${VELLOMIR_CARD_SIZE:-B}
CFG
touch "$work/DATA/Stat_e00.dat"

cat > "$work/runs.sh" <<'RUNS'
#!/usr/bin/env bash
cd "$1"
for ((i = 0; i < $2; ++i)); do
    VELLOMIR_STARTUP_PROBE=1 QT_QPA_PLATFORM=xcb command time -f 'time %e s rss %M KB' \
        ./vellomir 2>&1 | grep -E '^(first dealt|time )' | tr '\n' ' '
    echo
done
RUNS
chmod +x "$work/runs.sh"
xvfb-run -a -s "-screen 0 ${VELLOMIR_SCREEN:-1920x1080x24} -noreset" "$work/runs.sh" "$work" "$runs" | tee "$work/out"
awk '{ print $6 }' "$work/out" | sort -n | awk '{ a[NR] = $1 } END { print "median to first dealt paint:", a[int((NR + 1) / 2)], "ms" }'
awk '{ print $12 }' "$work/out" | sort -n | awk '{ a[NR] = $1 } END { print "median peak resident memory:", a[int((NR + 1) / 2)], "KB" }'
