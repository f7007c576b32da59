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
