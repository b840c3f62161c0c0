#!/usr/bin/env bash
# Times the program from its launch to the first dealt table on the screen,
# and its resident memory, under Xvfb with warm caches; and, in the same run,
# GNOME Aisleriot's Klondike (`sol klondike`) beside it.
#   bench/startup.sh [BUILD_DIR] [RUNS] [GAME]
#
# Each round runs, one after the other: the program with fitted cards
# (Card_Size=F), Aisleriot, the program with the big cards (B), and the
# program with fitted cards and the opening Autoplay on. Every run starts
# from a fresh data folder, on one X server (VELLOMIR_SCREEN, 1280x1024x24)
# with both windows as large as the screen (VELLOMIR_WINDOW to change). A
# first round warms the caches and is not counted.
#
# bench/paint_watch.c starts each program and watches the screen: "first"
# is the first change of the screen, "dealt" the first frame that shows the
# table the program then keeps (the dealt Klondike), "settled" the last
# change but the clock's (with the opening Autoplay, "dealt" is the table
# after it and "settled" when the window stopped changing); memory is read
# from /proc at the dealt frame, at
# the end of the watch, and the peak. The program also runs with
# VELLOMIR_STARTUP_PROBE=stay, which prints where its own time and memory
# went from its entry to the first dealt paint; the medians of those steps
# are printed too.
#
# VELLOMIR_COMPARE_BUILD=OTHER_BUILD_DIR adds, in each round, the program of
# that build with fitted cards ("compare"): a change measured before and
# after in one run.
#
# Needs: xvfb-run, cc with the X11, Xext and Xdamage headers; aisleriot for
# the comparison (VELLOMIR_PEER=none leaves it out).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-5}
game=${3:-1}
screen=${VELLOMIR_SCREEN:-1280x1024x24}
size=${screen%x*}
window=${VELLOMIR_WINDOW:-$size}
watch_ms=${VELLOMIR_WATCH_MS:-5000}
peer=${VELLOMIR_PEER:-/usr/games/sol}
if [[ $peer != none && ! -x $peer ]]; then
    echo "Aisleriot ($peer) is not installed: apt-get install aisleriot, or VELLOMIR_PEER=none" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/paint_watch" "$root/bench/paint_watch.c" -lX11 -lXext -lXdamage

