#!/usr/bin/env bash
# Builds the programs and starts the desktop program; without a display it computes the
# bundled example project with velmora-calc and says where the results went.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build run
# Only what running needs, in its own tree build/run (CMakePresets.json): the programs and
# their files, no tests, no benchmarks; the quick static velmora-calc.
bash scripts/build.sh --preset run
bin=build/run/bin

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x $bin/velmora ]; then
    exec $bin/velmora
fi

out=$PWD/build/run/example
mkdir -p "$out"
echo "No display: computing the example project share/examples/example.vlp"
$bin/velmora-calc calc share/examples/example.vlp --report "$out/example-report.xls" \
    > "$out/example-result.json"
echo "Results (JSON): $out/example-result.json"
echo "Report (.xls):  $out/example-report.xls"
