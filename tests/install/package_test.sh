#!/usr/bin/env bash
# The Debian package as a player gets it: builds it (tools/build-package.sh), checks it with
# lintian, installs it with apt, plays the installed /usr/games/tolvar under Xvfb with a
# temporary home, checks the manual pages and the level tool, and purges the package again,
# also when a step fails. A tolvar the machine had installed before is saved first and put back
# afterwards; apt waits for another apt that holds its lock.
#   package_test.sh [OUT_DIR]       (default: build-deb/)
# Exits 77 (skipped) where installing packages is not allowed: neither root nor sudo.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${1:-"$root/build-deb"}

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null || ! sudo -n true 2>/dev/null; then
        echo "SKIP: the package test installs a package; it needs root or sudo without a password"
        exit 77
    fi
    sudo="sudo -n"
fi

source "$(dirname "$0")/checks.sh"

echo "--- build"
deb=$("$root/tools/build-package.sh" "$out" | tail -n 1)
if [ ! -f "$deb" ]; then
    failed=$((failed + 1))
    echo "FAIL: the package did not build"
    summary
    exit 1
fi
version=$(cd "$root" && dpkg-parsechangelog -S Version)
echo "$deb"

echo "--- lintian"
command -v lintian >/dev/null || "$root/tools/deps.sh"
lintian --fail-on error,warning --display-info "$deb" 2>&1 | grep -v 'running with root privileges' | tee "$out/lintian.log"
check "lintian finds no error or warning" [ "${PIPESTATUS[0]}" = 0 ]

# One installation at a time on a machine: another run waits here, and apt waits for any other
# apt or dpkg that holds its lock.
exec 9>/tmp/tolvar-package-test.lock
flock 9
apt_get() { $sudo env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 "$@"; }

# A tolvar installed before the test is kept as a package file, to be put back after it.
previous=""
if dpkg-query -W -f='${Status}' tolvar 2>/dev/null | grep -q "install ok installed"; then
    before=$(dpkg-query -W -f='${Version}' tolvar)
    rm -rf "$out/previous" && mkdir -p "$out/previous"
    (cd "$out/previous" && { apt-get download -qq "tolvar=$before" || $sudo dpkg-repack tolvar; }) >/dev/null 2>&1
    previous=$(ls "$out/previous"/tolvar_*.deb 2>/dev/null | head -n 1)
    if [ -z "$previous" ]; then
        echo "SKIP: tolvar $before is installed and could not be saved to be put back (package dpkg-repack)"
        exit 77
    fi
    echo "tolvar $before is installed: it is put back after the test ($previous)"
fi
purge() {
    apt_get purge -y -qq tolvar >/dev/null 2>&1
}
restore() {
    purge
    if [ -n "$previous" ]; then
        apt_get install -y -qq "$previous" >"$out/restore.log" 2>&1 || echo "FAIL: $previous could not be put back"
    fi
}
trap restore EXIT
trap 'exit 1' INT TERM HUP

echo "--- install"
apt_get install -y -qq "$deb" >"$out/install.log" 2>&1
check "apt installs the package" [ $? = 0 ] || tail -n 20 "$out/install.log"

installed_version() { [ "$("$1" --version 2>/dev/null)" = "$(basename "$1") $version" ]; }
check "tolvar --version says $version" installed_version /usr/games/tolvar
check "tolvar-levels --version says $version" installed_version /usr/games/tolvar-levels
check "tolvar --help" bash -c '/usr/games/tolvar --help | grep -q "^Usage: tolvar"'
check "the level tool reads the installed set" \
    bash -c '/usr/games/tolvar-levels verify /usr/share/games/tolvar/tolvar.box --no-solve >/dev/null'
check "man -w tolvar" bash -c '[ "$(man -w tolvar)" = /usr/share/man/man6/tolvar.6.gz ]'
check "man -w tolvar-levels" bash -c '[ "$(man -w tolvar-levels)" = /usr/share/man/man6/tolvar-levels.6.gz ]'
check "the manual page formats" bash -c 'MANWIDTH=80 man tolvar 2>/dev/null | grep -q "box-pushing puzzle"'
check "the package ships the committed data, made again from its code" \
    diff -r "$root/assets/game" /usr/share/games/tolvar
check "the desktop entry is valid" desktop-file-validate /usr/share/applications/example.quillon_studio.Tolvar.desktop

echo "--- play the installed game"
bash "$here/installed_smoke.sh" /usr/games/tolvar /usr/share/games/tolvar "$out/screens"
check "the installed game plays" [ $? = 0 ]

echo "--- purge"
purge
check "purge removes the package" bash -c '! dpkg-query -W -f="\${Status}" tolvar 2>/dev/null | grep -q installed'
check "purge removes the launcher" [ ! -e /usr/games/tolvar ]
trap - EXIT
if [ -n "$previous" ]; then
    restore
    check "the tolvar installed before is back" \
        bash -c '[ "$(dpkg-query -W -f="\${Version}" tolvar 2>/dev/null)" = "$1" ]' _ "$before"
fi
summary
