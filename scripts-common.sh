# Shared by run.sh, test.sh and package.sh: install the Debian packages that
# are missing.
# Usage: ensure_packages PACKAGE...
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

BUILD_PACKAGES=(g++ cmake make qtbase5-dev libqt5serialport5-dev qttranslations5-l10n)
# Building the Debian package: dpkg-shlibdeps computes its Depends and needs
# file to find the programs.
PACKAGE_PACKAGES=(dpkg-dev file)

# Configures and builds the Release programs in BUILD (the "release" preset of
# CMakePresets.json) and packs them into DIST/lir-settings-editor_VERSION_ARCH.deb,
# replacing only this package's files of earlier runs.
# Usage: build_release_package BUILD DIST
build_release_package() {
    local source build=$1 dist=$2
    source="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
    cmake -S "$source" --preset release -B "$build" >/dev/null
    cmake --build "$build" -j"$(nproc)"
    rm -rf "$dist/_CPack_Packages" "$dist"/lir-settings-editor_*.deb
    (cd "$build" && cpack -G DEB -B "$dist")
    rm -rf "$dist/_CPack_Packages"
}
