#!/usr/bin/env bash
# Pictures of the desktop program's windows (English and Russian, both units modes, every
# dialog) under a virtual X server, into build/screenshots/. Settings and data go to a
# private folder there, never to the user's own.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build test
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCH=OFF

out=$PWD/build/screenshots
home=$out/home
rm -rf "$out"
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"
env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
    XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x900x24" build/bin/velmora_screenshots "$out"
echo "Screenshots: $out"
