#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a player's desktop gets:
# the files, the desktop entry, and the launcher's game directory through first start,
# later starts, an upgrade, a moved installation and copies instead of links.
#   install_test.sh BUILD_DIR SOURCE_DIR EXPECT_GAME(0|1) EXPECT_LEVEL_TOOL(0|1)
# Exits 77 (skipped) when a tool it needs is missing.
set -uo pipefail

build=$1
source=$2
expect_game=$3
expect_level_tool=$4

for tool in cmake desktop-file-validate cksum readlink find; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (desktop-file-validate comes with desktop-file-utils)"
        exit 77
    fi
done

# A space and a quote in every path: the launcher and the desktop entry must cope.
tmp=$(mktemp -d "${TMPDIR:-/tmp}/tolvar install 'test'.XXXXXX") || exit 1
trap 'chmod -R u+w "$tmp" 2>/dev/null; rm -rf "$tmp"' EXIT

source "$(dirname "$0")/checks.sh"
same_file() { cmp -s "$1" "$2"; }
is_link_to() { [ -L "$1" ] && [ "$(readlink "$1")" = "$2" ]; }
is_plain_file() { [ -f "$1" ] && [ ! -L "$1" ]; }
contains() { grep -qF -- "$2" "$1"; }

install_into() {
    cmake --install "$build" --prefix "$1" >"$tmp/install.log" 2>&1 || {
        cat "$tmp/install.log"
        echo "FAIL: cmake --install into $1"
        exit 1
    }
}

# --- The installed files ---
prefix="$tmp/pre fix"
install_into "$prefix"
data="$prefix/share/tolvar"
entry="$prefix/share/applications/example.quillon_studio.Tolvar.desktop"

check "launcher is executable" test -x "$prefix/bin/tolvar"
if [ "$expect_game" = 1 ]; then
    check "game program installed" test -x "$prefix/libexec/tolvar/tolvar"
fi
if [ "$expect_level_tool" = 1 ]; then
    check "level tool installed" test -x "$prefix/libexec/tolvar/tolvar-levels"
    check "level tool on PATH runs" bash -c 'PATH="$1/bin:$PATH" tolvar-levels --help >/dev/null 2>&1' _ "$prefix"
fi
while IFS= read -r file; do
    check "shipped data $file" same_file "$source/assets/game/$file" "$data/$file"
