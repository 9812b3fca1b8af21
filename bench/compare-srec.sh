#!/usr/bin/env bash
# Times `ledfont hex` on a Jukta512 font against srec_cat writing the same 18432-byte image (glyphs at
# 0xA100, conjunct pairs at 0xE500) as Intel HEX with 16-byte records, on this machine in one run.
#   bench/compare-srec.sh [RUNS]      default 300 runs of each, after 20 warm-up runs
# Uses hyperfine when installed (and LEDFONT_TIMER is not "loop"), else a shell loop timed with date. Checks first that both write the same
# file, byte for byte.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-300}
command -v srec_cat >/dev/null || { echo "srec_cat not found (Debian package srecord)" >&2; exit 2; }

cmake --preset bench >/dev/null
cmake --build --preset bench -j2 --target ledfont >/dev/null
ledfont=$PWD/build-bench/src/cli/ledfont

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A Jukta512 font of 18432 varied values (one, two and three digits), and the same values as a binary.
perl -e '
    my $x = 12345;
    my @v = map { $x = ($x * 1103515245 + 12345) % 2147483648; ($x >> 16) % 256 } 1 .. 18432;
    open my $t, ">", "$ARGV[0]/font.txt" or die; binmode $t; print $t map { "$_\r\n" } @v; close $t;
    open my $b, ">", "$ARGV[0]/image.bin" or die; binmode $b; print $b pack("C*", @v); close $b;
' "$work"

hex_cmd="$ledfont hex $work/font.txt --kind jukta512 -o $work/ledfont.hex"
# Two-byte addresses (no extended address record) and CR LF, as the controller's files are written.
srec_cmd="srec_cat $work/image.bin -binary -offset 0xA100 -o $work/srec.hex -intel -Output_Block_Size 16 \
-address-length=2 -crlf"

$hex_cmd >/dev/null
$srec_cmd
if cmp -s "$work/ledfont.hex" "$work/srec.hex"; then
    echo "outputs: identical ($(wc -l <"$work/ledfont.hex") lines)"
else
    echo "outputs DIFFER:" >&2
    diff "$work/ledfont.hex" "$work/srec.hex" | head -5 >&2
    exit 1
fi

# Wall time (median of the runs) and processor time (user + system, mean) in milliseconds. ledfont's wall
# time includes flushing the file and its folder to the disk before the rename, which srec_cat does not do,
# so it depends on the disk's other traffic; the processor time does not.
if [ "${LEDFONT_TIMER:-}" != loop ] && command -v hyperfine >/dev/null; then
    tool="hyperfine, $runs runs each after 20 warm-up runs"
    hyperfine -N --style none --warmup 20 --runs "$runs" --export-csv "$work/times.csv" "$hex_cmd" "$srec_cmd" \
        >/dev/null 2>&1
    # CSV: command,mean,stddev,median,user,system,min,max (seconds)
    read -r hex_wall hex_cpu < <(awk -F, 'NR == 2 { printf "%.3f %.3f\n", $4 * 1000, ($5 + $6) * 1000 }' "$work/times.csv")
    read -r srec_wall srec_cpu < <(awk -F, 'NR == 3 { printf "%.3f %.3f\n", $4 * 1000, ($5 + $6) * 1000 }' "$work/times.csv")
else
    tool="shell loop, $runs runs each after 20 warm-up runs (wall and processor time are means)"
    # Prints "wall cpu": the mean wall time from date, the mean processor time from bash's `times` of the
    # children.
    mean_ms() {
        local i start end
        for ((i = 0; i < 20; i++)); do "$@" >/dev/null; done
        (
            start=$(date +%s%N)
            for ((i = 0; i < runs; i++)); do "$@" >/dev/null; done
            end=$(date +%s%N)
            # `times` into a file, not a pipe: a pipe would run it in a child that has no children.
            times >"$work/times.txt"
            awk -v ns=$((end - start)) -v n="$runs" 'NR == 2 {
                split($1, u, "m"); split($2, s, "m")
                cpu = (u[1] * 60 + u[2] + s[1] * 60 + s[2]) * 1000 / n
                printf "%.3f %.3f\n", ns / n / 1e6, cpu }' "$work/times.txt"
        )
    }
    # shellcheck disable=SC2086
    read -r hex_wall hex_cpu < <(mean_ms $hex_cmd)
    # shellcheck disable=SC2086
    read -r srec_wall srec_cpu < <(mean_ms $srec_cmd)
fi

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo "timing: $tool"
printf '%-10s %12s %12s\n' "" "wall ms" "cpu ms" \
    "ledfont" "$hex_wall" "$hex_cpu" \
    "srec_cat" "$srec_wall" "$srec_cpu" \
    "ratio" "$(ratio "$hex_wall" "$srec_wall")" "$(ratio "$hex_cpu" "$srec_cpu")"
echo "target: ledfont at most 0.50 of srec_cat's time"
