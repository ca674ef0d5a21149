#!/usr/bin/env bash
# Installs what a purpose needs, and only what is missing:
#   run      building the program and the command, and running them on a desktop
#   package  the above, and building the Debian package (with its manual pages)
#   test     the above, and every test: the fuzzers' compiler, the PostgreSQL server, a display
#            with a window manager, the package's checkers
set -euo pipefail
purpose="${1:-test}"

run=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql qt6-qpa-plugins
    libsqlite3-dev libpq-dev libxcb1-dev fonts-dejavu-core fonts-liberation2
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)
package=(dpkg-dev file help2man)
test=(
    clang-14 libclang-rt-14-dev libgtest-dev
    xvfb xauth openbox xdotool x11-utils
    sqlite3 postgresql pgbouncer openssl
    desktop-file-utils appstream lintian man-db
    dbus at-spi2-core python3-pyatspi
)
case "$purpose" in
    run) packages=("${run[@]}") ;;
    package) packages=("${run[@]}" "${package[@]}") ;;
    test) packages=("${run[@]}" "${package[@]}" "${test[@]}") ;;
    *)
        echo "usage: install-deps.sh run|package|test" >&2
        exit 2
        ;;
esac

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
