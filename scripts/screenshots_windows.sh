#!/usr/bin/env bash
# Screenshots of the catalogue window, the wire editor, the template list, the template editor
# and the stringing tables with a refused span in English and Russian, taken under Xvfb by the
# window tests' "screenshots" cases.
# Usage: screenshots_windows.sh [BUILD_DIR] [OUT_DIR]
#   (defaults: build/test, the test command's tree, and BUILD_DIR/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
out=$(realpath -m "${2:-$build/screenshots}")
mkdir -p "$out"
# These pictures are taken by three of the window tests.
if [ "$build" = build/test ]; then
    cmake --preset test >/dev/null
else
    cmake -S . -B "$build" -G Ninja -DVELMORA_TESTS=ON
fi
cmake --build "$build" --target gui_test_catalogue_window gui_test_templates_window \
    gui_test_stringing_window

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
for test in catalogue_window templates_window stringing_window; do
    VELMORA_TEST_HOME="$home/$test" VELMORA_SCREENSHOT_DIR="$out" QT_QPA_PLATFORM=xcb \
        xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
        "$build/bin/gui_test_$test" screenshots
done
echo "Screenshots in $out"
