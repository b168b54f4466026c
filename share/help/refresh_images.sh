#!/usr/bin/env bash
# Refreshes the manual's screenshots in images/ from the program's own screenshot tools
# (scripts/screenshots.sh and scripts/screenshots_windows.sh under Xvfb), then the manuals
# are rebuilt from them by the normal build. Run after a window changes:
#   bash share/help/refresh_images.sh [BUILD_DIR]   (default: build/test)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/test}
shots=$build/screenshots
bash scripts/screenshots.sh "$build"
bash scripts/screenshots_windows.sh "$build" "$shots"
for language in en ru; do
    for name in main_${language}_units0 main_${language}_units1 climatic_${language} \
                units_${language} saveprompt_${language} about_${language} wait_${language} \
                catalogue_manage_${language} wire_editor_${language} \
                template_list_${language} template_editor_${language} \
                template_preview_${language} stringing_${language} stringing_plot_${language} \
                results_${language}_units0_summary results_${language}_units0_table \
                results_${language}_units0_sag profile_violation_${language} \
                profile_spotted_${language}; do
        cp "$shots/$name.png" share/help/images/
    done
done
cp "$shots/language.png" share/help/images/
echo "Screenshots copied into share/help/images/; rebuild: cmake --build $build --target velmora_help"
