#!/usr/bin/env bash
# Builds the Debian package of the program into build/package and prints its path. Install it
# with: sudo apt-get install ./build/package/cardovane_*.deb
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh" package
build="$root/build/package"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON -DCARDOVANE_TESTS=OFF >/dev/null
cmake --build "$build" --target Cardovane cardovane-dbadmin icons documents
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/cardovane_*.deb
