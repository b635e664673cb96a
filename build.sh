#!/usr/bin/env bash
# Builds Ledra and then starts it (./build.sh run), runs every test (./build.sh test) or makes
# the Debian package (./build.sh package).
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev iproute2 util-linux mount
          pkg-config libhamlib-dev libhamlib-utils desktop-file-utils appstream mandoc)
# making and checking the package: dpkg-shlibdeps, file (used by CPack) and lintian
package_tools=(dpkg-dev file lintian)

install_missing_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        # without sudo, or with a sudo that wants a password and no terminal to ask on, stop here
        if ! command -v sudo >/dev/null \
            || { ! sudo -n true 2>/dev/null && ! { : </dev/tty; } 2>/dev/null; }; then
            echo "build.sh: missing Debian packages ${missing[*]}; install them as root with:" \
                 "apt-get install --no-install-recommends ${missing[*]}" >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLEDRA_WERROR=ON
    cmake --build build -j"$(nproc)"
}

# The tests broadcast datagrams and mount small file systems: they run in private user, mount
# and network namespaces where only loopback exists and broadcasts come back to the test.
run_tests() {
    unshare -rmn sh -ec '
        ip link set lo up
        ip route add broadcast 255.255.255.255 dev lo table local
        cd build && ctest --output-on-failure -j2 --timeout 600'
}

# The .deb goes to build/; lintian then checks it and fails on errors.
make_package() {
    rm -f build/ledra_*.deb
    (cd build && cpack -G DEB)
    lintian --fail-on error build/ledra_*.deb
}

case "${1:-}" in
    run)     install_missing_packages "${packages[@]}"; build; exec ./build/ledra ;;
    test)    install_missing_packages "${packages[@]}"; build; run_tests ;;
    package) install_missing_packages "${packages[@]}" "${package_tools[@]}"; build; make_package ;;
    *)       echo "usage: $0 run|test|package" >&2; exit 2 ;;
esac
