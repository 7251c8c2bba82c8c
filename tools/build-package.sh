#!/usr/bin/env bash
# Builds the Debian package of the game, offline, from a copy of this tree:
#   tools/build-package.sh [OUT_DIR]      (default: build-deb/)
# Installs the build-dependencies named in debian/control first (apt, as root or
# through sudo), then runs dpkg-buildpackage -us -uc -b without the package's tests.
# The package lands in OUT_DIR as tolvar_<version>_<arch>.deb; its path is the last line printed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$root/build-deb"}
mkdir -p "$out"
out=$(cd "$out" && pwd)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if ! command -v dpkg-buildpackage >/dev/null || ! command -v dh >/dev/null ||
    ! (cd "$root" && dpkg-checkbuilddeps >/dev/null 2>&1); then
    echo "== Installing the build-dependencies =="
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends dpkg-dev debhelper
    (cd "$root" && DEBIAN_FRONTEND=noninteractive $sudo apt-get build-dep -y -qq --no-install-recommends ./)
fi

# dpkg-buildpackage writes beside the source folder and leaves its work inside it, so it
# runs on a copy: the sources as git sees them (ignored build folders left out).
src=$out/src
rm -rf "$src"
mkdir -p "$src"
if git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
    (cd "$root" && git ls-files -z --cached --others --exclude-standard |
        xargs -0 -r sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' _ |
        tar --null -T - -cf -) | tar -xf - -C "$src"
else
    (cd "$root" && tar --exclude='./build*' -cf - .) | tar -xf - -C "$src"
fi

echo "== Building the package =="
# A compiler cache, when there is one, makes the next build quick.
[ -d /usr/lib/ccache ] && export PATH="/usr/lib/ccache:$PATH"
version=$(cd "$src" && dpkg-parsechangelog -S Version)
arch=$(dpkg-architecture -q DEB_HOST_ARCH)
rm -f "$out"/tolvar_"$version"_*.deb "$out"/tolvar-dbgsym_"$version"_*.deb
(cd "$src" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc) ${DEB_BUILD_OPTIONS-}" \
    dpkg-buildpackage -us -uc -b >"$out/build.log" 2>&1) || {
    tail -n 60 "$out/build.log"
    echo "the package build failed; the whole log is in $out/build.log" >&2
    exit 1
}
deb=$out/tolvar_${version}_${arch}.deb
[ -f "$deb" ] || { echo "no $deb after the build" >&2; exit 1; }
echo "$deb"
