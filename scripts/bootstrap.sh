#!/usr/bin/env bash
# Installs what the project needs on a fresh Debian 12 machine, then configures and builds
# incrementally. Usage: scripts/bootstrap.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift || true

packages=(
    build-essential cmake ninja-build pkg-config ccache
    qt6-base-dev qt6-base-dev-tools libgl-dev
    # Qt Charts' CMake package needs Qt OpenGL's, which Debian's qt6-charts-dev does not pull in.
    qt6-charts-dev libqt6opengl6-dev
    # Qt's own dialogs in German.
    qt6-translations-l10n
    libsqlite3-dev sqlite3
    libgtest-dev libgmock-dev libbenchmark-dev
    dbus dbus-daemon dbus-bin libglib2.0-bin
    xvfb xauth xdotool
    clang-format
    poppler-utils
    # The Debian package (dpkg-shlibdeps needs file) and the lint of the manual pages.
    dpkg-dev file mandoc
    # The validator the tests check zep31ctl's JSON output against its schemas with.
    python3-jsonschema
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
cmake --build "$build" -j "$(nproc)"
