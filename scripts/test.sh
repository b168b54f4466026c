#!/usr/bin/env bash
# The whole test suite: the formatting check, a normal build, then a build with
# AddressSanitizer, UndefinedBehaviorSanitizer and the fuzz targets (clang), each followed by
# ctest. Both builds treat warnings as errors.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build test || exit 1

status=0
echo "== Formatting (.clang-format)"
bash scripts/check_format.sh || status=1

echo "== Build and test (gcc, warnings are errors): build/test"
# The tree of the preset "test" (CMakePresets.json): velmora-calc linked shared and the
# hardening flags, as the Debian package has them (the package tests pack this tree), and the
# benchmarks, so that warnings in bench/ fail here.
if bash scripts/build.sh --preset test; then
    ctest --preset test || status=1
else
    status=1
fi

echo "== Build and test with AddressSanitizer + UndefinedBehaviorSanitizer (clang), fuzzing included: build/asan"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
if bash scripts/build.sh --preset asan; then
    ctest --preset asan || status=1
else
    status=1
fi
exit $status
