#!/bin/bash
# Runs clang-tidy with the checks of .clang-tidy over every source file of
# src/, two at a time; any finding fails the run.
# Usage: scripts/tidy.sh BUILD_DIR
#   BUILD_DIR  a configured and built folder of this tree (build/ for the
#              default preset): its compile_commands.json gives each file's
#              flags, and the checks read the moc output of its build.
# Only src/ is checked: not the tests, nor the files moc writes into BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -ne 1 ]; then
    echo "usage: scripts/tidy.sh BUILD_DIR" >&2
    exit 2
fi
if [ ! -f "$1/compile_commands.json" ]; then
    echo "tidy.sh: no $1/compile_commands.json; configure and build $1 first" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
src="$PWD/src"

# The compile commands name files by absolute path.
files=$(grep -o "\"file\": \"$src/[^\"]*\.cpp\"" "$build/compile_commands.json" |
    sed 's/^"file": "//; s/"$//' | sort -u)
if [ -z "$files" ]; then
    echo "tidy.sh: $build/compile_commands.json names no file of $src" >&2
    exit 2
fi
echo "tidy.sh: $(echo "$files" | wc -l) files of src/"

if command -v run-clang-tidy >/dev/null 2>&1; then
    # run-clang-tidy takes regular expressions; .clang-tidy makes findings errors.
    pattern="^$(printf '%s' "$src" | sed 's/[]\\.*^$()+?{}|[]/\\&/g')/.*\\.cpp\$"
    run-clang-tidy -p "$build" -j 2 -quiet "$pattern"
else
    echo "$files" | xargs -P 2 -n 1 clang-tidy -p "$build" --quiet --warnings-as-errors='*'
fi
echo "tidy.sh: no findings"
