# Runs every libFuzzer target of a fuzz build for a bounded time, starting from its seed
# corpus (read only: new inputs go to a scratch folder). Paths are absolute, since a target
# may change its working directory. A crash leaves its input in the scratch folder and
# fails the run; add that input to the seeds as a regression case.

run_fuzzers() {
    local build=$1 seconds=$2 status=0
    local scratch
    scratch=$(mktemp -d /tmp/munchora-fuzz-XXXXXX)
    for target in "$build"/tests/fuzz_*; do
        [ -x "$target" ] || continue
        local name=${target##*/fuzz_}
        mkdir -p "$scratch/$name"
        echo "fuzzing $name for ${seconds}s"
        if ! "$target" -max_total_time="$seconds" -print_final_stats=0 -artifact_prefix="$scratch/$name/" \
            "$scratch/$name" "$PWD/tests/fuzz/corpus/$name" >"$scratch/$name.log" 2>&1; then
            tail -n 30 "$scratch/$name.log"
            echo "fuzz_$name found a crash; its input is in $scratch/$name/"
            status=1
        fi
    done
    [ $status -eq 0 ] && rm -rf "$scratch"
    return $status
}
