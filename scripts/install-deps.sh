#!/usr/bin/env bash
# Installs what building and testing Pelorin needs on Debian 12. Safe to run
# again: it only calls apt-get when a package is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config git
    libicu-dev libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-webengine-dev libqt6webenginewidgets6 qt6-webengine-dev-tools libgl-dev
    xvfb xauth fonts-noto-cjk locales
    g++-mingw-w64-x86-64-posix wine64 wine
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

# A decimal-comma locale lets the tests prove that numbers ignore the locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8 || true
fi
