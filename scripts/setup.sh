#!/usr/bin/env bash
# Installs the Debian packages that the build, the game, the tests and `make package` need, when
# they are missing; with --fuzz also clang and its libFuzzer runtime.
set -euo pipefail

# Debian's qt6-charts-dev needs libqt6opengl6-dev for its CMake package but does not depend on it.
packages=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev libgl-dev
    nlohmann-json3-dev
    fonts-liberation2
    xvfb xauth xdotool imagemagick x11-utils
    desktop-file-utils appstream groff-base dpkg-dev
    at-spi2-core python3-pyatspi dbus dbus-x11
)
if [[ "${1:-}" == "--fuzz" ]]; then
    packages+=(clang libclang-rt-dev)
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo=()
if ((EUID != 0)); then
    sudo=(sudo)
fi
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
