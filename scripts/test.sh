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

echo "== Build and test (gcc, warnings are errors)"
# velmora-calc linked shared, as the Debian package links it: the package tests pack this tree.
# The benchmarks are built too (the run and package commands turn them off in the same
# cache), so that warnings in bench/ fail here.
if bash scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=ON \
        -DVELMORA_TESTS=ON -DVELMORA_STATIC_CLI=OFF -DVELMORA_BENCH=ON; then
    (cd build && ctest --output-on-failure -j2) || status=1
else
    status=1
fi

echo "== Build and test with AddressSanitizer + UndefinedBehaviorSanitizer (clang), fuzzing included"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
if CC=clang CXX=clang++ bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug \
        -DVELMORA_SANITIZE=ON -DVELMORA_FUZZ=ON -DVELMORA_BENCH=OFF -DVELMORA_WERROR=ON -DVELMORA_TESTS=ON; then
    (cd build-asan && ctest --output-on-failure -j2) || status=1
else
    status=1
fi
exit $status
