#!/bin/sh
# Instructions per action of the window benchmarks, counted by valgrind's callgrind: the mean over
# a number of runs of each action (the first run included).
#
# Usage: bench/window_instructions.sh [build directory] [runs of each action]
set -eu

build=${1:-build}
runs=${2:-10}
folder=$(mktemp -d /tmp/orvane-actions-XXXXXX)
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d /tmp/orvane-runtime-XXXXXX)
    export XDG_RUNTIME_DIR
fi

printf '%-22s %14s\n' action "per action"
for action in recalculation-start recalculation-largest repaint-start repaint-largest \
    step-start step-largest chain; do
    out="$folder/callgrind.$action"
    valgrind --tool=callgrind --toggle-collect='*measured*' --callgrind-out-file="$out" \
        "$build/bench/window_actions" "$action" "$runs" >/dev/null 2>"$folder/$action.log"
    total=$(sed -n 's/^summary: //p' "$out")
    printf '%-22s %14d\n' "$action" "$((total / runs))"
done
echo "profiles in $folder"
