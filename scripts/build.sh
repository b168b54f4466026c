#!/usr/bin/env bash
# Configures and builds one build tree: build.sh DIR [cmake options...]
set -euo pipefail
dir=$1
shift
launcher=()
if command -v ccache >/dev/null; then
    # Hits across clones of the repository in other folders.
    export CCACHE_BASEDIR CCACHE_NOHASHDIR=true
    CCACHE_BASEDIR=$(cd "$(dirname "$0")/.." && pwd)
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$(dirname "$0")/.." -B "$dir" -G Ninja "${launcher[@]}" "$@"
cmake --build "$dir"
