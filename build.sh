#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Ledra and then starts it (./build.sh run), runs every test (./build.sh test) or makes
# the Debian package (./build.sh package).
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev iproute2 util-linux mount
          pkg-config libhamlib-dev libhamlib-utils libgeographiclib-dev desktop-file-utils appstream mandoc
          libxcb1-dev libqt6sql6-sqlite libsndfile1-dev libpulse-dev qt6-multimedia-dev)
# what only the tests need: clang with libFuzzer, valgrind, gqrx with an audio server to start,
# an X server to close real windows on, lighttpd to serve season files, and a session bus with a
# notification server for the reminders
test_tools=(clang-14 libclang-rt-14-dev valgrind gqrx-sdr pulseaudio pulseaudio-utils xvfb lighttpd dbus-daemon
            dunst)
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
    # lighttpd is only a test tool here, but Debian starts it as a service on port 80 as it installs it
    if [[ " ${missing[*]} " == *" lighttpd "* ]] && command -v systemctl >/dev/null; then
        "${sudo[@]}" systemctl disable --now lighttpd >/dev/null 2>&1 || true
    fi
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLEDRA_WERROR=ON
    cmake --build build -j"$(nproc)"
}

# The tests broadcast datagrams and mount small file systems: they run in private user, mount
# and network namespaces where only loopback exists and broadcasts come back to the test.
in_namespaces() {
    unshare -rmn sh -ec '
        ip link set lo up
        ip route add broadcast 255.255.255.255 dev lo table local
        exec "$@"' sh "$@"
}

# The names of a build folder's tests with the given label.
tests_labelled() {
    ctest --test-dir "$1" -N -L "$2" | sed -n 's/^ *Test *#[0-9]*: //p'
}

# One build folder's tests: all of them inside the namespaces; else those that need none, then
# the others as <name>-alone, which skip their datagram and mount parts; then the skips by name.
run_suite() {
    local ctest=(ctest --test-dir "$1" --output-on-failure -j2 --timeout 600)
    if [ "$namespaces" = yes ]; then
        in_namespaces "${ctest[@]}" --label-exclude alone
        return
    fi
    "${ctest[@]}" --label-exclude namespaces -V >"$1/tests-alone.log" 2>&1 \
        || { grep -v '^[0-9]*: \(QWARN\|PASS\)' "$1/tests-alone.log"; return 1; }
    grep -E '^(Total Test time|[0-9]+% tests passed)' "$1/tests-alone.log"
    echo "Skipped in $1 for want of namespaces:" \
        $(comm -23 <(tests_labelled "$1" namespaces | sort) <(tests_labelled "$1" alone | sed 's/-alone$//' | sort)) \
        $(sed -n 's/^[0-9]*: SKIP *: \([A-Za-z]*::[A-Za-z_]*([^)]*)\).*/\1/p' "$1/tests-alone.log" | sed 's/::initTestCase()/ (all)/' | sort -u)
}

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer; -O1 with line tables
# only is all their reports need, and compiles in about half the time.
build_sanitized() {
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLEDRA_WERROR=ON -DLEDRA_SANITIZE=ON \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG"
    cmake --build build-asan -j"$(nproc)"
}

# The libFuzzer targets, which need clang; they link only the core, so nothing else is built.
build_fuzzers() {
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLEDRA_WERROR=ON -DLEDRA_FUZZ=ON \
        -DCMAKE_CXX_COMPILER=clang++-14
    cmake --build build-fuzz -j"$(nproc)" --target fuzzers
}

run_tests() {
    namespaces=yes
    if ! in_namespaces true 2>/dev/null; then
        namespaces=no
        echo "Private namespaces refused (unshare -rmn): running only the tests that send no datagram and mount nothing."
    fi
    run_suite build
    build_sanitized
    run_suite build-asan
    build_fuzzers
    tests/fuzz/run.sh build-fuzz 60
}

# The .deb goes to build/; lintian then checks it and fails on errors.
make_package() {
    rm -f build/ledra_*.deb
    (cd build && cpack -G DEB)
    lintian --fail-on error build/ledra_*.deb
}

case "${1:-}" in
    run)     install_missing_packages "${packages[@]}"; build; exec ./build/ledra ;;
    test)    install_missing_packages "${packages[@]}" "${test_tools[@]}"; build; run_tests ;;
    package) install_missing_packages "${packages[@]}" "${package_tools[@]}"; build; make_package ;;
    *)       echo "usage: $0 run|test|package" >&2; exit 2 ;;
esac
