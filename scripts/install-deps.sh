#!/usr/bin/env bash
# Installs what building, running and testing need, and only what is missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config clang-14 libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql
    libgtest-dev
    fonts-dejavu-core fonts-liberation2
    xvfb xauth openbox xdotool x11-utils
    sqlite3 libsqlite3-dev
    dpkg-dev desktop-file-utils appstream
    postgresql
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep "install ok installed" >/dev/null; then
        missing+=("$p")
    fi
done

if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi
