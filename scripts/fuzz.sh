#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz/ with clang and libFuzzer into
# build-fuzz/ (or $VELLOMIR_FUZZ_BUILD_DIR) and runs each for SECONDS
# (default 30), or only the targets named:
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# Targets: catalogue_reader game_source preferences settings_record
# score_upgrade game_play statistics_file saved_game deal_number
# play_session lock_file. Each run starts from the seed
# corpus and the regression inputs in the tree; what it learns goes to
# build-fuzz/corpus/TARGET, kept for the next run. A crash leaves its input
# as build-fuzz/crashes/TARGET-crash-* and fails the script: fix the fault,
# and copy the input into tests/fuzz/regressions/TARGET/ so that every
# build replays it (the test fuzz_replay_TARGET).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELLOMIR_FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${1:-30}
[[ $# -gt 0 ]] && shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] ||
    targets=(catalogue_reader game_source preferences settings_record score_upgrade game_play
        statistics_file saved_game deal_number play_session lock_file)

"$root/scripts/install-deps.sh" --fuzz
launcher=()
command -v ccache >/dev/null 2>&1 &&
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVELLOMIR_FUZZ=ON \
    -DVELLOMIR_WITH_QT=OFF -DBUILD_TESTING=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" --target "${targets[@]/#/fuzz_}"

failed=()
mkdir -p "$build/crashes"
for target in "${targets[@]}"; do
    corpus=$build/corpus/$target
    mkdir -p "$corpus"
    seeds=("$root/tests/fuzz/corpus/$target")
    [ -d "$root/tests/fuzz/regressions/$target" ] && seeds+=("$root/tests/fuzz/regressions/$target")
    log=$build/crashes/$target.log
    echo "== fuzz_$target for $seconds s"
    if "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -rss_limit_mb=2048 -artifact_prefix="$build/crashes/$target-" \
        "$corpus" "${seeds[@]}" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
        echo "   $runs inputs, $rate a second, corpus $(ls "$corpus" | wc -l) files"
    else
        tail -n 40 "$log"
        failed+=("$target")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz targets that crashed: ${failed[*]} (inputs in $build/crashes/)"
    exit 1
fi
