#!/usr/bin/env bash
# Installs the Debian packages of a purpose (build, run, package, test) that are missing.
set -euo pipefail

# liblzma-dev: the last static archive velmora-calc links (libgsf-1-dev brings the others).
build_pkgs=(g++ cmake ninja-build pkg-config ccache libgsf-1-dev liblzma-dev qt6-base-dev
            qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
            libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core qt6-translations-l10n)
run_pkgs=(xdg-utils qt6-translations-l10n)
# The Debian package: dpkg-shlibdeps computes its dependencies, file finds the programs for it.
package_pkgs=(dpkg-dev file)
# libclang-rt-dev pulls the sanitizer and fuzzer runtimes of the distribution's clang.
test_pkgs=(clang libclang-rt-dev clang-format xvfb xauth x11-apps imagemagick
           python3-xlrd python3-ezdxf python3-matplotlib libreoffice-calc-nogui poppler-utils
           fonts-liberation "${package_pkgs[@]}" lintian desktop-file-utils appstream
           shared-mime-info strace)

wanted=("${build_pkgs[@]}")
for purpose in "$@"; do
    case "$purpose" in
        build) ;;
        run) wanted+=("${run_pkgs[@]}") ;;
        package) wanted+=("${package_pkgs[@]}") ;;
        test) wanted+=("${test_pkgs[@]}") ;;
        *) echo "deps.sh: unknown purpose '$purpose'" >&2; exit 2 ;;
    esac
done

missing=()
for pkg in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
