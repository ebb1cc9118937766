#!/bin/sh
# Instructions each start-up program executes until its window is first shown, counted by
# valgrind's callgrind: unlike times, the counts repeat from run to run on a busy machine.
#
# Usage: bench/startup_instructions.sh [build directory] [folder for the profiles]
# The profiles up to first shown are kept as <folder>/callgrind.<program>.1, for callgrind_annotate.
set -eu

build=${1:-build}
folder=${2:-$(mktemp -d /tmp/orvane-startup-XXXXXX)}
mkdir -p "$folder"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d /tmp/orvane-runtime-XXXXXX)
    export XDG_RUNTIME_DIR
fi

printf '%-18s %16s %16s\n' program "to first shown" "whole run"
for program in startup_orvane startup_floor startup_textfloor; do
    out="$folder/callgrind.$program"
    rm -f "$out" "$out".*
    valgrind --tool=callgrind --dump-before='*windowFirstShown*' --callgrind-out-file="$out" \
        "$build/bench/$program" >/dev/null 2>"$folder/$program.log"
    shown=$(sed -n 's/^summary: //p' "$out.1")
    rest=$(sed -n 's/^summary: //p' "$out")
    printf '%-18s %16s %16s\n' "$program" "$shown" "$((shown + rest))"
done
echo "profiles in $folder (callgrind_annotate --inclusive=yes $folder/callgrind.startup_orvane.1)"
