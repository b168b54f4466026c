#!/usr/bin/env bash
# The whole test suite: a normal build with warnings on, then a build with AddressSanitizer,
# UndefinedBehaviorSanitizer and the fuzz targets (clang), each followed by ctest.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build test || exit 1

status=0
echo "== Build and test (gcc, warnings on)"
if bash scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_TESTS=ON; then
    (cd build && ctest --output-on-failure -j2) || status=1
else
    status=1
fi

echo "== Build and test with AddressSanitizer + UndefinedBehaviorSanitizer (clang), fuzzing included"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
if CC=clang CXX=clang++ bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug \
        -DVELMORA_SANITIZE=ON -DVELMORA_FUZZ=ON -DVELMORA_BENCH=OFF -DVELMORA_TESTS=ON; then
    (cd build-asan && ctest --output-on-failure -j2) || status=1
else
    status=1
fi
exit $status
