#!/usr/bin/env bash
# Runs each libFuzzer target of build-fuzz for FUZZ_SECONDS (default 60), one after the other,
# on its seeds and the corpus grown in earlier runs. FUZZ_TARGETS picks targets (default all);
# FUZZ_SEEDS adds folders of one's own seed files to every target. A crash or a broken property
# is kept under build-fuzz/findings/TARGET/; copy it into tests/fuzz_cases/TARGET/ once fixed,
# so that the ordinary test suite replays it. Exit status 1 when anything was found.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-fuzz
seconds=${FUZZ_SECONDS:-60}
targets=${FUZZ_TARGETS:-puzzle_file show settings puzzle_source puzzle_code board_input}
read -r -a extraSeeds <<<"${FUZZ_SEEDS:-}"

found=0
for target in $targets; do
    program=$build/fuzz/fuzz_$target
    if [[ ! -x $program ]]; then
        echo "fuzz.sh: $program is not built (make fuzz builds it)" >&2
        exit 2
    fi
    corpus=$build/corpus/$target
    findings=$build/findings/$target
    mkdir -p "$corpus" "$findings"
    # libFuzzer replays single files instead of fuzzing, so seed files go into a folder.
    seedFiles=$build/seeds/$target
    rm -rf "$seedFiles"
    mkdir -p "$seedFiles"
    seeds=("$seedFiles")
    mapfile -t given <"$build/fuzz/$target.seeds"
    for seed in "${given[@]}" "${extraSeeds[@]}"; do
        if [[ -d $seed ]]; then
            seeds+=("$seed")
        elif [[ -f $seed ]]; then
            cp "$seed" "$seedFiles/"
        else
            echo "fuzz.sh: no seed file or folder $seed" >&2
            exit 2
        fi
    done
    options=(-max_total_time="$seconds" -timeout=20 -max_len=4096 -print_final_stats=1
        -artifact_prefix="$findings/" -dict="$build/fuzz/$target.dict")
    echo "== $target: $seconds s"
    log=$build/$target.log
    # libFuzzer reads seed files as well as folders; the first folder receives new inputs.
    "$program" "${options[@]}" "$corpus" "${seeds[@]}" >"$log" 2>&1 || true
    grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|average_exec_per_sec)' "$log" || true
    count=$(find "$findings" -type f | wc -l)
    echo "   findings: $count (in $findings)"
    if ((count > 0)); then
        found=1
        tail -n 40 "$log"
    fi
done
exit $found
