#!/usr/bin/env bash
# Builds Ledra and then starts it (./build.sh run) or runs every test (./build.sh test).
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev iproute2 util-linux mount pkg-config libhamlib-dev libhamlib-utils)

install_missing_packages() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
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

case "${1:-}" in
    run)  install_missing_packages; build; exec ./build/ledra ;;
    test) install_missing_packages; build; run_tests ;;
    *)    echo "usage: $0 run|test" >&2; exit 2 ;;
esac
