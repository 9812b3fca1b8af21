#!/usr/bin/env bash
# Builds the libFuzzer targets with the fuzz preset and runs each for a set time.
#   fuzz/run.sh [SECONDS] [TARGET...]     default 600 seconds, all targets
# Each target starts from its checked-in seeds (fuzz/corpus/<target>) plus what earlier runs found
# (build-fuzz/corpus/<target>); a crashing input is kept in build-fuzz/artifacts/<target>/. Prints one line
# per target: seconds, executions and result.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_font_reader fuzz_text_to_byte fuzz_conjunct_list fuzz_hex_writer fuzz_hex_reader
                                       fuzz_unifont_hex fuzz_bdf)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 --target "${targets[@]}"

status=0
summary=()
for t in "${targets[@]}"; do
    work=build-fuzz/corpus/$t
    artifacts=build-fuzz/artifacts/$t/
    log=build-fuzz/$t.log
    mkdir -p "$work" "$artifacts"
    result=ok
    # -rss_limit_mb stays at its default; the reader fuzzer builds fonts of up to 110 KB per input.
    if ! "build-fuzz/fuzz/$t" "$work" "fuzz/corpus/$t" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$artifacts" >"$log" 2>&1; then
        result="FAILED (see $log and $artifacts)"
        status=1
    fi
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    summary+=("$(printf '%-20s %6ss %12s execs  %s' "$t" "$seconds" "${execs:-?}" "$result")")
done
printf '%s\n' "${summary[@]}"
exit $status
