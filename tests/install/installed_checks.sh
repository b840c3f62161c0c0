# Checks shared by the install and package tests, sourced by them. They work
# on an installed tree: PREFIX/bin (games in the package), PREFIX/share/vellomir and the desktop's
# files under PREFIX/share.

app_id=org.vellomir.Vellomir
icon_sizes=(16 22 24 32 48 64 128 256 512)
# The programs' folder under the prefix: bin, or games in the Debian package.
bin=${VELLOMIR_INSTALLED_BIN:-bin}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Every file the installation must hold, and each icon in the size its folder names.
check_installed_files() {
    local prefix=$1 file
    for file in $bin/vellomir $bin/vellomir-cli share/vellomir/GAMES.DAT share/vellomir/KAR.RGF \
        share/vellomir/marbleon.hlp lib/vellomir/vellomir_sound.so share/applications/$app_id.desktop \
        share/metainfo/$app_id.metainfo.xml share/icons/hicolor/scalable/apps/$app_id.svg \
        share/man/man6/vellomir.6.gz share/man/man6/vellomir-cli.6.gz; do
        [ -s "$prefix/$file" ] || fail "$file is not installed"
    done
    [ -x "$prefix/$bin/vellomir" ] && [ -x "$prefix/$bin/vellomir-cli" ] || fail "the programs are not executable"
    local size png
    for size in "${icon_sizes[@]}"; do
        png=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
        [ -s "$png" ] || fail "the ${size}x${size} icon is not installed"
        file -b "$png" | grep -q "PNG image data, $size x $size," || fail "$png is not a $size x $size PNG"
    done
    grep -q '<svg ' "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg" || fail "the SVG icon holds no svg"
    # The desktop entry starts an installed program and names the installed icon.
    grep -qx "Exec=vellomir" "$prefix/share/applications/$app_id.desktop" || fail "Exec is not vellomir"
    grep -qx "Icon=$app_id" "$prefix/share/applications/$app_id.desktop" || fail "Icon is not $app_id"
}

# desktop-file-validate, appstreamcli and man's own warnings on the installed files.
check_desktop_files() {
    local prefix=$1 page warnings
    desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop-file-validate"
    appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
    for page in vellomir vellomir-cli; do
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man6/$page.6.gz" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "man page $page: $warnings"
    done
}

# Starts the installed program offscreen until its first dealt table and
# checks that it read its files from PREFIX/share/vellomir and wrote its own
# under $XDG_DATA_HOME/vellomir, keeping the preference it found there.
check_program_starts() {
    local prefix=$1 work=$2 before after output
    local data=$work/xdg/vellomir
    mkdir -p "$data/DATA" "$work/home"
    # A returning player's files (a first run opens the game chooser before
    # any deal): the preferences chose Klondike (draw three), and there is a
    # statistics file.
    printf '[Preference]\r\nGame=2\r\nDeal_Animation=N\r\nSounds_Enabled=N\r\n' >"$data/DATA/CFG.DAT"
    touch "$data/DATA/Stat_e00.dat"
    before=$(cd "$prefix/share/vellomir" && find . | sort)
    output=$(cd / && env HOME="$work/home" XDG_DATA_HOME="$work/xdg" QT_QPA_PLATFORM=offscreen \
        VELLOMIR_STARTUP_PROBE=1 timeout 120 "$prefix/$bin/vellomir" 2>&1) ||
        fail "the installed program did not start: $output"
    echo "$output"
    grep -q "first dealt table painted after" <<<"$output" || fail "no dealt table was painted"
    after=$(cd "$prefix/share/vellomir" && find . | sort)
    [ "$before" = "$after" ] || fail "the program wrote beside its installed files"
    [ -f "$data/KARV0520.DAT" ] || fail "no version marker under \$XDG_DATA_HOME/vellomir"
    grep -q '^Game=2' "$data/DATA/CFG.DAT" || fail "the kept preference was lost"
    # The companion finds the same catalogue.
    output=$(cd / && "$prefix/$bin/vellomir-cli" games) || fail "vellomir-cli games: $output"
    grep -q "Klondike" <<<"$output" || fail "vellomir-cli lists no Klondike"
}
