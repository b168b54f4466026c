#!/usr/bin/env bash
# Configures and builds one build tree, through ccache when it is installed:
#   build.sh --preset NAME [cmake options...]   the tree build/NAME of CMakePresets.json
#   build.sh DIR [cmake options...]             a tree of your own
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -eq 0 ] || { [ "$1" = "--preset" ] && [ $# -lt 2 ]; }; then
    echo "usage: build.sh --preset NAME [cmake options...] | build.sh DIR [cmake options...]" >&2
    exit 2
fi
if [ "$1" = "--preset" ]; then
    where=(--preset "$2")
    built=(--preset "$2")
    shift 2
else
    dir=$(realpath -m "$1")
    where=(-B "$dir" -G Ninja)
    built=("$dir")
    shift
fi
launcher=()
if command -v ccache >/dev/null; then
    # Hits across clones of the repository in other folders; the precompiled headers of the
    # windows are cached too (ccache needs these two sloppinesses for them).
    export CCACHE_BASEDIR=$source_dir CCACHE_NOHASHDIR=true
    export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cd "$source_dir"
cmake -S . "${where[@]}" "${launcher[@]}" "$@"
cmake --build "${built[@]}"
