#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target of a fuzz build folder on its seed corpus and fails on the first crash.
#   tests/fuzz/run.sh [build folder] [seconds for all targets together]
# The test command gives them 60 seconds; a longer hunt: tests/fuzz/run.sh build-fuzz 3600
set -euo pipefail
source_folder=$(cd "$(dirname "$0")" && pwd)
build_folder=$(cd "${1:-build-fuzz}" && pwd)
seconds=${2:-60}

targets=()
for file in "$build_folder"/tests/fuzz/fuzz_*; do
    [ -f "$file" ] && [ -x "$file" ] && targets+=("$file")
done
share=$(( seconds / ${#targets[@]} ))
for target in "${targets[@]}"; do
    name=$(basename "$target")
    # new inputs go to the build folder, so the seeds in the repository stay as they are
    found="$build_folder/fuzz-found/$name"
    mkdir -p "$found" "$build_folder/fuzz-crashes"
    echo "fuzzing $name for $share s"
    log="$build_folder/fuzz-$name.log"
    if ! LSAN_OPTIONS="suppressions=$source_folder/../sanitizer/lsan.supp:print_suppressions=0" \
        "$target" -max_total_time="$share" -timeout=30 -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="$build_folder/fuzz-crashes/$name-" "$found" "$source_folder/corpus/$name" \
        >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "$name failed: the input that did it is in $build_folder/fuzz-crashes/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units' "$log" | sed "s/^/$name: /"
done
