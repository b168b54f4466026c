#!/usr/bin/env bash
# Pictures of the desktop program's windows (English and Russian, both units modes, every
# dialog, one whole X screen of a laptop's 1366×768) under a virtual X server, into
# BUILD_DIR/screenshots/. Settings and data go to a private folder there, never to the user's
# own.
#   screenshots.sh [BUILD_DIR]   (default: build/test, the test command's tree)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build test
dir=${1:-build/test}
if [ "$dir" = build/test ]; then
    cmake --preset test >/dev/null
else
    cmake -S . -B "$dir" -G Ninja -DVELMORA_BENCH=OFF -DVELMORA_TESTS=ON
fi
cmake --build "$dir" --target velmora_screenshots

out=$(realpath -m "$dir/screenshots")
home=$out/home
rm -rf "$out"
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"
env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
    XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1366x768x24" "$dir/bin/velmora_screenshots" "$out"
rm -rf "$home"
echo "Screenshots: $out"
