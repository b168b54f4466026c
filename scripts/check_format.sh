#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what the repository's .clang-format makes of
# it, naming each such file. check_format.sh [--fix] formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(find src tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
status=0
for file in "${files[@]}"; do
    if ! clang-format --dry-run -Werror "$file" 2>/dev/null; then
        echo "not formatted: $file (clang-format -i $file)"
        status=1
    fi
done
exit $status
