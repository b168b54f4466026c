#!/usr/bin/env bash
# Builds the Debian package build/velmora_<version>_<arch>.deb: the programs and their files
# built as the run command builds them (Release, no tests), installed under /usr by cpack with
# the dependencies dpkg-shlibdeps finds in the programs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build package
# A Debian package uses the distribution's shared libraries (lintian refuses embedded copies of
# libxml2, zlib and bzip2), so velmora-calc is linked shared here, not statically for a fast start.
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_BENCH=OFF \
    -DVELMORA_STATIC_CLI=OFF
rm -rf build/_CPack_Packages
(cd build && cpack -G DEB >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt)
deb=build/velmora_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "package.sh: cpack did not write $deb" >&2; exit 1; }
echo "Package: $deb"
