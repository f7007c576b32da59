#!/usr/bin/env bash
# Builds the Debian package of a build tree into a temporary folder, unpacks
# it and checks what it installs, starting the unpacked tools as a user of
# the package would (no display, any working directory).
# Usage: check_package.sh CPACK BUILD_DIR VERSION
set -euo pipefail
cpack=$1 build=$2 version=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log" >&2
    fail "cpack did not build the package"
fi
deb=$(echo "$tmp"/*.deb)
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
dpkg-deb -f "$deb" Depends | grep -q libqt5serialport5 || fail "Depends lacks the shared libraries"

root=$tmp/root
dpkg-deb -x "$deb" "$root"
id=ru.orvek.LirSettingsEditor
defaults=usr/share/lir-settings-editor
for file in usr/bin/lir-settings-editor usr/bin/lir-settings usr/bin/lir-controller-sim \
    $defaults/lir1_sets_default.xml $defaults/lir2_sets_default.xml \
    usr/share/icons/hicolor/16x16/apps/$id.png usr/share/icons/hicolor/32x32/apps/$id.png \
    usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/man/man1/lir-settings.1.gz usr/share/man/man1/lir-controller-sim.1.gz \
    usr/share/man/man1/lir-settings-editor.1.gz; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done

desktop=$root/usr/share/applications/$id.desktop
grep -qx "Path=/$defaults" "$desktop" || fail "the menu entry does not start in /$defaults"
messages=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop entry: $messages"
[ -z "$messages" ] || fail "desktop entry: $messages"
messages=$(appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" 2>&1) ||
    fail "metainfo: $messages"
for page in "$root"/usr/share/man/man1/*.1.gz; do
    messages=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$messages" ] || fail "$(basename "$page"): $messages"
done

# As in a user's session, without a display; in the sanitizer build the leak
# checker must not add its summary of the suppressions used.
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
echo "package $(basename "$deb") checked"
