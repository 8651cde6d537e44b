#!/usr/bin/env bash
# What it costs to start TELVARO, beside /bin/true, the cheapest program a
# shell can start: the wall time per run over many runs, and the user-space
# instructions of one run as callgrind counts them.
#
# Usage: bench/startup.sh [RUNS [TELVARO...]]
#   RUNS     runs of each program, split into 10 interleaved rounds (2000)
#   TELVARO  the binaries to measure (build/release/TELVARO and
#            build/default/TELVARO, those that exist)
#
# /bin/true runs without arguments: given exactly one, coreutils' true sets up
# the locale to look for --help, which would make it a slower yardstick.
# Needs bash and valgrind only.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-2000}
shift || true
binaries=("$@")
if ((${#binaries[@]} == 0)); then
    for candidate in build/release/TELVARO build/default/TELVARO; do
        [[ -x $candidate ]] && binaries+=("$candidate")
    done
fi
if ((${#binaries[@]} == 0)); then
    echo "no TELVARO binary found: build the release or default preset first" >&2
    exit 1
fi
rounds=10
per_round=$((runs / rounds))
if ((per_round < 1)); then
    echo "RUNS must be at least $rounds" >&2
    exit 1
fi

# A binary that prints the wrong line would be timed for nothing.
expected=$'"ID"=hex:d2,4\r'
for binary in "${binaries[@]}"; do
    status=0
    output=$("$binary" 1234) || status=$?
    if [[ $output != "$expected" || $status != 14 ]]; then
        echo "$binary 1234 does not print the expected line with status 14" >&2
        exit 1
    fi
done

now_us() {
    local t=$EPOCHREALTIME
    echo $((${t/[.,]/}))
}

# Microseconds for per_round runs of the command; the exit status is ignored,
# since TELVARO's is its character count.
time_round() {
    local start end i
    start=$(now_us)
    for ((i = 0; i < per_round; ++i)); do
        "$@" >/dev/null || :
    done
    end=$(now_us)
    echo $((end - start))
}

# Prints numerator / denominator with three decimals.
ratio() {
    local thousandths=$((($1 * 1000 + $2 / 2) / $2))
    printf '%d.%03d' $((thousandths / 1000)) $((thousandths % 1000))
}

# Wall time. The programs take turns round by round, so a change in the
# machine's load falls on all of them alike; each round also gives its own
# ratio, and their spread shows how steady the machine was.
declare -A total_us round_ratios
total_us[true]=0
for binary in "${binaries[@]}"; do
    total_us[$binary]=0
    round_ratios[$binary]=""
done
for ((round = 0; round < rounds; ++round)); do
    true_us=$(time_round /bin/true)
    total_us[true]=$((total_us[true] + true_us))
    for binary in "${binaries[@]}"; do
        binary_us=$(time_round "$binary" 1234)
        total_us[$binary]=$((total_us[$binary] + binary_us))
        round_ratios[$binary]+="$(ratio "$binary_us" "$true_us") "
    done
done

measured=$((per_round * rounds))
echo "Wall time per run, $measured runs each in $rounds rounds:"
printf '  %-28s %6d us\n' /bin/true $((total_us[true] / measured))
for binary in "${binaries[@]}"; do
    sorted=$(tr ' ' '\n' <<<"${round_ratios[$binary]}" | grep . | sort -n)
    printf '  %-28s %6d us  ratio %s  (rounds %s to %s)\n' "$binary 1234" $((total_us[$binary] / measured)) \
        "$(ratio "${total_us[$binary]}" "${total_us[true]}")" "$(head -n 1 <<<"$sorted")" "$(tail -n 1 <<<"$sorted")"
done

# The loop above pays for a fork of bash on every run, the same for every
# program. Where hyperfine is installed, it also spawns each program directly,
# which shows the programs' own share better.
if command -v hyperfine >/dev/null; then
    csv=$(mktemp)
    trap 'rm -f "$csv"' EXIT
    commands=(/bin/true)
    for binary in "${binaries[@]}"; do
        commands+=("$binary 1234")
    done
    hyperfine --shell=none --ignore-failure --style=none --warmup 20 --runs "$measured" --export-csv "$csv" \
        "${commands[@]}" >/dev/null 2>&1 || { echo "hyperfine failed" >&2; exit 1; }
    echo "Wall time per run, spawned directly by hyperfine, $measured runs each (median):"
    true_median=""
    # The columns are command, mean, stddev, median, user, system, min, max, in seconds.
    while IFS=, read -r command _ _ median _; do
        median_us=$(awk -v s="$median" 'BEGIN { printf "%d", s * 1e6 }')
        if [[ -z $true_median ]]; then
            true_median=$median_us
            printf '  %-28s %6d us\n' "$command" "$median_us"
        else
            printf '  %-28s %6d us  ratio %s\n' "$command" "$median_us" "$(ratio "$median_us" "$true_median")"
        fi
    done < <(tail -n +2 "$csv")
fi

# Instructions: one run each under callgrind, which counts user space only
# and is exact, so one run is enough.
instructions() {
    { valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null || :; } |
        sed -n 's/.*Collected : *//p'
}

echo "User-space instructions of one run (callgrind):"
true_ir=$(instructions /bin/true)
printf '  %-28s %8d\n' /bin/true "$true_ir"
for binary in "${binaries[@]}"; do
    binary_ir=$(instructions "$binary" 1234)
    printf '  %-28s %8d  ratio %s\n' "$binary 1234" "$binary_ir" "$(ratio "$binary_ir" "$true_ir")"
done
