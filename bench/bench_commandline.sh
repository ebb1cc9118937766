#!/bin/bash
# The command line on a project of 1,000 rings: the results as json and the report of a page per
# ring, against the start-up of `orvane --version` as the floor, which computes nothing and
# writes one line. Each program is started as a new process; the three take turns, round after
# round, so that whatever else the machine does falls on all of them alike. Times are wall-clock,
# from just before the process is started to its end, with no display and no platform chosen.
#
# Usage: bench/bench_commandline.sh [build directory] [rounds]
# With valgrind installed and BENCH_INSTRUCTIONS=1, also counts the instructions of one run of
# each, which repeat from run to run on a busy machine.
set -euo pipefail

build=${1:-build}
rounds=${2:-${BENCH_COMMANDLINE_RUNS:-15}}
orvane="$build/orvane"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
fi

# A tall project: every count from 4 to 30, diameters from 6 to 56 inches, some in millimetres,
# fractions, and names that need quoting.
project="$work/tall.csv"
awk 'BEGIN {
    print "name,segments,outer,inner,fudge,thickness,kerf"
    for (i = 0; i < 1000; i++) {
        outer = 6 + (i * 7) % 50
        inner = outer - 1 - (i % 4)
        if (i % 3 == 0)
            printf "\"Ring %d, outside\",%d,%.1fmm,%d 1/2,1/8,3/4,0.1\n", i, 4 + i % 27, outer * 25.4, inner
        else
            printf "Ring %d,%d,%d,%d,.25,1,1/8\n", i, 4 + i % 27, outer, inner
    }
}' >"$project"

# Checks the outputs once before timing them.
"$orvane" --project "$project" --results json >"$work/check.json"
[ "$(grep -c '"name":' "$work/check.json")" = 1000 ] || { echo "json lacks rings" >&2; exit 1; }
"$orvane" --project "$project" --report "$work/check.pdf"
if command -v pdfinfo >/dev/null; then
    pages=$(pdfinfo "$work/check.pdf" | sed -n 's/^Pages: *//p')
    [ "$pages" = 1000 ] || { echo "the report has $pages pages" >&2; exit 1; }
fi
echo "project: 1000 rings, $(wc -c <"$project") bytes; json $(wc -c <"$work/check.json") bytes;" \
    "report $(wc -c <"$work/check.pdf") bytes"

names=(version json report)
run() {
    case $1 in
    version) "$orvane" --version >/dev/null ;;
    json) "$orvane" --project "$project" --results json >/dev/null ;;
    report) "$orvane" --project "$project" --report "$work/report.pdf" ;;
    esac
}

declare -A times
for ((r = 0; r < rounds; r++)); do
    for ((k = 0; k < 3; k++)); do
        name=${names[(r + k) % 3]}
        start=$EPOCHREALTIME
        run "$name"
        end=$EPOCHREALTIME
        times[$name]+="$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", (b - a) * 1000 }') "
    done
done

median() { tr ' ' '\n' | grep . | sort -g | awk '{ v[NR] = $1 } END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%10.1f %10.1f %10.1f", m, v[1], v[NR] }'; }

printf '%-40s %10s %10s %10s\n' "$rounds rounds, wall-clock ms" median min max
declare -A medians
for name in "${names[@]}"; do
    line=$(median <<<"${times[$name]}")
    medians[$name]=$(awk '{ print $1 }' <<<"$line")
    case $name in
    version) label="orvane --version (the floor)" ;;
    json) label="--project (1000 rings) --results json" ;;
    report) label="--project (1000 rings) --report" ;;
    esac
    printf '%-40s %s\n' "$label" "$line"
done
for name in json report; do
    awk -v n="$name" -v t="${medians[$name]}" -v f="${medians[version]}" \
        'BEGIN { printf "%-40s %10.1f ms above the floor, %.2f ms a ring\n", n, t - f, (t - f) / 1000 }'
done

if [ "${BENCH_INSTRUCTIONS:-0}" = 1 ] && command -v valgrind >/dev/null; then
    printf '%-40s %16s\n' "instructions (callgrind)" "whole run"
    for name in "${names[@]}"; do
        out="$work/callgrind.$name"
        case $name in
        version) set -- --version ;;
        json) set -- --project "$project" --results json ;;
        report) set -- --project "$project" --report "$work/report.pdf" ;;
        esac
        valgrind --tool=callgrind --callgrind-out-file="$out" "$orvane" "$@" >/dev/null 2>"$out.log"
        printf '%-40s %16s\n' "$name" "$(sed -n 's/^summary: //p' "$out")"
    done
fi