done < <(cd "$source/assets/game" && find . -type f | sed 's|^\./||')
for icon in "$source"/assets/icons/hicolor/*/apps/tolvar.png; do
    [ -e "$icon" ] || continue
    size=$(basename "$(dirname "$(dirname "$icon")")")
    check "icon $size" same_file "$icon" "$prefix/share/icons/hicolor/$size/apps/tolvar.png"
done
check "desktop entry is valid" desktop-file-validate "$entry"
check "desktop entry starts the launcher" contains "$entry" "Exec=\"$prefix/bin/tolvar\""
if command -v appstreamcli >/dev/null; then
    check "metainfo is valid" appstreamcli validate --no-net --no-color \
        "$prefix/share/metainfo/example.quillon_studio.Tolvar.metainfo.xml" >/dev/null
fi

# --- Manual pages; --help and --version answer without a game directory ---
check "manual page tolvar(6)" grep -q '^\.TH TOLVAR 6' "$prefix/share/man/man6/tolvar.6"
check "manual page names the data" contains "$prefix/share/man/man6/tolvar.6" "$data"
if [ "$expect_level_tool" = 1 ]; then
    check "manual page tolvar-levels(6)" test -f "$prefix/share/man/man6/tolvar-levels.6"
fi
launcher_version=$(env -u HOME -u XDG_DATA_HOME "$prefix/bin/tolvar" --version)
check "launcher --version" bash -c '[[ $1 =~ ^tolvar\ [0-9]+\.[0-9]+ ]]' _ "$launcher_version"
check "launcher --help" bash -c 'env -u HOME -u XDG_DATA_HOME "$1" --help | grep -q -- --prepare-only' _ "$prefix/bin/tolvar"
if [ "$expect_game" = 1 ]; then
    check "game and launcher agree on the version" \
        [ "$("$prefix/libexec/tolvar/tolvar" --version)" = "$launcher_version" ]
fi

# --- First start: a game directory of links to the shipped data ---
export XDG_DATA_HOME="$tmp/data home"
game="$XDG_DATA_HOME/tolvar"
printed=$("$prefix/bin/tolvar" --prepare-only)
check "prepare-only prints the game directory" [ "$printed" = "$game" ]
check "level set linked" is_link_to "$game/tolvar.box" "$data/tolvar.box"
check "help picture linked" is_link_to "$game/help/objects.png" "$data/help/objects.png"
check "every shipped file appears" bash -c 'cd "$1" && find . -type f | while read -r f; do [ -e "$2/$f" ] || exit 1; done' _ "$data" "$game"

# --- The player's files ---
printf '9980' >"$game/boxsol.1"
printf '77' >"$game/selfsol.2"
printf '0' >"$game/othersol.3"
head -c 280 "$data/tolvar.box" >"$game/self.2"
head -c 280 "$data/tolvar.box" >"$game/other.3"
rm "$game/BOXWIN.WAV" && printf 'my own cheer' >"$game/BOXWIN.WAV"  # replaced a shipped file
printf 'elsewhere' >"$tmp/my level" && ln -s "$tmp/my level" "$game/other.9"
player_files=(boxsol.1 selfsol.2 othersol.3 self.2 other.3 BOXWIN.WAV)
(cd "$game" && cksum "${player_files[@]}") >"$tmp/player.sums"
players_files_intact() { (cd "$game" && cksum "${player_files[@]}") | cmp -s - "$tmp/player.sums"; }

"$prefix/bin/tolvar" --prepare-only >/dev/null
check "second start keeps the player's files" players_files_intact
check "second start keeps the player's replacement" is_plain_file "$game/BOXWIN.WAV"
check "second start keeps the player's own link" is_link_to "$game/other.9" "$tmp/my level"

# --- Reinstalling, then an upgrade that changes, adds and drops shipped files ---
install_into "$prefix"
"$prefix/bin/tolvar" --prepare-only >/dev/null
check "reinstall keeps the player's files" players_files_intact
head -c 280 "$data/tolvar.box" >"$tmp/one level" && cat "$tmp/one level" >>"$data/tolvar.box"
printf 'new' >"$data/new picture.png"
rm "$data/win3.png"
"$prefix/bin/tolvar" --prepare-only >/dev/null
check "upgrade keeps the player's files" players_files_intact
check "upgrade: changed level set seen" same_file "$game/tolvar.box" "$data/tolvar.box"
check "upgrade: new file linked" is_link_to "$game/new picture.png" "$data/new picture.png"
check "upgrade: dropped file's link removed" [ ! -L "$game/win3.png" ]
check "upgrade: player's own link kept" is_link_to "$game/other.9" "$tmp/my level"

# --- The installation moves to another prefix; the old one is removed ---
moved="$tmp/moved prefix"
install_into "$moved"
"$moved/bin/tolvar" --prepare-only >/dev/null
rm -rf "$prefix"
check "move: links follow the new installation" is_link_to "$game/tolvar.box" "$moved/share/tolvar/tolvar.box"
check "move: no link left dangling" bash -c '! find "$1" -xtype l | grep -q .' _ "$game"
check "move: player's files kept" players_files_intact

# --- The launcher runs the game in the game directory with the arguments ---
mkdir -p "$moved/libexec/tolvar"
cat >"$moved/libexec/tolvar/tolvar" <<'EOF'
#!/bin/sh
{ pwd; for a in "$@"; do printf '[%s]\n' "$a"; done; } >"$TOLVAR_TEST_REPORT"
exit 3
EOF
chmod +x "$moved/libexec/tolvar/tolvar"
TOLVAR_TEST_REPORT="$tmp/report" "$moved/bin/tolvar" one "two words" >/dev/null 2>&1
status=$?
check "the game's exit status comes back" [ "$status" = 3 ]
check "the game runs in the game directory with its arguments" \
    [ "$(cat "$tmp/report" 2>/dev/null)" = "$(printf '%s\n[one]\n[two words]' "$game")" ]

# --- Copies instead of links ---
copies="$tmp/copies"
XDG_DATA_HOME="$copies" TOLVAR_COPY_DATA=1 "$moved/bin/tolvar" --prepare-only >/dev/null
check "copy: level set copied" is_plain_file "$copies/tolvar/tolvar.box"
check "copy: same content" same_file "$copies/tolvar/tolvar.box" "$moved/share/tolvar/tolvar.box"
printf 'my own set' >"$copies/tolvar/tolvar.box"
printf 'newer sprites' >"$moved/share/tolvar/sprite.png"
XDG_DATA_HOME="$copies" TOLVAR_COPY_DATA=1 "$moved/bin/tolvar" --prepare-only >/dev/null
check "copy: unchanged copy renewed on upgrade" same_file "$copies/tolvar/sprite.png" "$moved/share/tolvar/sprite.png"
check "copy: the player's changed copy kept" [ "$(cat "$copies/tolvar/tolvar.box")" = "my own set" ]
XDG_DATA_HOME="$copies" "$moved/bin/tolvar" --prepare-only >/dev/null
check "copy: back to links for unchanged copies" is_link_to "$copies/tolvar/sprite.png" "$moved/share/tolvar/sprite.png"
check "copy: changed copy still kept" [ "$(cat "$copies/tolvar/tolvar.box")" = "my own set" ]

# --- Where the game directory goes without XDG_DATA_HOME, and when there is none ---
mkdir -p "$tmp/home"
printed=$(env -u XDG_DATA_HOME HOME="$tmp/home" "$moved/bin/tolvar" --prepare-only)
check "default under HOME" [ "$printed" = "$tmp/home/.local/share/tolvar" ]
printed=$(XDG_DATA_HOME="relative/dir" HOME="$tmp/home" "$moved/bin/tolvar" --prepare-only)
check "a relative XDG_DATA_HOME is ignored" [ "$printed" = "$tmp/home/.local/share/tolvar" ]
env -u XDG_DATA_HOME -u HOME "$moved/bin/tolvar" --prepare-only >/dev/null 2>"$tmp/err"
status=$?
check "no HOME: fails" [ "$status" != 0 ]
check "no HOME: says why" contains "$tmp/err" "HOME"

printf 'not a folder' >"$tmp/a file"
XDG_DATA_HOME="$tmp/a file/below" "$moved/bin/tolvar" --prepare-only >/dev/null 2>"$tmp/err"
status=$?
check "unusable data home: fails" [ "$status" != 0 ]
check "unusable data home: names the directory" contains "$tmp/err" "$tmp/a file/below/tolvar"
if [ "$(id -u)" != 0 ]; then  # root writes anywhere
    mkdir -p "$tmp/locked/tolvar" && chmod 555 "$tmp/locked/tolvar"
    XDG_DATA_HOME="$tmp/locked" "$moved/bin/tolvar" --prepare-only >/dev/null 2>"$tmp/err"
    status=$?
    check "read-only game directory: fails" [ "$status" != 0 ]
    check "read-only game directory: says so" contains "$tmp/err" "cannot write"
fi

rm "$moved/libexec/tolvar/tolvar"
"$moved/bin/tolvar" >/dev/null 2>"$tmp/err"
status=$?
check "missing game program: fails" [ "$status" != 0 ]
check "missing game program: says so" contains "$tmp/err" "reinstall"

summary
