#!/usr/bin/env bash
# Builds the Debian package build/package/velmora_<version>_<arch>.deb: the programs and their
# files in their own tree build/package (CMakePresets.json: Release, no tests, the hardening
# flags of dpkg-buildflags), installed under /usr by cpack with the dependencies
# dpkg-shlibdeps finds in the programs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build package
# A Debian package uses the distribution's shared libraries (lintian refuses embedded copies of
# libxml2, zlib and bzip2), so velmora-calc is linked shared here, not statically for a fast start.
bash scripts/build.sh --preset package
dir=build/package
rm -rf $dir/_CPack_Packages $dir/velmora_*.deb
(cd $dir && cpack -G DEB >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' $dir/CMakeCache.txt)
deb=$dir/velmora_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "package.sh: cpack did not write $deb" >&2; exit 1; }
echo "Package: $deb"