# The program, once per configuration: its files and the preferences of a
# returning player (a first start also writes the players and counts its runs).
make_program() { # NAME CARD_SIZE AUTOPLAY [BUILD_DIR]
    local dir=$work/$1 from=${4:-$build}
    mkdir -p "$dir"
    cp "$from"/bin/{vellomir,GAMES.DAT,KAR.RGF,marbleon.hlp} "$dir"/
    [[ ! -f $from/bin/vellomir_sound.so ]] || cp "$from/bin/vellomir_sound.so" "$dir"/
    cat > "$dir/CFG.template" <<CFG
[Preference]
Game=$game
AutoPlay=$3
Deal_Animation=N
Sounds_Enabled=N
MainWindowState_Maximized=N
MainWindowState_Left=0
MainWindowState_Top=0
MainWindowState_Width=${window%x*}
MainWindowState_Height=${window#*x}
Card_Size=$2
Show_StatusBar=Y
UserDefault=Player 1
[Users]
User001=Player 1
User002=Player 2
User003=Player 3
[Parameters]
Run_Exe=9
CFG
}
make_program fitted F N
make_program big B N
make_program autoplay F Y
compare=${VELLOMIR_COMPARE_BUILD:-}
[[ -z $compare ]] || make_program compare F N "$compare"

# Aisleriot keeps its window size in GSettings; a key file of its own home
# holds it here.
mkdir -p "$work/home/.config/glib-2.0/settings"
cat > "$work/home/.config/glib-2.0/settings/keyfile" <<KEYS
[org/gnome/solitaire/window-state]
width=${window%x*}
height=${window#*x}
maximized=false
KEYS

cat > "$work/runs.sh" <<'RUNS'
#!/usr/bin/env bash
# Inside the X server: RUNS rounds after one warm-up round.
set -u
work=$1 runs=$2 watch=$3 peer=$4 compare=$5
run_vellomir() { # NAME ROUND
    local dir=$work/$1
    rm -rf "$dir/DATA"
    mkdir -p "$dir/DATA"
    cp "$dir/CFG.template" "$dir/DATA/CFG.DAT"
    touch "$dir/DATA/Stat_e00.dat"
    local line
    line=$(cd "$dir" && VELLOMIR_STARTUP_PROBE=stay QT_QPA_PLATFORM=xcb \
        "$work/paint_watch" -w "$watch" -- ./vellomir 2> "$work/probe.$1.$2")
    echo "$1 $line"
}
run_peer() { # ROUND
    local line
    line=$(HOME=$work/home GSETTINGS_BACKEND=keyfile "$work/paint_watch" -w "$watch" -- \
        "$peer" klondike 2> /dev/null)
    echo "aisleriot $line"
}
for ((i = 0; i <= runs; ++i)); do
    tag=$([[ $i == 0 ]] && echo warm || echo round)
    {
        run_vellomir fitted "$i"
        [[ $peer == none ]] || run_peer "$i"
        run_vellomir big "$i"
        run_vellomir autoplay "$i"
        [[ -z $compare ]] || run_vellomir compare "$i"
    } | sed "s/^/$tag /"
done
RUNS
chmod +x "$work/runs.sh"
xvfb-run -a -s "-screen 0 $screen -noreset" "$work/runs.sh" "$work" "$runs" "$watch_ms" "$peer" \
    "$compare" > "$work/out"
grep '^round' "$work/out" > "$work/rounds" || true
cat "$work/out"

# Medians of each figure of each configuration.
median() { sort -n | awk '{ a[NR] = $1 } END { if (NR) print a[int((NR + 1) / 2)]; else print "-" }'; }
figure() { # CONFIG FIELD_NAME
    awk -v c="$1" -v f="$2" '$2 == c { for (i = 3; i < NF; ++i) if ($i == f) print $(i + 1) }' \
        "$work/rounds" | median
}
echo
echo "Medians of $runs rounds, screen $screen, windows $window (ms from launch; KB):"
printf '%-10s %8s %8s %8s %12s %10s %8s\n' "" first dealt settled rss_at_dealt rss_end peak
for c in fitted big autoplay ${compare:+compare} $([[ $peer == none ]] || echo aisleriot); do
    printf '%-10s %8s %8s %8s %12s %10s %8s\n' "$c" "$(figure "$c" first_ms)" \
        "$(figure "$c" dealt_ms)" "$(figure "$c" settled_ms)" "$(figure "$c" rss_dealt_kb)" \
        "$(figure "$c" rss_end_kb)" "$(figure "$c" hwm_kb)"
done
if [[ $peer != none ]]; then
    a_dealt=$(figure aisleriot dealt_ms)
    a_rss=$(figure aisleriot rss_end_kb)
    for c in fitted big ${compare:+compare}; do
        awk -v c="$c" -v d="$(figure "$c" dealt_ms)" -v r="$(figure "$c" rss_end_kb)" \
            -v ad="$a_dealt" -v ar="$a_rss" 'BEGIN {
                if (ad > 0 && ar > 0)
                    printf "%-10s dealt table at %.0f %% of Aisleriot'\''s time, memory %.0f %% of its\n",
                        c, 100 * d / ad, 100 * r / ar }'
    done
fi

# The program's own steps to its first dealt paint (fitted cards).
echo
echo "Fitted cards, the program's steps from its launch (medians; ms, resident KB):"
for ((i = 1; i <= runs; ++i)); do
    grep -h '^  start-up' "$work/probe.fitted.$i" 2> /dev/null || true
done | awk '{ what = $6; for (i = 7; i <= NF; ++i) what = what " " $i
              if (!(what in seen)) { seen[what] = ++n; names[n] = what }
              t[what] = t[what] " " $2; m[what] = m[what] " " $4 }
     END { for (k = 1; k <= n; ++k) print names[k] "\t" t[names[k]] "\t" m[names[k]] }' |
    while IFS=$'\t' read -r what times kbs; do
        printf '  %8s ms %8s KB  %s\n' "$(tr ' ' '\n' <<< "$times" | grep . | median)" \
            "$(tr ' ' '\n' <<< "$kbs" | grep . | median)" "$what"
    done
