#!/usr/bin/env bash
# Runs every fuzzer of the fuzz build, JOBS at a time, then replays the regression inputs; never writes into
# the source tree: corpora, crash artifacts and logs go below the build folder.
#   run_fuzzers.sh BUILD_DIR short TOTAL_SECONDS JOBS  - fresh copies of the seeds, TOTAL_SECONDS in all
#   run_fuzzers.sh BUILD_DIR long SECONDS JOBS [NAME...] - SECONDS each, corpora kept between runs
set -eu
source_dir="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "$1" && pwd)"
mode="$2"
seconds="$3"
jobs="$4"
shift 4

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
    for source in "$source_dir"/*_fuzz.cpp; do
        names+=("$(basename "$source" _fuzz.cpp)")
    done
fi
if [ "$mode" = short ]; then
    # Spread the budget over the rounds of JOBS fuzzers, so that the whole run takes about TOTAL_SECONDS.
    seconds=$(( seconds / ((${#names[@]} + jobs - 1) / jobs) ))
    [ "$seconds" -ge 1 ] || seconds=1
fi

run_one() {
    local name="$1"
    local binary="$build/tests/fuzz/${name}_fuzz" corpus="$build/$mode-corpus/$name"
    local artifacts="$build/artifacts/$name/" log="$build/logs/$name.log"
    mkdir -p "$artifacts" "$build/logs"
    if [ "$mode" = short ]; then
        rm -rf "$corpus"
    fi
    mkdir -p "$corpus"
    # The seeds are copied, so that what the fuzzer adds stays in the build folder.
    cp -n "$source_dir/corpus/$name"/* "$corpus"/ 2>/dev/null || true
    local status=0
    "$binary" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 -artifact_prefix="$artifacts" \
        "$corpus" >"$log" 2>&1 || status=$?
    local regressions=("$source_dir/regressions/$name"/*)
    if [ $status -eq 0 ] && [ -e "${regressions[0]}" ]; then
        "$binary" -artifact_prefix="$artifacts" "${regressions[@]}" >>"$log" 2>&1 || status=$?
    fi
    local done_line execs rate
    done_line="$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1 || true)"
    execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
    rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)"
    if [ $status -ne 0 ]; then
        echo "FAIL $name (exit $status), log $log, artifacts $artifacts:"
        grep -E 'ERROR|SUMMARY|property failed|runtime error|Test unit written' "$log" | head -20
        return 1
    fi
    printf 'ok   %-22s %4ss  execs %-10s exec/s %-8s %s regressions %s\n' "$name" "$seconds" "${execs:-?}" \
        "${rate:-?}" "$(sed -E 's/.*(cov: [0-9]+ ft: [0-9]+ corp: [^ ]+).*/\1/' <<<"$done_line")" \
        "$([ -e "${regressions[0]}" ] && echo "${#regressions[@]}" || echo 0)"
}
export -f run_one
export build mode seconds source_dir

printf '%s\n' "${names[@]}" | xargs -P "$jobs" -I{} bash -c 'run_one "$1"' _ {}
