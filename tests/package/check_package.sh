#!/usr/bin/env bash
# Checks the Debian package in two builds:
#  - the package of this build tree (the test build, with sanitizers) is
#    unpacked and its tools started as a user of the package would (no
#    display, any working directory), under the sanitizers' eyes;
#  - the Release package, built as ./package.sh builds it in
#    BUILD_DIR/package-release, goes through lintian, hardening-check, mandoc
#    and appstreamcli: they judge what users get, compiler flags included,
#    which the sanitizer build does not have.
# Both must hold every installed file.
# Usage: check_package.sh CPACK BUILD_DIR VERSION SOURCE_DIR
set -euo pipefail
cpack=$1 build=$2 version=$3 source_dir=$4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
id=ru.orvek.LirSettingsEditor
defaults=usr/share/lir-settings-editor

# Usage: check_files DEB ROOT
check_files() {
    local deb=$1 root=$2 file
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
    dpkg-deb -f "$deb" Depends | grep -q libqt5serialport5 || fail "Depends lacks the shared libraries"
    dpkg-deb -x "$deb" "$root"
    for file in usr/bin/lir-settings-editor usr/bin/lir-settings usr/bin/lir-controller-sim \
        $defaults/lir1_sets_default.xml $defaults/lir2_sets_default.xml \
        usr/share/icons/hicolor/16x16/apps/$id.png usr/share/icons/hicolor/32x32/apps/$id.png \
        usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
        usr/share/man/man1/lir-settings.1.gz usr/share/man/man1/lir-controller-sim.1.gz \
        usr/share/man/man1/lir-settings-editor.1.gz \
        usr/share/doc/lir-settings-editor/copyright usr/share/doc/lir-settings-editor/changelog.gz; do
        [ -f "$root/$file" ] || fail "the package lacks /$file"
    done
}

if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log" >&2
    fail "cpack did not build the package"
fi
deb=$(echo "$tmp"/*.deb)
root=$tmp/root
check_files "$deb" "$root"

desktop=$root/usr/share/applications/$id.desktop
grep -qx "Path=/$defaults" "$desktop" || fail "the menu entry does not start in /$defaults"
messages=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop entry: $messages"
[ -z "$messages" ] || fail "desktop entry: $messages"
for page in "$root"/usr/share/man/man1/*.1.gz; do
    messages=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$messages" ] || fail "$(basename "$page"): $messages"
done

# As in a user's session, without a display; in the sanitizer build the leak
# checker must not add its summary of the suppressions used.
(
    cd "$tmp"
    unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
    export XDG_RUNTIME_DIR=$tmp/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    export LSAN_OPTIONS=${LSAN_OPTIONS:+$LSAN_OPTIONS:}print_suppressions=0
    for tool in lir-settings lir-controller-sim; do
        printed=$("$root/usr/bin/$tool" --version)
        [ "$printed" = "$tool $version" ] || fail "$tool --version printed: $printed"
    done
    printed=$("$root/usr/bin/lir-settings" check "$root/$defaults"/*.xml 2>&1) ||
        fail "check of the default documents failed: $printed"
    [ -z "$printed" ] || fail "check of the default documents printed: $printed"
)
echo "package $(basename "$deb") of the test build checked"

# The Release package. Its build tree stays, so that a later run only builds
# what changed.
source "$source_dir/scripts-common.sh"
if ! build_release_package "$build/package-release" "$tmp/release" >"$tmp/release.log" 2>&1; then
    tail -n 40 "$tmp/release.log" >&2
    fail "the Release package was not built"
fi
deb=$(echo "$tmp"/release/*.deb)
root=$tmp/release-root
check_files "$deb" "$root"

# lintian: no error, no warning, and of the notes only these, each checked
# by hand:
#  - hardening-no-fortify-functions on lir-controller-sim: the emulator's
#    calls that _FORTIFY_SOURCE guards (poll, read, readlink, memcpy) all have
#    sizes the compiler proves safe, so it keeps the plain functions and
#    lintian, which looks for the checked __*_chk ones, finds none. The flag
#    itself is checked on every compile command below.
accepted_notes=("hardening-no-fortify-functions [usr/bin/lir-controller-sim]")
status=0
tags=$(lintian --info --tag-display-limit 0 "$deb" 2>"$tmp/lintian.err") || status=$?
[ "$status" -eq 0 ] || [ -n "$tags" ] || fail "lintian failed: $(cat "$tmp/lintian.err")"
while IFS= read -r line; do
    [ -n "$line" ] || continue
    note=${line#I: lir-settings-editor: }
    if [ "$note" != "$line" ] && printf '%s\n' "${accepted_notes[@]}" | grep -qxF -- "$note"; then
        continue
    fi
    fail "lintian: $line"
done <<<"$tags"

# The programs as Debian's checker sees them. Two of its checks do not apply:
#  - control flow integrity (-fcf-protection): the start files of Debian 12's
#    C library are not marked for it, so the linker marks no program of
#    Debian 12 as protected, whatever the flags;
#  - fortify, which hardening-check also finds only by the __*_chk calls (see
#    the lintian note above).
messages=$(hardening-check --nocfprotection --nofortify "$root"/usr/bin/* 2>&1) ||
    fail "hardening-check: $messages"
# Fortify and the other compile flags, on every source of the Release build
# (link flags, PIE, relro and bindnow, are what hardening-check saw above).
commands=$(grep '"command":' "$build/package-release/compile_commands.json")
for flag in -D_FORTIFY_SOURCE=2 -fstack-protector-strong -fstack-clash-protection -Wformat \
    -Werror=format-security; do
    unflagged=$(grep -v -e " $flag " <<<"$commands" || true)
    [ -z "$unflagged" ] || fail "compiled without $flag: ${unflagged:0:300}"
done
unoptimised=$(grep -v -E ' -O[23s] ' <<<"$commands" || true)
[ -z "$unoptimised" ] || fail "compiled without optimisation (fortify needs it): ${unoptimised:0:300}"

for page in "$root"/usr/share/man/man1/*.1.gz; do
    messages=$(mandoc -Tlint -W warning "$page" 2>&1) || fail "mandoc: $messages"
    [ -z "$messages" ] || fail "mandoc: $messages"
done

# AppStream's pedantic notes, all but one: the id's capitals. The id is also
# the name of the menu entry and of the icons, and capitals in its last part
# are the usual form of a desktop application's id.
messages=$(appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/$id.metainfo.xml" 2>&1) ||
    fail "metainfo: $messages"
unexpected=$(grep -E '^[EWIP]: ' <<<"$messages" | grep -v -x -F "P: $id:3: cid-contains-uppercase-letter $id" || true)
[ -z "$unexpected" ] || fail "metainfo: $unexpected"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo lacks the release $version"
zcat "$root/usr/share/doc/lir-settings-editor/changelog.gz" | head -n 1 |
    grep -q "^lir-settings-editor ($version) " || fail "the changelog does not start with $version"
for program in "$root"/usr/bin/*; do
    ! readelf -S "$program" | grep -q ' \.comment ' || fail "$(basename "$program") keeps .comment"
done
echo "package $(basename "$deb") of the Release build checked"
