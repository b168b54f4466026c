#!/usr/bin/env bash
# Builds the programs and starts the desktop program; without a display it computes the
# bundled example project with velmora-calc and says where the results went.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build run
# Only what running needs: the programs and their files, no tests, no benchmarks; the quick
# static velmora-calc, named because the test and package commands store OFF in the same cache.
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_BENCH=OFF \
    -DVELMORA_STATIC_CLI=ON

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/bin/velmora ]; then
    exec build/bin/velmora
fi

out=$PWD/build/example
mkdir -p "$out"
echo "No display: computing the example project share/examples/example.vlp"
build/bin/velmora-calc calc share/examples/example.vlp --report "$out/example-report.xls" \
    > "$out/example-result.json"
echo "Results (JSON): $out/example-result.json"
echo "Report (.xls):  $out/example-report.xls"
